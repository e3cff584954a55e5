#include "model/TexteVisible.h"

#include "model/Windows1252.h"

#include <cstdio>

namespace kalvo {

namespace {

void AjouteCode(std::string& sortie, const char* format, unsigned valeur) {
  char code[8];
  std::snprintf(code, sizeof code, format, valeur);
  sortie += code;
}

}  // namespace

std::string TexteVisible(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  std::size_t pos = 0;
  while (pos < texte.size()) {
    const std::size_t debut = pos;
    const char32_t c = LitCaractereUtf8(texte, pos);
    const std::string_view octets = texte.substr(debut, pos - debut);
    if (c == 0xFFFD && octets != "\xEF\xBF\xBD") {
      AjouteCode(sortie, "\\x%02x", static_cast<unsigned char>(texte[debut]));
    } else if (c == '\r') {
      sortie += "\\r";
    } else if (c == '\n') {
      sortie += "\\n";
    } else if (c == '\t') {
      sortie += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      AjouteCode(sortie, "\\x%02x", static_cast<unsigned>(c));
    } else if (c >= 0x80 && c <= 0x9F) {
      AjouteCode(sortie, "\\u%04x", static_cast<unsigned>(c));
    } else {
      sortie += octets;
    }
  }
  return sortie;
}

}  // namespace kalvo
