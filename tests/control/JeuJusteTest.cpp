// The right play found from the script: the card that costs nothing, tried
// on a silent copy, and the deal played to its end that way.
#include "control/JeuJuste.h"
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;

TEST(JeuJuste, LaCarteJustePasseLesCartesQuiCoutentSansToucherALaPartie) {
  TBaseDeTest base;
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base);
  EXPECT_FALSE(CarteJuste(p.controleur));  // no deal yet
  p.Demarre();
  p.Joue("H4");
  // South's hearts in hand order: the ace costs 40 marks, the six nothing.
  EXPECT_THAT(CartesJouables(p.controleur, jrSud), ElementsAre(CarteScript("HA"), CarteScript("H6"), CarteScript("H3")));
  const std::size_t appels = p.ecran.Appels().size();
  const int cartes = p.Etat().CompteCartesJouees;
  EXPECT_EQ(CarteJuste(p.controleur), CarteScript("H6"));
  EXPECT_EQ(p.ecran.Appels().size(), appels);  // tried on the copy only
  EXPECT_EQ(p.Etat().CompteCartesJouees, cartes);
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  p.Joue("H6");
  EXPECT_TRUE(p.Etat().LeveeComplete);
  EXPECT_FALSE(CarteJuste(p.controleur));  // the trick waits to be gathered
}

TEST(JeuJuste, LaDonneJoueeParSesCartesJustesVaAuBoutSansPerdreDePoint) {
  TBaseDeTest base;
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  for (int garde = 0; garde < 100 && p.Etat().InJeu; ++garde) {
    if (!p.controleur.AttendCarteUtilisateur()) {
      p.Clic();
      continue;
    }
    const std::optional<TCard> carte = CarteJuste(p.controleur);
    ASSERT_TRUE(carte) << "levée " << p.Etat().Levee;
    p.Joue(CodeCarte(*carte));
  }
  EXPECT_FALSE(p.Etat().InJeu);
  p.controleur.FormMouseDown();
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_THAT(p.journal.Filtre("fin"), ElementsAre("fin 10 3 100 100"));
}

TEST(JeuJuste, LaReponseJusteEstCelleQueLaQuestionAttend) {
  TQuestionPosee q;
  q.CarteAttendue = CarteScript("SK");
  q.NombreAttendu = 12;
  q.PropositionAttendue = 2;
  q.JoueursAttendus[jrEst] = true;
  const TReponseQuestion r = ReponseJuste(q);
  EXPECT_EQ(r.Carte, CarteScript("SK"));
  EXPECT_EQ(r.Nombre, 12);
  EXPECT_EQ(r.Proposition, 2);
  EXPECT_EQ(r.Joueur, jrEst);
}

}  // namespace
}  // namespace kalvo::test
