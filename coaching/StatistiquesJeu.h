// What the table has seen of the play so far: the points and cards each
// seat has shown, the opening lead and each defender's first discard. The
// trick loop keeps them; the quiz reads them.
#pragma once

#include "model/BridgeTypes.h"

#include <array>

namespace kalvo {

struct TStatistiquesJeu {
  std::array<int, 4> PointsJoues{};                              // by seat
  std::array<std::array<int, 4>, 4> CartesJoueesParCouleur{};   // [seat][suit]
  TCard EntameJouee;                                             // West's lead to trick 1
  std::array<bool, 4> DefausseNotee{};                           // by seat
  TCartesJouees PremiereDefausse{};                              // by seat

  // Records one card as it reaches the table. entame is the card the
  // trick's leader played (the card itself when joueur leads); atout the
  // contract's strain. A trump played on another suit is a ruff, not a
  // discard.
  void NoteCarte(TJoueur joueur, TCard carte, int levee, TJoueur entameur, TCard entame, TCouleur atout);
};

}  // namespace kalvo
