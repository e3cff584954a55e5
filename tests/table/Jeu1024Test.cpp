#include "EnvironnementQt.h"

#include "table/Jeu1024.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

const QColor Tapis(152, 187, 152);
constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

TEST(Jeu1024, CreationAvecLaMainExemple) {
  TJeu1024 jeu;
  EXPECT_EQ(jeu.Joueur(), jrSud);
  EXPECT_FALSE(jeu.Visible());
  EXPECT_EQ(jeu.size(), QSize(0, 0));
  EXPECT_EQ(jeu.Affichage(), afjNormal);
  EXPECT_EQ(jeu.Atout(), 4);
  EXPECT_EQ(jeu.SetCartes(), 1);
  EXPECT_EQ(jeu.ValeurCartes(), TJeu1024::JeuExemple);
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{3, 2, 4, 4}));
  EXPECT_EQ(jeu.Largeur(), 431);   // laid out at creation, shown at 0 × 0
  EXPECT_EQ(jeu.Hauteur(), 103);
  EXPECT_EQ(jeu.OrdreCouleurs()[0], clPique);
}

TEST(Jeu1024, VisibleDonneLaTailleEtJeuDeCartesHorsBornesIgnore) {
  TJeu1024 jeu;
  jeu.SetVisible(true);
  EXPECT_EQ(jeu.size(), QSize(431, 103));
  for (int n : {0, 4, 1}) {
    jeu.SetSetCartes(n);
    EXPECT_EQ(jeu.SetCartes(), 1);
    EXPECT_EQ(jeu.size(), QSize(431, 103));
  }
  jeu.SetSetCartes(2);
  EXPECT_EQ(jeu.size(), QSize(450, 121));
  jeu.SetAffichage(afjNormalDecale);
  EXPECT_EQ(jeu.size(), QSize(450, 129));
  jeu.SetAffichage(afjMortDecale);
  EXPECT_EQ(jeu.size(), QSize(582, 303));
  EXPECT_EQ(jeu.EcartX(), 8);
  EXPECT_EQ(jeu.EcartY(), 26);
  EXPECT_EQ(jeu.EcartCouleurs(), 90 + 42);
  jeu.SetVisible(false);
  EXPECT_EQ(jeu.size(), QSize(0, 0));
  // A hidden hand keeps its layout up to date without taking the size.
  jeu.SetSetCartes(3);
  EXPECT_EQ(jeu.size(), QSize(0, 0));
  EXPECT_EQ(jeu.Largeur(), 820);
}

TEST(Jeu1024, CartesJoueesEtLargeurFigeeDesMainsDeCote) {
  TJeu1024 jeu;
  jeu.SetAffichage(afjCoteDecale);
  jeu.SetVisible(true);
  EXPECT_EQ(jeu.size(), QSize(3 * 20 + 71, 328));
  jeu.SetCarteJouee(52);
  jeu.SetCarteJouee(34);
  EXPECT_EQ(jeu.TotalCartesJouees(), 2);
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{3, 2, 3, 3}));
  EXPECT_EQ(jeu.PlusLongueCouleur(), 3);
  EXPECT_EQ(jeu.size(), QSize(131, 328));   // plays do not shrink it

  // A value the hand lacks, a card already played, no card: nothing changes.
  for (int v : {1, 52, 0, 99, -4}) jeu.SetCarteJouee(v);
  EXPECT_EQ(jeu.TotalCartesJouees(), 2);
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{3, 2, 3, 3}));

  jeu.Reinitialise();
  EXPECT_EQ(jeu.TotalCartesJouees(), 0);
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{3, 2, 4, 4}));
}

TEST(Jeu1024, NouvelleMainSansNouvelleMiseEnPlace) {
  TJeu1024 jeu;
  jeu.SetAffichage(afjCoteDecale);
  jeu.SetVisible(true);
  jeu.SetCarteJouee(52);
  const TValeurCartes septCoeurs{V(2, 14), V(2, 13), V(2, 12), V(2, 11), V(2, 10), V(2, 9), V(2, 8),
                                 V(3, 2), V(3, 3), V(1, 2), V(1, 3), V(0, 2), V(0, 3)};
  jeu.SetJeu(septCoeurs);
  EXPECT_EQ(jeu.TotalCartesJouees(), 0);
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{2, 2, 7, 2}));
  EXPECT_EQ(jeu.size(), QSize(131, 328));
  jeu.SetAffichage(afjCoteDebout);
  EXPECT_EQ(jeu.size(), QSize(6 * 20 + 71, 454));
  jeu.SetJeu(nullptr);   // no hand at all
  EXPECT_EQ(jeu.CartesParCouleur(), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Jeu1024, PeintureEtCarteSousLeCurseur) {
  auto surface = test::Surface(500, 200, Tapis);
  auto* jeu = new TJeu1024(surface.get());
  jeu->move(20, 30);
  jeu->SetVisible(true);
  EXPECT_EQ(jeu->isCarteTouchee(40, 50), 0);   // nothing painted yet
  const QImage image = test::Rendu(*surface);
  EXPECT_EQ(jeu->isCarteTouchee(40, 50), 51);
  EXPECT_EQ(jeu->isCarteTouchee(29, 50), 52);
  EXPECT_NE(image.pixelColor(20 + 200, 30 + 50), Tapis);
  EXPECT_EQ(image.pixelColor(20 + 440, 30 + 50), Tapis);

  // Until the next paint the places are those of the picture on screen.
  jeu->SetCarteJouee(51);
  EXPECT_EQ(jeu->isCarteTouchee(40, 50), 51);
  test::Rendu(*surface);
  EXPECT_EQ(jeu->isCarteTouchee(40, 50), 52);
  EXPECT_EQ(jeu->isCarteTouchee(50, 50), 50);
  EXPECT_EQ(jeu->WhereCartes()[0].Rect.Left, 15);   // half a step right

  // Played out: nothing painted, nothing found.
  for (int v : TJeu1024::JeuExemple) jeu->SetCarteJouee(v);
  QImage vide(500, 200, QImage::Format_RGB32);
  vide.fill(Tapis);
  EXPECT_EQ(test::Rendu(*surface), vide);
  for (int x = 0; x < 431; x += 5) EXPECT_EQ(jeu->isCarteTouchee(x, 50), 0);
}

TEST(Jeu1024, MainCacheeNePeintRien) {
  auto surface = test::Surface(500, 200, Tapis);
  auto* jeu = new TJeu1024(surface.get());
  jeu->resize(431, 103);   // even with a size of its own
  QImage vide(500, 200, QImage::Format_RGB32);
  vide.fill(Tapis);
  EXPECT_EQ(test::Rendu(*surface), vide);
}

TEST(Jeu1024, AppuiDeSourisRemisAuProprietaire) {
  auto surface = test::Surface(500, 200, Tapis);
  auto* jeu = new TJeu1024(surface.get());
  jeu->SetJoueur(jrNord);
  jeu->SetVisible(true);
  surface->show();
  QApplication::processEvents();
  QSignalSpy appuis(jeu, &TJeu1024::OnMouseDown);
  QTest::mousePress(jeu, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
  ASSERT_EQ(appuis.count(), 1);
  const int x = appuis.at(0).at(2).toInt();
  const int y = appuis.at(0).at(3).toInt();
  EXPECT_EQ(jeu->isCarteTouchee(x, y), 48);   // the fourth card of the row
  EXPECT_EQ(jeu->Joueur(), jrNord);
}

}  // namespace
}  // namespace kalvo
