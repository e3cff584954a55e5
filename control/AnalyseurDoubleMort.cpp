#include "control/AnalyseurDoubleMort.h"

#include <future>
#include <system_error>

namespace kalvo {

TAnalyseurDoubleMort::~TAnalyseurDoubleMort() {
  for (TTache& t : taches_)
    if (t.Fil.joinable()) t.Fil.join();
}

void TAnalyseurDoubleMort::RamasseFinies() {
  std::erase_if(taches_, [](TTache& t) {
    if (!t.Finie->load()) return false;
    t.Fil.join();
    return true;
  });
}

std::optional<std::vector<TValeurCarte>> TAnalyseurDoubleMort::Analyse(const TPositionDoubleMort& position,
                                                                       std::optional<std::chrono::milliseconds> delai) {
  if (dernierePosition_ == position) return dernieresValeurs_;
  // No time to wait: the beep alone, whatever the solver's speed.
  if (delai && delai->count() <= 0) return std::nullopt;
  RamasseFinies();
  auto promesse = std::make_shared<std::promise<std::vector<TValeurCarte>>>();
  std::future<std::vector<TValeurCarte>> resultat = promesse->get_future();
  auto finie = std::make_shared<std::atomic<bool>>(false);
  try {
    taches_.push_back({std::thread([position, promesse, finie] {
                         try {
                           promesse->set_value(AnalyseDoubleMort(position));
                         } catch (...) {
                           promesse->set_exception(std::current_exception());
                         }
                         finie->store(true);
                       }),
                       finie});
  } catch (const std::system_error&) {
    return std::nullopt;  // no thread to be had: the beep alone
  }
  if (delai && resultat.wait_for(*delai) != std::future_status::ready) return std::nullopt;
  try {
    dernieresValeurs_ = resultat.get();
  } catch (const std::exception&) {
    return std::nullopt;  // a position the solver refuses: the beep alone
  }
  dernierePosition_ = position;
  return dernieresValeurs_;
}

}  // namespace kalvo
