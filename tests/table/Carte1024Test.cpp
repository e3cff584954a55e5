#include "EnvironnementQt.h"

#include "table/Carte1024.h"
#include "table/JeuDeCartes.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

const QColor Tapis(152, 187, 152);
constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

// The pixels of a face's corners whose horizontal plus vertical distance
// from the corner is at most r, as the card's parent sees them.
std::vector<QPoint> PixelsDeCoin(QPoint origine, int w, int h, int r) {
  std::vector<QPoint> points;
  for (int dx = 0; dx <= r; ++dx) {
    for (int dy = 0; dx + dy <= r; ++dy) {
      points.push_back(origine + QPoint(dx, dy));
      points.push_back(origine + QPoint(w - 1 - dx, dy));
      points.push_back(origine + QPoint(dx, h - 1 - dy));
      points.push_back(origine + QPoint(w - 1 - dx, h - 1 - dy));
    }
  }
  return points;
}

TEST(Carte1024, CreationPuisJeuDeCartes3) {
  TCarte1024 carte;
  EXPECT_EQ(carte.size(), QSize(71, 103));
  EXPECT_EQ(carte.Value(), 52);
  EXPECT_TRUE(carte.Sens());
  EXPECT_EQ(carte.SetCartes(), 1);
  EXPECT_EQ(carte.Background(), QColor(152, 187, 152));
  EXPECT_EQ(carte.focusPolicy(), Qt::NoFocus);

  auto surface = test::Surface(200, 250, Tapis);
  auto* posee = new TCarte1024(surface.get());
  posee->move(10, 20);
  posee->SetSetCartes(3);
  EXPECT_EQ(posee->size(), QSize(133, 190));

  // What the control shows is the face named "FR_252" over the felt.
  QImage attendu(133, 190, QImage::Format_RGB32);
  attendu.fill(Tapis);
  {
    QPainter p(&attendu);
    p.drawPixmap(0, 0, ImageFace(QStringLiteral("FR_252")));
  }
  EXPECT_EQ(test::Rendu(*surface).copy(10, 20, 133, 190), attendu);
}

TEST(Carte1024, JeuDeCartesHorsBornesOuInchangeNeChangeRien) {
  TCarte1024 carte;
  carte.SetSens(false);
  EXPECT_EQ(carte.size(), QSize(103, 71));
  for (int set : {0, 4, 1, -1}) {
    carte.SetSetCartes(set);
    EXPECT_EQ(carte.SetCartes(), 1);
    EXPECT_EQ(carte.size(), QSize(103, 71));
  }
  // A new set takes the upright size whatever the orientation.
  carte.SetSetCartes(2);
  EXPECT_EQ(carte.size(), QSize(90, 121));
  carte.SetSens(true);
  EXPECT_EQ(carte.size(), QSize(90, 121));   // the flag follows the size again
  carte.SetSens(false);
  EXPECT_EQ(carte.size(), QSize(121, 90));
}

TEST(Carte1024, ValeurZeroNePeintRienUneValeurSansFaceSeVoit) {
  auto surface = test::Surface(100, 120, Tapis);
  auto* carte = new TCarte1024(surface.get());
  carte->SetValue(0);
  QImage vide(100, 120, QImage::Format_RGB32);
  vide.fill(Tapis);
  EXPECT_EQ(test::Rendu(*surface), vide);
  // Out of a byte, the value is taken as no card.
  for (int v : {300, -1}) {
    carte->SetValue(v);
    EXPECT_EQ(test::Rendu(*surface), vide) << v;
  }
  // A byte that names no face: the placeholder, not an empty place.
  QImage manquante(100, 120, QImage::Format_RGB32);
  manquante.fill(Tapis);
  {
    QPainter p(&manquante);
    p.drawPixmap(0, 0, TJeuDeCartes::Commun().FaceManquante(1));
  }
  for (int v : {53, 99, 152, 255}) {
    carte->SetValue(v);
    EXPECT_EQ(test::Rendu(*surface), manquante) << v;
  }
}

TEST(Carte1024, MemeValeurSansNouvellePeinture) {
  auto surface = test::Surface(100, 120, Tapis);
  auto* carte = new TCarte1024(surface.get());
  test::CompteurPeintures compteur(carte);
  surface->show();
  QApplication::processEvents();
  const int depart = compteur.Nombre;
  ASSERT_GE(depart, 1);

  carte->SetValue(52);
  QApplication::processEvents();
  EXPECT_EQ(compteur.Nombre, depart);
  carte->SetSetCartes(1);
  carte->SetSens(true);
  QApplication::processEvents();
  EXPECT_EQ(compteur.Nombre, depart);

  carte->SetValue(51);
  QApplication::processEvents();
  EXPECT_EQ(compteur.Nombre, depart + 1);
}

TEST(Carte1024, LesCoinsGardentLaCouleurDuDessous) {
  for (int set = 1; set <= 3; ++set) {
    const TTailleFace f = TailleFace(set);
    const int r = RayonCoin(set);
    auto surface = test::Surface(300, 400, Tapis);
    auto* dessous = new TCarte1024(surface.get());
    dessous->SetSetCartes(set);
    dessous->SetValue(V(2, 12));
    dessous->move(5, 5);
    // Over the felt.
    const QImage seul = test::Rendu(*surface);
    const std::vector<QPoint> coinsDessous = PixelsDeCoin({5, 5}, f.W, f.H, r);
    EXPECT_EQ(coinsDessous.size(), static_cast<std::size_t>(4 * (r + 1) * (r + 2) / 2));
    for (QPoint pt : coinsDessous) EXPECT_EQ(seul.pixelColor(pt), Tapis) << "set " << set << " (" << pt.x() << ", " << pt.y() << ")";

    // Over another card: the corner pixels keep that card's picture.
    auto* dessus = new TCarte1024(surface.get());
    dessus->SetSetCartes(set);
    dessus->SetValue(V(3, 7));
    const QPoint origine(5 + f.W / 3, 5 + f.H / 4);
    dessus->move(origine);
    dessus->hide();
    const QImage avant = test::Rendu(*surface);
    dessus->show();
    const QImage apres = test::Rendu(*surface);
    int surLaCarte = 0;
    for (QPoint pt : PixelsDeCoin(origine, f.W, f.H, r)) {
      EXPECT_EQ(apres.pixelColor(pt), avant.pixelColor(pt)) << "set " << set;
      if (avant.pixelColor(pt) != Tapis) ++surLaCarte;
    }
    EXPECT_GE(surLaCarte, r + 1);   // the top-left corner lies on the card below
    // The face itself covers what is under it.
    EXPECT_NE(apres.pixelColor(origine + QPoint(f.W / 2, 2)), avant.pixelColor(origine + QPoint(f.W / 2, 2)));
  }
}

TEST(Carte1024, ClicsRemisAuProprietaire) {
  auto surface = test::Surface(100, 120, Tapis);
  auto* carte = new TCarte1024(surface.get());
  carte->SetTag(jrEst);
  surface->show();
  QSignalSpy appuis(carte, &TCarte1024::OnMouseDown);
  QSignalSpy clics(carte, &TCarte1024::OnClick);
  QTest::mouseClick(carte, Qt::LeftButton, Qt::NoModifier, QPoint(12, 34));
  ASSERT_EQ(appuis.count(), 1);
  EXPECT_EQ(appuis.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(appuis.at(0).at(2).toInt(), 12);
  EXPECT_EQ(appuis.at(0).at(3).toInt(), 34);
  EXPECT_EQ(clics.count(), 1);
  EXPECT_EQ(carte->Tag(), jrEst);
}

}  // namespace
}  // namespace kalvo
