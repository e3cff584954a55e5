// Solution mode: the user keeps to one of the winning orders of play the
// engine has listed; each completed trick's pair of cards is recorded.
#pragma once

#include "coaching/CoupUtilisateur.h"
#include "engine/SuiviMains.h"

#include <array>

namespace kalvo {

// Pair t (1..6): the card of PremierJoueurSolution, then its partner's.
using TCouplesJoues = std::array<std::array<TCard, 2>, NbMaxLeveesSolution>;

struct TEtatSolution {
  TJoueur PremierJoueurSolution = jrSud;
  int indiceSolution = 0;      // the solution last matched, 0 none yet
  int indiceCouplesJoues = 0;  // completed tricks recorded
  TCouplesJoues CouplesJoues{};
};

struct TVerificationSolution {
  int Code = 0;          // 0 or 70
  TEtatSolution Etat;    // the state once the card is played
};

TVerificationSolution VerifieCarteSolution(const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                           const TEtatSolution& etat, TCard carte);

}  // namespace kalvo
