// The resolution of the script's decision and mode nodes, and the search
// along the equivalent chains.
#include <gtest/gtest.h>

#include "engine/NavigationScript.h"
#include "tests/control/FabriqueDonne.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Joue;
using test::Position;
using test::TFabriqueDonne;

constexpr std::string_view Mains =
    "S:J32.A432.AK2.AK2 O:KQ4.KQJ5.QJ3.QJ3 N:A98.T96.T984.T98 E:T765.87.765.7654";

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() : f(Mains) { suivi.s_Initialise(f.Donne().Mains(), 1, clSA); }
  TResolutionNoeud Resout(int chaine, TJoueur gagnant = jrSud, bool hasard = false) {
    return ResoutNoeud(f.Donne(), suivi, chaine, gagnant, hasard);
  }
  TFabriqueDonne f;
  TSuiviMains suivi;
};

// Pattern word of a seat: the counts of clubs, diamonds, hearts, spades in
// nibbles 0..3 (15 = any).
std::uint16_t Motif(int trefles, int carreaux, int coeurs, int piques) {
  return static_cast<std::uint16_t>(trefles | carreaux << 4 | coeurs << 8 | piques << 12);
}

TEST_F(NavigationTest, DistributionToutQuelconqueDonneLaPremiereEntree) {
  f.Chaine(5).SetTypeChaine(tcDistribution);
  f.Chaine(5).SetEntreeDistribution(1, {12, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}});
  EXPECT_EQ(Resout(5).Resultat, 12);
}

TEST_F(NavigationTest, DistributionSArreteSurUneEntreeEchoueeSuivieDeMoinsUn) {
  f.Chaine(5).SetTypeChaine(tcDistribution);
  // Entry 1: South with 3-4-3-3 (clubs, diamonds, hearts, spades) is false.
  f.Chaine(5).SetEntreeDistribution(1, {11, {Motif(4, 3, 3, 3), 0xFFFF, 0xFFFF, 0xFFFF}});
  f.Chaine(5).SetEntreeDistribution(2, {-1, {Motif(0, 0, 0, 0), 0xFFFF, 0xFFFF, 0xFFFF}});
  f.Chaine(5).SetEntreeDistribution(3, {13, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}});
  EXPECT_EQ(Resout(5).Resultat, -1);
  // The true count matches.
  f.Chaine(5).SetEntreeDistribution(2, {14, {Motif(3, 3, 4, 3), 0xFFFF, 0xFFFF, Motif(4, 3, 2, 4)}});
  EXPECT_EQ(Resout(5).Resultat, 14);
  EXPECT_THROW(VerifieResolution(f.Donne(), 5, -1), ErreurDonnee);
}

TEST_F(NavigationTest, CartesTenuesJoueesDonnentB) {
  f.Noeud(6, tcCartesTenues, 20, 21);
  f.Chaine(6).SetJoueur(jrOuest);
  f.Chaine(6).SetNbCartes(2);
  f.Chaine(6).SetCarteTenue(1, C("SK"));
  f.Chaine(6).SetCarteTenue(2, C("HQ"));
  EXPECT_EQ(Resout(6).Resultat, 20);
  Joue(suivi, jrOuest, "HQ");
  EXPECT_EQ(Resout(6).Resultat, 21);
  f.Chaine(6).SetNbCartes(0);
  EXPECT_EQ(Resout(6).Resultat, 20);
  f.Chaine(6).SetNbCartes(18);
  EXPECT_THROW(Resout(6), ErreurDonnee);
}

TEST_F(NavigationTest, HasardEtGagnantDeLaLevee) {
  f.Noeud(7, tcHasard, 30, 31);
  EXPECT_TRUE(DemandeHasard(f.Donne(), 7));
  EXPECT_EQ(Resout(7, jrSud, true).Resultat, 30);
  EXPECT_EQ(Resout(7, jrSud, false).Resultat, 31);
  f.Noeud(8, tcGagnantLevee, 40, 41);
  EXPECT_FALSE(DemandeHasard(f.Donne(), 8));
  EXPECT_EQ(Resout(8, jrSud).Resultat, 40);
  EXPECT_EQ(Resout(8, jrNord).Resultat, 41);
}

TEST(TestPartenaire, SelonLesHonneursDuPartenaire) {
  TFabriqueDonne f(Mains);
  f.Noeud(9, tcPartenairePrend, 50, 51);
  f.Chaine(9).SetJoueur(jrSud);
  f.Chaine(9).SetCouleur(clPique);
  // South ♠A-5 opposite North ♠K-2: 14 > 2.
  TSuiviMains suivi = Position({"A5...", "Q3...", "K2...", "J4..."});
  EXPECT_EQ(ResoutNoeud(f.Donne(), suivi, 9, jrSud, false).Resultat, 50);
  // North void: still A.
  suivi = Position({"A5...", "Q3...", ".AK..", "KJ..."});
  EXPECT_EQ(ResoutNoeud(f.Donne(), suivi, 9, jrSud, false).Resultat, 50);
  // South void: B.
  suivi = Position({".AK..", "Q3...", "A5...", "KJ..."});
  EXPECT_EQ(ResoutNoeud(f.Donne(), suivi, 9, jrSud, false).Resultat, 51);
}

