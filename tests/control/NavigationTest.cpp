// From one deal to the next: activation, titles, stepping through the
// deals, replay, the end-of-deal message, input let through during a pause,
// closing; and the script's nodes met on the way.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include "tests/model/DonnesDeTest.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class NavigationTest : public ::testing::Test {
 protected:
  // Deal 1: the demo; deal 2: every master with South.
  void DeuxDonnes() {
    TFabriqueDonne demo = DonneDemo();
    TFabriqueDonne maitres = DonneMaitres();
    base.Ecrit({demo.Termine(), maitres.Termine()});
  }
  TBaseDeTest base;
};

TEST_F(NavigationTest, ActivationEtTitres) {
  DeuxDonnes();
  std::ofstream(base.Dossier() / "K01FR_DEMO.VOL") << "21\n23\n";
  TPartieDeTest p(base);
  ASSERT_TRUE(p.controleur.Active());
  EXPECT_EQ(p.ecran.Titre, "Kalvo! (Vol 1) démo - Donne 1 [21]");
  EXPECT_TRUE(p.ecran.Boutons[bjStart]);
  EXPECT_TRUE(p.ecran.Boutons[bjNavigation]);
  EXPECT_FALSE(p.ecran.Boutons[bjRevoirBids] || p.ecran.Boutons[bjLastLevee] || p.ecran.Boutons[bjPoint]);
  EXPECT_FALSE(p.ecran.MarquesVisibles.Jeu);
  EXPECT_THAT(p.controleur.OrdreAleatoire(), ::testing::UnorderedElementsAre(1, 2));
  p.controleur.Suivante1Click();
  EXPECT_EQ(p.ecran.Titre, "Kalvo! (Vol 1) démo - Donne 2 [23]");
  EXPECT_TRUE(p.Etat().InEncheres);
  EXPECT_EQ(p.ecran.Compte("RejoueEncheres 2"), 1);
  EXPECT_TRUE(p.ecran.Boutons[bjNext]);
  p.controleur.FormMouseDown();  // the felt ends the auction
  EXPECT_EQ(p.ecran.Titre, "Kalvo! (Vol 1) démo - Donne 2 [23] - Contrat : 3 SA");
  EXPECT_TRUE(p.Etat().InJeu);
  EXPECT_FALSE(p.Etat().FeutreFinEncheres);
}

TEST_F(NavigationTest, SuivantePrecedenteEtNumeroBouclent) {
  DeuxDonnes();
  TPartieDeTest p(base);
  ASSERT_TRUE(p.controleur.Active());
  p.controleur.Precedente1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 2);
  p.controleur.Suivante1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 1);
  p.controleur.NumDonne1Click(0);
  p.controleur.NumDonne1Click(3);
  EXPECT_EQ(p.controleur.DonneActuelle(), 1);
  p.ecran.ChoisitNumeroDonne = [](int maximum, int actuel) {
    EXPECT_EQ(maximum, 2);
    EXPECT_EQ(actuel, 1);
    return std::optional<int>(2);
  };
  p.controleur.NumDonne1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 2);
  EXPECT_EQ(p.journal.Filtre("donne"), (std::vector<std::string>{"donne 2", "donne 1", "donne 2"}));
}

