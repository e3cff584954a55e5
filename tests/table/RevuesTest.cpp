#include "table/AboutBox.h"
#include "table/Carte1024.h"
#include "table/FEncheres.h"
#include "table/FLastL.h"
#include "table/FPoint.h"
#include "table/IconesTable.h"
#include "control/RevueEncheres.h"
#include "table/VisionneuseRtf.h"

#include "model/Donne.h"
#include "model/Windows1252.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace kalvo {
namespace {

constexpr TEnchere Passe{0, 1, 0};
constexpr TEnchere Fin{NiveauFinEncheres, 0, 0};
constexpr auto Donne = test::DonneEncheres;

class TFEncheresTest : public ::testing::Test {
 protected:
  TFEncheres dlg;
  int Colonne(TJoueur j) const { return dlg.absX[j]; }
  int HautRonde(int r) const { return 26 * r + 8 + dlg.Entetes[0]->height() - 14; }
};

TEST_F(TFEncheresTest, GrilleALaCreation) {
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Les enchères"));
  EXPECT_EQ(dlg.width(), 340);
  EXPECT_EQ(dlg.absX, (std::array<int, 5>{10, 86, 162, 238, 314}));
  EXPECT_EQ(dlg.Panel1->geometry().left(), 8);
  EXPECT_EQ(dlg.Panel1->width(), 324);
  EXPECT_EQ(dlg.Panel2->width(), 324);
  EXPECT_EQ(dlg.LabDonne->text(), QStringLiteral("Donne"));
  EXPECT_EQ(dlg.LabVuln->text(), QStringLiteral("Vulnérabilité"));
  EXPECT_EQ(dlg.Panel1->palette().color(QPalette::Window), QColor(0, 66, 0));
  EXPECT_EQ(dlg.Panel2->palette().color(QPalette::Window), QColor(152, 187, 152));
  EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(128, 0, 0));
  for (TJoueur j : TousLesJoueurs) {
    QLabel* e = dlg.Entetes[j];
    EXPECT_EQ(e->y(), 12);
    EXPECT_EQ(e->x(), Colonne(j) + (dlg.absX[j + 1] - Colonne(j) - e->width()) / 2);
  }
  EXPECT_EQ(dlg.Entetes[jrOuest]->text(), QStringLiteral("Ouest"));
  EXPECT_EQ(dlg.Bids[0]->objectName(), QStringLiteral("L1"));
  EXPECT_EQ(dlg.Bid(2, jrOuest)->objectName(), QStringLiteral("L6"));
  EXPECT_EQ(dlg.Coul(7, jrEst)->objectName(), QStringLiteral("I28"));
  EXPECT_EQ(dlg.BOk->x(), (340 - dlg.BOk->width()) / 2);
}

TEST_F(TFEncheresTest, EnchereOuverteParOuest) {
  const TDonne d = Donne(jrOuest, {{1, clPique, 0}, Passe, {2, clPique, 0}, Passe, Passe, Passe, Fin});
  dlg.PrepareRevueEncheres(LitRevueEncheres(d), 12);
  EXPECT_EQ(dlg.LDonne->text(), QStringLiteral("12"));
  EXPECT_EQ(dlg.LDonneur->text(), QStringLiteral("Ouest"));
  EXPECT_EQ(dlg.LVuln->text(), QStringLiteral("Nord-Sud"));
  // South's cell of round 1 stays empty; West's level sits in the second column.
  EXPECT_FALSE(dlg.Bid(1, jrSud)->isVisibleTo(&dlg));
  EXPECT_TRUE(dlg.Bid(1, jrSud)->text().isEmpty());
  QLabel* ouest = dlg.Bid(1, jrOuest);
  EXPECT_TRUE(ouest->isVisibleTo(&dlg));
  EXPECT_EQ(ouest->text(), QStringLiteral("1"));
  EXPECT_EQ(ouest->geometry(), QRect(86 + 24, HautRonde(1), 11, ouest->height()));
  QLabel* pique = dlg.Coul(1, jrOuest);
  EXPECT_TRUE(pique->isVisibleTo(&dlg));
  EXPECT_EQ(pique->pos(), QPoint(86 + 40, HautRonde(1)));
  EXPECT_EQ(pique->pixmap().toImage(), ImageSymbole(993).toImage());
  EXPECT_EQ(dlg.Bid(1, jrNord)->text(), QStringLiteral("—"));
  EXPECT_EQ(dlg.Bid(1, jrNord)->geometry().left(), 162);
  EXPECT_EQ(dlg.Bid(1, jrNord)->width(), 76);
  EXPECT_EQ(dlg.Bid(1, jrEst)->text(), QStringLiteral("2"));
  EXPECT_EQ(dlg.Bid(2, jrSud)->text(), QStringLiteral("—"));
  EXPECT_EQ(dlg.Bid(2, jrNord)->text(), QStringLiteral("—"));
  EXPECT_EQ(dlg.Bid(2, jrEst)->text(), QStringLiteral("FIN"));
  EXPECT_EQ(dlg.Bid(2, jrEst)->y(), HautRonde(2));
  EXPECT_FALSE(dlg.Bid(3, jrSud)->isVisibleTo(&dlg));
  for (QLabel* note : dlg.Notes) EXPECT_FALSE(note->isVisibleTo(&dlg));
  for (QLabel* ligne : dlg.Alertes) EXPECT_FALSE(ligne->isVisibleTo(&dlg));
  // No alert: the grid ends one round below "FIN".
  EXPECT_EQ(dlg.Panel2->height(), HautRonde(1) + 26 * 2);
  EXPECT_EQ(dlg.height(), dlg.Panel1->height() + dlg.Panel2->height() + dlg.BOk->height() + 24);
  EXPECT_EQ(dlg.BOk->y(), dlg.height() - dlg.BOk->height() - 4);
}

