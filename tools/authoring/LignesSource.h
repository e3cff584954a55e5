// The source of a commentary cut into decoded lines, and the accounting
// that turns "the RTF is too long" into the line where the room ran out.
#pragma once

#include "tools/authoring/ErreursBalisage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

struct TLigneSource {
  int Numero = 0;       // in the file being compiled
  std::u32string Texte;  // without its line break; tabs kept
};

// Splits at LF (a CR before it is dropped) and decodes UTF-8, skipping a
// leading byte-order mark. Malformed UTF-8 and control characters other
// than the tab are reported and left out.
std::vector<TLigneSource> DecoupeLignes(std::string_view source, int premiereLigne,
                                        std::vector<TDiagnosticBalisage>& erreurs);

// Size of the RTF body once each source line has been written.
struct TFinDeLigne {
  int Ligne = 0;
  std::size_t TailleCorps = 0;
};

// Reports ebTropLong at the first line whose end no longer fits;
// tailleHorsCorps counts what surrounds the body (header, closing brace).
void VerifieBudget(std::size_t tailleTotale, std::size_t tailleHorsCorps,
                   const std::vector<TFinDeLigne>& fins, std::size_t budget,
                   int premiereLigne, std::vector<TDiagnosticBalisage>& erreurs);

}  // namespace kalvo::redaction
