// Compact RTF output. Every byte counts (the stock-taking text has 1000
// bytes of room, the summary 1900), so the writer declares only the
// colours and fonts the text uses, writes a delimiter after a control word
// only where the next character would otherwise extend it, and gives each
// character its shortest form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

struct TRgb {
  std::uint8_t Rouge = 0;
  std::uint8_t Vert = 0;
  std::uint8_t Bleu = 0;
  friend constexpr bool operator==(TRgb, TRgb) = default;
};

// Fonts of the table, by their fixed number: \f0 is the default.
// The shortest RTF for a character outside 7-bit ASCII: \~ for the
// no-break spaces, \'xx in Windows-1252, else \uN? (a surrogate pair
// above U+FFFF).
std::string FormeRtfNonAscii(char32_t code);

enum TPoliceRtf : std::uint8_t { prArial, prTimes };

class TEcrivainRtf {
 public:
  void MotControle(std::string_view mot);                 // "\\par"
  void MotControle(std::string_view mot, int parametre);  // "\\cf", 2 -> \cf2
  void OuvreGroupe();
  void FermeGroupe();
  // One character of the text, escaped and encoded for Windows-1252.
  void Caractere(char32_t code);

  // Number of the colour in the table (1-based, \cf0 being the default),
  // entered at its first use so that the table holds only what is used.
  int IndexCouleur(TRgb couleur);
  int IndexPolice(TPoliceRtf police);

  std::size_t TailleCorps() const { return corps_.size(); }
  std::string EnTete() const;
  // The whole document: header, body and the closing brace.
  std::string Document() const;

 private:
  void Octets(std::string_view octets);

  std::string corps_;
  std::vector<TRgb> Couleurs;
  bool timesUtilisee_ = false;
  bool delimiteurEnAttente_ = false;
};

}  // namespace kalvo::redaction
