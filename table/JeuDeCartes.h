// The card faces as the table asks for them: by name ("FR_452") or by value
// and card set. Faces are painted on first use and kept in a cache bounded in
// bytes, the least recently used face leaving first.
#pragma once

#include <QPixmap>
#include <QString>

#include <list>
#include <unordered_map>

class QPainter;

namespace kalvo {

class TJeuDeCartes {
 public:
  // Holds a whole set 3 pack (52 × 101 KB) with room to spare.
  static constexpr qint64 LimiteParDefaut = 8 * 1024 * 1024;

  explicit TJeuDeCartes(qint64 limiteOctets = LimiteParDefaut);
  TJeuDeCartes(const TJeuDeCartes&) = delete;
  TJeuDeCartes& operator=(const TJeuDeCartes&) = delete;

  // The faces every control of the program draws from (user-interface thread).
  static TJeuDeCartes& Commun();

  // The face of value 1..52 in set 1..3; a null pixmap when there is none.
  QPixmap Face(int value, int setCartes);
  // The face named "FR_401".."FR_452", "FR_101".."FR_152" or "FR_201".."FR_252";
  // a null pixmap for any other name.
  QPixmap ImageFace(const QString& nom);

  bool EstEnCache(int value, int setCartes) const { return FIndex.count(setCartes * 100 + value) != 0; }
  qint64 Octets() const { return FOctets; }
  qint64 Limite() const { return FLimite; }
  int Nombre() const { return static_cast<int>(FEntrees.size()); }
  void Vide();

 private:
  struct TEntree {
    int Cle;
    QPixmap Image;
    qint64 Octets;
  };
  void Libere();

  qint64 FLimite;
  qint64 FOctets = 0;
  std::list<TEntree> FEntrees;   // most recently used first
  std::unordered_map<int, std::list<TEntree>::iterator> FIndex;
};

// The face named as in the program's resources, from the common cache.
QPixmap ImageFace(const QString& nom);

// Draws the face of a card value at (x, y) upright; a value that names no
// face draws nothing. The transparent corners leave what lies beneath.
void DessineFace(QPainter& p, int x, int y, int value, int setCartes);

}  // namespace kalvo
