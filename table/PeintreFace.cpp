#include "table/PeintreFace.h"

#include "table/DessinSymboles.h"
#include "table/FiguresCartes.h"
#include "table/GeometrieCartes.h"
#include "table/Palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace kalvo {

namespace {

// Proportions of a face per card set. The index must stay readable on the
// narrowest strip a hand leaves visible: 13 pixels wide (dummy sideways)
// and 26 pixels high (dummy in columns) in sets 1 and 2.
struct TMetrique {
  double Rayon;      // rounding of the drawn corners
  int Colonne;       // width of the index column
  int MargeY;        // top of the rank
  int HautRang;
  int LargRang;      // widest a rank may be ("10" is narrowed to it)
  int Ecart;         // between the rank and its symbol
  int HautSymbole;
  int Pip;           // height of a pip
  int MargePip;      // from the top edge to the first row of pips
  int As;            // height of an ace's pip
};

TMetrique MetriqueDuSet(int set, bool grandsIndex) {
  // A rank a third taller, its symbol still ending within the dummy's
  // 48-pixel step; the column stays within the 20 pixels a sideways hand
  // leaves.
  if (set == 3 && grandsIndex) return {7.0, 20, 3, 26, 16, 2, 16, 24, 11, 60};
  switch (set) {
    case 2: return {4.5, 14, 3, 11, 11, 2, 10, 16, 8, 38};
    case 3: return {7.0, 20, 5, 20, 15, 3, 16, 24, 11, 60};
    default: return {3.5, 13, 3, 10, 11, 2, 10, 12, 6, 30};
  }
}

// The rank glyphs: condensed bold, scaled to an exact height in pixels.
QPainterPath CheminRang(const QString& texte, double hauteur, double largeurMax, double centreX, double haut) {
  QFont police(QStringLiteral("DejaVu Sans"));
  police.setPixelSize(64);
  police.setBold(true);
  police.setStretch(QFont::SemiCondensed);
  QPainterPath chemin;
  chemin.addText(0, 0, police, texte);
  const QRectF bord = chemin.boundingRect();
  if (bord.isEmpty()) return {};
  const double sy = hauteur / bord.height();
  const double sx = std::min(sy, largeurMax / bord.width());
  QTransform t;
  t.translate(centreX - bord.width() * sx / 2.0, haut);
  t.scale(sx, sy);
  t.translate(-bord.left(), -bord.top());
  return t.map(chemin);
}

void DessineIndex(QPainter& p, const TMetrique& m, int rang, int couleur) {
  const double centreX = 1.0 + (m.Colonne - 1) / 2.0;
  p.setPen(Qt::NoPen);
  p.setBrush(CouleurSymbole(couleur));
  p.drawPath(CheminRang(QString::fromStdString(TexteIndexRang(rang)), m.HautRang, m.LargRang, centreX, m.MargeY));
  const double hautSymbole = m.MargeY + m.HautRang + m.Ecart;
  const double largeur = m.HautSymbole * ProportionSymbole(couleur);
  DessineSymbole(p, QRectF(centreX - largeur / 2.0, hautSymbole, largeur, m.HautSymbole), couleur);
}

// Pip places as on real cards: x 0 left column, 0.5 middle, 1 right; y 0 top
// row … 1 bottom row. Pips below the middle are drawn upside down.
struct TPip {
  double x;
  double y;
};

std::vector<TPip> PlacesPips(int rang) {
  const std::vector<TPip> coins{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  std::vector<TPip> pips;
  switch (rang) {
    case 2: return {{0.5, 0}, {0.5, 1}};
    case 3: return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4: return coins;
    case 5: pips = coins; pips.push_back({0.5, 0.5}); return pips;
    case 6: pips = coins; pips.insert(pips.end(), {{0, 0.5}, {1, 0.5}}); return pips;
    case 7: pips = PlacesPips(6); pips.push_back({0.5, 0.25}); return pips;
    case 8: pips = PlacesPips(6); pips.insert(pips.end(), {{0.5, 0.25}, {0.5, 0.75}}); return pips;
    case 9:
    case 10:
      for (double y : {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0}) pips.insert(pips.end(), {{0, y}, {1, y}});
      if (rang == 9) pips.push_back({0.5, 0.5});
      else pips.insert(pips.end(), {{0.5, 1.0 / 6.0}, {0.5, 5.0 / 6.0}});
      return pips;
    default: return {};
  }
}

void DessinePips(QPainter& p, const TMetrique& m, TTailleFace face, int rang, int couleur) {
  const double largeurPip = m.Pip * ProportionSymbole(couleur);
  // Columns as far apart as the index columns allow, rows from the top margin
  // to the bottom one.
  const double gauche = m.Colonne + 2 + largeurPip / 2.0;
  const double droite = face.W - gauche;
  const double haut = m.MargePip + m.Pip / 2.0;
  const double bas = face.H - haut;
  for (const TPip& pip : PlacesPips(rang)) {
    const double cx = gauche + pip.x * (droite - gauche);
    const double cy = haut + pip.y * (bas - haut);
    // Whole-pixel corners keep the small pips crisp.
    const QRectF boite(std::round(cx - largeurPip / 2.0), std::round(cy - m.Pip / 2.0), largeurPip, m.Pip);
    DessineSymbole(p, boite, couleur, pip.y > 0.5);
  }
}

void DessineAs(QPainter& p, const TMetrique& m, TTailleFace face, int couleur) {
  const double h = m.As;
  const double w = h * ProportionSymbole(couleur);
  const QPointF centre(face.W / 2.0, face.H / 2.0);
  // A fine oval frames the single pip, as on the finer packs.
  QColor trait = CouleurSymbole(couleur);
  trait.setAlpha(90);
  p.setPen(QPen(trait, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, w * 0.80, h * 0.80);
  DessineSymbole(p, QRectF(centre.x() - w / 2.0, centre.y() - h / 2.0, w, h), couleur);
}

// The card itself: white with a whisper of warmth toward the bottom and a
// fine grey border.
void DessineFond(QPainter& p, const TMetrique& m, TTailleFace face, bool contraste) {
  // High contrast: a black outline two pixels wide, inside the face.
  const double trait = contraste ? 2.0 : 1.0;
  const QRectF bord(trait / 2.0, trait / 2.0, face.W - trait, face.H - trait);
  QLinearGradient degrade(0, 0, 0, face.H);
  degrade.setColorAt(0.0, QColor(255, 255, 255));
  degrade.setColorAt(1.0, QColor(246, 245, 240));
  p.setBrush(degrade);
  p.setPen(contraste ? QPen(Qt::black, trait) : QPen(QColor(96, 96, 96), trait));
  p.drawRoundedRect(bord, m.Rayon, m.Rayon);
}

// Whatever the artwork, the pixels within the set's corner radius are not
// part of the face: they must show the surface below.
void EffaceCoins(QImage& image, int rayon) {
  const int w = image.width();
  const int h = image.height();
  for (int dx = 0; dx <= rayon; ++dx) {
    for (int dy = 0; dx + dy <= rayon; ++dy) {
      for (QPoint pt : {QPoint(dx, dy), QPoint(w - 1 - dx, dy), QPoint(dx, h - 1 - dy), QPoint(w - 1 - dx, h - 1 - dy)}) {
        image.setPixel(pt, qRgba(0, 0, 0, 0));
      }
    }
  }
}

}  // namespace

QImage PeintFace(int value, int setCartes, TStyleFaces style) {
  if (!EstSetCartesValide(setCartes) || !EstValeurCarte(value) || value > 52) return {};
  const TTailleFace face = TailleFace(setCartes);
  const TMetrique m = MetriqueDuSet(setCartes, style.GrandsIndex);
  const int couleur = CouleurCarte(value);
  const int rang = RangCarte(value);

  QImage image(face.W, face.H, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DessineFond(p, m, face, style.Contraste);

    if (rang == 14) {
      DessineAs(p, m, face, couleur);
    } else if (rang >= 11) {
      const QRectF panneau(m.Colonne + 1, m.MargePip - 2, face.W - 2 * (m.Colonne + 1), face.H - 2 * (m.MargePip - 2));
      DessinePanneauFigure(p, panneau, rang, couleur);
    } else {
      DessinePips(p, m, face, rang, couleur);
    }

    for (int demiTour = 0; demiTour < 2; ++demiTour) {
      p.save();
      if (demiTour == 1) {
        p.translate(face.W, face.H);
        p.rotate(180.0);
      }
      DessineIndex(p, m, rang, couleur);
      p.restore();
    }
  }
  EffaceCoins(image, RayonCoin(setCartes));
  return image;
}

QImage PeintFaceManquante(int setCartes) {
  const TTailleFace face = TailleFace(setCartes);
  QImage image(face.W, face.H, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(236, 236, 236));
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen rouge(QColor(200, 30, 30), 3.0);
    p.setPen(rouge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, face.W - 3.0, face.H - 3.0));
    p.drawLine(QPointF(1.5, 1.5), QPointF(face.W - 1.5, face.H - 1.5));
    p.drawLine(QPointF(face.W - 1.5, 1.5), QPointF(1.5, face.H - 1.5));
  }
  EffaceCoins(image, RayonCoin(setCartes));
  return image;
}

}  // namespace kalvo
