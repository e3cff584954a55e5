// Raw RTF written by the author, for what the markup cannot say: it is
// taken as it is, its non-ASCII characters written in RTF's own escapes
// so that the stored bytes are plain ASCII, and its braces checked.
#pragma once

#include "tools/authoring/Balisage.h"
#include "tools/authoring/LignesSource.h"

#include <vector>

namespace kalvo::redaction {

// A source is raw RTF when its first non-blank line begins with "{\rtf".
bool EstRtfBrut(const std::vector<TLigneSource>& lignes);

void TraduitRtfBrut(const std::vector<TLigneSource>& lignes, std::size_t budget,
                    int premiereLigne, TResultatBalisage& resultat);

}  // namespace kalvo::redaction
