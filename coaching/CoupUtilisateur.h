// What the judging of the user's card reads of the trick being played.
#pragma once

#include "model/BridgeTypes.h"

namespace kalvo {

struct TCoupUtilisateur {
  TJoueur JoueurActuel = jrSud;  // the hand to play: South or North
  TJoueur Entameur = jrOuest;    // the seat that led the trick
  TCartesJouees OnTable{};       // the cards of the trick so far
  TJoueur Gagnant = jrSud;       // the winner of the last trick (script nodes of type 5)

  bool Entame() const { return JoueurActuel == Entameur; }
  // The suit led; the card's own suit when the hand leads.
  TCouleur CouleurEntame(TCard carte) const { return Entame() ? carte.Couleur() : OnTable[Entameur].Couleur(); }
};

}  // namespace kalvo