// The settings' filter decides where previous, next and the end-of-deal
// screen's "next" go; with no deal left to choose, the deal shown stays,
// untouched, and the user is told why.
TEST_F(NavigationTest, LeFiltreDesReglagesChoisitLaDonne) {
  TFabriqueDonne premiere = DonneMaitres();
  premiere.Donne().SetTheme(5);
  TFabriqueDonne autre = DonneDemo();
  TFabriqueDonne troisieme = DonneMaitres();
  troisieme.Donne().SetTheme(5);
  base.Ecrit({premiere.Termine(), autre.Termine(), troisieme.Termine()});
  TPartieDeTest p(base, "TypeDonnes=1\r\nNumeroTheme=5\r\n");
  ASSERT_TRUE(p.controleur.Active());
  p.controleur.Suivante1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 3);
  p.controleur.Suivante1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 1);
  p.controleur.Precedente1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 3);
  p.Demarre(1);
  p.JoueJusquALaFin();
  p.Clic();  // "Suivante" from deal 1 skips deal 2
  EXPECT_EQ(p.controleur.DonneActuelle(), 3);
  EXPECT_THAT(p.ecran.Messages, ::testing::IsEmpty());

  p.controleur.Reglages().NumeroTheme = 9;
  ASSERT_TRUE(p.Etat().InEncheres || p.Etat().InJeu);
  const bool enEncheres = p.Etat().InEncheres;
  p.controleur.Suivante1Click();
  p.controleur.Precedente1Click();
  EXPECT_EQ(p.controleur.DonneActuelle(), 3);
  EXPECT_EQ(p.Etat().InEncheres, enEncheres);
  EXPECT_THAT(p.ecran.Messages, ElementsAre(MessageSelectionVide, MessageSelectionVide));

  // At the end of the deal, "Suivante" with nothing to choose deals the
  // same deal again, auction included.
  if (p.Etat().InEncheres) p.controleur.BNextClick();
  ASSERT_TRUE(p.Etat().InJeu);
  p.JoueJusquALaFin();
  p.Clic();
  EXPECT_EQ(p.controleur.DonneActuelle(), 3);
  EXPECT_TRUE(p.Etat().InEncheres);
  EXPECT_EQ(p.ecran.Messages.size(), 3u);
}

TEST_F(NavigationTest, FinDeDonneSuivanteRejouerEtArreter) {
  DeuxDonnes();
  TPartieDeTest p(base);
  p.Demarre(2);
  p.JoueJusquALaFin();
  p.Clic();  // "Suivante" from deal 2: deal 1
  EXPECT_EQ(p.controleur.DonneActuelle(), 1);
  EXPECT_TRUE(p.Etat().InEncheres);
  p.controleur.BNextClick();
  p.ecran.ChoisitFinDonne = [] { return ActionRejouer; };
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  p.ecran.EffaceAppels();
  p.ecran.TraiteMessages(p.controleur);
  EXPECT_EQ(p.controleur.DonneActuelle(), 1);
  EXPECT_EQ(p.ecran.Compte("RejoueEncheres"), 0);
  EXPECT_EQ(p.ecran.Compte("MontreRevueEncheres"), 1);
  EXPECT_TRUE(p.Etat().InJeu);
  EXPECT_FALSE(p.Etat().NoBids);
  p.ecran.ChoisitFinDonne = [] { return ActionArreter; };
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  p.ecran.TraiteMessages(p.controleur);
  EXPECT_TRUE(p.ecran.FermetureDemandee);
}

