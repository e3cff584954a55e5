#include "table/FiguresCartes.h"

#include "table/DessinSymboles.h"
#include "table/Palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace kalvo {

namespace {

const QColor Or(204, 162, 58);
const QColor OrClair(246, 226, 146);
const QColor OrFonce(120, 88, 26);
const QColor Peau(248, 220, 192);
const QColor TraitVisage(120, 80, 52);
const QColor Creme(253, 249, 236);

QColor Melange(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                          static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                          static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

// A letter filling its box, centred.
QPainterPath CheminLettre(const QString& lettre, const QRectF& boite) {
  QFont police(QStringLiteral("DejaVu Serif"));
  police.setPixelSize(64);
  police.setBold(true);
  QPainterPath chemin;
  chemin.addText(0, 0, police, lettre);
  const QRectF bord = chemin.boundingRect();
  const double s = std::min(boite.height() / bord.height(), boite.width() / bord.width());
  QTransform t;
  t.translate(boite.center().x() - bord.width() * s / 2.0, boite.center().y() - bord.height() * s / 2.0);
  t.scale(s, s);
  t.translate(-bord.left(), -bord.top());
  return t.map(chemin);
}

// The half panel; the figure is drawn in fractions of its width and height.
struct TDemi {
  double x, y, w, h;
  QPointF P(double fx, double fy) const { return {x + fx * w, y + fy * h}; }
  double X(double fx) const { return x + fx * w; }
  double Y(double fy) const { return y + fy * h; }
  double Trait(double f, double minimum = 0.7) const { return std::max(minimum, f * w); }
};

struct TTete {
  QPointF c;
  double rx, ry;
};
TTete Tete(const TDemi& d) { return {d.P(0.5, 0.40), 0.13 * d.w, 0.15 * d.h}; }

QPainterPath CheminRobe(const TDemi& d) {
  QPainterPath robe;
  robe.moveTo(d.P(0.10, 1.0));
  robe.lineTo(d.P(0.13, 0.74));
  robe.quadTo(d.P(0.15, 0.63), d.P(0.29, 0.61));
  robe.lineTo(d.P(0.71, 0.61));
  robe.quadTo(d.P(0.85, 0.63), d.P(0.87, 0.74));
  robe.lineTo(d.P(0.90, 1.0));
  robe.closeSubpath();
  return robe;
}

void DessineRobe(QPainter& p, const TDemi& d, const QColor& couleur) {
  const QPainterPath robe = CheminRobe(d);
  QLinearGradient degrade(d.P(0, 0.61), d.P(0, 1.0));
  degrade.setColorAt(0.0, Melange(couleur, Qt::white, 0.22));
  degrade.setColorAt(1.0, Melange(couleur, Qt::black, 0.15));
  p.setPen(Qt::NoPen);
  p.setBrush(degrade);
  p.drawPath(robe);

  // Fine lighter pleats, then the outline.
  p.save();
  p.setClipPath(robe, Qt::IntersectClip);
  p.setPen(QPen(Melange(couleur, Qt::white, 0.38), d.Trait(0.012, 0.5)));
  for (double fx : {0.20, 0.28, 0.72, 0.80}) p.drawLine(d.P(fx, 0.66), d.P(fx + (fx < 0.5 ? -0.02 : 0.02), 1.0));
  p.restore();
  p.setPen(QPen(Melange(couleur, Qt::black, 0.45), d.Trait(0.012, 0.6)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(robe);

  // The front: cream plastron edged in gold, with a row of gold buttons.
  QPainterPath plastron;
  plastron.moveTo(d.P(0.39, 0.61));
  plastron.lineTo(d.P(0.61, 0.61));
  plastron.lineTo(d.P(0.57, 1.0));
  plastron.lineTo(d.P(0.43, 1.0));
  plastron.closeSubpath();
  p.setPen(QPen(Or, d.Trait(0.018, 0.7)));
  p.setBrush(Creme);
  p.drawPath(plastron);
  p.setPen(Qt::NoPen);
  p.setBrush(Or);
  const double bouton = d.Trait(0.022, 0.7);
  for (double fy : {0.74, 0.83}) p.drawEllipse(d.P(0.5, fy), bouton, bouton);

  // A gold belt at the edge of the half: with the other half, one band.
  QLinearGradient ceinture(d.P(0, 0.93), d.P(0, 1.0));
  ceinture.setColorAt(0.0, OrClair);
  ceinture.setColorAt(1.0, Or);
  p.setBrush(ceinture);
  p.drawRect(QRectF(d.P(0.10, 0.93), d.P(0.90, 1.0)));
}

void DessineTete(QPainter& p, const TDemi& d) {
  const TTete t = Tete(d);
  // Neck first, then the face over it.
  p.setPen(Qt::NoPen);
  p.setBrush(Peau.darker(106));
  p.drawRect(QRectF(QPointF(t.c.x() - t.rx * 0.4, t.c.y() + t.ry * 0.6), QPointF(t.c.x() + t.rx * 0.4, d.Y(0.63))));
  QRadialGradient degrade(t.c - QPointF(t.rx * 0.3, t.ry * 0.3), t.ry * 1.4);
  degrade.setColorAt(0.0, Peau.lighter(104));
  degrade.setColorAt(1.0, Peau.darker(110));
  p.setPen(QPen(TraitVisage, d.Trait(0.010, 0.6)));
  p.setBrush(degrade);
  p.drawEllipse(t.c, t.rx, t.ry);
  if (t.rx < 5.0) return;
  // Eyes, brows and mouth: all a face this small can carry.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 40));
  const double oeil = std::max(0.6, t.rx * 0.10);
  for (double sens : {-1.0, 1.0}) p.drawEllipse(t.c + QPointF(sens * t.rx * 0.36, -t.ry * 0.05), oeil, oeil);
  p.setPen(QPen(QColor(176, 70, 70), std::max(0.6, t.rx * 0.08), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(t.c + QPointF(-t.rx * 0.2, t.ry * 0.45), t.c + QPointF(t.rx * 0.2, t.ry * 0.45));
}

void DessineCouronne(QPainter& p, const TDemi& d) {
  const TTete t = Tete(d);
  const double base = t.c.y() - t.ry * 0.62;
  const double haut = base - t.ry * 0.85;
  const double l = t.rx * 1.05;
  QPainterPath couronne;
  couronne.moveTo(t.c.x() - l, base);
  couronne.lineTo(t.c.x() - l * 1.1, haut + t.ry * 0.1);
  couronne.lineTo(t.c.x() - l * 0.5, base - t.ry * 0.40);
  couronne.lineTo(t.c.x(), haut);
  couronne.lineTo(t.c.x() + l * 0.5, base - t.ry * 0.40);
  couronne.lineTo(t.c.x() + l * 1.1, haut + t.ry * 0.1);
  couronne.lineTo(t.c.x() + l, base);
  couronne.closeSubpath();
  QLinearGradient degrade(0, haut, 0, base);
  degrade.setColorAt(0.0, OrClair);
  degrade.setColorAt(1.0, Or);
  p.setPen(QPen(OrFonce, d.Trait(0.010, 0.6)));
  p.setBrush(degrade);
  p.drawPath(couronne);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 24, 44));
  p.drawEllipse(QPointF(t.c.x(), base - t.ry * 0.2), t.rx * 0.17, t.rx * 0.17);
}

void DessineBarbe(QPainter& p, const TDemi& d) {
  const TTete t = Tete(d);
  QPainterPath barbe;
  barbe.moveTo(t.c.x() - t.rx, t.c.y());
  barbe.cubicTo(t.c.x() - t.rx, t.c.y() + t.ry * 0.9, t.c.x() - t.rx * 0.4, t.c.y() + t.ry * 1.35, t.c.x(), t.c.y() + t.ry * 1.45);
  barbe.cubicTo(t.c.x() + t.rx * 0.4, t.c.y() + t.ry * 1.35, t.c.x() + t.rx, t.c.y() + t.ry * 0.9, t.c.x() + t.rx, t.c.y());
  barbe.cubicTo(t.c.x() + t.rx * 0.6, t.c.y() + t.ry * 0.55, t.c.x() - t.rx * 0.6, t.c.y() + t.ry * 0.55, t.c.x() - t.rx, t.c.y());
  p.setPen(QPen(QColor(74, 52, 36), d.Trait(0.008, 0.5)));
  p.setBrush(QColor(128, 94, 64));
  p.drawPath(barbe);
}

void DessineChevelure(QPainter& p, const TDemi& d, bool longue) {
  const TTete t = Tete(d);
  QPainterPath cheveux;
  const double bas = longue ? d.Y(0.70) : t.c.y() + t.ry * 0.2;
  const double large = longue ? 1.35 : 1.12;
  cheveux.moveTo(t.c.x(), t.c.y() - t.ry * 1.12);
  cheveux.cubicTo(t.c.x() + t.rx * large * 1.05, t.c.y() - t.ry * 1.1, t.c.x() + t.rx * large, t.c.y(), t.c.x() + t.rx * large, bas);
  cheveux.lineTo(t.c.x() - t.rx * large, bas);
  cheveux.cubicTo(t.c.x() - t.rx * large, t.c.y(), t.c.x() - t.rx * large * 1.05, t.c.y() - t.ry * 1.1, t.c.x(), t.c.y() - t.ry * 1.12);
  p.setPen(QPen(QColor(60, 30, 15), d.Trait(0.008, 0.5)));
  p.setBrush(longue ? QColor(122, 64, 30) : QColor(96, 60, 30));
  p.drawPath(cheveux);
}

void DessineDiademe(QPainter& p, const TDemi& d) {
  const TTete t = Tete(d);
  QPainterPath bandeau;
  bandeau.moveTo(t.c.x() - t.rx * 0.95, t.c.y() - t.ry * 0.55);
  bandeau.quadTo(t.c.x(), t.c.y() - t.ry * 1.35, t.c.x() + t.rx * 0.95, t.c.y() - t.ry * 0.55);
  p.setPen(QPen(Or, std::max(1.0, t.rx * 0.22), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bandeau);
  p.setPen(QPen(OrFonce, d.Trait(0.006, 0.4)));
  p.setBrush(QColor(250, 250, 255));
  p.drawEllipse(QPointF(t.c.x(), t.c.y() - t.ry * 1.18), t.rx * 0.22, t.rx * 0.22);
}

void DessineToque(QPainter& p, const TDemi& d, const QColor& couleur) {
  const TTete t = Tete(d);
  const double bord = t.c.y() - t.ry * 0.62;
  QPainterPath plume;
  plume.moveTo(t.c.x() + t.rx * 0.5, bord - t.ry * 0.3);
  plume.cubicTo(t.c.x() + t.rx * 1.2, bord - t.ry * 0.5, t.c.x() + t.rx * 1.55, bord - t.ry * 0.8, t.c.x() + t.rx * 1.5, bord - t.ry * 1.15);
  plume.cubicTo(t.c.x() + t.rx * 1.15, bord - t.ry * 0.85, t.c.x() + t.rx * 0.8, bord - t.ry * 0.7, t.c.x() + t.rx * 0.2, bord - t.ry * 0.55);
  plume.closeSubpath();
  p.setPen(QPen(OrFonce, d.Trait(0.008, 0.5)));
  p.setBrush(QColor(255, 252, 240));
  p.drawPath(plume);
  QPainterPath toque;
  toque.moveTo(t.c.x() - t.rx * 1.15, bord);
  toque.cubicTo(t.c.x() - t.rx * 1.1, bord - t.ry * 0.95, t.c.x() + t.rx * 1.0, bord - t.ry * 1.0, t.c.x() + t.rx * 1.2, bord - t.ry * 0.15);
  toque.closeSubpath();
  p.setPen(QPen(Melange(couleur, Qt::black, 0.5), d.Trait(0.010, 0.6)));
  p.setBrush(Melange(couleur, Qt::black, 0.12));
  p.drawPath(toque);
  p.setPen(QPen(Or, std::max(0.9, t.ry * 0.16), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(t.c.x() - t.rx * 1.12, bord - t.ry * 0.02), QPointF(t.c.x() + t.rx * 1.15, bord - t.ry * 0.16));
}

// Collars: ermine for the king, lace for the queen, a plain white one for the jack.
void DessineCol(QPainter& p, const TDemi& d, int rang) {
  const double trait = d.Trait(0.010, 0.5);
  if (rang == 13) {
    const QRectF hermine(d.P(0.25, 0.585), d.P(0.75, 0.67));
    p.setPen(QPen(QColor(150, 140, 120), trait));
    p.setBrush(Creme);
    p.drawRoundedRect(hermine, hermine.height() / 2, hermine.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    const double tache = d.Trait(0.014, 0.5);
    for (double fx : {0.32, 0.44, 0.56, 0.68}) p.drawEllipse(d.P(fx, 0.63), tache, tache * 1.4);
  } else if (rang == 12) {
    p.setPen(QPen(QColor(170, 160, 140), trait));
    p.setBrush(Creme);
    // A string of pearls along the neckline.
    const double r = d.w * 0.035;
    for (double fx = 0.31; fx <= 0.695; fx += 0.064) p.drawEllipse(d.P(fx, 0.645), r, r);
  } else {
    QPainterPath col;
    col.moveTo(d.P(0.36, 0.60));
    col.lineTo(d.P(0.64, 0.60));
    col.lineTo(d.P(0.58, 0.68));
    col.lineTo(d.P(0.5, 0.63));
    col.lineTo(d.P(0.42, 0.68));
    col.closeSubpath();
    p.setPen(QPen(QColor(150, 140, 120), trait));
    p.setBrush(Creme);
    p.drawPath(col);
  }
}

void DessineMain(QPainter& p, const TDemi& d, QPointF centre) {
  p.setPen(QPen(TraitVisage, d.Trait(0.008, 0.5)));
  p.setBrush(Peau);
  p.drawEllipse(centre, d.w * 0.045, d.w * 0.045);
}

// What each figure holds: the king a sceptre, the queen a rose, the jack a halberd.
void DessineAttribut(QPainter& p, const TDemi& d, int rang) {
  const double tige = d.Trait(0.028, 1.0);
  if (rang == 13) {
    p.setPen(QPen(OrFonce, tige + 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(d.P(0.82, 0.99), d.P(0.80, 0.44));
    p.setPen(QPen(Or, tige, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(d.P(0.82, 0.99), d.P(0.80, 0.44));
    p.setPen(QPen(OrFonce, d.Trait(0.008, 0.5)));
    p.setBrush(OrClair);
    p.drawEllipse(d.P(0.80, 0.40), d.w * 0.055, d.w * 0.055);
    DessineMain(p, d, d.P(0.815, 0.78));
  } else if (rang == 12) {
    p.setPen(QPen(QColor(40, 110, 40), tige * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(d.P(0.21, 0.99), d.P(0.21, 0.50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 140, 60));
    p.drawEllipse(d.P(0.25, 0.58), d.w * 0.04, d.w * 0.02);
    const QPointF fleur = d.P(0.21, 0.47);
    const double r = d.w * 0.075;
    p.setPen(QPen(QColor(140, 20, 50), d.Trait(0.006, 0.4)));
    p.setBrush(QColor(214, 50, 90));
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2.0 * std::numbers::pi / 5.0 - std::numbers::pi / 2.0;
      p.drawEllipse(fleur + QPointF(std::cos(a) * r * 0.55, std::sin(a) * r * 0.55), r * 0.5, r * 0.5);
    }
    p.setBrush(OrClair);
    p.drawEllipse(fleur, r * 0.3, r * 0.3);
    DessineMain(p, d, d.P(0.21, 0.76));
  } else {
    const QColor acier(150, 156, 168);
    p.setPen(QPen(QColor(92, 62, 36), tige, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(d.P(0.81, 0.99), d.P(0.81, 0.36));
    QPainterPath lame;
    lame.moveTo(d.P(0.81, 0.30));
    lame.lineTo(d.P(0.83, 0.38));
    lame.quadTo(d.P(0.95, 0.40), d.P(0.93, 0.52));
    lame.lineTo(d.P(0.83, 0.48));
    lame.lineTo(d.P(0.79, 0.48));
    lame.lineTo(d.P(0.79, 0.38));
    lame.closeSubpath();
    p.setPen(QPen(QColor(70, 72, 80), d.Trait(0.008, 0.5)));
    p.setBrush(acier);
    p.drawPath(lame);
    DessineMain(p, d, d.P(0.81, 0.78));
  }
}

void DessineDemiFigure(QPainter& p, const TDemi& d, int rang, int couleur) {
  const QColor teinte = CouleurSymbole(couleur);
  if (rang == 12) DessineChevelure(p, d, true);
  DessineRobe(p, d, teinte);
  DessineCol(p, d, rang);
  if (rang == 11) DessineChevelure(p, d, false);
  DessineTete(p, d);
  if (rang == 13) {
    DessineBarbe(p, d);
    DessineCouronne(p, d);
  } else if (rang == 12) {
    DessineDiademe(p, d);
  } else {
    DessineToque(p, d, teinte);
  }
  DessineAttribut(p, d, rang);

  // The letter at the top left and the suit at the top right of each half.
  const double cote = std::max(6.0, d.h * 0.26);
  const QString lettre = rang == 13 ? QStringLiteral("R") : rang == 12 ? QStringLiteral("D") : QStringLiteral("V");
  p.setPen(Qt::NoPen);
  p.setBrush(teinte);
  p.drawPath(CheminLettre(lettre, QRectF(d.X(0.07), d.Y(0.06), cote * 0.8, cote)));
  const double s = cote * 0.78;
  DessineSymbole(p, QRectF(d.X(0.93) - s, d.Y(0.07), s, s), couleur);
}

}  // namespace

void DessinePanneauFigure(QPainter& p, const QRectF& panneau, int rang, int couleur) {
  const QColor teinte = CouleurSymbole(couleur);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);

  // Parchment ground with a faint wash of the suit's colour.
  QLinearGradient fond(panneau.topLeft(), panneau.bottomRight());
  fond.setColorAt(0.0, Melange(QColor(255, 251, 238), teinte, 0.04));
  fond.setColorAt(0.5, Melange(QColor(255, 252, 244), teinte, 0.09));
  fond.setColorAt(1.0, Melange(QColor(255, 251, 238), teinte, 0.04));
  p.setPen(Qt::NoPen);
  p.setBrush(fond);
  p.drawRect(panneau);

  const double milieu = panneau.center().y();
  const TDemi demi{panneau.left(), panneau.top(), panneau.width(), milieu - panneau.top()};
  for (int demiTour = 0; demiTour < 2; ++demiTour) {
    p.save();
    if (demiTour == 1) {
      p.translate(panneau.center());
      p.rotate(180.0);
      p.translate(-panneau.center());
    }
    p.setClipRect(QRectF(demi.x, demi.y, demi.w, demi.h));
    DessineDemiFigure(p, demi, rang, couleur);
    p.restore();
  }

  // Frame: the suit's colour outside, a gold fillet inside.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Or, 1.0));
  p.drawRect(panneau.adjusted(2.0, 2.0, -2.0, -2.0));
  p.setPen(QPen(teinte, 1.0));
  p.drawRect(panneau.adjusted(0.5, 0.5, -0.5, -0.5));
  p.restore();
}

}  // namespace kalvo
