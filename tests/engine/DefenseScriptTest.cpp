// The defenders' card from the script's alternatives, the card codes, and
// the rule that a defender never revokes.
#include <gtest/gtest.h>

#include "engine/DefenseScript.h"
#include "tests/control/FabriqueDonne.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::CarteScript;
using test::Joue;
using test::Position;
using test::TFabriqueDonne;

// Spades K-Q-4 and hearts K-Q-J-5 for West; East has ♠T765 and ♥87.
constexpr std::string_view Mains =
    "S:J32.A432.AK2.AK2 O:KQ4.KQJ5.QJ3.QJ3 N:A98.T96.T984.T98 E:T765.87.765.7654";

class DefenseScriptTest : public ::testing::Test {
 protected:
  DefenseScriptTest() : fabrique(Mains) {
    const TDonne donne = fabrique.Donne();
    suivi.s_Initialise(donne.Mains(), 1, clSA);
  }

  // A trick chain 1 led by `entameur` with the defenders' alternatives.
  void Chaine(TJoueur entameur, std::string_view cartes) { fabrique.Levee(1, entameur, 2, cartes); }

  // Cards played to the trick, from its leader.
  TPositionDefense Trick(TJoueur entameur, std::initializer_list<std::string_view> cartes) {
    TPositionDefense p{entameur, entameur, {}, 1, 1};
    for (std::string_view code : cartes) {
      Joue(suivi, p.JoueurActuel, code);
      p.OnTable[p.JoueurActuel] = C(code);
      p.JoueurActuel = JoueurSuivant(p.JoueurActuel);
    }
    return p;
  }

  TCard Choix(const TPositionDefense& p) {
    const int indice = ChoisitCarteDefense(fabrique.Donne(), suivi, p);
    EXPECT_GE(indice, 1);
    return indice >= 1 ? suivi.Carte(p.JoueurActuel, indice) : TCard{};
  }

  TFabriqueDonne fabrique;
  TSuiviMains suivi;
};

TEST_F(DefenseScriptTest, EntameDeLaPlusPetiteDuneCouleur) {
  Chaine(jrOuest, "O:H*");
  EXPECT_EQ(Choix(Trick(jrOuest, {})), C("H5"));
}

TEST_F(DefenseScriptTest, EntameurSansLaCouleurLaisseDeciderLaDefausse) {
  TSuiviMains fin = Position({"A.A..", "K..K.", "Q.Q..", "J...J"});
  TFabriqueDonne f(Mains);
  f.Levee(1, jrOuest, 2, "O:H*");
  const TPositionDefense p{jrOuest, jrOuest, {}, 12, 1};
  const int attendu = ChoisitDefausse(fin, p);
  EXPECT_EQ(ChoisitCarteDefense(f.Donne(), fin, p), attendu);
  EXPECT_NE(attendu, 0);
}

TEST_F(DefenseScriptTest, AlternativesEssayeesDansLeurOrdreSansPreferenceDeCouleur) {
  // The ♦A is not West's: the second alternative, in clubs, is played.
  Chaine(jrOuest, "O:DA,C*");
  EXPECT_EQ(Choix(Trick(jrOuest, {})), C("C3"));
  Chaine(jrOuest, "O:S*,C*");
  EXPECT_EQ(Choix(Trick(jrOuest, {})), C("S4"));
}

TEST_F(DefenseScriptTest, QuiFournitPrendDabordUneAlternativeDansLaCouleurEntamee) {
  Chaine(jrNord, "E:H*,S*");
  EXPECT_EQ(Choix(Trick(jrNord, {"S8"})), C("S5"));
}

TEST_F(DefenseScriptTest, Code32BatLaCarteDuCampDuDeclarant) {
  Chaine(jrNord, "E:S* O:S>");
  // North ♠9, East ♠5, South ♠J: West covers with the queen, not the king.
  EXPECT_EQ(Choix(Trick(jrNord, {"S9", "S5", "SJ"})), C("SQ"));
}

TEST_F(DefenseScriptTest, Code32SansCarteAssezHauteDonneLaPlusPetite) {
  Chaine(jrNord, "E:S* O:S>");
  EXPECT_EQ(Choix(Trick(jrNord, {"SA", "S5", "S2"})), C("S4"));
}

TEST(RangABattre, SelonLaPlaceDuDefenseur) {
  TCartesJouees table{};
  table[jrOuest] = C("S4");
  table[jrNord] = C("ST");
  EXPECT_EQ(RangABattre({jrEst, jrOuest, table, 1, 1}), 10);  // third: the card before
  table = {};
  table[jrNord] = C("S9");
  table[jrEst] = C("S5");
  table[jrSud] = C("H2");
  EXPECT_EQ(RangABattre({jrOuest, jrNord, table, 1, 1}), 9);  // fourth after a discard: the lead
  table = {};
  table[jrSud] = C("SQ");
  EXPECT_EQ(RangABattre({jrOuest, jrSud, table, 1, 1}), 12);  // second
  EXPECT_EQ(RangABattre({jrOuest, jrOuest, {}, 1, 1}), 0);    // leading
}

