// The card faces as the table asks for them: by name ("FR_452") or by value
// and card set. Faces are painted on first use and kept in a cache bounded in
// bytes, the least recently used face leaving first.
#pragma once

#include "table/CacheImages.h"
#include "table/PeintreFace.h"

#include <QPixmap>
#include <QString>

class QPainter;

namespace kalvo {

class TJeuDeCartes {
 public:
  // Holds a whole set 3 pack (52 × 101 KB) with room to spare.
  static constexpr qint64 LimiteParDefaut = 8 * 1024 * 1024;

  explicit TJeuDeCartes(qint64 limiteOctets = LimiteParDefaut) : cache_(limiteOctets) {}
  TJeuDeCartes(const TJeuDeCartes&) = delete;
  TJeuDeCartes& operator=(const TJeuDeCartes&) = delete;

  // The faces every control of the program draws from (user-interface thread).
  static TJeuDeCartes& Commun();

  // The face of value 1..52 in set 1..3; a null pixmap when there is none.
  QPixmap Face(int value, int setCartes);
  // The face named "FR_401".."FR_452", "FR_101".."FR_152" or "FR_201".."FR_252";
  // a null pixmap for any other name.
  QPixmap ImageFace(const QString& nom);
  // The style every face is drawn in from now on; the faces already painted
  // in another style leave the cache.
  void ChoisitStyle(TStyleFaces style);
  TStyleFaces Style() const { return style_; }
  // What a control draws where a face is missing (PeintFaceManquante).
  QPixmap FaceManquante(int setCartes);

  bool EstEnCache(int value, int setCartes) const { return cache_.Contient(setCartes * 100 + value); }
  qint64 Octets() const { return cache_.Octets(); }
  qint64 Limite() const { return cache_.Limite(); }
  int Nombre() const { return cache_.Nombre(); }
  void Vide() { cache_.Vide(); }

 private:
  TCacheImages cache_;
  TStyleFaces style_;
};

// The face named as in the program's resources, from the common cache.
QPixmap ImageFace(const QString& nom);

// Draws the face of a card value at (x, y) upright; value 0 is no card and
// draws nothing, any other value that names no face draws the missing-face
// picture. The transparent corners leave what lies beneath.
void DessineFace(QPainter& p, int x, int y, int value, int setCartes);

}  // namespace kalvo
