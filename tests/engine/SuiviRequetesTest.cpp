// The engine's queries: lookups, positions within a suit, counts, and the
// difference between live queries and those reading the last trick end.
#include <gtest/gtest.h>

#include "engine/SuiviMains.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Joue;
using test::Position;

// S: ♠AKQ2 ♥KJ3 ♦A2 ♣K432 (positions 1-4, 5-7, 8-9, 10-13),
// W: ♠JT9 ♥Q92 ♦KQJ3 ♣QJ9, N: ♠8765 ♥A84 ♦T98 ♣A76, E: ♠43 ♥T765 ♦7654 ♣T85.
TSuiviMains DonneD() {
  TSuiviMains suivi;
  suivi.s_Initialise(test::Jeux({"AKQ2.KJ3.A2.K432", "JT9.Q92.KQJ3.QJ9", "8765.A84.T98.A76", "43.T765.7654.T85"}), 1,
                     clSA);
  return suivi;
}

// South is void in clubs.
TSuiviMains DonneChicane() {
  TSuiviMains suivi;
  suivi.s_Initialise(test::Jeux({"AKQJT.AKQJ.AKQJ.", "98765432.T9..AKQ", ".8765432.T98.JT9", "..765432.8765432"}), 1,
                     clSA);
  return suivi;
}

TEST(Recherche, TrouveLaMainLaPositionEtLeNumeroDuneCarte) {
  const TSuiviMains suivi = DonneD();
  EXPECT_EQ(suivi.s_QuiACetteCarte(C("CA")), jrNord);
  EXPECT_EQ(suivi.s_QuiACetteCarte(C("D3")), jrOuest);
  EXPECT_EQ(suivi.s_QuiACetteCarte(TCard{}), jrSud);  // held by nobody
  EXPECT_EQ(suivi.s_ChercheIndiceCarte(jrSud, C("C3")), 12);
  EXPECT_EQ(suivi.s_ChercheIndiceCarteInSuivi(jrSud, C("C3")), 12);
  EXPECT_EQ(suivi.s_ChercheIndiceCarte(jrSud, C("CA")), 0);
  EXPECT_FALSE(suivi.s_ChercheCarte(jrSud, C("CA")));
  EXPECT_EQ(suivi.s_ChercheNumeroCarte(jrSud, C("C3")), 3);
  EXPECT_EQ(suivi.s_ChercheNumeroCarte(jrSud, C("CA")), 4);  // not held: the suit's length
  EXPECT_EQ(suivi.s_GetHauteurCarte(jrSud, 10), 13);
  EXPECT_EQ(suivi.s_GetNumeroInCouleur(jrSud, C("C3")), 3);
}

TEST(Recherche, UneCarteJoueeResteDansLaMainDonnee) {
  TSuiviMains suivi = DonneD();
  Joue(suivi, jrSud, "CK");
  EXPECT_TRUE(suivi.s_isCarteJouee(jrSud, 10));
  EXPECT_EQ(suivi.s_ChercheIndiceCarte(jrSud, C("CK")), 10);
  EXPECT_EQ(suivi.s_ChercheNumeroCarte(jrSud, C("C3")), 3);
  EXPECT_EQ(suivi.s_GetNumeroInCouleur(jrSud, C("C3")), 2);
  EXPECT_EQ(suivi.s_nb_cartes_jouees(jrSud), 12);  // the cards not yet played
}

TEST(PositionsDansUneCouleur, CouleurJamaisTenue) {
  const TSuiviMains suivi = DonneChicane();
  EXPECT_EQ(suivi.s_GetIndiceOfCouleur(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosseCarteNonJouee(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusPetiteCarteNonJouee(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_FindIndiceFirstNonPrise(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_FindIndiceLastNonPrise(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 2), 0);
  EXPECT_EQ(suivi.s_PlusPetiteDesEquivalentes(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_CompteCartesCouleur(jrSud, clTrefle), 0);
  EXPECT_EQ(suivi.s_GetCartes(jrSud, clTrefle), " —");
}

TEST(PositionsDansUneCouleur, CouleurEntierementJouee) {
  TSuiviMains suivi = DonneD();
  Joue(suivi, jrSud, "DA");
  Joue(suivi, jrSud, "D2");
  EXPECT_EQ(suivi.s_GetIndiceOfCouleur(jrSud, clCarreau), 8);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosseCarteNonJouee(jrSud, clCarreau), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusPetiteCarteNonJouee(jrSud, clCarreau), 0);
  EXPECT_EQ(suivi.s_FindIndiceFirstNonPrise(jrSud, clCarreau), 0);
  EXPECT_EQ(suivi.s_FindIndiceLastNonPrise(jrSud, clCarreau), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clCarreau, 2), 0);
  EXPECT_EQ(suivi.s_GetNbNonPrisesInCouleur(jrSud, clCarreau), 0);
  EXPECT_EQ(suivi.s_CompteCartesCouleur(jrSud, clCarreau), 2);
  EXPECT_EQ(suivi.s_GetCartes(jrSud, clCarreau), " A 2");
}

TEST(PositionsDansUneCouleur, PlusGrosseEtPlusPetiteNonJouees) {
  TSuiviMains suivi = DonneD();
  Joue(suivi, jrSud, "CK");
  Joue(suivi, jrSud, "C2");
  EXPECT_EQ(suivi.s_GetIndicePlusGrosseCarteNonJouee(jrSud, clTrefle), 11);
  EXPECT_EQ(suivi.s_FindIndiceFirstNonPrise(jrSud, clTrefle), 11);
  EXPECT_EQ(suivi.s_GetIndicePlusPetiteCarteNonJouee(jrSud, clTrefle), 12);
  EXPECT_EQ(suivi.s_FindIndiceLastNonPrise(jrSud, clTrefle), 12);
  EXPECT_EQ(suivi.PlusForte(jrSud, clTrefle).indice, 11);
  EXPECT_EQ(suivi.s_FindIndiceLastCarteNonPrise(jrSud), 1);
}

TEST(PositionsDansUneCouleur, LaPlusPetiteQuiBatUnRang) {
  TSuiviMains suivi = DonneD();  // South's clubs: K (10), 4 (11), 3 (12), 2 (13)
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 14), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 13), 0);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 1), 13);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 2), 12);
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 4), 10);
  Joue(suivi, jrSud, "C3");
  EXPECT_EQ(suivi.s_GetIndicePlusGrosse(jrSud, clTrefle, 2), 11);
}

