// The defenders' fallback card: which suit West or East gives up when the
// deal script names no card for it.
#pragma once

#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"

namespace kalvo {

// What the defenders' choice reads of the position at the moment of the call.
struct TPositionDefense {
  TJoueur JoueurActuel = jrOuest;  // the defender to play
  TJoueur Entameur = jrOuest;      // the seat that led the current trick
  TCartesJouees OnTable{};         // cards on the table; zero where a seat has not played
  int Levee = 1;                   // the current trick, 1..13
  int ChaineActuelle = 1;          // the chain of the deal script for this trick
};

// Position (1..13) of the lowest remaining card of the suit the discard
// rules pick for the defender to play, whether or not it could follow
// suit; -1 when it holds no card at all.
int ChoisitDefausse(const TSuiviMains& suivi, const TPositionDefense& position);

}  // namespace kalvo
