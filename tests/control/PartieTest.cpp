// Whole deals played through the controller with a scripted user.
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr std::string_view MainsDemo =
    "S:AK4.A63.942.AQT3 O:QT9.KQJ95.765.97 N:762.74.AQJT3.K85 E:J853.T82.K8.J642";

// The delivered demo deal: hold up twice in hearts, win the third, finesse
// in diamonds; East wins and cannot return a heart: the claim ends it.
TFabriqueDonne DonneDemo() {
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
  return f;
}

class PartieTest : public ::testing::Test {
 protected:
  void Ecrit(TFabriqueDonne f) { base.Ecrit(f); }
  TBaseDeTest base;
};

TEST_F(PartieTest, DemoJoueeSansFauteJusquALaRevendication) {
  TFabriqueDonne f = DonneDemo();
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  EXPECT_EQ(p.ecran.Titre, "Kalvo! (Vol 1) démo - Donne 1 [1] - Contrat : 3 SA");
  EXPECT_EQ(p.Etat().OnTable[jrOuest], CarteScript("HK"));
  EXPECT_EQ(p.ecran.Tour, TourNord);
  for (const char* carte : {"H4", "H3"}) p.Joue(carte);
  EXPECT_TRUE(p.Etat().LeveeComplete);
  p.Clic();
  for (const char* carte : {"H7", "H6"}) p.Joue(carte);
  p.Clic();
  p.Joue("C5");  // South's last heart, the ace, goes by itself
  EXPECT_TRUE(p.Etat().LeveeComplete);
  EXPECT_TRUE(p.Etat().PeutJouerDirectement);
  p.Joue("D2");  // gathers trick 3 and leads at once
  p.Joue("DT");
  EXPECT_EQ(p.Etat().Gagnant, jrEst);
  p.Clic();
  EXPECT_FALSE(p.Etat().InJeu);
  EXPECT_THAT(p.ecran.Commentaires, ElementsAre("Bravo, le reste est à vous."));
  p.controleur.FormMouseDown();
  EXPECT_THAT(p.journal.Filtre("fin"), ElementsAre("fin 10 3 100 100"));
  EXPECT_THAT(p.journal.Filtre("levee"),
              ElementsAre("levee 1 O 0 1", "levee 2 O 0 2", "levee 3 S 1 2", "levee 4 E 1 3"));
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], 100);
  EXPECT_THAT(p.ecran.MessagesPostes, ElementsAre(ActionSuivante));
}

}  // namespace
}  // namespace kalvo::test