TEST(PositionsDansUneCouleur, PlusPetiteDesEquivalentes) {
  TSuiviMains suivi = Position({".KQJ53..", "AKQJT...", "..AKQJT.", "...AKQJT"});
  EXPECT_EQ(suivi.s_PlusPetiteDesEquivalentes(jrSud, clCoeur), 11);
  // A played card of the hand leaves a gap in the run.
  Joue(suivi, jrSud, "HQ");
  EXPECT_EQ(suivi.s_PlusPetiteDesEquivalentes(jrSud, clCoeur), 13);
  EXPECT_EQ(suivi.s_PlusPetiteDesEquivalentes(jrOuest, clPique), 10);

  const TSuiviMains autre = Position({".KJT.A.", "AKQ.A..", "T9.Q.K.", "J..Q.AK"});
  EXPECT_EQ(autre.s_PlusPetiteDesEquivalentes(jrSud, clCoeur), 13);
  EXPECT_EQ(autre.s_PlusPetiteDesEquivalentes(jrSud, clCarreau), 14);
}

TEST(Comptes, CouleurLaPlusLongue) {
  TSuiviMains suivi = DonneD();
  EXPECT_EQ(suivi.s_GetCouleurLaPlusLongue(jrSud), clTrefle);  // four clubs and four spades
  EXPECT_EQ(suivi.s_GetCouleurLaPlusLongue(jrOuest), clCarreau);
  EXPECT_EQ(suivi.s_GetCouleurLaPlusLongue(jrEst), clCarreau);
  Joue(suivi, jrSud, "C2");
  EXPECT_EQ(suivi.s_GetCouleurLaPlusLongue(jrSud), clPique);
}

TEST(Comptes, CartesPlusFortesQueLaMeilleureDuneMain) {
  const TSuiviMains suivi = DonneD();
  EXPECT_EQ(suivi.s_GetNbPlusfortes(clPique, jrNord, 6), 2);
  EXPECT_EQ(suivi.s_GetNombreDeCartesSuperieures(jrEst, jrSud, clPique), 3);
  EXPECT_EQ(suivi.s_CombienDeCartesSuperieures(jrEst, clPique), 7);
  EXPECT_EQ(suivi.s_CompteCartesSuperieures(jrSud, clPique), 3);
  EXPECT_EQ(suivi.s_CompteCartesMaitresses(jrSud, clPique), 3);
  EXPECT_EQ(suivi.s_CompteCartesMaitresses(jrOuest, clCarreau), 0);
  EXPECT_EQ(suivi.s_CompteCartesSuperieuresAbsolues(jrEst, clPique), 20);
  EXPECT_EQ(suivi.s_PlusGrandeLongueur(clPique, true), 4);
  EXPECT_EQ(suivi.s_PlusGrandeLongueur(clCoeur, false), 4);
  EXPECT_EQ(suivi.s_GetLongueur(liEO, clCoeur), 4);

  // With no card of the suit every card of the other hand counts.
  const TSuiviMains chicane = DonneChicane();
  EXPECT_EQ(chicane.s_GetNombreDeCartesSuperieures(jrSud, jrOuest, clTrefle), 3);
  EXPECT_EQ(chicane.s_CombienDeCartesSuperieures(jrSud, clTrefle), 10);
}

TEST(Comptes, PlusHauteInferieureAuxCartesAdverses) {
  const TSuiviMains dixEnSud = Position({"QT...", "9.2..", ".A.A.", "..K.K"});
  EXPECT_TRUE(dixEnSud.s_IsInferieureACartesAdverses(jrOuest, clPique));
  EXPECT_FALSE(dixEnSud.s_IsInferieureACartesAdverses(jrEst, clTrefle));  // both opponents void
  const TSuiviMains huitEnSud = Position({"Q8...", "9.2..", ".A.A.", "..K.K"});
  EXPECT_FALSE(huitEnSud.s_IsInferieureACartesAdverses(jrOuest, clPique));
}

