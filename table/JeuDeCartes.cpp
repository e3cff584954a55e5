#include "table/JeuDeCartes.h"

#include "table/GeometrieCartes.h"
#include "table/PeintreFace.h"

#include <QPainter>

namespace kalvo {

TJeuDeCartes& TJeuDeCartes::Commun() {
  static TJeuDeCartes jeu;
  static const bool enregistre = (VideAvecLApplication(jeu.cache_), true);
  (void)enregistre;
  return jeu;
}

QPixmap TJeuDeCartes::Face(int value, int setCartes) {
  if (!EstSetCartesValide(setCartes) || value < 1 || value > 52) return {};
  return cache_.Image(setCartes * 100 + value, [&] { return QPixmap::fromImage(PeintFace(value, setCartes, style_)); });
}

void TJeuDeCartes::ChoisitStyle(TStyleFaces style) {
  if (style == style_) return;
  style_ = style;
  cache_.Vide();
}

QPixmap TJeuDeCartes::ImageFace(const QString& nom) {
  int value = 0;
  int set = 0;
  if (!LitNomImageFace(nom.toStdString(), value, set)) return {};
  return Face(value, set);
}

QPixmap TJeuDeCartes::FaceManquante(int setCartes) {
  const int set = EstSetCartesValide(setCartes) ? setCartes : 1;
  // Below the faces' keys, which start at 101.
  return cache_.Image(set, [set] { return QPixmap::fromImage(PeintFaceManquante(set)); });
}

QPixmap ImageFace(const QString& nom) { return TJeuDeCartes::Commun().ImageFace(nom); }

void DessineFace(QPainter& p, int x, int y, int value, int setCartes) {
  // Only 1..52 name a face in every set; a larger value would otherwise
  // build the name of another set's face.
  if (value == 0) return;
  TJeuDeCartes& jeu = TJeuDeCartes::Commun();
  const QPixmap face = jeu.Face(value, setCartes);
  p.drawPixmap(x, y, face.isNull() ? jeu.FaceManquante(setCartes) : face);
}

}  // namespace kalvo
