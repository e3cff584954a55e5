// The main window's layout numbers, checked without a display.
#include "table/GeometrieTable.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

int Droite(const QRect& r) { return r.x() + r.width(); }

TEST(GeometrieTable, RangeeDeBoutonsA1222Et1100) {
  const TRangeeBoutons large = RangeeBoutons(1222, 1000);
  EXPECT_EQ(large.Ecart, 32);
  EXPECT_EQ(large.Points, 12);
  EXPECT_EQ(large.Largeur, 116);
  EXPECT_EQ(large.Boutons[brReglages].x(), 32);
  EXPECT_EQ(Droite(large.Boutons[brReglages]), 148);
  EXPECT_EQ(large.Boutons[brScores].x(), 180);
  EXPECT_EQ(large.Boutons[brReglages].y(), 1000 - 43 - 16);
  EXPECT_EQ(large.Boutons[brQuitter].height(), 43);

  const TRangeeBoutons moyen = RangeeBoutons(1100, 800);
  EXPECT_EQ(moyen.Ecart, 24);
  EXPECT_EQ(moyen.Points, 11);
  EXPECT_EQ(moyen.Largeur, 110);
  // The deal-stepping trio shares the place of "Jouer pour moi".
  EXPECT_EQ(moyen.Boutons[brPrecedente].x(), moyen.Boutons[brJeuAuto].x());
  EXPECT_EQ(moyen.Boutons[brPrecedente].width(), 110 / 4);
  EXPECT_EQ(moyen.Boutons[brDonne].x(), Droite(moyen.Boutons[brPrecedente]) + 4);
  EXPECT_EQ(moyen.Boutons[brDonne].width(), 110 / 2 - 8);
  EXPECT_EQ(moyen.Boutons[brSuivante].x(), Droite(moyen.Boutons[brDonne]) + 4);
  EXPECT_EQ(moyen.Boutons[brSuivante].width(), moyen.Boutons[brPrecedente].width());
  EXPECT_EQ(moyen.Boutons[brQuitter].x(), Droite(moyen.Boutons[brSuivante]) + 24);
  for (int i = 1; i <= brJeuAuto; ++i) {
    EXPECT_EQ(moyen.Boutons[static_cast<std::size_t>(i)].x(), Droite(moyen.Boutons[static_cast<std::size_t>(i - 1)]) + 24) << i;
  }
  // Nothing leaves the window.
  for (int cw : {1024, 1100, 1201, 1600}) EXPECT_LE(Droite(RangeeBoutons(cw, 768).Boutons[brQuitter]), cw) << cw;

  EXPECT_EQ(RangeeBoutons(800, 600).Ecart, 16);
  EXPECT_EQ(RangeeBoutons(800, 600).Points, 10);
  EXPECT_EQ(RangeeBoutons(1200, 600).Ecart, 24);
  EXPECT_EQ(RangeeBoutons(1201, 600).Ecart, 32);
}

TEST(GeometrieTable, TailleDeLaFenetreSelonLEcran) {
  EXPECT_EQ(TailleFenetre(QRect(0, 0, 1920, 1080)), QSize(1600, 1024));
  EXPECT_EQ(TailleFenetre(QRect(0, 0, 1280, 800)), QSize(1280, 800));
  // Never narrower than 1024, even on a smaller screen.
  EXPECT_EQ(TailleFenetre(QRect(0, 0, 800, 600)), QSize(1024, 600));
}

TEST(GeometrieTable, PlacesDesMainsEtDeLaFleche) {
  EXPECT_EQ(PlaceJeu(jrSud, 1024, 768, QSize(300, 103), 0), QPoint(362, 768 - 75 - 103 - 16));
  EXPECT_EQ(PlaceJeu(jrNord, 1024, 768, QSize(300, 200), 0), QPoint(362, 30));
  EXPECT_EQ(PlaceJeu(jrOuest, 1024, 768, QSize(150, 268), 0), QPoint(51, 40 * 500 / 100));
  EXPECT_EQ(PlaceJeu(jrEst, 1024, 768, QSize(150, 268), 200), QPoint(768, 200));
  EXPECT_EQ(GaucheFleche(362), 362 - 26 - 16);
}