TEST(Comptes, LesRequetesVivesSuiventLaCarteLesAutresAttendentLaFinDeLevee) {
  TSuiviMains suivi = Position({"AK432...", "QJ.AKQ..", ".JT9.AK.", "..QJT.AK"});
  Joue(suivi, jrSud, "SA");
  EXPECT_EQ(suivi.s_GetCompteCouleur(jrSud, clPique), 4);
  EXPECT_EQ(suivi.s_GetNbreCartesCouleur(jrSud, clPique), 4);
  EXPECT_EQ(suivi.s_CompteCartesMaitresses(jrSud, clPique), 1);
  EXPECT_EQ(suivi.s_GetMaitresses(jrSud, clPique), 1);  // the played ace is left out
  EXPECT_FALSE(suivi.is_Maitresse(jrSud, C("SA")));
  EXPECT_TRUE(suivi.is_Maitresse(jrSud, C("SK")));
  // The counters still describe the end of the last trick.
  EXPECT_EQ(suivi.SuiviCouleur(jrSud, clPique).maitresses, 2);
  EXPECT_EQ(suivi.s_GetTotalMaitresses(jrSud), 2);
  EXPECT_FALSE(suivi.s_isAllMaitressesInCouleur(jrSud, clPique));
  EXPECT_EQ(suivi.s_GetMaitressesLigne(liNS, clPique), 2);
  EXPECT_TRUE(suivi.s_isAllMaitressesInCouleur(jrSud, clTrefle));  // void
}

TEST(Comptes, SeuleCarteRestanteDansLaCouleur) {
  TSuiviMains suivi = Position({"A.K.2.", "K.A..2", ".Q.A.3", "..K.AK"});
  EXPECT_TRUE(suivi.s_NeResteQueCetteCarteDansLaCouleur(jrSud, C("D2")));
  EXPECT_FALSE(suivi.s_NeResteQueCetteCarteDansLaCouleur(jrSud, C("D3")));
  EXPECT_FALSE(suivi.s_NeResteQueCetteCarteDansLaCouleur(jrEst, C("CK")));
  Joue(suivi, jrEst, "CA");
  EXPECT_TRUE(suivi.s_NeResteQueCetteCarteDansLaCouleur(jrEst, C("CK")));
}

TEST(Comptes, EntreesRangsEtSuperieures) {
  TSuiviMains suivi = Position({".K2.3.", "A.JT..", ".AQ..4", "K.98.."});
  EXPECT_EQ(suivi.s_GetRangMini(jrSud, clCoeur), 2);
  EXPECT_EQ(suivi.s_GetRangMini(jrNord, clCoeur), 1);
  EXPECT_EQ(suivi.s_GetRangMini(jrSud, clPique), 0);
  EXPECT_EQ(suivi.s_GetSuperieures(jrNord, clCoeur), 1);  // South's king beats the queen
  EXPECT_EQ(suivi.s_ComptesCartesReceveuses(jrNord, clCoeur), 2);  // South's two reaches both
  test::JoueLevee(suivi, 11, jrNord, {"HA", "H8", "HK", "HT"});
  EXPECT_EQ(suivi.s_ComptesCartesReceveuses(jrNord, clCoeur), 1);
  EXPECT_EQ(suivi.CompteEntrees(jrNord), 1);  // the club four is isolated, not an entry
  EXPECT_EQ(suivi.s_GetTotalCommunications(true), 1);
  EXPECT_EQ(suivi.s_GetTotalCommunications(false), 0);
}

TEST(MaitressesRealisables, LesMaitressesDuPartenaireDemandentUneEntree) {
  // South's ♥A-K opposite North's ♥Q-J-10-9, all masters, and no small heart in South.
  const TSuiviMains sansEntree = Position({".AK..5432", "AKQJT9...", ".QJT9.32.", "...AKQJT9"});
  EXPECT_EQ(sansEntree.TotalCommunications(jrNord), 0);
  EXPECT_EQ(sansEntree.s_GetMaitressesRealisables(jrSud), 2);

  // North's ♣A is an entry: hearts give min(2 + 4, 4), diamonds and clubs one each.
  const TSuiviMains avecEntree = Position({".AK..5432", "AKQJT9...", ".QJT9.2.A", "...KQJT98"});
  EXPECT_EQ(avecEntree.TotalCommunications(jrNord), 1);
  EXPECT_EQ(avecEntree.s_GetMaitressesRealisables(jrSud), 6);
}

TEST(Texte, CartesDuneCouleurTellesQueDonnees) {
  TSuiviMains suivi = DonneD();
  EXPECT_EQ(suivi.s_GetCartes(jrOuest, clPique), " V 10 9");
  EXPECT_EQ(suivi.s_GetCartes(jrSud, clCoeur), " R V 3");
  Joue(suivi, jrSud, "HK");
  EXPECT_EQ(suivi.s_GetCartes(jrSud, clCoeur), " R V 3");
}

}  // namespace
}  // namespace kalvo
