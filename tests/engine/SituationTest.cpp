// Rating of the declarer side's cards: each situation with its rules, and
// the judging of a discard.
#include <gtest/gtest.h>

#include "engine/SuiviMains.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Position;

struct TAttendu {
  std::string_view carte;
  bool jouable;
  int msg;
  TCause cause;
};

void VerifieSituation(const TSuiviMains& suivi, TJoueur j, const std::vector<TAttendu>& attendus) {
  const TSituation situation = suivi.s_ExamineSituation(j);
  ASSERT_EQ(situation.Nombre(), static_cast<int>(attendus.size()));
  for (int i = 1; i <= situation.Nombre(); ++i) {
    const TSituationCarte& e = situation(i);
    const TAttendu& a = attendus[static_cast<std::size_t>(i - 1)];
    SCOPED_TRACE(std::string(a.carte));
    EXPECT_EQ(e.c, C(a.carte));
    EXPECT_EQ(e.indice, suivi.s_ChercheIndiceCarte(j, e.c));
    EXPECT_EQ(e.jouable, a.jouable);
    EXPECT_EQ(e.msg, a.msg);
    EXPECT_EQ(e.cause, a.cause);
  }
  for (int i = situation.Nombre() + 1; i <= 13; ++i) EXPECT_EQ(situation(i), TSituationCarte{});
}

TArrayCouleur Seulement(T4Couleur s) {
  TArrayCouleur couls{};
  couls[s] = true;
  return couls;
}

TEST(ToutesGagnantes, MaitressesNonCommunicantesToutesJouables) {
  const TSuiviMains suivi = Position({"AK.A..", "QJ.K..", "..AKQ.", "...AKQ"});
  VerifieSituation(suivi, jrSud, {{"SA", true, 0, csNormale}, {"SK", true, 0, csNormale}, {"HA", true, 0, csNormale}});
}

TEST(ToutesGagnantes, LesAffranchiesAttendentLesMaitresses) {
  // ♠A-K-3-2 against ♠Q-J: two masters, two established; North holds no spade.
  const TSuiviMains suivi = Position({"AK32...", "QJ.AK..", ".QJ.AK.", "..QJ.AK"});
  VerifieSituation(suivi, jrSud,
                   {{"SA", true, 0, csNormale},
                    {"SK", true, 0, csNormale},
                    {"S3", false, MsgEtourderie, csNormale},
                    {"S2", false, MsgEtourderie, csNormale}});
}

TEST(MaitressesIsolees, UnSeulMaitreEnFaceDonne95) {
  // South: ♠A-K stranded (North void, no entry); North holds the ♥A.
  const TSuiviMains suivi = Position({"AK.32..", "QJ.K.K.", ".A.543.", "..AQ.AK"});
  TArrayCouleur couls{};
  EXPECT_TRUE(suivi.s_CarteIsolee(jrSud, couls));
  EXPECT_EQ(couls, Seulement(clPique));
  VerifieSituation(suivi, jrSud,
                   {{"SA", true, 0, csIsolee},
                    {"SK", true, 0, csIsolee},
                    {"H3", false, 95, csIsolee},
                    {"H2", false, 95, csIsolee}});
}

TEST(MaitressesIsolees, DeuxMaitresEnFaceDonnent87) {
  const TSuiviMains suivi = Position({"AK.32..", "QJ.Q.K.", ".AK.54.", "..AQ.AK"});
  VerifieSituation(suivi, jrSud,
                   {{"SA", true, 0, csIsolee},
                    {"SK", true, 0, csIsolee},
                    {"H3", false, 87, csIsolee},
                    {"H2", false, 87, csIsolee}});
}

TEST(BloqueeEnMain, CouleurBloqueeDeSud) {
  // South's ♠Q-4-3-2 under North's ♠A-K; South's ♥A is its only entry.
  const TSuiviMains suivi = Position({"Q432.A..2", "JT.KQJT..", "AK.2.32.3", "..AKQ.AKQ"});
  ASSERT_TRUE(suivi.Bloquee(jrSud, clPique));
  TArrayCouleur couls{};
  EXPECT_FALSE(suivi.s_CarteIsolee(jrSud, couls));
  EXPECT_TRUE(suivi.s_Situation_de_blocage(jrSud, couls));
  EXPECT_EQ(couls, Seulement(clPique));
  VerifieSituation(suivi, jrSud,
                   {{"SQ", false, MsgGaspillage, csNormale},
                    {"S4", true, 0, csNormale},
                    {"S3", true, 0, csNormale},
                    {"S2", true, 0, csNormale},
                    {"HA", false, 83, csBloquee},
                    {"C2", false, MsgEncaisserLevees, csNormale}});
}

