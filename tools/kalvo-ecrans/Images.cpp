#include "tools/kalvo-ecrans/Images.h"

#include "table/Polices.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace kalvo::ecrans {

bool Ecrit(const QImage& image, const QDir& dossier, const QString& nom) {
  const QString chemin = dossier.filePath(nom);
  if (!image.save(chemin, "PNG")) {
    std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
    return false;
  }
  std::printf("écrit %s\n", qPrintable(chemin));
  return true;
}

QImage Photo(QWidget& fenetre) {
  fenetre.show();
  QApplication::processEvents();
  const QImage image = fenetre.grab().toImage();
  fenetre.hide();
  return image;
}

QImage AvecCadre(QWidget& w) {
  w.show();
  QApplication::processEvents();
  const QPixmap client = w.grab();
  if (w.windowFlags().testFlag(Qt::FramelessWindowHint)) return client.toImage();
  constexpr int Barre = 30;
  constexpr int Bord = 1;
  QImage image(client.width() + 2 * Bord, client.height() + Barre + Bord, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient degrade(0, 0, 0, Barre);
  degrade.setColorAt(0, QColor(246, 245, 244));
  degrade.setColorAt(1, QColor(222, 221, 218));
  p.fillRect(image.rect(), QColor(160, 160, 160));
  p.fillRect(QRect(Bord, Bord, client.width(), Barre - Bord), degrade);
  p.setPen(QColor(46, 52, 54));
  p.setFont(PoliceEnPixels(QStringLiteral("DejaVu Sans"), 13, true));
  p.drawText(QRect(Bord, Bord, client.width(), Barre - Bord), Qt::AlignCenter, w.windowTitle());
  p.drawPixmap(Bord, Barre, client);
  p.end();
  w.hide();
  return image;
}

}  // namespace kalvo::ecrans
