// Chain mode: the user's card against the declarer side's alternatives of
// the trick, with groups, counters, overtaking and equivalent chains.
#include <gtest/gtest.h>

#include "coaching/MessagesIntegres.h"
#include "coaching/VerificationChaine.h"
#include "tests/control/FabriqueDonne.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Joue;
using test::TFabriqueDonne;

constexpr std::string_view Mains =
    "S:J32.A432.AK2.AK2 O:KQ4.KQJ5.QJ3.QJ3 N:A98.T96.T984.T98 E:T765.87.765.7654";

class VerificationChaineTest : public ::testing::Test {
 protected:
  VerificationChaineTest() : f(Mains) { suivi.s_Initialise(f.Donne().Mains(), 1, clSA); }

  // South leads chain 1 unless told otherwise.
  TVerificationChaine Verifie(std::string_view carte, TJoueur main = jrSud, int chaine = 1, TJoueur gagnant = jrSud) {
    return VerifieCarteChaine(f.Donne(), suivi, {main, entameur, table, gagnant}, chaine, C(carte), {});
  }

  TFabriqueDonne f;
  TSuiviMains suivi;
  TJoueur entameur = jrSud;
  TCartesJouees table{};
};

TEST_F(VerificationChaineTest, CarteExacteRangQuelconqueEtErreurPrevue) {
  f.Levee(1, jrSud, 2, "S:H*,D2=3");
  const TVerificationChaine coeur = Verifie("H4");
  EXPECT_TRUE(coeur.Trouvee);
  EXPECT_EQ(coeur.Code, 0);
  EXPECT_EQ(coeur.ChaineActuelle, 1);
  EXPECT_EQ(coeur.FirstChaine, 0);
  EXPECT_EQ(Verifie("D2").Code, 3);
  EXPECT_FALSE(Verifie("C2").Trouvee);
}

TEST_F(VerificationChaineTest, CouleurQuelconque) {
  f.Levee(1, jrSud, 2, "S:**");
  EXPECT_TRUE(Verifie("C2").Trouvee);
  // Suit 7 with a given rank designates nothing.
  f.Levee(1, jrSud, 2, "S:2/7");
  EXPECT_FALSE(Verifie("C2").Trouvee);
}

TEST_F(VerificationChaineTest, GroupeTropTotPuisAccepte) {
  f.Donne().SetGroupe(1, TGroupe{{C("DA"), C("DK")}, {TCard{RangQuelconque, clCarreau}}, 5});
  f.Levee(1, jrSud, 2, "S:48/1=0");
  const TVerificationChaine tot = Verifie("D2");
  EXPECT_TRUE(tot.Trouvee);
  EXPECT_EQ(tot.Code, 5);
  EXPECT_EQ(Verifie("DA").Code, 0);  // a prerequisite is right
  EXPECT_FALSE(Verifie("C2").Trouvee);
  Joue(suivi, jrSud, "DA");
  EXPECT_EQ(Verifie("D2").Code, 5);
  Joue(suivi, jrSud, "DK");
  EXPECT_EQ(Verifie("D2").Code, 0);
  f.Levee(1, jrSud, 2, "S:48/5");
  EXPECT_THROW(Verifie("D2"), ErreurDonnee);
}

TEST_F(VerificationChaineTest, CompteurDeDefausses) {
  f.Donne().SetCompteur(1, clTrefle, TCompteur{2, 6, {RangQuelconque}});
  f.Levee(1, jrSud, 2, "S:128/1");
  for (int fois = 0; fois < 2; ++fois) {
    const TVerificationChaine r = Verifie("C2");
    EXPECT_TRUE(r.Trouvee);
    EXPECT_EQ(r.Code, 0);
    ASSERT_EQ(r.TableCompteur, 1);
    DecompteCompteur(f.Donne(), 1, clTrefle);
  }
  EXPECT_EQ(Verifie("C2").Code, 6);
  EXPECT_EQ(Verifie("C2").TableCompteur, 0);
  f.Donne().SetCompteur(1, clTrefle, TCompteur{2, 6, {2, 3}});
  EXPECT_EQ(Verifie("CA").Code, MsgDefausseInterdite);
  EXPECT_EQ(Verifie("C2").Code, 0);
}

