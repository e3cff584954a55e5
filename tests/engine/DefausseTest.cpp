// The defenders' discard rules, each in a position where it decides.
#include <gtest/gtest.h>

#include "engine/Defausse.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Joue;
using test::Position;

TCard Defausse(const TSuiviMains& suivi, TJoueur joueur, TJoueur entameur, int levee) {
  const int indice = ChoisitDefausse(suivi, TPositionDefense{joueur, entameur, TCartesJouees{}, levee});
  EXPECT_GE(indice, 1);
  return indice >= 1 ? suivi.Carte(joueur, indice) : TCard{};
}

TEST(Regle1, LePartenaireEncaisseLaFinDonneLaPlusLongueCouleur) {
  // West's four master hearts cover the four tricks left; East's clubs and
  // spades tie in length and clubs come first.
  TSuiviMains suivi = Position({"AKQJ...", ".AKQJ..", "..AKQJ.", "32...32"});
  Joue(suivi, jrOuest, "HA");
  EXPECT_EQ(Defausse(suivi, jrEst, jrOuest, 10), C("C2"));
}

TEST(Regle1, SinonUneCouleurSansMaitresse) {
  TSuiviMains suivi = Position({"AKQJ...", ".AKQJ..", "..AKQJ.", "32...32"});
  Joue(suivi, jrOuest, "HA");
  // With five tricks to play West's hearts no longer suffice; East's clubs are masters.
  EXPECT_EQ(Defausse(suivi, jrEst, jrOuest, 9), C("S2"));
}

TEST(Regle2, DeclarantSansEntreeChezLeMort) {
  // South leads; North has no entry. West's ♣K-2 is kept against South's ♣A-Q,
  // and the heart goes since South has none.
  TSuiviMains suivi = Position({"A..A.AQ", "T.5..K2", "K..K.J3", "Q.A.Q.T"});
  ASSERT_EQ(suivi.TotalCommunications(jrNord), 0);
  Joue(suivi, jrSud, "DA");
  EXPECT_EQ(Defausse(suivi, jrOuest, jrSud, 10), C("H5"));
}

TEST(Regle2, FlancQuiEntameDefausseSousLesHonneursAdverses) {
  // West leads: the spade ten is beaten by South's ace.
  const TSuiviMains suivi = Position({"A..A.AQ", "T.5..K2", "K..K.J3", "Q.A.Q.T"});
  EXPECT_EQ(Defausse(suivi, jrOuest, jrOuest, 10), C("ST"));
}

TEST(Regle3, LongueurSuperieureACelleDuCamp) {
  // North's ♦A is an entry; East's two clubs outnumber North-South's one.
  TSuiviMains suivi = Position({"QJ..32.K", "AT.T.K.J", "K9.KQ.A.", ".AJ3..A2"});
  ASSERT_EQ(suivi.TotalCommunications(jrNord), 1);
  Joue(suivi, jrSud, "SQ");
  Joue(suivi, jrOuest, "SA");
  Joue(suivi, jrNord, "S9");
  EXPECT_EQ(Defausse(suivi, jrEst, jrSud, 9), C("C2"));  // not the longer hearts
}

TEST(Regle7, MainVideDonneMoinsUn) {
  TSuiviMains suivi = Position({"A...", "K...", "Q...", "J..."});
  for (TJoueur j : TousLesJoueurs) Joue(suivi, j, test::Restante(suivi, j));
  EXPECT_EQ(ChoisitDefausse(suivi, TPositionDefense{jrEst, jrSud, TCartesJouees{}, 13}), -1);
}

}  // namespace
}  // namespace kalvo
