#include "table/CacheImages.h"

#include <QCoreApplication>

#include <vector>

namespace kalvo {

QPixmap TCacheImages::Image(int cle, const std::function<QPixmap()>& peintre) {
  if (auto trouve = index_.find(cle); trouve != index_.end()) {
    entrees_.splice(entrees_.begin(), entrees_, trouve->second);
    return trouve->second->Image;
  }
  const QPixmap image = peintre();
  if (image.isNull()) return {};
  const qint64 octets = static_cast<qint64>(image.width()) * image.height() * image.depth() / 8;
  entrees_.push_front({cle, image, octets});
  index_[cle] = entrees_.begin();
  octets_ += octets;
  Libere();
  return image;
}

void TCacheImages::Vide() {
  entrees_.clear();
  index_.clear();
  octets_ = 0;
}

void TCacheImages::Libere() {
  while (octets_ > limite_ && entrees_.size() > 1) {
    const TEntree& vieille = entrees_.back();
    octets_ -= vieille.Octets;
    index_.erase(vieille.Cle);
    entrees_.pop_back();
  }
}

void VideAvecLApplication(TCacheImages& cache) {
  static std::vector<TCacheImages*> caches;
  if (caches.empty()) {
    qAddPostRoutine([] {
      for (TCacheImages* c : caches) c->Vide();
    });
  }
  caches.push_back(&cache);
}

}  // namespace kalvo
