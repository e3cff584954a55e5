// The light markup in which teachers write a deal's two commentaries
// ("Le point" and the summary), and its translation into the compact RTF
// stored in the deal record. The syntax is described in deals/README.md:
//
//   # Titre                  a centred bold title line
//   - élément                a bulleted line
//   **gras** *italique* __souligné__
//   {rouge:texte} {bleu:…} {vert:…} {orange:…} {violet:…} {gris:…} {noir:…}
//   {serif:texte}            Times New Roman instead of Arial
//   !S !H !D !C  (or ♠ ♥ ♦ ♣) suit symbols, hearts and diamonds in red
//   \*  \{  \!  …            a markup character written as itself
//
// Every line of the source is a line on screen (the viewer wraps long
// ones); a blank line leaves one empty line. A source beginning with
// "{\rtf" is raw RTF and passes through unchanged apart from its
// non-ASCII characters.
#pragma once

#include "tools/authoring/ErreursBalisage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

// Room of the two commentaries in the deal record, in bytes of RTF.
inline constexpr std::size_t TailleMaxPoint = 1000;
inline constexpr std::size_t TailleMaxResume = 1900;

struct TResultatBalisage {
  std::string Rtf;  // Windows-1252 bytes; written even when there are errors
  std::vector<TDiagnosticBalisage> Erreurs;
  bool Reussi() const { return Erreurs.empty(); }
};

// source: UTF-8 markup (or raw RTF). budget: the most bytes the RTF may
// take. premiereLigne: the number, in the file being compiled, of the
// source's first line, so that messages point into that file.
TResultatBalisage BalisageVersRtf(std::string_view source, std::size_t budget,
                                  int premiereLigne = 1);

}  // namespace kalvo::redaction
