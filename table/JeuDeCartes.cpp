#include "table/JeuDeCartes.h"

#include "table/GeometrieCartes.h"
#include "table/PeintreFace.h"

#include <QCoreApplication>
#include <QPainter>

namespace kalvo {

TJeuDeCartes::TJeuDeCartes(qint64 limiteOctets) : FLimite(limiteOctets > 0 ? limiteOctets : 0) {}

TJeuDeCartes& TJeuDeCartes::Commun() {
  static TJeuDeCartes jeu;
  // Pixmaps must not outlive the application object: empty the cache as it goes.
  static const bool enregistre = [] {
    qAddPostRoutine([] { TJeuDeCartes::Commun().Vide(); });
    return true;
  }();
  (void)enregistre;
  return jeu;
}

QPixmap TJeuDeCartes::Face(int value, int setCartes) {
  if (!EstSetCartesValide(setCartes) || value < 1 || value > 52) return {};
  const int cle = setCartes * 100 + value;
  if (auto trouve = FIndex.find(cle); trouve != FIndex.end()) {
    FEntrees.splice(FEntrees.begin(), FEntrees, trouve->second);
    return trouve->second->Image;
  }
  const QPixmap image = QPixmap::fromImage(PeintFace(value, setCartes));
  if (image.isNull()) return {};
  const qint64 octets = static_cast<qint64>(image.width()) * image.height() * image.depth() / 8;
  FEntrees.push_front({cle, image, octets});
  FIndex[cle] = FEntrees.begin();
  FOctets += octets;
  Libere();
  return image;
}

QPixmap TJeuDeCartes::ImageFace(const QString& nom) {
  int value = 0;
  int set = 0;
  if (!LitNomImageFace(nom.toStdString(), value, set)) return {};
  return Face(value, set);
}

void TJeuDeCartes::Vide() {
  FEntrees.clear();
  FIndex.clear();
  FOctets = 0;
}

void TJeuDeCartes::Libere() {
  // The face just painted stays even when it alone exceeds the bound.
  while (FOctets > FLimite && FEntrees.size() > 1) {
    const TEntree& vieille = FEntrees.back();
    FOctets -= vieille.Octets;
    FIndex.erase(vieille.Cle);
    FEntrees.pop_back();
  }
}

QPixmap ImageFace(const QString& nom) { return TJeuDeCartes::Commun().ImageFace(nom); }

void DessineFace(QPainter& p, int x, int y, int value, int setCartes) {
  // Only 1..52 name a face in every set; a larger value would otherwise
  // build the name of another set's face.
  const QPixmap face = TJeuDeCartes::Commun().Face(value, setCartes);
  if (!face.isNull()) p.drawPixmap(x, y, face);
}

}  // namespace kalvo
