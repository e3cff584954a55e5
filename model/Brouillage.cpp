#include "model/Brouillage.h"

namespace kalvo {

std::string DebrouilleTexte(std::string_view octets) {
  std::string clair(octets.size(), '\0');
  unsigned char precedent = 0x80;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const auto o = static_cast<unsigned char>(octets[i]);
    clair[i] = static_cast<char>(o ^ precedent);
    precedent = o;
  }
  return clair;
}

std::string BrouilleTexte(std::string_view clair) {
  std::string octets(clair.size(), '\0');
  unsigned char precedent = 0x80;
  for (std::size_t i = 0; i < clair.size(); ++i) {
    const auto o = static_cast<unsigned char>(static_cast<unsigned char>(clair[i]) ^ precedent);
    octets[i] = static_cast<char>(o);
    precedent = o;
  }
  return octets;
}

}  // namespace kalvo