TEST_F(NavigationTest, SansEncheresLaRevueEnchainePuisLeJeu) {
  DeuxDonnes();
  TPartieDeTest p(base, "Encheres=0\r\n4Jeux=1\r\nDispoSud=1\r\n");
  p.Demarre();
  EXPECT_EQ(p.ecran.Compte("MontreRevueEncheres"), 1);
  EXPECT_TRUE(p.Etat().InJeu);
  EXPECT_EQ(p.ecran.JeuxVisibles, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(p.ecran.Affichages[jrSud], afjNormalDecale);
  EXPECT_EQ(p.ecran.Affichages[jrNord], afjMort);
}

TEST_F(NavigationTest, DerniereLeveeEtLePoint) {
  DeuxDonnes();
  TPartieDeTest p(base);
  p.Demarre(2);
  p.controleur.RevoirLeveeClick();
  EXPECT_EQ(p.ecran.Compte("MontreDerniereLevee"), 0);
  p.JoueJusquALaFin(1);
  p.Clic();
  p.controleur.RevoirLeveeClick();
  EXPECT_EQ(p.ecran.Compte("MontreDerniereLevee"), 1);
  EXPECT_TRUE(p.Etat().LastLeveeVisible);
  p.JoueJusquALaFin(6);
  EXPECT_TRUE(p.ecran.Boutons[bjPoint]);  // still offered during trick 6
  p.Clic();
  EXPECT_FALSE(p.ecran.Boutons[bjPoint]);
}

TEST_F(NavigationTest, EntreesPendantUnePause) {
  DeuxDonnes();
  TPartieDeTest p(base);
  ASSERT_TRUE(p.controleur.Active());
  p.controleur.Jouer2Click();
  // During West's lead: a card click is dropped, "Jouer pour moi" waits
  // for the lead to be over.
  p.ecran.PendantPause = [&p] {
    p.controleur.JeuMouseDown(jrNord, IndexCarte(CarteScript("H4")), false);
    p.controleur.BJeuAutoClick();
    EXPECT_TRUE(p.Etat().OnTable[jrNord].EstVide());
  };
  p.controleur.BNextClick();
  EXPECT_EQ(p.controleur.Regime(), TRegime::JeuAutomatique);
  EXPECT_THAT(p.journal.Filtre("levee"), ElementsAre("levee 1 O 0 1"));
  // Ctrl+Alt+F9 in a pause: the end-of-deal screen once the trick is played.
  p.ecran.PendantPause = [&p] { p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9); };
  p.Clic();
  EXPECT_EQ(p.journal.Filtre("levee").size(), 2u);  // the next deal started after trick 2
  EXPECT_EQ(p.controleur.DonneActuelle(), 2);
}

TEST_F(NavigationTest, ReglagesLusDesLaCreation) {
  DeuxDonnes();
  TPartieDeTest p(base, "SetCartes=3\r\nVitesse=0\r\n");
  EXPECT_EQ(p.controleur.Reglages().SetCartes, 3);
  p.Demarre();
  EXPECT_EQ(p.ecran.Compte("RejoueEncheres 0"), 1);
}

TEST_F(NavigationTest, BaseAbsenteOuVide) {
  TPartieDeTest p(base);
  EXPECT_FALSE(p.controleur.Active());
  ASSERT_EQ(p.ecran.ErreursFatales.size(), 1u);
  EXPECT_THAT(p.ecran.ErreursFatales[0],
              ElementsAre("Ne trouve pas le fichier de donnes (K01FR_DEMO.DAT) !",
                          "Don't find Deals'database (K01FR_DEMO.DAT) !"));
  EXPECT_TRUE(p.controleur.Ferme());
  EXPECT_FALSE(std::filesystem::exists(base.Reglages()));
}

TEST_F(NavigationTest, FermetureEcritLesReglagesEtSignaleUnEchec) {
  DeuxDonnes();
  {
    TPartieDeTest p(base);
    p.Demarre(2);
    p.JoueJusquALaFin(1);
    EXPECT_TRUE(p.controleur.Ferme());
  }
  std::ifstream ini(base.Reglages(), std::ios::binary);
  std::stringstream texte;
  texte << ini.rdbuf();
  EXPECT_THAT(texte.str(), HasSubstr("D002=100\r\n"));
  {
    TPartieDeTest p(base);
    ASSERT_TRUE(p.controleur.Active());
    EXPECT_EQ(p.controleur.DonneActuelle(), 2);
    EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[2], 100);
    std::filesystem::remove(base.Reglages());
    std::filesystem::create_directory(base.Reglages());  // a folder where the file should go
    EXPECT_FALSE(p.controleur.Ferme());
    ASSERT_EQ(p.ecran.Erreurs.size(), 1u);
  }
}