TEST(GeometrieTable, CartesJoueesAvecPeuDePlace) {
  // Less than a card's height between the hands: North's card covers half
  // of South's, which sits 8 pixels above South's hand.
  const QSize carte(71, 103);
  const TCartesJoueesPlaces p = PlaceCartesJouees(1024, 1, carte, 500, 420);
  EXPECT_EQ(p.Decalage, 8);
  EXPECT_EQ(p.Recouvrement, 51);
  EXPECT_EQ(p.Coins[jrSud], QPoint((1024 - 71) / 2 + 4, 500 - 8 - 103));
  EXPECT_EQ(p.Coins[jrNord].y(), p.Coins[jrSud].y() - 103 + 51);
  EXPECT_EQ(p.Coins[jrNord].x(), p.Coins[jrSud].x() - 8);

  // Between one and 1.8 card heights: the cover grows with the space, never
  // under four tenths of a card.
  EXPECT_EQ(PlaceCartesJouees(1024, 1, carte, 500, 500 - 150).Recouvrement, 41);
  EXPECT_EQ(PlaceCartesJouees(1024, 1, carte, 500, 500 - 180).Recouvrement, 61);
  EXPECT_EQ(PlaceCartesJouees(1024, 1, carte, 500, 500 - 180).Decalage, 8);
}

TEST(GeometrieTable, CartesJoueesAvecBeaucoupDePlace) {
  const QSize carte(71, 103);
  const TCartesJoueesPlaces p = PlaceCartesJouees(1600, 1, carte, 700, 700 - 185);
  EXPECT_EQ(p.Recouvrement, 10);
  EXPECT_EQ(p.Decalage, 0);
  const QPoint nord = p.Coins[jrNord];
  EXPECT_EQ(nord.y(), p.Coins[jrSud].y() - 103 + 10);
  EXPECT_EQ(p.Coins[jrOuest].y() - nord.y(), 36);
  EXPECT_EQ(p.Coins[jrEst].y() - nord.y(), 55);
  EXPECT_EQ(p.Coins[jrOuest].x(), p.Coins[jrSud].x() - 71 + 8);
  EXPECT_EQ(p.Coins[jrEst].x(), nord.x() + 71 - 8);
  // More space still: the cards stay centred between the hands.
  const TCartesJoueesPlaces q = PlaceCartesJouees(1600, 3, QSize(133, 190), 800, 800 - 400);
  EXPECT_EQ(q.Decalage, (400 - 190 * 18 / 10) / 2);
  EXPECT_EQ(q.Coins[jrSud].x(), (1600 - 133) / 2 + 12);
}

TEST(GeometrieTable, EtuiEtRangeesDEncheres) {
  EXPECT_EQ(PlaceEtui(1024, 768, 90), QPoint(467, 36 * 678 / 100));
  const QRect etui(467, 244, 90, 90);
  const std::array<QSize, 4> tailles{QSize(200, 80), QSize(180, 80), QSize(200, 80), QSize(180, 80)};
  const std::array<QPoint, 4> reglages = PlaceBids(etui, 1024, tailles, 80, EcartBidsReglages);
  EXPECT_EQ(reglages[jrSud], QPoint(412, 244 + 90 + 16));
  EXPECT_EQ(reglages[jrNord], QPoint(412, 244 - 80 - 16));
  EXPECT_EQ(reglages[jrOuest], QPoint(467 - 180 - 32, 244 + 5));
  EXPECT_EQ(reglages[jrEst], QPoint(467 + 90 + 32, 249));
  const std::array<QPoint, 4> encheres = PlaceBids(etui, 1024, tailles, 80, EcartBidsEncheres);
  EXPECT_EQ(encheres[jrOuest].x(), 467 - 180 - 16);
  EXPECT_EQ(encheres[jrEst].x(), 467 + 90 + 16);
  // A hidden South row has no height: West and East centre on the board.
  EXPECT_EQ(PlaceBids(etui, 1024, tailles, 0, EcartBidsReglages)[jrOuest].y(), 244 + 45);
}

TEST(GeometrieTable, BoitesDAlerte) {
  const QRect premiere = RectAlerte(1);
  EXPECT_EQ(premiere.x(), 20);
  EXPECT_EQ(premiere.y(), 88);
  EXPECT_EQ(premiere.x() + premiere.width(), 350);
  EXPECT_EQ(premiere.y() + premiere.height(), 116);
  EXPECT_EQ(RectAlerte(2).y(), 118);
}

}  // namespace
}  // namespace kalvo
