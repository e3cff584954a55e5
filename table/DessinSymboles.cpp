#include "table/DessinSymboles.h"

#include "model/BridgeTypes.h"
#include "table/Palette.h"

#include <QPainter>

namespace kalvo {

namespace {

// Shapes are designed in a unit square (x to the right, y down) and then
// narrowed to the suit's proportion.
QPainterPath Coeur() {
  QPainterPath p;
  p.moveTo(0.5, 1.0);
  p.cubicTo(0.40, 0.84, 0.0, 0.64, 0.0, 0.31);
  p.cubicTo(0.0, 0.11, 0.13, 0.0, 0.27, 0.0);
  p.cubicTo(0.39, 0.0, 0.47, 0.07, 0.5, 0.19);
  p.cubicTo(0.53, 0.07, 0.61, 0.0, 0.73, 0.0);
  p.cubicTo(0.87, 0.0, 1.0, 0.11, 1.0, 0.31);
  p.cubicTo(1.0, 0.64, 0.60, 0.84, 0.5, 1.0);
  p.closeSubpath();
  return p;
}

QPainterPath Carreau() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.62, 0.18, 0.80, 0.37, 1.0, 0.5);
  p.cubicTo(0.80, 0.63, 0.62, 0.82, 0.5, 1.0);
  p.cubicTo(0.38, 0.82, 0.20, 0.63, 0.0, 0.5);
  p.cubicTo(0.20, 0.37, 0.38, 0.18, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

// The flared foot shared by spades and clubs.
void AjoutePied(QPainterPath& p, double haut) {
  p.moveTo(0.455, haut);
  p.cubicTo(0.45, 0.86, 0.38, 0.95, 0.28, 1.0);
  p.lineTo(0.72, 1.0);
  p.cubicTo(0.62, 0.95, 0.55, 0.86, 0.545, haut);
  p.closeSubpath();
}

QPainterPath Pique() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.64, 0.19, 1.0, 0.36, 1.0, 0.61);
  p.cubicTo(1.0, 0.77, 0.88, 0.85, 0.76, 0.85);
  p.cubicTo(0.65, 0.85, 0.57, 0.80, 0.53, 0.72);
  p.lineTo(0.47, 0.72);
  p.cubicTo(0.43, 0.80, 0.35, 0.85, 0.24, 0.85);
  p.cubicTo(0.12, 0.85, 0.0, 0.77, 0.0, 0.61);
  p.cubicTo(0.0, 0.36, 0.36, 0.19, 0.5, 0.0);
  p.closeSubpath();
  AjoutePied(p, 0.66);
  return p;
}

QPainterPath Trefle() {
  QPainterPath p;
  constexpr double r = 0.235;
  p.addEllipse(QPointF(0.5, 0.245), r, r);
  p.addEllipse(QPointF(0.245, 0.585), r, r);
  p.addEllipse(QPointF(0.755, 0.585), r, r);
  // Fills the gap between the three leaves.
  p.addRect(QRectF(0.40, 0.40, 0.20, 0.25));
  AjoutePied(p, 0.55);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

}  // namespace

double ProportionSymbole(int couleur) {
  switch (couleur) {
    case clTrefle: return 0.96;
    case clCarreau: return 0.80;
    case clCoeur: return 0.96;
    case clPique: return 0.90;
    default: return 1.0;
  }
}

QPainterPath CheminSymbole(int couleur) {
  QPainterPath p;
  switch (couleur) {
    case clTrefle: p = Trefle(); break;
    case clCarreau: p = Carreau(); break;
    case clCoeur: p = Coeur(); break;
    case clPique: p = Pique(); break;
    default: return {};
  }
  QTransform t;
  t.scale(ProportionSymbole(couleur), 1.0);
  return t.map(p);
}

void DessineSymbole(QPainter& p, const QRectF& boite, int couleur, bool renverse) {
  if (!EstCouleurReelle(couleur) || boite.isEmpty()) return;
  const double proportion = ProportionSymbole(couleur);
  const double h = std::min(boite.height(), boite.width() / proportion);
  const double w = h * proportion;
  const QPointF centre = boite.center();

  QTransform t;
  t.translate(centre.x(), centre.y());
  if (renverse) t.rotate(180.0);
  t.translate(-w / 2.0, -h / 2.0);
  t.scale(h, h);

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(CouleurSymbole(couleur));
  p.drawPath(t.map(CheminSymbole(couleur)));
  p.restore();
}

}  // namespace kalvo