TEST(BloqueeChezPartenaire, CouleurBloqueeDuNord) {
  // North's four small spades behind South's ♠A-2; North has no entry.
  const TSuiviMains suivi = Position({"A2.32..", "K.AKQ..", "6543...", "..AKQJ."});
  TArrayCouleur couls{};
  EXPECT_TRUE(suivi.s_Situation_de_blocage_en_main(jrSud, couls));
  EXPECT_EQ(couls, Seulement(clPique));
  EXPECT_FALSE(suivi.s_Situation_de_blocage_imminente(jrSud, couls));  // South has its ace as entry
  VerifieSituation(suivi, jrSud,
                   {{"SA", true, 0, csBloquee},
                    {"S2", false, 83, csBloquee},
                    {"H3", false, MsgEncaisserLevees, csNormale},
                    {"H2", false, MsgEncaisserLevees, csNormale}});
}

TEST(BlocageImminent, LesMaitresDuNordSousLeSingletonDeSud) {
  // South's ♥A alone above North's ♥K-Q: North must not cash them first.
  const TSuiviMains suivi = Position({".A..432", "AKQ..A.", ".KQ.32.", ".5432.."});
  ASSERT_TRUE(suivi.Bloquee(jrSud, clCoeur));
  TArrayCouleur couls{};
  EXPECT_TRUE(suivi.s_Situation_de_blocage_imminente(jrNord, couls));
  EXPECT_EQ(couls, Seulement(clCoeur));
  // The longer holding of hearts is two cards: 84 + hearts.
  VerifieSituation(suivi, jrNord,
                   {{"HK", false, 86, csBloquee},
                    {"HQ", false, 86, csBloquee},
                    {"D3", true, 0, csNormale},
                    {"D2", true, 0, csNormale}});
}

TEST(ReglesGenerales, PetiteCarteSansMaitreEnFaceVaChuter) {
  const TSuiviMains suivi = Position({"A2...2", "QJ...A", "K3.A..", ".KQ..K"});
  TArrayCouleur couls{};
  EXPECT_FALSE(suivi.s_CarteIsolee(jrSud, couls));
  EXPECT_FALSE(suivi.s_Situation_de_blocage(jrSud, couls));
  EXPECT_FALSE(suivi.s_Situation_de_blocage_en_main(jrSud, couls));
  EXPECT_FALSE(suivi.s_Situation_de_blocage_imminente(jrSud, couls));
  VerifieSituation(suivi, jrSud,
                   {{"SA", true, 0, csNormale}, {"S2", true, 0, csNormale}, {"C2", false, MsgChute, csNormale}});
}

TEST(Defausse, LaSeuleEntreeNeSeJettePasQuandLePartenaireAUnMaitre) {
  const TSuiviMains suivi = Position({"A2...2", "QJ...A", "K3.A..", ".KQ..K"});
  ASSERT_EQ(suivi.TotalCommunications(jrSud), 1);
  const TSituationCarte as = suivi.s_ExamineDefausseJoueur3(jrSud, C("HA"), C("SA"));
  EXPECT_EQ(as.c, C("SA"));
  EXPECT_EQ(as.indice, suivi.s_ChercheIndiceCarte(jrSud, C("SA")));
  EXPECT_FALSE(as.jouable);
  EXPECT_EQ(as.msg, MsgGaspillage);
  EXPECT_EQ(as.cause, csNormale);

  const TSituationCarte petite = suivi.s_ExamineDefausseJoueur3(jrSud, C("HA"), C("C2"));
  EXPECT_TRUE(petite.jouable);
  EXPECT_EQ(petite.msg, 0);
  // A card South does not hold gives an empty rating.
  EXPECT_EQ(suivi.s_ExamineDefausseJoueur3(jrSud, C("HA"), C("HA")), TSituationCarte{});
}

TEST(Defausse, SansMaitreChezLePartenaireTouteDefausseEstAdmise) {
  const TSuiviMains suivi = Position({"A2...2", "KJ...A", "Q3.2..", ".AK.A."});
  ASSERT_EQ(suivi.TotalCommunications(jrSud), 1);
  const TSituationCarte as = suivi.s_ExamineDefausseJoueur3(jrSud, TCard{}, C("SA"));
  EXPECT_TRUE(as.jouable);
  EXPECT_EQ(as.msg, 0);
}

}  // namespace
}  // namespace kalvo
