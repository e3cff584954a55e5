// Pool, programme and solution modes.
#include <gtest/gtest.h>

#include "coaching/MessagesIntegres.h"
#include "coaching/VerificationPool.h"
#include "coaching/VerificationProgramme.h"
#include "coaching/VerificationSolution.h"
#include "engine/Situation.h"
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

class PoolTest : public ::testing::Test {
 protected:
  PoolTest() : f(Mains) { suivi.s_Initialise(f.Donne().Mains(), 1, clSA); }
  TVuePoolCarte<true> Entame(T4Couleur s, int y) { return f.Donne().Pool(2).Entame(true, s, y); }
  TVerificationPool Verifie(TJoueur main, TJoueur entameur, std::string_view carte, TEntamePool entame = {}) {
    return VerifieCartePool(f.Donne(), suivi, {main, entameur, {}, jrSud}, 2, entame, C(carte));
  }
  TFabriqueDonne f;
  TSuiviMains suivi;
};

TEST_F(PoolTest, DeuxEntreesConcordentLaDerniereSertEtToutesLesConditionsComptent) {
  Entame(clCoeur, 1).SetRang(14);
  Entame(clCoeur, 1).SetNbConditions(1);
  Entame(clCoeur, 1).SetCondition(1, {1, C("HK"), 11});  // fails while West's ♥K is out
  Entame(clCoeur, 3).SetRang(RangQuelconque);
  const TVerificationPool r = Verifie(jrSud, jrSud, "HA");
  EXPECT_EQ(r.Entame.numero_carte, 3);
  EXPECT_EQ(r.Entame.Carte1, C("HA"));
  EXPECT_EQ(r.Code, 11);
  Joue(suivi, jrOuest, "HK");
  EXPECT_EQ(Verifie(jrSud, jrSud, "HA").Code, 0);
  Entame(clCoeur, 3).SetNbConditions(1);
  Entame(clCoeur, 3).SetCondition(1, {2, C("HK"), 12});  // fails once it is played
  EXPECT_EQ(Verifie(jrSud, jrSud, "HA").Code, 12);
}

TEST_F(PoolTest, ConditionDeMaitresseChezLePartenaire) {
  Entame(clCarreau, 1).SetRang(RangQuelconque);
  Entame(clCarreau, 1).SetNbConditions(1);
  Entame(clCarreau, 1).SetCondition(1, {0, TCard{RangPlusHaute, clPique}, 13});
  // Before any trick North has no master flag at all.
  EXPECT_EQ(Verifie(jrSud, jrSud, "D2").Code, 13);
}

TEST_F(PoolTest, EntameConnueMaisFausseOuInconnue) {
  f.Donne().Pool(2).Autre(true, clTrefle, 2).SetRang(2);
  f.Donne().Pool(2).Autre(true, clTrefle, 2).SetCode(14);
  EXPECT_EQ(Verifie(jrSud, jrSud, "C2").Code, 14);
  EXPECT_EQ(Verifie(jrSud, jrSud, "CA").Code, 70);
  EXPECT_EQ(Verifie(jrSud, jrSud, "CA").Entame.numero_carte, 0);
}

TEST_F(PoolTest, ReponsesDuPartenaire) {
  Entame(clCoeur, 1).SetRang(RangQuelconque);
  Entame(clCoeur, 1).SetNbSuites(1);
  Entame(clCoeur, 1).SetSuite(1, {10, 15});
  Entame(clCoeur, 1).SetNbDefausses(1);
  Entame(clCoeur, 1).SetDefausse(1, {RangQuelconque, clCarreau, 16});
  f.Donne().Pool(2).Autre(true, clCoeur, 1).SetNbSuites(1);
  f.Donne().Pool(2).Autre(true, clCoeur, 1).SetSuite(1, {9, 17});
  const TEntamePool entame{1, C("HA")};
  EXPECT_EQ(Verifie(jrNord, jrSud, "HT", entame).Code, 15);
  EXPECT_EQ(Verifie(jrNord, jrSud, "H9", entame).Code, 17);
  EXPECT_EQ(Verifie(jrNord, jrSud, "H6", entame).Code, 0);
  EXPECT_EQ(Verifie(jrNord, jrSud, "D4", entame).Code, 16);
  EXPECT_EQ(Verifie(jrNord, jrSud, "C8", entame).Code, 0);
  // Nothing matched the lead: nothing to judge.
  EXPECT_EQ(Verifie(jrNord, jrSud, "HT", {0, C("HA")}).Code, 0);
  // A trick the defenders led.
  EXPECT_EQ(Verifie(jrNord, jrOuest, "HT", entame).Code, 0);
}

class ProgrammeTest : public ::testing::Test {
 protected:
  // South ♠A-2 ♣2, West ♠Q-J ♣A, North ♠K-3 ♥A, East ♥K-Q ♣K: the club
  // lead goes down (71).
  ProgrammeTest() : f(Mains), suivi(Position({"A2...2", "QJ...A", "K3.A..", ".KQ..K"})) {
    f.Chaine(7).SetTypeChaine(tcAutomatique);
    for (T4Couleur s : ToutesLesCouleurs) f.Chaine(7).Auto().SetParCouleur(s, {1, 0});
  }
  TVerificationProgramme Verifie(TJoueur main, TJoueur entameur, std::string_view carte, bool automatique,
                                 TEntameProgramme entame = {}) {
    return VerifieCarteProgramme(f.Donne(), suivi, {main, entameur, {}, jrSud}, 7, automatique, entame, C(carte));
  }
  TFabriqueDonne f;
  TSuiviMains suivi;
};