TEST_F(DefenseScriptTest, Code64BasDeLaSequenceDeTete) {
  Chaine(jrOuest, "O:H<");
  EXPECT_EQ(Choix(Trick(jrOuest, {})), C("HJ"));
}

TEST_F(DefenseScriptTest, Code16LaPlusHaute) {
  Chaine(jrOuest, "O:D+");
  EXPECT_EQ(Choix(Trick(jrOuest, {})), C("DQ"));
}

TEST(CarteToutesCouleurs, DefenseurSansLaCouleurEntameeDefausseLaPremiereCouleurTenue) {
  // East holds only ♠T and ♦7-6; West led a heart.
  TSuiviMains suivi = Position({".AK.2.", ".QJ9..", ".T8.3.", "T..76."});
  Joue(suivi, jrOuest, "HQ");
  Joue(suivi, jrNord, "H8");
  TCartesJouees table{};
  table[jrOuest] = C("HQ");
  table[jrNord] = C("H8");
  const int i = PositionCarteDefense(suivi, {jrEst, jrOuest, table, 11, 1}, TCard{2, CouleurQuelconque});
  ASSERT_NE(i, 0);
  EXPECT_EQ(suivi.Carte(jrEst, i), C("D6"));
}

TEST_F(DefenseScriptTest, SiPrecedenteSelonLaCarteDuJoueurPrecedent) {
  Chaine(jrSud, "");
  fabrique.Chaine(1).SetDefense(1, 1, TCarteDefense{1, 0, {}, C("DK"), C("DQ")});
  const TPositionDefense p = Trick(jrSud, {"D2"});
  EXPECT_EQ(CarteChaineDefense(fabrique.Donne(), suivi, p, 1, 1), TCard{});
  fabrique.Chaine(1).SetDefense(1, 1, TCarteDefense{1, 0, {}, TCard{RangQuelconque, clCarreau}, C("DQ")});
  EXPECT_EQ(CarteChaineDefense(fabrique.Donne(), suivi, p, 1, 1), C("DQ"));
  // Leading, there is no previous card: an empty place is not a club.
  fabrique.Chaine(1).SetDefense(1, 1, TCarteDefense{1, 0, {}, TCard{RangQuelconque, clTrefle}, C("CQ")});
  EXPECT_EQ(CarteChaineDefense(fabrique.Donne(), suivi, {jrOuest, jrOuest, {}, 1, 1}, 1, 1), TCard{});
}

TEST(SiDerniere, LaDerniereCarteNommeeDonneLaCarteCondition) {
  // East keeps a single heart, the ♥8.
  TSuiviMains suivi = Position({"A.A..", "K.Q..", "Q..A.", "J.8.."});
  TFabriqueDonne f(Mains);
  f.Levee(1, jrOuest, 2, "");
  f.Chaine(1).SetDefense(2, 1, TCarteDefense{0, 1, C("H8"), C("SJ"), TCard{RangQuelconque, clCoeur}});
  const TPositionDefense p{jrEst, jrOuest, {}, 12, 1};
  EXPECT_EQ(CarteChaineDefense(f.Donne(), suivi, p, 1, 1), C("SJ"));
  // Another last card: the alternative gives its own card.
  f.Chaine(1).SetDefense(2, 1, TCarteDefense{0, 1, C("H7"), C("SJ"), TCard{RangQuelconque, clCoeur}});
  EXPECT_EQ(CarteChaineDefense(f.Donne(), suivi, p, 1, 1), (TCard{RangQuelconque, clCoeur}));
}

TEST_F(DefenseScriptTest, UnDefenseurNeRenoncePasMemeSiLeScriptLeDit) {
  // The script names West's ♠K on a heart lead; West holds hearts.
  Chaine(jrSud, "O:SK");
  EXPECT_EQ(Choix(Trick(jrSud, {"H2"})), C("H5"));
  Chaine(jrSud, "O:SK,DQ");
  EXPECT_EQ(Choix(Trick(jrSud, {"H3"})), C("H5"));
}

TEST_F(DefenseScriptTest, SansScriptLaDefausseSuitAussiLaCouleurEntamee) {
  Chaine(jrSud, "");
  const TPositionDefense p = Trick(jrSud, {"C2"});
  EXPECT_EQ(Choix(p), C("C3"));
  EXPECT_EQ(SansRenonce(suivi, p, 0), suivi.s_ChercheIndiceCarte(jrOuest, C("C3")));
}

TEST_F(DefenseScriptTest, HorsDuneLeveeLaDefausseDecide) {
  fabrique.Noeud(1, tcAutomatique, 2, 3);
  const TPositionDefense p = Trick(jrSud, {"S2"});
  EXPECT_EQ(Choix(p), C("S4"));
}

TEST_F(DefenseScriptTest, ChaineHorsLimitesEstUneErreurDeDonnee) {
  TPositionDefense p = Trick(jrOuest, {});
  p.ChaineActuelle = 401;
  EXPECT_THROW(ChoisitCarteDefense(fabrique.Donne(), suivi, p), ErreurDonnee);
}

}  // namespace
}  // namespace kalvo