// A settings file the trainer cannot read (too large here) is told about
// once, left byte for byte, and the session's settings go beside it.
TEST_F(NavigationTest, ReglagesIllisiblesJamaisEcrasesALaFermeture) {
  DeuxDonnes();
  const std::string octets = "[ScoresJeu]\r\nD001=80\r\n[Autre]\r\nx=1\r\n" + std::string(17 << 20, ';');
  test::EcritOctets(base.Reglages(), octets);
  const std::filesystem::path secours = base.Dossier() / "kalvo-secours.INI";
  {
    TPartieDeTest p(base);
    p.Demarre(2);
    p.JoueJusquALaFin(1);
    ASSERT_EQ(p.ecran.Erreurs.size(), 1u);
    EXPECT_THAT(p.ecran.Erreurs[0], HasSubstr("ne peut pas être lu (fichier trop grand"));
    EXPECT_THAT(p.ecran.Erreurs[0], HasSubstr("enregistrés dans « " + secours.string() + " »"));
    EXPECT_TRUE(p.controleur.Ferme());
    EXPECT_EQ(p.ecran.Erreurs.size(), 1u);
  }
  EXPECT_TRUE(test::LitOctets(base.Reglages()) == octets);
  EXPECT_THAT(test::LitOctets(secours), HasSubstr("D002=100\r\n"));
  // The next session goes on from the fallback.
  TPartieDeTest p(base);
  ASSERT_TRUE(p.controleur.Active());
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[2], 100);
  EXPECT_EQ(p.controleur.DonneActuelle(), 2);
}

// A read-only settings file: refused once at closing, left as it was.
TEST_F(NavigationTest, ReglagesEnLectureSeule) {
  DeuxDonnes();
  const std::string octets = "[ScoresJeu]\r\nD001=80\r\n";
  test::EcritOctets(base.Reglages(), octets);
  ::chmod(base.Reglages().c_str(), 0444);
  TPartieDeTest p(base);
  p.Demarre(2);
  p.JoueJusquALaFin(1);
  EXPECT_TRUE(p.ecran.Erreurs.empty());
  EXPECT_FALSE(p.controleur.Ferme());
  ASSERT_EQ(p.ecran.Erreurs.size(), 1u);
  EXPECT_THAT(p.ecran.Erreurs[0], HasSubstr("il est en lecture seule ; il est resté tel quel."));
  EXPECT_TRUE(p.controleur.Ferme());
  EXPECT_EQ(p.ecran.Erreurs.size(), 1u);
  EXPECT_EQ(test::LitOctets(base.Reglages()), octets);
  EXPECT_EQ(std::filesystem::status(base.Reglages()).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                std::filesystem::perms::others_read);
}

TEST_F(NavigationTest, NoeudsDuScriptRencontresEnJouant) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(1, jrOuest, 30, "O:S2 N:** S:**");
  f.Noeud(30, tcGagnantLevee, 2, 99);
  f.Levee(2, jrSud, 31, "S:** N:**");
  f.Noeud(31, tcCartesTenues, 3, 99);
  f.Chaine(31).SetJoueur(jrOuest);
  f.Chaine(31).SetNbCartes(1);
  f.Chaine(31).SetCarteTenue(1, CarteScript("CA"));
  f.Levee(3, jrSud, 32, "S:** N:**");
  f.Chaine(32).SetTypeChaine(tcDistribution);
  f.Chaine(32).SetEntreeDistribution(1, {4, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}});
  f.Levee(4, jrSud, 33, "S:** N:**");
  f.Chaine(33).SetTypeChaine(tcLongueur);
  f.Chaine(33).SetEntreeLongueur(1, {5, jrSud, clCoeur, 4});
  f.Levee(5, jrSud, 34, "S:** N:**");
  f.Noeud(34, tcPartenairePrend, 6, 99);
  f.Chaine(34).SetJoueur(jrSud);
  f.Chaine(34).SetCouleur(clCoeur);
  f.Levee(6, jrSud, 35, "S:** N:**");
  f.Noeud(35, tcHasard, 7, 7);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(6);
  p.Clic();
  EXPECT_EQ(p.Etat().ChaineActuelle, 7);
  EXPECT_TRUE(p.ecran.ErreursDonnee.empty());
  p.JoueJusquALaFin();
  EXPECT_EQ(p.journal.Filtre("levee").size(), 13u);
}

}  // namespace
}  // namespace kalvo::test
