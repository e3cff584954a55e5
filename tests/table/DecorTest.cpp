#include "EnvironnementQt.h"

#include "table/AfficheurSegments.h"
#include "table/DecorTable.h"
#include "table/EtiquetteContour.h"
#include "table/IconesTable.h"
#include "table/Palette.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(Cadre, TaillesDesPieces) {
  EXPECT_EQ(TaillePieceCadre(pcFondHG), QSize(251, 77));
  EXPECT_EQ(TaillePieceCadre(pcFondHD), QSize(251, 77));
  EXPECT_EQ(TaillePieceCadre(pcBarreH), QSize(800, 22));
  EXPECT_EQ(TaillePieceCadre(pcBordG), QSize(14, 600));
  EXPECT_EQ(TaillePieceCadre(pcBasG), QSize(21, 83));
  EXPECT_EQ(TaillePieceCadre(pcBas), QSize(800, 75));
  for (int piece = 0; piece < 8; ++piece) {
    const TPieceCadre p = static_cast<TPieceCadre>(piece);
    EXPECT_EQ(ImageCadre(p).size(), TaillePieceCadre(p)) << piece;
  }
}

TEST(Cadre, PlacesAutourDuTapis) {
  const auto r = PlacesCadre(1280, 1024);
  EXPECT_EQ(r[ecFondHG], QRect(0, 0, 251, 77));
  EXPECT_EQ(r[ecFondHD].topLeft(), QPoint(1280 - 251, 0));
  EXPECT_EQ(r[ecBarreH1].left(), 251);
  EXPECT_EQ(r[ecBarreH2].right() + 1, 1280 - 251);
  EXPECT_EQ(r[ecBG1].topLeft(), QPoint(0, 77));
  EXPECT_EQ(r[ecBG2].bottom() + 1, r[ecBasG].top());
  EXPECT_EQ(r[ecBD1].topLeft(), QPoint(1280 - 14, 77));
  EXPECT_EQ(r[ecBD2].bottom() + 1, 1024 - 83);
  EXPECT_EQ(r[ecBasG].topLeft(), QPoint(0, 1024 - 83));
  EXPECT_EQ(r[ecBasD].topLeft(), QPoint(1280 - 21, 1024 - 83));
  EXPECT_EQ(r[ecBas1].topLeft(), QPoint(21, 1024 - 75));
  EXPECT_EQ(r[ecBas2].right() + 1, 1280 - 21);
  EXPECT_EQ(r[ecBas2].bottom() + 1, 1024);
}

TEST(Cadre, LeTapisParaitAuxAnglesInterieurs) {
  const QImage coin = ImageCadre(pcFondHG).toImage();
  EXPECT_EQ(qAlpha(coin.pixel(0, 0)), 255);
  EXPECT_EQ(qAlpha(coin.pixel(250, 76)), 0);     // the rounded inner corner
  EXPECT_EQ(qAlpha(coin.pixel(200, 40)), 255);
  const QImage droite = ImageCadre(pcFondHD).toImage();
  EXPECT_EQ(qAlpha(droite.pixel(0, 76)), 0);     // mirrored on the right
  const QImage bas = ImageCadre(pcBasG).toImage();
  EXPECT_EQ(qAlpha(bas.pixel(20, 0)), 0);        // felt above the bottom bar
  EXPECT_EQ(qAlpha(bas.pixel(5, 0)), 255);
  EXPECT_EQ(qAlpha(bas.pixel(20, 40)), 255);
  // The bars are solid: they may overlap anywhere.
  const QImage barre = ImageCadre(pcBarreH).toImage();
  for (int x = 0; x < 800; x += 37) EXPECT_EQ(qAlpha(barre.pixel(x, 11)), 255);
}

TEST(Cadre, PiecesPeintesUneFoisEtPoseesTellesQuelles) {
  for (int piece = 0; piece < 8; ++piece) {
    const TPieceCadre p = static_cast<TPieceCadre>(piece);
    EXPECT_EQ(ImageCadre(p).cacheKey(), ImageCadre(p).cacheKey()) << piece;
  }
  // The frame laid twice is the same picture, each element its piece's pixels.
  auto cadre = [] {
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 128, 0));
    QPainter p(&image);
    DessineCadre(p, image.width(), image.height());
    return image;
  };
  const QImage premier = cadre();
  EXPECT_EQ(cadre(), premier);
  const auto places = PlacesCadre(1024, 768);
  const QImage bordG = ImageCadre(pcBordG).toImage();
  const QPoint coin = places[ecBG2].topLeft();  // laid over ecBG1, under no corner
  for (int y = 0; y < 600; y += 53)
    for (int x = 0; x < 14; x += 3) EXPECT_EQ(premier.pixel(coin + QPoint(x, y)), bordG.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(premier.pixel(512, 384), qRgb(0, 128, 0));  // the felt between is left alone
}

TEST(Tapis, TextureAutourDeLaCouleur) {
  const QImage tapis = TextureTapis(QColor(CouleurFondFenetre)).toImage();
  ASSERT_EQ(tapis.size(), QSize(128, 128));
  double somme = 0;
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      const QRgb p = tapis.pixel(x, y);
      EXPECT_LE(std::abs(qGreen(p) - 188), 8);
      somme += qGreen(p);
    }
  }
  EXPECT_NEAR(somme / (128 * 128), 188.0, 1.0);
}