TEST_F(ProgrammeTest, EntameJugeeParLaSituation) {
  const TVerificationProgramme r = Verifie(jrSud, jrSud, "SA", false);
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Entame.Carte1, C("SA"));
  EXPECT_TRUE(r.Entame.isJ1Maitresse);
  EXPECT_EQ(Verifie(jrSud, jrSud, "C2", false).Code, MsgChute);
  f.Chaine(7).Auto().SetCodeDefaut(8);
  EXPECT_EQ(Verifie(jrSud, jrSud, "C2", true).Code, 8);
  EXPECT_EQ(Verifie(jrSud, jrSud, "C2", false).Code, MsgChute);
}

TEST_F(ProgrammeTest, ExceptionsDuNoeudAutomatique) {
  f.Chaine(7).Auto().SetParCouleur(clPique, {0, 9});
  EXPECT_EQ(Verifie(jrSud, jrSud, "SA", true).Code, 9);
  EXPECT_EQ(Verifie(jrSud, jrSud, "S2", true).Code, 9);
  f.Chaine(7).Auto().SetParCouleur(clPique, {1, 0});
  f.Chaine(7).Auto().SetNbSud(1);
  f.Chaine(7).Auto().SetListeSud(1, {C("S2"), 10, 0});
  EXPECT_EQ(Verifie(jrSud, jrSud, "S2", true).Code, 10);
  EXPECT_EQ(Verifie(jrSud, jrSud, "SA", true).Code, 0);
  f.Chaine(7).Auto().SetNbSud(9);
  EXPECT_THROW(Verifie(jrSud, jrSud, "SA", true), ErreurDonnee);
}

TEST_F(ProgrammeTest, LePartenaireSuitLEntame) {
  // North follows to South's ♠A lead.
  Joue(suivi, jrSud, "SA");
  EXPECT_EQ(Verifie(jrNord, jrSud, "SK", false, {C("SA"), true}).Code, 0);
  EXPECT_EQ(Verifie(jrNord, jrSud, "S3", false, {C("S2"), false}).Code, MsgChute);
  EXPECT_EQ(Verifie(jrNord, jrSud, "S3", false, {C("SA"), true}).Code, 0);
  // Another suit: the engine judges the discard.
  const TSituationCarte attendu = suivi.s_ExamineDefausseJoueur3(jrNord, C("CA"), C("HA"));
  const int code = attendu.jouable ? 0 : (attendu.msg == 0 ? MsgEtourderie : attendu.msg);
  EXPECT_EQ(Verifie(jrNord, jrSud, "HA", false, {C("CA"), false}).Code, code);
  // A trick led by the defenders.
  EXPECT_EQ(Verifie(jrNord, jrOuest, "S3", false, {C("S2"), false}).Code, 0);
}

class SolutionTest : public ::testing::Test {
 protected:
  // South ♠A-K ♥A opposite North ♠3-2 ♥2: three master tricks.
  SolutionTest() : suivi(Position({"AK.A..", "QJ.K..", "32.2..", "T9.Q.."})) {
    suivi.s_CalculeSolutions(jrSud, 11);
    etat.PremierJoueurSolution = jrSud;
  }
  TVerificationSolution Verifie(TJoueur main, TJoueur entameur, std::string_view carte) {
    return VerifieCarteSolution(suivi, {main, entameur, {}, jrSud}, etat, C(carte));
  }
  TSuiviMains suivi;
  TEtatSolution etat;
};

TEST_F(SolutionTest, LeCoupleDeChaqueLeveeSuitUneSolution) {
  ASSERT_GT(suivi.NbSolutions(), 0);
  const TSolution premiere = suivi.ListeSolutions().Solution(1);
  const TVerificationSolution entame = Verifie(jrSud, jrSud, CodeCarte(premiere[0].carteJoueur));
  ASSERT_EQ(entame.Code, 0);
  EXPECT_EQ(entame.Etat.indiceSolution, 1);
  EXPECT_EQ(entame.Etat.indiceCouplesJoues, 0);
  etat = entame.Etat;
  const TVerificationSolution suite = Verifie(jrNord, jrSud, CodeCarte(premiere[0].cartePartenaire));
  ASSERT_EQ(suite.Code, 0);
  EXPECT_EQ(suite.Etat.indiceCouplesJoues, 1);
  EXPECT_EQ(suite.Etat.CouplesJoues[0][0], premiere[0].carteJoueur);
  EXPECT_EQ(suite.Etat.CouplesJoues[0][1], premiere[0].cartePartenaire);
}

TEST_F(SolutionTest, LesSolutionsPasseesNeRevientPas) {
  const int n = suivi.NbSolutions();
  ASSERT_GT(n, 1);
  etat.indiceSolution = n;
  const TCard derniere = suivi.ListeSolutions().Solution(n)[0].carteJoueur;
  for (TCard c : {C("SA"), C("SK"), C("HA")}) {
    bool ailleurs = false;
    for (int k = 1; k < n; ++k) ailleurs = ailleurs || suivi.ListeSolutions().Solution(k)[0].carteJoueur == c;
    if (c != derniere && ailleurs) {
      EXPECT_EQ(Verifie(jrSud, jrSud, CodeCarte(c)).Code, MsgEtourderie) << CodeCarte(c);
    }
  }
  etat.indiceCouplesJoues = NbMaxLeveesSolution;
  EXPECT_EQ(Verifie(jrSud, jrSud, CodeCarte(derniere)).Code, MsgEtourderie);
}

}  // namespace
}  // namespace kalvo
