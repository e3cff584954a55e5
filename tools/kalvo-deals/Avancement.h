// The progress line of a long check on the terminal: "donne 3/40 :
// 12 345 lignes, 67 890 positions…", rewritten in place on the error
// output and wiped when the deal is done. Nothing when that output is not
// a terminal (a file, a pipe, the tests).
#pragma once

#include "tools/kalvo-deals/Exploration.h"

#include <functional>
#include <ostream>
#include <string>

namespace kalvo::outil_donnes {

class TAvancement {
 public:
  explicit TAvancement(std::ostream& terminal);
  bool Actif() const { return actif_; }
  // The callback of the exploration of deal n of nb.
  std::function<void(const TAvancementExploration&)> Pour(int n, int nb);
  // Wipes the line, if one was written.
  void Efface();

 private:
  std::ostream& terminal_;
  bool actif_ = false;
  bool ecrit_ = false;
};

}  // namespace kalvo::outil_donnes
