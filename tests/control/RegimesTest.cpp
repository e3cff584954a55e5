// The regimes of the play: the chains, an automatic section, a pool, the
// solutions, the winning claim and "Jouer pour moi", each met through the
// script as in a real deal.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;

class RegimesTest : public ::testing::Test {
 protected:
  TBaseDeTest base;
};

TEST_F(RegimesTest, ChainesDeBoutEnBout) {
  TFabriqueDonne f = DonneMaitres();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin();
  EXPECT_EQ(p.journal.Filtre("levee").size(), 13u);
  EXPECT_EQ(p.journal.Filtre("regime"), (std::vector<std::string>{"regime chaine", "regime aucun"}));
  EXPECT_TRUE(p.Etat().DerniereLevee);
  p.Clic();
  EXPECT_THAT(p.journal.Filtre("fin"), ElementsAre("fin 13 0 100 100"));
  EXPECT_TRUE(p.ecran.MessagesPostes.empty());  // delivered: the next deal (the same, 1 of 1) started
  EXPECT_EQ(p.Etat().Levee, 0);
  EXPECT_TRUE(p.Etat().InEncheres);
}

TEST_F(RegimesTest, SectionAutomatiqueAvecSesExceptions) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(2, jrSud, 20, "S:** N:**");
  const TChaineAutoModifiable noeud = f.Chaine(20).Auto();
  f.Chaine(20).SetTypeChaine(tcAutomatique);
  noeud.SetNbLevees(3);
  noeud.SetSuiteSiSud(4);
  noeud.SetSuiteSinon(99);
  for (T4Couleur s : ToutesLesCouleurs) noeud.SetParCouleur(s, {1, 0});
  noeud.SetParCouleur(clCarreau, {0, 4});
  noeud.SetNbSud(1);
  noeud.SetListeSud(1, {CarteScript("SQ"), 5, 0});
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(2);  // tricks 1 and 2 by the chains
  p.Clic();
  EXPECT_EQ(p.controleur.Regime(), TRegime::Automatique);
  EXPECT_EQ(p.Etat().CompteurLevees, 3);
  p.Joue("DA");
  EXPECT_THAT(p.journal.Filtre("refus"), ElementsAre("refus S DA 4 10 commentaire"));
  p.Joue("SQ");
  EXPECT_EQ(p.journal.Filtre("refus").back(), "refus S SQ 5 15 commentaire");
  p.Joue("HA");
  EXPECT_EQ(p.Etat().OnTable[jrSud], CarteScript("HA"));
  p.JoueJusquALaFin(5);
  p.Clic();  // the section is over: chain 4 goes on from trick 6
  EXPECT_EQ(p.controleur.Regime(), TRegime::Chaine);
  EXPECT_EQ(p.Etat().ChaineActuelle, 4);
  EXPECT_EQ(p.Etat().Levee, 6);
  p.JoueJusquALaFin();
  // The ♠Q, tried first at each lead of the section, was refused three times.
  EXPECT_EQ(p.journal.Filtre("refus S SQ").size(), 3u);
  EXPECT_EQ(p.Etat().Notation, 100 - 10 - 3 * 15);
}

TEST_F(RegimesTest, SectionPool) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(2, jrSud, 21, "S:** N:**");
  f.Chaine(21).SetTypeChaine(tcPool);
  f.Chaine(21).SetNbLevees(2);
  f.Chaine(21).SetNumeroPool(3);
  f.Chaine(21).SetSuiteSiSud(5);
  f.Chaine(21).SetSuiteSinon(5);
  TPoolModifiable pool = f.Donne().Pool(3);
  pool.Entame(true, clPique, 1).SetRang(RangQuelconque);
  pool.Entame(true, clPique, 1).SetNbSuites(1);
  pool.Entame(true, clPique, 1).SetSuite(1, {7, 5});
  pool.Autre(true, clCoeur, 1).SetRang(RangQuelconque);
  pool.Autre(true, clCoeur, 1).SetCode(6);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(2);
  p.Clic();
  EXPECT_EQ(p.controleur.Regime(), TRegime::Pool);
  EXPECT_EQ(p.Etat().NumeroPool, 3);
  p.Joue("HA");  // a known wrong lead
  p.Joue("DA");  // no entry: 70
  p.Joue("SQ");
  p.Joue("S7");  // a foreseen reply
  p.Joue("S6");
  EXPECT_THAT(p.journal.Filtre("refus"), ElementsAre("refus S HA 6 20 commentaire", "refus S DA 70 20 avertissement",
                                                     "refus N S7 5 15 commentaire"));
  p.JoueJusquALaFin(4);
  p.Clic();
  EXPECT_EQ(p.controleur.Regime(), TRegime::Chaine);
  EXPECT_EQ(p.Etat().ChaineActuelle, 5);
  // "Jouer pour moi" is back only where the complete play can go on.
  EXPECT_FALSE(p.Etat().Boutons[bjJeuAuto]);
}

