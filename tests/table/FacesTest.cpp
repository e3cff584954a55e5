#include "EnvironnementQt.h"

#include "table/GeometrieCartes.h"
#include "table/JeuDeCartes.h"
#include "table/Palette.h"
#include "table/PeintreFace.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace kalvo {
namespace {

constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

bool ProcheDe(QRgb pixel, QRgb couleur, int tolerance) {
  return std::abs(qRed(pixel) - qRed(couleur)) <= tolerance && std::abs(qGreen(pixel) - qGreen(couleur)) <= tolerance &&
         std::abs(qBlue(pixel) - qBlue(couleur)) <= tolerance && qAlpha(pixel) == 255;
}

int CompteCouleur(const QImage& image, QRect zone, QRgb couleur, int tolerance = 12) {
  int n = 0;
  for (int y = zone.top(); y <= zone.bottom(); ++y) {
    for (int x = zone.left(); x <= zone.right(); ++x) n += ProcheDe(image.pixel(x, y), couleur, tolerance);
  }
  return n;
}

TEST(FacesDesCartes, ChaqueNomDonneUneImageALaTailleExacte) {
  TJeuDeCartes jeu(64 * 1024 * 1024);
  for (int set = 1; set <= 3; ++set) {
    const TTailleFace f = TailleFace(set);
    for (int v = 1; v <= 52; ++v) {
      const QString nom = QString::fromStdString(NomImageFace(v, set));
      const QPixmap face = jeu.ImageFace(nom);
      ASSERT_FALSE(face.isNull()) << nom.toStdString();
      EXPECT_EQ(face.size(), QSize(f.W, f.H)) << nom.toStdString();
      EXPECT_TRUE(face.hasAlphaChannel());
    }
  }
  EXPECT_EQ(jeu.Nombre(), 156);
  for (const char* nom : {"FR_400", "FR_453", "FR_001", "FR_352", "RAMASSE", ""}) {
    EXPECT_TRUE(jeu.ImageFace(QString::fromLatin1(nom)).isNull()) << nom;
  }
  EXPECT_TRUE(jeu.Face(0, 1).isNull());
  EXPECT_TRUE(jeu.Face(53, 2).isNull());
  EXPECT_TRUE(jeu.Face(1, 4).isNull());
  EXPECT_TRUE(PeintFace(1, 0).isNull());
}

TEST(FacesDesCartes, LesCinquanteDeuxFacesDifferentEntreElles) {
  for (int set = 1; set <= 3; ++set) {
    std::vector<QImage> faces;
    for (int v = 1; v <= 52; ++v) faces.push_back(PeintFace(v, set));
    for (std::size_t a = 0; a < faces.size(); ++a) {
      for (std::size_t b = a + 1; b < faces.size(); ++b) {
        EXPECT_NE(faces[a], faces[b]) << "set " << set << ": " << a + 1 << " et " << b + 1;
      }
    }
    EXPECT_EQ(PeintFace(17, set), faces[16]);   // the same face every time
  }
}

TEST(FacesDesCartes, CoinsTransparentsDansLeRayon) {
  for (int set = 1; set <= 3; ++set) {
    const int r = RayonCoin(set);
    for (int v : {1, 13, 24, 38, 52}) {
      const QImage face = PeintFace(v, set);
      const int w = face.width();
      const int h = face.height();
      for (int dx = 0; dx <= r; ++dx) {
        for (int dy = 0; dx + dy <= r; ++dy) {
          for (QPoint pt : {QPoint(dx, dy), QPoint(w - 1 - dx, dy), QPoint(dx, h - 1 - dy), QPoint(w - 1 - dx, h - 1 - dy)}) {
            EXPECT_EQ(qAlpha(face.pixel(pt)), 0) << "set " << set << " carte " << v;
          }
        }
      }
      // Away from the corners the card is opaque.
      EXPECT_EQ(qAlpha(face.pixel(w / 2, 0)), 255);
      EXPECT_EQ(qAlpha(face.pixel(0, h / 2)), 255);
      EXPECT_EQ(qAlpha(face.pixel(w / 2, h / 2)), 255);
    }
  }
}

TEST(FacesDesCartes, CouleursDesSymbolesCommeDansLesEncheres) {
  for (int set = 1; set <= 3; ++set) {
    const TTailleFace f = TailleFace(set);
    for (int couleur = 0; couleur < 4; ++couleur) {
      // The ace's large pip is solid in its suit's exact colour.
      const QImage as = PeintFace(V(couleur, 14), set);
      EXPECT_EQ(as.pixel(f.W / 2, f.H / 2) | 0xFF000000u, CouleursSymboles[static_cast<std::size_t>(couleur)])
          << "set " << set << " couleur " << couleur;
      // A spot card shows its suit's colour and no other suit's.
      const QImage sept = PeintFace(V(couleur, 7), set);
      const QRect tout = sept.rect();
      EXPECT_GT(CompteCouleur(sept, tout, CouleursSymboles[static_cast<std::size_t>(couleur)], 2), 60);
      for (int autre = 0; autre < 4; ++autre) {
        if (autre == couleur) continue;
        EXPECT_EQ(CompteCouleur(sept, tout, CouleursSymboles[static_cast<std::size_t>(autre)], 2), 0);
      }
    }
  }
}

TEST(FacesDesCartes, IndexDansLaBandeVisibleDesMainsSerrees) {
  // The narrowest strips a hand leaves visible: 14 (20 in set 3) pixels wide
  // with the dummy sideways, 26 (48) pixels high in the dummy's columns. The
  // rank and its symbol must both lie inside: ink in the top and in the
  // bottom part of the strip, none just below it.
  for (int set = 1; set <= 3; ++set) {
    const TEcartsJeu e = EcartsJeu(set);
    for (int v = 1; v <= 52; ++v) {
      const QImage face = PeintFace(v, set);
      const QRgb encre = CouleursSymboles[static_cast<std::size_t>(CouleurCarte(v))];
      const int largeur = e.c - 1;
      const int hauteur = e.d;
      const int rang = CompteCouleur(face, QRect(0, 0, largeur, hauteur / 2), encre, 40);
      const int symbole = CompteCouleur(face, QRect(0, hauteur / 2, largeur, hauteur - hauteur / 2), encre, 40);
      EXPECT_GE(rang, 12) << "set " << set << " carte " << v;
      EXPECT_GE(symbole, 8) << "set " << set << " carte " << v;
      EXPECT_EQ(CompteCouleur(face, QRect(0, hauteur, largeur, 2), encre, 40), 0) << "set " << set << " carte " << v;
    }
  }
}

TEST(FacesDesCartes, GrandsIndexEtContraste) {
  const TEcartsJeu e = EcartsJeu(3);
  for (int v = 1; v <= 52; ++v) {
    // The usual style is the faces as they always were; large indices only
    // change the largest set.
    for (int set = 1; set <= 3; ++set) {
      EXPECT_EQ(PeintFace(v, set, {}), PeintFace(v, set));
      if (set < 3) {
        EXPECT_EQ(PeintFace(v, set, {true, false}), PeintFace(v, set)) << v;
      }
    }
    const QImage normale = PeintFace(v, 3);
    const QImage grande = PeintFace(v, 3, {true, false});
    const QRgb encre = CouleursSymboles[static_cast<std::size_t>(CouleurCarte(v))];
    const int largeur = e.c - 1;
    // More ink in the rank, all of it still in the narrowest strip.
    const QRect rang(0, 0, largeur, 30);
    EXPECT_GT(CompteCouleur(grande, rang, encre, 40), CompteCouleur(normale, rang, encre, 40) * 11 / 10) << v;
    EXPECT_GE(CompteCouleur(grande, QRect(0, 30, largeur, e.d - 30), encre, 40), 8) << v;
    EXPECT_EQ(CompteCouleur(grande, QRect(0, e.d, largeur, 2), encre, 40), 0) << v;
    EXPECT_EQ(CompteCouleur(grande, QRect(largeur, 0, 1, e.d), encre, 40), 0) << v;

    // High contrast: a black outline two pixels thick where the usual one is
    // a single grey line.
    for (int set = 1; set <= 3; ++set) {
      const QImage contraste = PeintFace(v, set, {false, true});
      const int milieu = contraste.height() / 2;
      for (QPoint pt : {QPoint(0, milieu), QPoint(1, milieu), QPoint(contraste.width() - 2, milieu)})
        EXPECT_EQ(qGray(contraste.pixel(pt)), 0) << "set " << set << " carte " << v;
      EXPECT_GT(qGray(PeintFace(v, set).pixel(1, milieu)), 200);
    }
  }
  // The common pack draws in the style chosen, and forgets the other faces.
  TJeuDeCartes& jeu = TJeuDeCartes::Commun();
  const QImage avant = jeu.Face(1, 3).toImage();
  EXPECT_TRUE(jeu.EstEnCache(1, 3));
  jeu.ChoisitStyle({true, true});
  EXPECT_FALSE(jeu.EstEnCache(1, 3));
  EXPECT_EQ(jeu.Face(1, 3).toImage(), PeintFace(1, 3, {true, true}).convertToFormat(jeu.Face(1, 3).toImage().format()));
  jeu.ChoisitStyle({});
  EXPECT_EQ(jeu.Face(1, 3).toImage(), avant);
}

TEST(FacesDesCartes, UneFaceManquanteSeVoitAuLieuDeRien) {
  // Value 0 is no card: nothing is drawn. Any other value without a face
  // (a damaged value, a set out of range) draws the card-sized placeholder.
  auto dessin = [](int value, int set) {
    QImage image(160, 220, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DessineFace(p, 10, 10, value, set);
    return image;
  };
  const QImage vide = dessin(0, 2);
  for (int y = 0; y < vide.height(); ++y)
    for (int x = 0; x < vide.width(); ++x) ASSERT_EQ(qAlpha(vide.pixel(x, y)), 0);
  for (const auto& [value, set] : {std::pair{60, 2}, std::pair{200, 2}, std::pair{5, 7}}) {
    const QImage image = dessin(value, set);
    const TTailleFace f = TailleFace(set);
    EXPECT_EQ(qAlpha(image.pixel(10 + f.W / 2, 10 + f.H / 3)), 255) << value << " " << set;
    EXPECT_EQ(qAlpha(image.pixel(10 + f.W + 2, 10 + f.H / 2)), 0) << value << " " << set;
    EXPECT_GT(CompteCouleur(image, QRect(10, 10, f.W, f.H), qRgb(200, 30, 30), 30), f.W + f.H) << value << " " << set;
  }
  EXPECT_EQ(PeintFaceManquante(3).size(), QSize(133, 190));
  EXPECT_NE(PeintFaceManquante(1), PeintFace(1, 1));
}

TEST(CacheDesFaces, BorneEnOctetsLaPlusAncienneSort) {
  const qint64 uneFace = 71 * 103 * 4;
  TJeuDeCartes jeu(3 * uneFace);
  const QPixmap premiere = jeu.Face(1, 1);
  jeu.Face(2, 1);
  jeu.Face(3, 1);
  EXPECT_EQ(jeu.Nombre(), 3);
  EXPECT_EQ(jeu.Octets(), 3 * uneFace);
  EXPECT_EQ(jeu.Face(1, 1).cacheKey(), premiere.cacheKey());   // a hit, now the most recent
  jeu.Face(4, 1);
  EXPECT_EQ(jeu.Nombre(), 3);
  EXPECT_TRUE(jeu.EstEnCache(1, 1));
  EXPECT_FALSE(jeu.EstEnCache(2, 1));
  EXPECT_TRUE(jeu.EstEnCache(3, 1));
  EXPECT_TRUE(jeu.EstEnCache(4, 1));

  for (int v = 1; v <= 52; ++v) {
    jeu.Face(v, 3);
    EXPECT_LE(jeu.Octets(), std::max(jeu.Limite(), qint64{133 * 190 * 4}));
  }
  EXPECT_EQ(jeu.Nombre(), 1);   // one set 3 face is larger than the bound
  jeu.Vide();
  EXPECT_EQ(jeu.Nombre(), 0);
  EXPECT_EQ(jeu.Octets(), 0);
}

TEST(CacheDesFaces, LeCacheCommunTientUnJeuEntierDuPlusGrandSet) {
  TJeuDeCartes& commun = TJeuDeCartes::Commun();
  commun.Vide();
  for (int v = 1; v <= 52; ++v) commun.Face(v, 3);
  EXPECT_EQ(commun.Nombre(), 52);
  EXPECT_LE(commun.Octets(), TJeuDeCartes::LimiteParDefaut);
  commun.Vide();
}

}  // namespace
}  // namespace kalvo
