// Pictures painted once and kept by key, bounded in bytes: the least
// recently used picture leaves first. The card faces and the pieces of the
// table's frame are drawn from such caches (user-interface thread only).
#pragma once

#include <QPixmap>

#include <functional>
#include <list>
#include <unordered_map>

namespace kalvo {

class TCacheImages {
 public:
  explicit TCacheImages(qint64 limiteOctets) : limite_(limiteOctets > 0 ? limiteOctets : 0) {}
  TCacheImages(const TCacheImages&) = delete;
  TCacheImages& operator=(const TCacheImages&) = delete;

  // The picture kept under cle, or the one peintre paints, then kept unless
  // it is null. The picture just painted stays even when it alone exceeds
  // the bound.
  QPixmap Image(int cle, const std::function<QPixmap()>& peintre);

  bool Contient(int cle) const { return index_.count(cle) != 0; }
  qint64 Octets() const { return octets_; }
  qint64 Limite() const { return limite_; }
  int Nombre() const { return static_cast<int>(entrees_.size()); }
  void Vide();

 private:
  struct TEntree {
    int Cle;
    QPixmap Image;
    qint64 Octets;
  };
  void Libere();

  qint64 limite_;
  qint64 octets_ = 0;
  std::list<TEntree> entrees_;  // most recently used first
  std::unordered_map<int, std::list<TEntree>::iterator> index_;
};

// For a cache that lives as long as the program: empties it when the
// application object goes, as pixmaps must not outlive it. Call once.
void VideAvecLApplication(TCacheImages& cache);

}  // namespace kalvo
