// The hourglass for as long as the object lives, whatever way the wait ends.
#pragma once

#include "control/EcranJeu.h"

namespace kalvo {

class TSablier {
 public:
  explicit TSablier(TEcranJeu& ecran) : ecran_(ecran) { ecran_.Sablier(true); }
  ~TSablier() { ecran_.Sablier(false); }
  TSablier(const TSablier&) = delete;
  TSablier& operator=(const TSablier&) = delete;

 private:
  TEcranJeu& ecran_;
};

}  // namespace kalvo
