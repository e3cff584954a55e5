// The double-dummy values of a position computed on a thread of their own
// and waited for a limited time: the trainer asks them for a card in no
// line of the lesson and must not keep the user waiting long. An analysis
// that comes too late finishes on its thread and is dropped.
#pragma once

#include "engine/DoubleMort.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace kalvo {

class TAnalyseurDoubleMort {
 public:
  TAnalyseurDoubleMort() = default;
  // Waits for the analyses still running.
  ~TAnalyseurDoubleMort();
  TAnalyseurDoubleMort(const TAnalyseurDoubleMort&) = delete;
  TAnalyseurDoubleMort& operator=(const TAnalyseurDoubleMort&) = delete;

  // Every card of the position with its value; nothing when they are not
  // known within `delai` (none: no limit) or the solver refuses the
  // position. The last position's values are kept: the user often tries
  // several cards at one turn.
  std::optional<std::vector<TValeurCarte>> Analyse(const TPositionDoubleMort& position,
                                                   std::optional<std::chrono::milliseconds> delai);

 private:
  struct TTache {
    std::thread Fil;
    std::shared_ptr<std::atomic<bool>> Finie;
  };
  void RamasseFinies();

  std::vector<TTache> taches_;
  std::optional<TPositionDoubleMort> dernierePosition_;
  std::vector<TValeurCarte> dernieresValeurs_;
};

}  // namespace kalvo
