// Broken data met during the play stops the deal with a French message; the
// program goes on with its settings and marks.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::HasSubstr;

class ArretsTest : public ::testing::Test {
 protected:
  // Deal 1 broken as `casse` says, deal 2 sound.
  void Ecrit(TFabriqueDonne& cassee) {
    TFabriqueDonne saine = DonneMaitres();
    base.Ecrit({cassee.Termine(), saine.Termine()});
  }

  // The deal stopped with a message containing `texte`, and deal 2 plays.
  void VerifieArret(TPartieDeTest& p, std::string_view texte) {
    ASSERT_EQ(p.ecran.ErreursDonnee.size(), 1u);
    EXPECT_THAT(p.ecran.ErreursDonnee[0], HasSubstr(std::string(texte)));
    EXPECT_TRUE(p.Etat().ErreurDetectee);
    EXPECT_FALSE(p.Etat().InJeu);
    EXPECT_EQ(p.ecran.JeuxVisibles, (std::array<bool, 4>{}));
    EXPECT_TRUE(p.ecran.Boutons[bjNavigation]);
    const std::size_t cartes = p.journal.Filtre("carte").size();
    p.controleur.JeuMouseDown(jrSud, IndexCarte(p.controleur.Suivi().Carte(jrSud, 13)), false);
    p.controleur.FormMouseDown();
    EXPECT_EQ(p.journal.Filtre("carte").size(), cartes);
    const int note = p.controleur.EtatReglages().ScoresJeu[1];
    p.controleur.Suivante1Click();
    if (p.Etat().InEncheres) p.controleur.BNextClick();
    EXPECT_EQ(p.controleur.DonneActuelle(), 2);
    EXPECT_FALSE(p.Etat().ErreurDetectee);
    p.JoueJusquALaFin();
    EXPECT_EQ(p.journal.Filtre("levee 13").size(), 1u);
    EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], note);
  }

  TBaseDeTest base;
};

TEST_F(ArretsTest, JeuCompletQuiNommeUneCarteAbsente) {
  TFabriqueDonne f = DonneMaitres();
  f.Donne().SetJeuComplet(2, 2, CarteScript("SA"));  // West has no ♠A
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.controleur.BJeuAutoClick();
  p.Clic();
  VerifieArret(p, "le jeu complet (levée 2)");
}

TEST_F(ArretsTest, ChaineSansSuite) {
  // West wins trick 1: no claim, and the script has nowhere to go.
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Levee(1, jrOuest, 0, "O:HK E:H2 N:H4,H7 S:H3,H6");
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("H4");
  p.Joue("H3");
  p.Clic();
  VerifieArret(p, "la chaîne 1 n'a pas de chaîne suivante pour la levée 2");
}

TEST_F(ArretsTest, ChaineQuiFaitEntamerLeMauvaisJoueur) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(2, jrNord, 3, "S:** N:**");
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(1);
  p.Clic();
  VerifieArret(p, "fait entamer Nord alors que Sud a gagné la levée");
}

TEST_F(ArretsTest, DistributionSansEntreeQuiConvient) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(1, jrOuest, 40, "O:S2 N:** S:**");
  f.Chaine(40).SetTypeChaine(tcDistribution);
  f.Chaine(40).SetEntreeDistribution(1, {2, {0, 0, 0, 0}});
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(1);
  p.Clic();
  VerifieArret(p, "la chaîne 40 (test de distribution) ne mène à aucune chaîne (-1)");
}

TEST_F(ArretsTest, NoeudsQuiTournentEnRond) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(1, jrOuest, 41, "O:S2 N:** S:**");
  f.Noeud(41, tcGagnantLevee, 42, 42);
  f.Noeud(42, tcHasard, 41, 41);
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(1);
  p.Clic();
  VerifieArret(p, "ne mène à aucune levée");
}

TEST_F(ArretsTest, PasDeChaineEquivalentePourLaCarteForcee) {
  // South's last heart, the ace, goes by itself at trick 3; the chain lists
  // no heart for South.
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4 S:H3");
  f.Levee(2, jrOuest, 3, "O:HQ E:H8 N:H7 S:H6");
  f.Levee(3, jrOuest, 4, "O:HJ E:HT N:C* S:D*");
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  for (const char* carte : {"H4", "H3", "", "H7", "H6", "", "C5"}) {
    if (*carte) p.Joue(carte);
    else p.Clic();
  }
  VerifieArret(p, "Pas de chaîne équivalente !");
}

TEST_F(ArretsTest, CodeDErreurSansTexte) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(1, jrOuest, 2, "O:S2 N:S9=30,** S:**");
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("S9");
  VerifieArret(p, "le code d'erreur 30 n'a ni commentaire ni message");
}

TEST_F(ArretsTest, MainsMalRangees) {
  TFabriqueDonne f = DonneMaitres();
  const TCard a = f.Donne().CarteMain(jrSud, 1), b = f.Donne().CarteMain(jrSud, 2);
  f.Donne().SetCarteMain(jrSud, 1, b);
  f.Donne().SetCarteMain(jrSud, 2, a);
  Ecrit(f);
  TPartieDeTest p(base);
  ASSERT_TRUE(p.controleur.Active());
  p.controleur.Jouer2Click();
  VerifieArret(p, "la main de Sud n'est pas rangée par couleur");
}

TEST_F(ArretsTest, RevendicationAuCommentaireInconnu) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(1, jrOuest, 43, "O:S2 N:** S:**");
  f.Revendication(43, 30, 13, 0);
  Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(1);
  p.Clic();
  VerifieArret(p, "le code d'erreur 30");
}

}  // namespace
}  // namespace kalvo::test
