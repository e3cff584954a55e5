// Programme mode: the engine's analysis of the hand judges the user's card
// (an automatic section of the script, or the winning claim), corrected in
// an automatic section by the exceptions its node lists.
#pragma once

#include "coaching/CoupUtilisateur.h"
#include "engine/SuiviMains.h"
#include "model/Donne.h"

namespace kalvo {

// The user's lead to the trick, which the partner's card is judged against.
struct TEntameProgramme {
  TCard Carte1;
  bool isJ1Maitresse = false;
};

struct TVerificationProgramme {
  int Code = 0;
  TEntameProgramme Entame;  // the new lead state (changed only by an accepted lead)
};

// `chaineActuelle` is the automatic node when EnAutomatique is set (its
// lists and ParCouleur apply); otherwise it is not read. A trick led by a
// defender gives no lead to judge against: the user's cards are accepted.
TVerificationProgramme VerifieCarteProgramme(const TDonne& donne, const TSuiviMains& suivi,
                                             const TCoupUtilisateur& coup, int chaineActuelle, bool EnAutomatique,
                                             const TEntameProgramme& entame, TCard carte);

}  // namespace kalvo
