#include "table/Etui1024.h"

#include "table/Palette.h"
#include "table/Polices.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

namespace kalvo {

TEtui1024::TEtui1024(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(0, 0);
  SetDimension(1);
}

void TEtui1024::SetDimension(int d) {
  if (d == FDimension || d < 1 || d > 3) return;
  SetVisible(false);
  FDimension = d;
  FCote = CoteEtui(d);
  SetVisible(true);
}

void TEtui1024::SetVisible(bool v) {
  if (v == FVisible) return;
  if (v) resize(FCote, FCote);
  else resize(0, 0);
  FVisible = v;
  update();
}

void TEtui1024::SetColor(const QColor& c) {
  if (c == FColor) return;
  FColor = c;
  if (FVisible) update();
}

namespace {

QPolygonF Polygone(const std::array<TPoint, 4>& points) {
  QPolygonF polygone;
  for (const TPoint& pt : points) polygone << QPointF(pt.x, pt.y);
  return polygone;
}

}  // namespace

void TEtui1024::paintEvent(QPaintEvent*) {
  if (!FVisible) return;
  const TGeometrieEtui g = GeometrieEtui(FCote);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);

  // The four sides in the colour of their line's vulnerability.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(CouleurCadreEtui));
  p.drawRect(0, 0, g.s, g.s);
  for (TJoueur cote : TousLesJoueurs) {
    p.setBrush(QColor(CoteVulnerable(Vulnerabilite, cote) ? CouleurVulnerable : CouleurNonVulnerable));
    p.drawPolygon(Polygone(g.Trapeze(cote)));
  }
  const TRectangle centre = g.CarreInterieur();
  p.setBrush(QColor(CouleurCentreEtui));
  p.drawRect(QRect(centre.Left, centre.Top, centre.Right - centre.Left, centre.Bottom - centre.Top));

  // Black lines, three pixels wide, between the pieces and round the square.
  QPen trait(Qt::black, 3.0);
  trait.setJoinStyle(Qt::MiterJoin);
  p.setPen(trait);
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(0, 0), QPointF(g.m, g.m));
  p.drawLine(QPointF(g.s, 0), QPointF(g.m + g.i, g.m));
  p.drawLine(QPointF(g.s, g.s), QPointF(g.m + g.i, g.m + g.i));
  p.drawLine(QPointF(0, g.s), QPointF(g.m, g.m + g.i));
  p.drawRect(QRectF(centre.Left, centre.Top, g.i, g.i));
  p.drawRect(QRectF(1.5, 1.5, g.s - 3.0, g.s - 3.0));

  const QFont police = PoliceEnPoints(QStringLiteral("Times New Roman"), TailleNumeroEtui(FDimension));
  const QFontMetrics fm(police);
  const QString numero = QString::number(NumeroDonne);
  p.setFont(police);
  p.setPen(Qt::black);
  p.drawText((g.s - fm.horizontalAdvance(numero)) / 2, (g.s - fm.height()) / 2 + fm.ascent(), numero);

  const TRectangle disque = g.DisqueDonneur(Donneur);
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(QColor(CouleurDonneur));
  p.drawEllipse(QRectF(disque.Left + 0.5, disque.Top + 0.5, 19.0, 19.0));
}

}  // namespace kalvo
