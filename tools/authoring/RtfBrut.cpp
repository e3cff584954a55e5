#include "tools/authoring/RtfBrut.h"

#include "tools/authoring/EcrivainRtf.h"

namespace kalvo::redaction {

namespace {

bool EstBlanc(char32_t c) { return c == ' ' || c == '\t'; }

bool LigneBlanche(const std::u32string& texte) {
  for (const char32_t c : texte)
    if (!EstBlanc(c)) return false;
  return true;
}

// Follows the group depth through one line; escaped braces do not count.
// Returns false (with its diagnostic) at the first fault.
bool SuitLesAccolades(const TLigneSource& ligne, int& profondeur, bool& termine,
                      std::vector<TDiagnosticBalisage>& erreurs) {
  const std::u32string& t = ligne.Texte;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (termine && !EstBlanc(t[i])) {
      erreurs.push_back(Diagnostic(ebRtfMalForme, ligne.Numero, " : texte après la fin du document"));
      return false;
    }
    if (t[i] == '\\') {
      ++i;
    } else if (t[i] == '{') {
      ++profondeur;
    } else if (t[i] == '}') {
      termine = --profondeur == 0;
      if (profondeur < 0) {
        erreurs.push_back(Diagnostic(ebRtfMalForme, ligne.Numero, " : « } » de trop"));
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool EstRtfBrut(const std::vector<TLigneSource>& lignes) {
  for (const TLigneSource& ligne : lignes) {
    if (LigneBlanche(ligne.Texte)) continue;
    const std::size_t debut = ligne.Texte.find_first_not_of(U" \t");
    return ligne.Texte.compare(debut, 5, U"{\\rtf") == 0;
  }
  return false;
}

void TraduitRtfBrut(const std::vector<TLigneSource>& lignes, std::size_t budget,
                    int premiereLigne, TResultatBalisage& resultat) {
  std::vector<TFinDeLigne> fins;
  int profondeur = 0;
  bool termine = false;
  bool accoladesSaines = true;
  std::string rtf;
  for (const TLigneSource& ligne : lignes) {
    if (accoladesSaines)
      accoladesSaines = SuitLesAccolades(ligne, profondeur, termine, resultat.Erreurs);
    if (LigneBlanche(ligne.Texte)) continue;  // RTF ignores line breaks: they only cost room
    // The line break stays: it may be what ends the control word before it.
    if (!rtf.empty()) rtf += '\n';
    // Readers recognise RTF by its very first bytes.
    const std::size_t debut = rtf.empty() ? ligne.Texte.find_first_not_of(U" \t") : 0;
    for (const char32_t c : std::u32string_view(ligne.Texte).substr(debut))
      rtf += c < 0x80 ? std::string(1, static_cast<char>(c)) : FormeRtfNonAscii(c);
    fins.push_back({ligne.Numero, rtf.size()});
  }
  if (accoladesSaines && !termine) {
    const int derniere = fins.empty() ? premiereLigne : fins.back().Ligne;
    resultat.Erreurs.push_back(Diagnostic(ebRtfMalForme, derniere, " : accolades non refermées"));
  }
  VerifieBudget(rtf.size(), 0, fins, budget, premiereLigne, resultat.Erreurs);
  resultat.Rtf = std::move(rtf);
}

}  // namespace kalvo::redaction
