#include "tools/authoring/EcrivainRtf.h"

#include "model/Windows1252.h"

#include <algorithm>

namespace kalvo::redaction {

namespace {

// After a control word, these characters would be read as part of it
// (letters, parameter digits, a minus sign) or swallowed (a space).
bool ProlongeUnMotControle(char32_t code) {
  return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
         (code >= '0' && code <= '9') || code == ' ' || code == '-';
}

// The Windows-1252 byte of a character, or -1 outside the code page.
int OctetWindows1252(char32_t code) {
  std::string utf8;
  AjouteUtf8(utf8, code);
  const std::string octet = Utf8VersWindows1252(utf8);
  if (octet.size() != 1 || (octet[0] == '?' && code != '?')) return -1;
  return static_cast<unsigned char>(octet[0]);
}

// \uN takes a signed 16-bit number; \uc1 (the default) skips the '?'.
std::string FormeUnicode(char32_t code) {
  if (code > 0xFFFF) {
    const char32_t reste = code - 0x10000;
    return FormeUnicode(0xD800 + (reste >> 10)) + FormeUnicode(0xDC00 + (reste & 0x3FF));
  }
  const int signe = code > 0x7FFF ? static_cast<int>(code) - 0x10000 : static_cast<int>(code);
  return "\\u" + std::to_string(signe) + "?";
}

}  // namespace

std::string FormeRtfNonAscii(char32_t code) {
  static constexpr char Hexa[] = "0123456789abcdef";
  if (code == 0xA0 || code == 0x202F) return "\\~";  // no glyph for the narrow one in the usual fonts
  if (const int octet = OctetWindows1252(code); octet >= 0)
    return std::string{'\\', '\'', Hexa[octet >> 4], Hexa[octet & 15]};
  return FormeUnicode(code);
}

void TEcrivainRtf::Octets(std::string_view octets) {
  corps_ += octets;
  delimiteurEnAttente_ = false;
}

void TEcrivainRtf::MotControle(std::string_view mot) {
  corps_ += mot;
  delimiteurEnAttente_ = true;
}

void TEcrivainRtf::MotControle(std::string_view mot, int parametre) {
  corps_ += mot;
  corps_ += std::to_string(parametre);
  delimiteurEnAttente_ = true;
}

void TEcrivainRtf::OuvreGroupe() { Octets("{"); }
void TEcrivainRtf::FermeGroupe() { Octets("}"); }

void TEcrivainRtf::Caractere(char32_t code) {
  if (code == '\\' || code == '{' || code == '}') {
    Octets(std::string{'\\', static_cast<char>(code)});
  } else if (code == '\t') {
    MotControle("\\tab");
  } else if (code >= 0x20 && code < 0x7F) {
    if (delimiteurEnAttente_ && ProlongeUnMotControle(code)) corps_ += ' ';
    Octets(std::string(1, static_cast<char>(code)));
  } else if (code > 0x7F) {
    Octets(FormeRtfNonAscii(code));
  }  // other control characters are refused by the markup reader
}

int TEcrivainRtf::IndexCouleur(TRgb couleur) {
  const auto trouvee = std::find(Couleurs.begin(), Couleurs.end(), couleur);
  if (trouvee != Couleurs.end()) return static_cast<int>(trouvee - Couleurs.begin()) + 1;
  Couleurs.push_back(couleur);
  return static_cast<int>(Couleurs.size());
}

int TEcrivainRtf::IndexPolice(TPoliceRtf police) {
  if (police == prTimes) timesUtilisee_ = true;
  return police;
}

std::string TEcrivainRtf::EnTete() const {
  std::string entete = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}";
  if (timesUtilisee_) entete += "{\\f1\\froman Times New Roman;}";
  entete += '}';
  if (!Couleurs.empty()) {
    entete += "{\\colortbl;";
    for (const TRgb c : Couleurs)
      entete += "\\red" + std::to_string(c.Rouge) + "\\green" + std::to_string(c.Vert) +
                "\\blue" + std::to_string(c.Bleu) + ';';
    entete += '}';
  }
  return entete;
}

std::string TEcrivainRtf::Document() const {
  std::string document = EnTete();
  // The header ends with a brace, so the body may begin with anything.
  document += corps_;
  document += '}';
  return document;
}

}  // namespace kalvo::redaction
