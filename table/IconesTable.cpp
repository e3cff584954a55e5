#include "table/IconesTable.h"

#include "table/DessinSymboles.h"
#include "table/Polices.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kalvo {

namespace {

QImage ImageVide(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath CheminFleche() {
  QPainterPath f;
  f.moveTo(1.5, 10.0);
  f.lineTo(12.5, 10.0);
  f.lineTo(12.5, 2.5);
  f.lineTo(24.8, 14.5);
  f.lineTo(12.5, 26.5);
  f.lineTo(12.5, 19.0);
  f.lineTo(1.5, 19.0);
  f.closeSubpath();
  return f;
}

// A gloved pointing hand, fingertip at (11, 1).
QPainterPath CheminMain() {
  QPainterPath index;
  index.addRoundedRect(QRectF(8.5, 0.5, 5.0, 16.0), 2.5, 2.5);
  QPainterPath doigts;
  doigts.addRoundedRect(QRectF(13.0, 9.5, 4.5, 8.0), 2.2, 2.2);
  doigts.addRoundedRect(QRectF(17.0, 10.5, 4.5, 8.0), 2.2, 2.2);
  doigts.addRoundedRect(QRectF(21.0, 11.5, 4.0, 8.0), 2.0, 2.0);
  QPainterPath paume;
  paume.addRoundedRect(QRectF(8.5, 13.0, 16.5, 14.0), 4.0, 4.0);
  QPainterPath pouce;
  pouce.moveTo(9.0, 17.0);
  pouce.cubicTo(6.0, 14.0, 3.0, 15.0, 4.0, 18.0);
  pouce.cubicTo(5.0, 21.0, 7.0, 23.0, 9.5, 25.0);
  pouce.closeSubpath();
  return index.united(doigts).united(paume).united(pouce);
}

QImage CurseurMain(QChar lettre) {
  QImage image = ImageVide(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient gant(0, 0, 24, 28);
  gant.setColorAt(0.0, Qt::white);
  gant.setColorAt(1.0, QColor(222, 222, 222));
  p.setBrush(gant);
  p.drawPath(CheminMain());
  // Folded-finger creases.
  p.setPen(QPen(QColor(110, 110, 110), 0.8));
  for (double x : {17.0, 21.0}) p.drawLine(QPointF(x, 13.5), QPointF(x, 17.5));
  // The badge tells which hand is to play.
  const QRectF pastille(19.0, 19.0, 12.5, 12.5);
  p.setPen(QPen(Qt::white, 1.2));
  p.setBrush(QColor(16, 64, 160));
  p.drawEllipse(pastille);
  p.setPen(Qt::white);
  p.setFont(PoliceEnPixels(QStringLiteral("DejaVu Sans"), 9, true));
  p.drawText(pastille, Qt::AlignCenter, QString(lettre));
  return image;
}

// Two cards drawn together under four arrows closing in: gather the trick.
QImage CurseurRamasse() {
  QImage image = ImageVide(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (double angle : {-14.0, 12.0}) {
    p.save();
    p.translate(16.0, 16.0);
    p.rotate(angle);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-6.0, -8.0, 12.0, 16.0), 1.5, 1.5);
    p.restore();
  }
  DessineSymbole(p, QRectF(12.5, 12.0, 7.0, 7.0), 2);
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(QColor(255, 214, 40));
  for (int quart = 0; quart < 4; ++quart) {
    p.save();
    p.translate(16.0, 16.0);
    p.rotate(45.0 + 90.0 * quart);
    QPainterPath pointe;
    pointe.moveTo(0.0, -11.0);
    pointe.lineTo(4.2, -15.5);
    pointe.lineTo(1.6, -15.5);
    pointe.lineTo(1.6, -17.5);
    pointe.lineTo(-1.6, -17.5);
    pointe.lineTo(-1.6, -15.5);
    pointe.lineTo(-4.2, -15.5);
    pointe.closeSubpath();
    p.drawPath(pointe);
    p.restore();
  }
  return image;
}

}  // namespace

QPixmap ImageFleche() {
  QImage image = ImageVide(26, 29);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath fleche = CheminFleche();
  // Soft shadow one pixel down and right, then a glossy golden body.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(fleche.translated(0.8, 1.2));
  QLinearGradient corps(0, 2, 0, 27);
  corps.setColorAt(0.0, QColor(255, 240, 130));
  corps.setColorAt(0.45, QColor(255, 196, 20));
  corps.setColorAt(1.0, QColor(214, 120, 0));
  p.setBrush(corps);
  p.setPen(QPen(QColor(96, 52, 0), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(fleche);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  p.drawLine(QPointF(3.0, 11.5), QPointF(13.5, 11.5));
  return QPixmap::fromImage(image);
}

QPixmap ImageCurseur(TCurseurTable curseur) {
  switch (curseur) {
    case crRamasse: return QPixmap::fromImage(CurseurRamasse());
    case crMainSud: return QPixmap::fromImage(CurseurMain(QLatin1Char('S')));
    case crMainNord: return QPixmap::fromImage(CurseurMain(QLatin1Char('N')));
    case crDefaut: break;
  }
  return {};
}

QCursor CurseurTable(TCurseurTable curseur) {
  switch (curseur) {
    case crRamasse: return QCursor(ImageCurseur(curseur), 16, 16);
    case crMainSud:
    case crMainNord: return QCursor(ImageCurseur(curseur), 11, 1);
    case crDefaut: break;
  }
  return QCursor(Qt::ArrowCursor);
}

QCursor CurseurTable(const QString& nom) {
  if (nom == QLatin1String("RAMASSE")) return CurseurTable(crRamasse);
  if (nom == QLatin1String("MAINSUD")) return CurseurTable(crMainSud);
  if (nom == QLatin1String("MAINNORD")) return CurseurTable(crMainNord);
  return QCursor(Qt::ArrowCursor);
}

QPixmap ImageSymbole(int numero) {
  if (numero < 990 || numero > 993) return {};
  QImage image = ImageVide(16, 16);
  QPainter p(&image);
  DessineSymbole(p, QRectF(1.0, 1.0, 14.0, 14.0), numero - 990);
  return QPixmap::fromImage(image);
}

}  // namespace kalvo

namespace kalvo {

QPixmap ImageEtapeDonne(bool suivante) {
  QImage image(18, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 40, 20), 1.0));
  p.setBrush(QColor(30, 90, 30));
  // Drawn pointing right, mirrored for the previous deal.
  if (!suivante) p.setTransform(QTransform(-1, 0, 0, 1, 18, 0));
  QPainterPath triangle;
  triangle.moveTo(2.5, 1.5);
  triangle.lineTo(12.5, 8.0);
  triangle.lineTo(2.5, 14.5);
  triangle.closeSubpath();
  p.drawPath(triangle);
  p.drawRect(QRectF(13.5, 1.5, 3.0, 13.0));
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace kalvo