TEST(AfficheurSegments, ChiffresAlignesADroite) {
  EXPECT_EQ(SegmentsChiffre(8), 0x7F);
  EXPECT_EQ(SegmentsChiffre(1), 0x06);
  EXPECT_EQ(SegmentsChiffre(10), 0);
  auto trois = [](int v) {
    const auto s = SegmentsValeur(v, 3);
    return std::array<TSegments, 3>{s[0], s[1], s[2]};
  };
  EXPECT_EQ(trois(100), (std::array<TSegments, 3>{0x06, 0x3F, 0x3F}));
  EXPECT_EQ(trois(7), (std::array<TSegments, 3>{0, 0, 0x07}));
  EXPECT_EQ(trois(0), (std::array<TSegments, 3>{0, 0, 0x3F}));
  EXPECT_EQ(trois(-5), (std::array<TSegments, 3>{0, SegmentsMoins, 0x6D}));
  EXPECT_EQ(trois(1000), (std::array<TSegments, 3>{SegmentsMoins, SegmentsMoins, SegmentsMoins}));
  EXPECT_EQ(trois(-100), (std::array<TSegments, 3>{SegmentsMoins, SegmentsMoins, SegmentsMoins}));
  const auto deux = SegmentsValeur(13, 2);
  EXPECT_EQ(deux[0], 0x06);
  EXPECT_EQ(deux[1], 0x4F);
  EXPECT_EQ(deux[2], 0);
}

TEST(AfficheurSegments, TaillesEtSegmentsAllumes) {
  EXPECT_EQ(TailleAfficheur(3), QSize(54, 33));
  EXPECT_EQ(TailleAfficheur(2), QSize(42, 33));
  TAfficheurSegments notes(3, QColor(CouleurLime));
  TAfficheurSegments levees(2, QColor(CouleurJaune));
  EXPECT_EQ(notes.size(), QSize(54, 33));
  EXPECT_EQ(levees.size(), QSize(42, 33));

  notes.SetValue(0);
  const QImage zero = test::Rendu(notes);
  notes.SetValue(8);
  const QImage huit = test::Rendu(notes);
  EXPECT_NE(zero, huit);
  // Only the last digit is lit: the left two thirds are the same dim picture.
  EXPECT_EQ(zero.copy(0, 0, 36, 33), huit.copy(0, 0, 36, 33));
  int allumes = 0;
  for (int y = 0; y < 33; ++y) {
    for (int x = 36; x < 54; ++x) {
      const QRgb p = huit.pixel(x, y);
      allumes += qGreen(p) == 255 && qRed(p) < 10 && qBlue(p) < 10;
    }
  }
  EXPECT_GT(allumes, 60);
  levees.SetValue(13);
  const QImage jaune = test::Rendu(levees);
  int jaunes = 0;
  for (int y = 0; y < 33; ++y) {
    for (int x = 0; x < 42; ++x) jaunes += jaune.pixel(x, y) == qRgb(255, 255, 0);
  }
  EXPECT_GT(jaunes, 40);
}

TEST(Etiquette, TexteLimeCerneDeVert) {
  auto surface = test::Surface(120, 40, QColor(60, 30, 20));
  auto* etiquette = new TEtiquetteContour(QStringLiteral("Questions"), surface.get());
  EXPECT_GT(etiquette->width(), 40);
  EXPECT_GE(etiquette->height(), 16);
  const QImage image = test::Rendu(*surface);
  int lime = 0;
  int vert = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      lime += image.pixel(x, y) == CouleurLime;
      vert += image.pixel(x, y) == CouleurContourEtiquette;
    }
  }
  EXPECT_GT(lime, 20);
  EXPECT_GT(vert, 20);
}

TEST(Icones, FlecheCurseursEtSymboles) {
  EXPECT_EQ(ImageFleche().size(), QSize(26, 29));
  for (TCurseurTable c : {crRamasse, crMainSud, crMainNord}) EXPECT_EQ(ImageCurseur(c).size(), QSize(32, 32));
  EXPECT_TRUE(ImageCurseur(crDefaut).isNull());
  EXPECT_NE(ImageCurseur(crMainSud).toImage(), ImageCurseur(crMainNord).toImage());
  EXPECT_EQ(CurseurTable(QStringLiteral("RAMASSE")).shape(), Qt::BitmapCursor);
  EXPECT_EQ(CurseurTable(QStringLiteral("MAINNORD")).hotSpot(), QPoint(11, 1));
  EXPECT_EQ(CurseurTable(QStringLiteral("AUTRE")).shape(), Qt::ArrowCursor);
  EXPECT_EQ(CurseurTable(crDefaut).shape(), Qt::ArrowCursor);
  for (int n = 990; n <= 993; ++n) {
    const QImage s = ImageSymbole(n).toImage();
    ASSERT_EQ(s.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(s.pixel(0, 0)), 0);
    int pleins = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) pleins += s.pixel(x, y) == CouleursSymboles[static_cast<std::size_t>(n - 990)];
    }
    EXPECT_GT(pleins, 30) << n;
  }
  EXPECT_TRUE(ImageSymbole(989).isNull());
  EXPECT_TRUE(ImageSymbole(994).isNull());
}

TEST(Polices, NomsWindowsVersPolicesLibres) {
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Trebuchet MS"))).family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Verdana"))).family(), QStringLiteral("DejaVu Sans"));
  const QFont symboles(QStringLiteral("Symbol"));
  EXPECT_EQ(QFontInfo(symboles).family(), QStringLiteral("DejaVu Sans"));
  const QFontMetrics fm(symboles);
  for (char16_t glyphe : {u'♣', u'♦', u'♥', u'♠'}) EXPECT_TRUE(fm.inFont(QChar(glyphe)));
  EXPECT_EQ(PoliceEnPoints(QStringLiteral("Arial"), 24).pixelSize(), 32);
}

}  // namespace
}  // namespace kalvo