TEST_F(VerificationChaineTest, SurprendreLaCarteDuPartenaire) {
  f.Levee(1, jrNord, 2, "S:80/0");
  entameur = jrNord;
  table[jrNord] = C("H9");
  table[jrEst] = C("H7");
  EXPECT_EQ(Verifie("HA").Code, 0);
  EXPECT_TRUE(Verifie("HA").Trouvee);
  EXPECT_EQ(Verifie("H4").Code, MsgSurprendre);
  EXPECT_EQ(Verifie("D2").Code, MsgSurprendre);
}

TEST_F(VerificationChaineTest, ChaineEquivalenteAccepteEtRetient) {
  f.Levee(1, jrSud, 2, "S:H*", 3);
  f.Levee(3, jrSud, 4, "S:D2,DA=4");
  const TVerificationChaine r = Verifie("D2");
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.ChaineActuelle, 3);
  EXPECT_EQ(r.FirstChaine, 1);
  const TVerificationChaine erreur = Verifie("DA");
  EXPECT_EQ(erreur.Code, 4);
  EXPECT_EQ(erreur.FirstChaine, 1);
  EXPECT_FALSE(Verifie("C2").Trouvee);
  EXPECT_EQ(Verifie("C2").ChaineActuelle, 1);
}

TEST_F(VerificationChaineTest, EquivalenceParUnNoeudSelonLeGagnant) {
  f.Levee(1, jrSud, 2, "S:H*", 4);
  f.Noeud(4, tcGagnantLevee, 5, 6);
  f.Levee(5, jrSud, 7, "S:C*");
  f.Levee(6, jrSud, 7, "S:D*");
  EXPECT_EQ(Verifie("C2", jrSud, 1, jrSud).ChaineActuelle, 5);
  EXPECT_FALSE(Verifie("C2", jrSud, 1, jrNord).Trouvee);
  EXPECT_EQ(Verifie("D2", jrSud, 1, jrNord).ChaineActuelle, 6);
}

TEST_F(VerificationChaineTest, RangSeizeAccepteUneMaitresse) {
  // After one trick the flags are known: South's ♥A is master, ♥4 is not.
  test::JoueLevee(suivi, 1, jrOuest, {"S4", "S8", "ST", "S2"});
  entameur = jrEst;
  f.Levee(1, jrEst, 2, "S:H+");
  table[jrEst] = C("H7");
  EXPECT_TRUE(Verifie("HA").Trouvee);
  EXPECT_FALSE(Verifie("H4").Trouvee);
}

TEST_F(VerificationChaineTest, AlternativeEpuisee) {
  const TDonne& d = f.Donne();
  EXPECT_TRUE(AlternativeEpuisee(d, suivi, jrSud, C("SK")));  // never held
  EXPECT_FALSE(AlternativeEpuisee(d, suivi, jrSud, C("SJ")));
  Joue(suivi, jrSud, "SJ");
  EXPECT_TRUE(AlternativeEpuisee(d, suivi, jrSud, C("SJ")));
  EXPECT_FALSE(AlternativeEpuisee(d, suivi, jrSud, TCard{RangQuelconque, clPique}));
  EXPECT_FALSE(AlternativeEpuisee(d, suivi, jrSud, TCard{RangQuelconque, CouleurQuelconque}));
  EXPECT_TRUE(AlternativeEpuisee(d, suivi, jrSud, TCard{9, CouleurQuelconque}));
  EXPECT_TRUE(AlternativeEpuisee(d, suivi, jrSud, TCard{RangQuelconque, 9}));
}

TEST_F(VerificationChaineTest, CarteEtCodeDeChaque) {
  f.Levee(1, jrOuest, 2, "O:HK N:H6=2");
  EXPECT_EQ(CarteChaine(f.Donne(), suivi, {jrNord, jrOuest, {}, 1, 1}, 1, 1), C("H6"));
  EXPECT_EQ(CarteChaine(f.Donne(), suivi, {jrOuest, jrOuest, {}, 1, 1}, 1, 1), C("HK"));
  EXPECT_EQ(CodeChaine(f.Donne(), jrNord, 1, 1), 2);
  EXPECT_EQ(CodeChaine(f.Donne(), jrOuest, 1, 1), 0);
}

}  // namespace
}  // namespace kalvo
