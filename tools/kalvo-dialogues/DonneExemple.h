// The deal the pictures show: a 3SA after West's heart overcall, its
// auction with two alerts, and the play of the first tricks, kept by the
// engine and the play statistics as the trick loop keeps them.
#pragma once

#include "coaching/StatistiquesJeu.h"
#include "engine/SuiviMains.h"
#include "model/Donne.h"

#include <string_view>

namespace kalvo {

// "AK4.A63.942.AQT3": spades, hearts, diamonds, clubs, ranks AKQJT98765432.
T4Jeux MainsDeTexte(std::string_view sud, std::string_view ouest, std::string_view nord, std::string_view est);

struct TDonneExemple {
  TDonne Donne;
  TSuiviMains Suivi;
  TStatistiquesJeu Stats;
  std::array<int, 4> PointsHonneurs{};
};

// The deal after `levees` tricks of its play (0..4).
TDonneExemple DonneExemple(int levees);

// A deal whose West leads the ten from king, ten, five of spades.
TDonne DonneEntameDix();

}  // namespace kalvo