TEST_F(TFEncheresTest, AlertesMarqueesEtExpliqueesUneFois) {
  TDonne d = Donne(jrSud, {{1, clSA, 0}, Passe, {2, clTrefle, 1}, Passe, {2, clCarreau, 0}, {0, 2, 2},
                           {2, clSA, 1}, Passe, {3, clSA, 0}, Fin});
  d.SetAlerte(1, Utf8VersWindows1252("Stayman, cherche une majeure quatrième"));
  d.SetAlerte(2, Utf8VersWindows1252("contre d'appel"));
  dlg.PrepareRevueEncheres(LitRevueEncheres(d), 3);

  // Mark 1 beside the clubs picture, mark 2 at the right of a double.
  QLabel* trefle = dlg.Coul(1, jrNord);
  QLabel* note1 = dlg.Notes[0];
  EXPECT_TRUE(note1->isVisibleTo(&dlg));
  EXPECT_EQ(note1->text(), QStringLiteral("(1)"));
  EXPECT_EQ(note1->pos(), QPoint(trefle->x() + 16 + 1, dlg.Bid(1, jrNord)->y() - 1));
  QLabel* contre = dlg.Bid(2, jrOuest);
  EXPECT_EQ(contre->text(), QStringLiteral("X"));
  EXPECT_EQ(dlg.Notes[1]->text(), QStringLiteral("(2)"));
  EXPECT_EQ(dlg.Notes[1]->pos(), QPoint(86 + 76 - 14, contre->y() - 1));
  EXPECT_EQ(dlg.Notes[2]->text(), QStringLiteral("(1)"));
  EXPECT_EQ(dlg.Notes[2]->pos(), QPoint(162 + 76 - 14, dlg.Bid(2, jrNord)->y() - 1));
  EXPECT_FALSE(dlg.Notes[3]->isVisibleTo(&dlg));
  EXPECT_EQ(dlg.Bid(2, jrNord)->text(), QStringLiteral("2 SA"));

  // Two explanation lines, one per alert text, under the last round.
  EXPECT_EQ(dlg.Alertes[0]->text(), QStringLiteral("(1) Stayman, cherche une majeure quatrième"));
  EXPECT_EQ(dlg.Alertes[1]->text(), QStringLiteral("(2) contre d'appel"));
  EXPECT_FALSE(dlg.Alertes[2]->isVisibleTo(&dlg));
  const int r = dlg.Revue().RondeAtteinte;
  EXPECT_EQ(r, 3);
  EXPECT_EQ(dlg.Alertes[0]->geometry().topLeft(), QPoint(8, HautRonde(1) + 26 * r));
  EXPECT_EQ(dlg.Alertes[1]->y(), dlg.Alertes[0]->y() + 18);
  EXPECT_EQ(dlg.Alertes[0]->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(dlg.Panel2->height(), dlg.Alertes[1]->y() + 24);
  EXPECT_EQ(dlg.height(), dlg.Panel1->height() + dlg.Panel2->height() + dlg.BOk->height() + 24);

  // Filled again for the next deal, nothing of the first one is left.
  dlg.PrepareRevueEncheres(LitRevueEncheres(Donne(jrEst, {Passe, Passe, Passe, Passe, Fin})), 4);
  for (QLabel* note : dlg.Notes) EXPECT_FALSE(note->isVisibleTo(&dlg));
  EXPECT_FALSE(dlg.Alertes[0]->isVisibleTo(&dlg));
  EXPECT_FALSE(dlg.Coul(1, jrNord)->isVisibleTo(&dlg));
  EXPECT_EQ(dlg.Bid(2, jrSud)->text(), QStringLiteral("—"));
  EXPECT_EQ(dlg.Bid(2, jrEst)->text(), QStringLiteral("FIN"));
}

TEST_F(TFEncheresTest, CinquiemeAnnonceAlerteeEtLongueExplication) {
  const TEnchere a1{0, 1, 1};
  TDonne d = Donne(jrSud, {{1, clTrefle, 1}, a1, {1, clCarreau, 2}, a1, {1, clCoeur, 3}, Passe,
                           {1, clPique, 4}, Passe, {2, clSA, 0}, Fin});
  d.SetAlerte(1, "Passe forcing");
  d.SetAlerte(2, std::string(40, 'W'));
  d.SetAlerte(3, "Relais");
  d.SetAlerte(4, "Quatrième couleur forcing");
  dlg.PrepareRevueEncheres(LitRevueEncheres(d), 5);
  int marques = 0;
  for (QLabel* note : dlg.Notes) marques += note->isVisibleTo(&dlg);
  EXPECT_EQ(marques, 6);
  EXPECT_EQ(dlg.Notes[4]->text(), QStringLiteral("(3)"));
  EXPECT_EQ(dlg.Notes[5]->text(), QStringLiteral("(4)"));
  // The long explanation wraps rather than run off the grid, and pushes
  // the next line down.
  for (QLabel* ligne : dlg.Alertes) {
    EXPECT_TRUE(ligne->isVisibleTo(&dlg));
    EXPECT_LE(ligne->geometry().right(), dlg.Panel2->width() - 8);
  }
  EXPECT_GE(dlg.Alertes[2]->y(), dlg.Alertes[1]->y() + 18);
  EXPECT_EQ(dlg.Panel2->height(), dlg.Alertes[3]->y() + dlg.Alertes[3]->height() - 18 + 24);
}

TEST_F(TFEncheresTest, PlaceeSurLaTableEtRemonteeAuDessusDeSud) {
  dlg.PrepareRevueEncheres(LitRevueEncheres(Donne(jrNord, {Passe, Passe, Passe, Passe, Fin})), 1);
  dlg.Place(QRect(0, 0, 1280, 1024));
  EXPECT_EQ(dlg.frameGeometry().left(), (1280 - 340) / 2);
  const int bas = dlg.frameGeometry().bottom() + 1;
  dlg.RemonteAuDessusDe(bas + 10);
  EXPECT_EQ(dlg.frameGeometry().bottom() + 1, bas);
  dlg.RemonteAuDessusDe(bas - 100);
  EXPECT_EQ(dlg.frameGeometry().bottom() + 1, bas - 100 - 8);
  dlg.open();
  QTest::keyClick(&dlg, Qt::Key_Space);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(TFLastL, QuatreCartesALeurPlace) {
  TFLastL dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Dernière levée"));
  EXPECT_EQ(dlg.size(), QSize(260, 225));
  EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(128, 0, 0));
  EXPECT_EQ(dlg.OkBtn->geometry(), QRect(182, 192, 66, 25));
  const std::array<std::pair<QString, QPoint>, 4> places{
      {{"CSud", {95, 116}}, {"COuest", {12, 62}}, {"CNord", {95, 8}}, {"CEst", {178, 62}}}};
  for (TJoueur j : TousLesJoueurs) {
    TCarte1024* c = dlg.Carte(j);
    EXPECT_EQ(c->objectName(), places[j].first);
    EXPECT_EQ(c->pos(), places[j].second);
    EXPECT_EQ(c->Tag(), j);
    EXPECT_EQ(c->SetCartes(), 1);
    EXPECT_EQ(c->Background(), QColor(128, 0, 0));
  }
  dlg.SetLevee({IndexCarte({4, clPique}), IndexCarte({11, clCarreau}), IndexCarte({14, clCarreau}), 0});
  EXPECT_EQ(dlg.CarteSud->Value(), 42);
  EXPECT_EQ(dlg.CarteNord->Value(), 26);
  EXPECT_FALSE(dlg.CarteEst->isVisibleTo(&dlg));
  dlg.SetLevee({1, 2, 3, 52});
  EXPECT_TRUE(dlg.CarteEst->isVisibleTo(&dlg));
  EXPECT_EQ(dlg.CarteEst->Value(), 52);
  dlg.open();
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

// "Le point" of n lines, as the controller reads it from the file.
TDocumentRtf Point(int lignes) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}";
  for (int i = 1; i <= lignes; ++i) rtf += "Ligne " + std::to_string(i) + " du point.\\par ";
  rtf.resize(rtf.size() - 5);
  rtf += "}";
  return LitRtf(rtf + std::string("\0\r\n", 3));
}

