// The deals the controller tests play.
#pragma once

#include "tests/control/FabriqueDonne.h"

namespace kalvo::test {

constexpr std::string_view MainsDemo =
    "S:AK4.A63.942.AQT3 O:QT9.KQJ95.765.97 N:762.74.AQJT3.K85 E:J853.T82.K8.J642";

// The delivered demo deal: hold up twice in hearts, win the third, finesse
// in diamonds; East wins and cannot return a heart: the claim ends it.
inline TFabriqueDonne DonneDemo() {
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Commentaire(1, 40, "Laissez passer.")
      .Commentaire(2, 30, "Encore.")
      .Commentaire(3, 20, "Pas un Carreau.")
      .Commentaire(4, 10, "Les Carreaux.")
      .Commentaire(5, 10, "L'impasse.")
      .Commentaire(6, 10, "Prenez.")
      .Commentaire(7, 0, "Bravo, le reste est à vous.");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4,H7 S:H3,H6,HA=1")
      .Levee(2, jrOuest, 3, "O:HQ E:H8 N:H7,H4 S:H6,H3,HA=2")
      .Levee(3, jrOuest, 4, "O:HJ E:HT N:S*,C8,C5,D*=3 S:HA,H6=6,H3=6")
      .Levee(4, jrSud, 5, "S:D2,D4,D9,S*=4,C*=4 O:D5 N:DT,DJ,DQ,D3=5,DA=5 E:DK")
      .Revendication(5, 7, 10, 3);
  f.JeuComplet({"HK H4 H2 H3", "HQ H7 H8 H6", "HJ C5 HT HA", "D2 D5 DT DK", "S3 SA S9 S2", "D4 D6 DA D8",
                "DQ S5 D9 D7", "DJ S8 S4 ST", "D3 SJ C3 SQ", "CK C2 CT C7", "C8 C4 CA C9", "CQ H5 S6 C6"});
  return f;
}

// South holds every master of spades, hearts and diamonds: after West's
// spade lead it wins all thirteen tricks whatever the user plays.
constexpr std::string_view MainsMaitres =
    "S:AKQJT.AKQJ.AKQJ. O:432.654..AKQJT98 N:98765.T987.T987. E:.32.65432.765432";

// Chain 1: West leads the ♠2. Chains 2..12: South leads anything.
inline TFabriqueDonne DonneMaitres(int premiereSuivante = 2) {
  TFabriqueDonne f(MainsMaitres, "3SA");
  f.Levee(1, jrOuest, premiereSuivante, "O:S2 N:** S:**");
  for (int c = 2; c <= 12; ++c) f.Levee(c, jrSud, c + 1, "S:** N:**");
  f.Commentaire(4, 10, "Pas les Carreaux.")
      .Commentaire(5, 15, "Pas ce Pique.")
      .Commentaire(6, 20, "Pas les Cœurs.");
  return f;
}

}  // namespace kalvo::test
