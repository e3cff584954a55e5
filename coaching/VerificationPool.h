// Pool mode: the user's card judged against the deal's pool of accepted
// leads and of the replies of the leader's partner.
#pragma once

#include "coaching/CoupUtilisateur.h"
#include "engine/SuiviMains.h"
#include "model/Donne.h"

namespace kalvo {

// The lead the user made to the trick, which the partner's reply is
// judged against.
struct TEntamePool {
  int numero_carte = 0;  // entry of the pool the lead matched, 0 none
  TCard Carte1;          // the lead
};

struct TVerificationPool {
  int Code = 0;
  TEntamePool Entame;  // the new lead state (changed only by a lead)
};

// `entame` is the state left by the user's lead to this trick. A trick led
// by a defender has no pool entry: the user's cards there are accepted.
TVerificationPool VerifieCartePool(const TDonne& donne, const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                   int NumeroPool, const TEntamePool& entame, TCard carte);

}  // namespace kalvo