TEST(TFPoint, DixLignesDonnent216Et301) {
  TFPoint dlg;
  dlg.ChargePoint(Point(10));
  EXPECT_EQ(dlg.NombreLignes(), 10);
  EXPECT_EQ(dlg.REPoint->geometry(), QRect(8, 8, 767, 216));
  EXPECT_EQ(dlg.size(), QSize(783, 301));
  EXPECT_EQ(dlg.BOk->geometry(), QRect((783 - 504) / 2, 8 + 216 + 8, 504, 29));
  EXPECT_TRUE(dlg.BOk->font().bold());
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Le Point"));
  EXPECT_EQ(dlg.REPoint->palette().color(QPalette::Base), QColor(232, 255, 232));
  EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(0, 66, 0));
  EXPECT_EQ(dlg.REPoint->font().pixelSize(), 17);
  // The text fits in the height given to it.
  EXPECT_LE(dlg.REPoint->HauteurDocument(), 216);

  dlg.ChargePoint(Point(3));
  EXPECT_EQ(dlg.REPoint->height(), 76);
  EXPECT_EQ(dlg.height(), 161);
}

TEST(TFPoint, FermetureAuClic) {
  TFPoint dlg;
  dlg.ChargePoint(Point(1));
  EXPECT_EQ(dlg.NombreLignes(), 1);
  dlg.open();
  EXPECT_TRUE(dlg.BOk->hasFocus() || !QApplication::focusWidget());
  QTest::mouseClick(dlg.REPoint->viewport(), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  dlg.open();
  QTest::mouseClick(&dlg, Qt::LeftButton, {}, QPoint(2, dlg.height() - 2));
  EXPECT_FALSE(dlg.isVisible());
}

TEST(TAboutBox, TexteEtPlaces) {
  TAboutBox dlg;
  dlg.open();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Information produit"));
  EXPECT_EQ(dlg.ProductName->text(), QStringLiteral("Kalvo! volume 1"));
  EXPECT_EQ(dlg.ProductName->font().pixelSize(), 32);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(TAboutBox::Version()).hasMatch());
  EXPECT_TRUE(dlg.LVersion->text().contains(TAboutBox::Version()));
  EXPECT_TRUE(dlg.Licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
  EXPECT_EQ(dlg.size(), QSize(583, 233));
  EXPECT_EQ(dlg.OKButton->geometry(), QRect(219, 195, 145, 32));
  EXPECT_EQ(dlg.Panel1->palette().color(QPalette::Window), QColor(255, 224, 128));
  EXPECT_EQ(dlg.ProgramIcon->pixmap().size(), QSize(32, 32));
  // The orange gradient, yellower at the top than at the bottom.
  const QImage image = dlg.grab().toImage();
  const QColor haut = image.pixelColor(2, 2);
  const QColor bas = image.pixelColor(2, image.height() - 3);
  EXPECT_EQ(haut.red(), 255);
  EXPECT_GT(haut.green(), 190);
  EXPECT_LT(bas.green(), 120);
  QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
}

}  // namespace
}  // namespace kalvo