TEST_F(NavigationTest, LongueurSansEntreeQuiConvientRevientAuDebut) {
  f.Chaine(10).SetTypeChaine(tcLongueur);
  f.Chaine(10).SetEntreeLongueur(1, {60, jrEst, clPique, 3});
  EXPECT_EQ(Resout(10).Resultat, 1);
  f.Chaine(10).SetEntreeLongueur(2, {61, jrEst, clPique, 4});
  EXPECT_EQ(Resout(10).Resultat, 61);
}

TEST_F(NavigationTest, NoeudsDeModeEtFinParRevendication) {
  f.Revendication(11, 7, 10, 3);
  const TResolutionNoeud fin = Resout(11);
  EXPECT_EQ(fin.Resultat, ActionFinDonne);
  EXPECT_EQ(fin.Commentaire, 7);
  EXPECT_EQ(fin.LeveesNS, 10);
  EXPECT_EQ(fin.LeveesEO, 3);
  f.Chaine(12).SetTypeChaine(tcAutomatique);
  f.Chaine(12).Auto().SetNbLevees(3);
  EXPECT_EQ(Resout(12).Resultat, ActionAutomatique);
  EXPECT_EQ(Resout(12).NbLevees, 3);
  f.Chaine(12).Auto().SetNbLevees(0);
  EXPECT_THROW(Resout(12), ErreurDonnee);
  f.Chaine(13).SetTypeChaine(tcPool);
  f.Chaine(13).SetNbLevees(2);
  f.Chaine(13).SetNumeroPool(4);
  EXPECT_EQ(Resout(13).Resultat, ActionPool);
  EXPECT_EQ(Resout(13).NumeroPool, 4);
  f.Chaine(13).SetNumeroPool(5);
  EXPECT_THROW(Resout(13), ErreurDonnee);
  f.Chaine(14).SetTypeChaine(tcSolution);
  EXPECT_EQ(Resout(14).Resultat, ActionSolution);
  f.Chaine(15).SetTypeChaine(tcRetourDebut);
  EXPECT_EQ(Resout(15).Resultat, 1);
  f.Chaine(16).SetTypeChaine(77);
  EXPECT_EQ(Resout(16).Resultat, 1);
}

TEST_F(NavigationTest, ChaineEquivalenteGardeLaChaineQuiAccepte) {
  f.Levee(1, jrOuest, 2, "N:H*", 3);
  EXPECT_EQ(ChercheChaineEquivalente(f.Donne(), suivi, 1, jrNord, C("H6"), jrSud, {}), 1);
  f.Levee(3, jrOuest, 2, "N:D*");
  EXPECT_EQ(ChercheChaineEquivalente(f.Donne(), suivi, 1, jrNord, C("D4"), jrSud, {}), 3);
  EXPECT_EQ(ChercheChaineEquivalente(f.Donne(), suivi, 1, jrNord, C("C8"), jrSud, {}), std::nullopt);
}

TEST_F(NavigationTest, LiensDEquivalenceAtraversLesNoeuds) {
  // 1 -> node 4 (South won: 5) -> trick chain 5.
  f.Levee(1, jrOuest, 2, "N:H*", 4);
  f.Noeud(4, tcGagnantLevee, 5, 6);
  f.Levee(5, jrOuest, 2, "N:C*");
  f.Levee(6, jrOuest, 2, "N:D*");
  EXPECT_EQ(ChaineEquivalenteSuivante(f.Donne(), suivi, 1, jrSud, {}), 5);
  EXPECT_EQ(ChaineEquivalenteSuivante(f.Donne(), suivi, 1, jrEst, {}), 6);
  EXPECT_EQ(ChercheChaineEquivalente(f.Donne(), suivi, 1, jrNord, C("D4"), jrEst, {}), 6);
  // A mode node ends the link; a loop is broken data.
  f.Chaine(4).SetTypeChaine(tcSolution);
  EXPECT_EQ(ChaineEquivalenteSuivante(f.Donne(), suivi, 1, jrSud, {}), 0);
  f.Levee(5, jrOuest, 2, "N:C*", 5);
  EXPECT_THROW(ChercheChaineEquivalente(f.Donne(), suivi, 5, jrNord, C("D4"), jrSud, {}), ErreurDonnee);
  f.Noeud(4, tcGagnantLevee, -1, -1);
  EXPECT_THROW(ChaineEquivalenteSuivante(f.Donne(), suivi, 1, jrSud, {}), ErreurDonnee);
}

}  // namespace
}  // namespace kalvo