TEST_F(RegimesTest, ModeSolutionsSurLesSixDernieresLevees) {
  TFabriqueDonne f = DonneMaitres();
  f.Levee(7, jrSud, 22, "S:** N:**");
  f.Chaine(22).SetTypeChaine(tcSolution);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(7);
  p.Clic();
  EXPECT_EQ(p.controleur.Regime(), TRegime::Solution);
  const TSuiviMains& suivi = p.controleur.Suivi();
  ASSERT_GT(suivi.NbSolutions(), 0);
  EXPECT_EQ(p.Etat().PremierJoueurSolution, jrSud);
  EXPECT_EQ(p.ecran.Sabliers, 0);
  // Solution 1 to the end; trick 13 plays itself.
  const TSolution solution = suivi.ListeSolutions().Solution(1);
  for (int t = 0; t < 5; ++t) {
    const TLeveeSolution& levee = solution[static_cast<std::size_t>(t)];
    ASSERT_TRUE(p.controleur.AttendCarteUtilisateur());
    p.Joue(CodeCarte(levee.carteJoueur));
    if (!p.Etat().LeveeComplete) p.Joue(CodeCarte(levee.cartePartenaire));
    ASSERT_TRUE(p.Etat().LeveeComplete);
    p.Clic();
  }
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_EQ(p.Etat().indiceCouplesJoues, 5);
  EXPECT_TRUE(p.Etat().DerniereLevee);
  p.Clic();
  EXPECT_THAT(p.journal.Filtre("fin"), ElementsAre("fin 13 0 100 100"));
}

TEST_F(RegimesTest, RevendicationGagnanteJugeeParLeProgramme) {
  TFabriqueDonne f = DonneMaitres(0);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.JoueJusquALaFin(1);
  p.Clic();
  EXPECT_EQ(p.controleur.Regime(), TRegime::Revendication);
  EXPECT_FALSE(p.Etat().Boutons[bjJeuAuto]);
  p.JoueJusquALaFin();
  EXPECT_EQ(p.journal.Filtre("levee").size(), 13u);
}

TEST_F(RegimesTest, JouerPourMoiDesLaPremiereLevee) {
  TFabriqueDonne f = DonneMaitres();
  TQuestion q;
  q.NumLevee = 3;
  q.Penalite = 50;
  q.TypeQuestion = tqPoints;
  q.Joueur = jrOuest;
  f.Question(1, q);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  ASSERT_TRUE(p.Etat().Boutons[bjJeuAuto]);
  EXPECT_FALSE(p.Etat().Boutons[bjNavigation]);
  p.controleur.BJeuAutoClick();
  EXPECT_EQ(p.controleur.Regime(), TRegime::JeuAutomatique);
  for (int i = 0; i < 20 && p.Etat().InJeu; ++i) p.Clic();
  EXPECT_EQ(p.journal.Filtre("levee").size(), 13u);
  EXPECT_TRUE(p.journal.Filtre("question").empty());
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_EQ(p.ecran.Sabliers, 0);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], -1);  // nothing judged, nothing stored
  // Each automatic card waits half a second, except the last of a trick.
  EXPECT_EQ(p.ecran.Compte("PoseCarte O S2 100"), 1);
  EXPECT_GE(p.ecran.Compte("PoseCarte N"), 1);
  for (const std::string& appel : p.ecran.Appels())
    if (appel.starts_with("PoseCarte") && !appel.starts_with("PoseCarte O S2")) {
      EXPECT_TRUE(appel.ends_with(" 500") || appel.ends_with(" 0")) << appel;
    }
}

}  // namespace
}  // namespace kalvo::test
