// Whole deals played through the controller with a scripted user.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

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
