#include "model/NotationMains.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

constexpr std::string_view DonneDemo = "S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642";

TEST(NotationMains, LettresDesRangsEtDesSieges) {
  for (int h = 2; h <= 14; ++h) EXPECT_EQ(LitLettreRang(LettreRangAnglaise(h)), h) << h;
  EXPECT_EQ(LettreRangAnglaise(10), 'T');
  EXPECT_EQ(LitLettreRang('q'), 12);
  EXPECT_EQ(LettreRangAnglaise(1), '?');
  EXPECT_EQ(LettreRangAnglaise(15), '?');
  for (const char faux : {'1', '0', 'X', 'V', '-', '.', '\0'}) EXPECT_FALSE(LitLettreRang(faux)) << faux;
  EXPECT_EQ(LitLettreJoueur('O'), jrOuest);
  EXPECT_EQ(LitLettreJoueur('w'), jrOuest);
  EXPECT_EQ(LitLettreJoueur('E'), jrEst);
  EXPECT_FALSE(LitLettreJoueur('X'));
}

TEST(NotationMains, UneMainGardeSonOrdreEtSesCouleursVides) {
  std::string erreur;
  const auto main = LitMain("4AK.-.942.", jrNord, erreur);
  ASSERT_TRUE(main) << erreur;
  EXPECT_EQ((*main)[clPique], (std::vector<std::uint8_t>{4, 14, 13}));
  EXPECT_TRUE((*main)[clCoeur].empty());
  EXPECT_EQ((*main)[clCarreau], (std::vector<std::uint8_t>{9, 4, 2}));
  EXPECT_TRUE((*main)[clTrefle].empty());
  EXPECT_EQ(EcritMain(*main), "4AK..942.");
  const std::vector<TCard> cartes = CartesDeMain(*main);
  ASSERT_EQ(cartes.size(), 6u);
  EXPECT_EQ(cartes.front(), (TCard{4, clPique}));
  EXPECT_EQ(cartes.back(), (TCard{2, clCarreau}));
  EXPECT_EQ(MainDeCartes(cartes), *main);
  // A short end position and a void hand are hands too.
  EXPECT_TRUE(LitMain("A...", jrSud, erreur));
  EXPECT_TRUE(LitMain("...", jrSud, erreur));
}

TEST(NotationMains, MainsFautivesNommeesParLeurSiege) {
  std::string erreur;
  EXPECT_FALSE(LitMain("AK.Q.J.T.9", jrSud, erreur));
  EXPECT_EQ(erreur, "la main de Sud a plus de quatre couleurs.");
  EXPECT_FALSE(LitMain("AK1...", jrOuest, erreur));
  EXPECT_EQ(erreur, "rang « 1 » inconnu dans la main d'Ouest (AKQJT98765432).");
  EXPECT_FALSE(LitMain("AK.Q.J", jrEst, erreur));
  EXPECT_EQ(erreur, "la main d'Est doit avoir quatre couleurs séparées par des points (pique.cœur.carreau.trèfle).");
  EXPECT_FALSE(LitMain("", jrNord, erreur));
  EXPECT_FALSE(LitMain("A-K...", jrNord, erreur));  // "-" stands only for a whole empty suit
  EXPECT_EQ(erreur, "rang « - » inconnu dans la main de Nord (AKQJT98765432).");
}

TEST(NotationMains, DonnePbnDepuisNImporteQuelSiege) {
  std::string erreur;
  const auto mains = LitDonnePbn("N:AKQJT98765432.-..\t.AKQJT98765432..  ..AKQJT98765432. ...AKQJT98765432\n", erreur);
  ASSERT_TRUE(mains) << erreur;
  EXPECT_EQ((*mains)[jrNord][clPique].size(), 13u);
  EXPECT_EQ((*mains)[jrEst][clCoeur].front(), 14);  // clockwise from North
  EXPECT_EQ((*mains)[jrOuest][clTrefle].back(), 2);
  EXPECT_EQ(EcritDonnePbn(*mains), "S:..AKQJT98765432. ...AKQJT98765432 AKQJT98765432... .AKQJT98765432..");

  const auto demo = LitDonnePbn(DonneDemo, erreur);
  ASSERT_TRUE(demo) << erreur;
  EXPECT_EQ(EcritDonnePbn(*demo), DonneDemo);
  EXPECT_EQ(LitDonnePbn("o:QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642 AK4.A63.942.AQT3", erreur), demo);
}

TEST(NotationMains, DonnesPbnFautives) {
  std::string erreur;
  for (const std::string_view faute : {"S:AK...", "AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642",
                                       "S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85", ""}) {
    EXPECT_FALSE(LitDonnePbn(faute, erreur)) << faute;
    EXPECT_EQ(erreur, "il faut quatre mains en PBN : « S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 ... ».") << faute;
  }
  EXPECT_FALSE(LitDonnePbn("X:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642", erreur));
  EXPECT_EQ(erreur, "la première main doit être désignée par S, O (ou W), N ou E.");
  EXPECT_FALSE(LitDonnePbn("E:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J6X2", erreur));
  EXPECT_EQ(erreur, "rang « X » inconnu dans la main de Nord (AKQJT98765432).");
}

TEST(NotationMains, JeuxAJouerDansLOrdreDuMoteur) {
  std::string erreur;
  const auto jeux = LitJeuxPbn("S:4AK.36A.942.QAT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642", erreur);
  ASSERT_TRUE(jeux) << erreur;
  EXPECT_EQ((*jeux)(jrSud, 1), (TCard{14, clPique}));
  EXPECT_EQ((*jeux)(jrSud, 3), (TCard{4, clPique}));
  EXPECT_EQ((*jeux)(jrSud, 4), (TCard{14, clCoeur}));
  EXPECT_EQ((*jeux)(jrSud, 13), (TCard{3, clTrefle}));
  EXPECT_EQ((*jeux)(jrEst, 13), (TCard{2, clTrefle}));

  EXPECT_FALSE(LitJeuxPbn("S:AK4.A63.942.AQT3A QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642", erreur));
  EXPECT_EQ(erreur, "la main de Sud a 14 cartes au lieu de 13.");
  EXPECT_FALSE(LitJeuxPbn("S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J64", erreur));
  EXPECT_EQ(erreur, "la main d'Est a 12 cartes au lieu de 13.");
  EXPECT_FALSE(LitJeuxPbn("S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J643", erreur));
  EXPECT_EQ(erreur, "la carte « 3 de Trèfle » est donnée deux fois.");
  EXPECT_FALSE(LitJeuxPbn("S:AK4.A63.942.AQT3 QT9", erreur));
}

TEST(NotationMains, RangeCommeLeMoteurPiquesDAbordChaqueCouleurDescendante) {
  std::vector<TCard> cartes{{2, clTrefle}, {14, clCoeur}, {5, clPique}, {13, clTrefle}, {12, clPique}};
  RangeCommeLeMoteur(cartes);
  EXPECT_EQ(cartes, (std::vector<TCard>{{12, clPique}, {5, clPique}, {14, clCoeur}, {13, clTrefle}, {2, clTrefle}}));
  // Bytes that are no card (a damaged record) are left out of a written hand.
  const std::array<TCard, 3> abimees{TCard{14, clPique}, TCard{200, clCoeur}, TCard{3, 9}};
  EXPECT_EQ(EcritMain(MainDeCartes(abimees)), "A...");
}

}  // namespace
}  // namespace kalvo
