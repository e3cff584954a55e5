#include "model/Windows1252.h"

#include <array>

namespace kalvo {

namespace {

// Code points of bytes 0x80..0x9F; 0xFFFD marks the code page's holes.
constexpr std::array<char32_t, 32> Plage80{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t CodeDeOctet(unsigned char o) {
  if (o >= 0x80 && o < 0xA0) return Plage80[o - 0x80];
  return o;
}

int OctetDeCode(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (std::size_t i = 0; i < Plage80.size(); ++i)
    if (Plage80[i] == code && code != 0xFFFD) return static_cast<int>(0x80 + i);
  return -1;
}

}  // namespace

void AjouteUtf8(std::string& sortie, char32_t code) {
  if (code < 0x80) {
    sortie += static_cast<char>(code);
  } else if (code < 0x800) {
    sortie += static_cast<char>(0xC0 | (code >> 6));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    sortie += static_cast<char>(0xE0 | (code >> 12));
    sortie += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    sortie += static_cast<char>(0xF0 | (code >> 18));
    sortie += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    sortie += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (code & 0x3F));
  }
}

char32_t LitCaractereUtf8(std::string_view texte, std::size_t& pos) {
  const auto o = static_cast<unsigned char>(texte[pos]);
  int suite = 0;
  char32_t code = 0;
  if (o < 0x80) {
    ++pos;
    return o;
  } else if ((o & 0xE0) == 0xC0) {
    suite = 1;
    code = o & 0x1F;
  } else if ((o & 0xF0) == 0xE0) {
    suite = 2;
    code = o & 0x0F;
  } else if ((o & 0xF8) == 0xF0) {
    suite = 3;
    code = o & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + static_cast<std::size_t>(suite) >= texte.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int k = 1; k <= suite; ++k) {
    const auto s = static_cast<unsigned char>(texte[pos + static_cast<std::size_t>(k)]);
    if ((s & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    code = (code << 6) | (s & 0x3F);
  }
  pos += static_cast<std::size_t>(suite) + 1;
  return code;
}

std::string Windows1252VersUtf8(std::string_view octets) {
  std::string sortie;
  sortie.reserve(octets.size() + octets.size() / 8);
  for (char o : octets) AjouteUtf8(sortie, CodeDeOctet(static_cast<unsigned char>(o)));
  return sortie;
}

std::string Utf8VersWindows1252(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  std::size_t pos = 0;
  while (pos < texte.size()) {
    const int octet = OctetDeCode(LitCaractereUtf8(texte, pos));
    sortie += octet < 0 ? '?' : static_cast<char>(octet);
  }
  return sortie;
}

}  // namespace kalvo
