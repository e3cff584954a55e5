#include "table/IconeProgramme.h"

#include "table/HabillageDialogues.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QPainter>
#include <QPainterPath>

namespace kalvo {

namespace {

// One card of the icon, drawn upright around the origin and turned.
void DessineCarte(QPainter& p, qreal cote, qreal angle, const QString& symbole, const QColor& couleur) {
  p.save();
  p.rotate(angle);
  const QRectF carte(-cote * 0.22, -cote * 0.32, cote * 0.44, cote * 0.62);
  p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, cote / 32.0)));
  p.setBrush(Qt::white);
  p.drawRoundedRect(carte, cote * 0.05, cote * 0.05);
  QFont police(FamilleSymboles());
  police.setPixelSize(std::max(1, static_cast<int>(cote * 0.36)));
  p.setFont(police);
  p.setPen(couleur);
  p.drawText(carte, Qt::AlignCenter, symbole);
  p.restore();
}

}  // namespace

QPixmap ImageIconeProgramme(int cote) {
  cote = std::max(cote, 8);
  QPixmap image(cote, cote);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal c = cote;
  p.setPen(QPen(QColor(CouleurMarron), std::max(1.0, c / 16.0)));
  p.setBrush(QColor(CouleurVertFonce));
  p.drawRoundedRect(QRectF(0.5, 0.5, c - 1, c - 1), c * 0.2, c * 0.2);
  p.translate(c * 0.5, c * 0.58);
  p.translate(-c * 0.08, 0);
  DessineCarte(p, c, -14, QStringLiteral("♠"), Qt::black);
  p.translate(c * 0.16, -c * 0.02);
  DessineCarte(p, c, 12, QStringLiteral("♥"), QColor(CouleursSymboles[clCoeur]));
  return image;
}

}  // namespace kalvo
