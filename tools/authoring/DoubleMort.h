// Double-dummy analysis of a position with the DDS solver: how many tricks
// North-South take when both sides play their best, and which card the
// seat to play plays in that best play. DDS keeps global memory, so one
// solver lives at a time; it runs on the caller's thread only, which keeps
// its answers the same from run to run.
#pragma once

#include "engine/PartieCartes.h"

#include <stdexcept>

namespace kalvo::redaction {

class ErreurDoubleMort : public std::runtime_error {
 public:
  explicit ErreurDoubleMort(const std::string& message) : std::runtime_error(message) {}
};

class TSolveurDoubleMort {
 public:
  TSolveurDoubleMort();
  ~TSolveurDoubleMort();
  TSolveurDoubleMort(const TSolveurDoubleMort&) = delete;
  TSolveurDoubleMort& operator=(const TSolveurDoubleMort&) = delete;

  // North-South's tricks in the whole deal: those already won, and those
  // still to come with both sides playing their best. Throws ErreurDoubleMort.
  int LeveesNS(const TPartieCartes& partie);

  // The best card of the seat to play: of the cards that keep the most
  // tricks for its side, the lowest, clubs first on equal ranks.
  TCard MeilleureCarte(const TPartieCartes& partie);
};

}  // namespace kalvo::redaction
