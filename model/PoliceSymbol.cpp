#include "model/PoliceSymbol.h"

#include <array>
#include <string_view>
#include <utility>

namespace kalvo {

namespace {

// Greek letters in the Latin order of the font: A..Z then a..z.
constexpr std::u32string_view GrecMajuscules = U"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr std::u32string_view GrecMinuscules = U"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

constexpr std::array<std::pair<unsigned char, char32_t>, 11> SignesBas{{
    {0x22, U'∀'}, {0x24, U'∃'}, {0x27, U'∋'}, {0x2A, U'∗'}, {0x2D, U'−'}, {0x40, U'≅'},
    {0x5C, U'∴'}, {0x5E, U'⊥'}, {0x60, 0}, {0x7E, U'∼'}, {0x7F, 0}}};

// 0xA0..0xFF; 0 for the bracket pieces. An array, not a view: it holds NULs.
constexpr char32_t SignesHauts[] =
    U"€ϒ′≤⁄∞ƒ♣♦♥♠↔←↑→↓°±″≥×∝∂•÷≠≡≈…\0\0\0"
    U"ℵℑℜ℘⊗⊕∅∩∪⊃⊇⊄⊂⊆∈∉∠∇®©™∏√⋅¬∧∨⇔⇐⇑⇒⇓"
    U"◊〈®©™∑\0\0\0\0\0\0\0\0\0\0\0〉∫⌠\0⌡\0\0\0\0\0\0\0\0\0\0";

}  // namespace

char32_t CaractereSymbol(unsigned char octet) {
  if (octet >= 'A' && octet <= 'Z') return GrecMajuscules[octet - 'A'];
  if (octet >= 'a' && octet <= 'z') return GrecMinuscules[octet - 'a'];
  for (const auto& [o, code] : SignesBas)
    if (o == octet) return code;
  static_assert(std::size(SignesHauts) == 0x60 + 1);
  if (octet >= 0xA0) return SignesHauts[octet - 0xA0];
  if (octet < 0x20 || (octet >= 0x80 && octet < 0xA0)) return 0;
  return octet;  // digits and the other punctuation are the ASCII ones
}

}  // namespace kalvo
