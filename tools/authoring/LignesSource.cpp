#include "tools/authoring/LignesSource.h"

#include "model/Windows1252.h"

namespace kalvo::redaction {

namespace {

// U+FFFD is also what the decoder returns for a malformed sequence.
bool EstRemplacementAuthentique(std::string_view ligne, std::size_t debut, std::size_t fin) {
  return ligne.substr(debut, fin - debut) == "\xEF\xBF\xBD";
}

bool EstControleInterdit(char32_t code) {
  return (code < 0x20 && code != '\t') || (code >= 0x7F && code < 0xA0);
}

TLigneSource DecodeLigne(std::string_view ligne, int numero,
                         std::vector<TDiagnosticBalisage>& erreurs) {
  TLigneSource resultat;
  resultat.Numero = numero;
  bool utf8Signale = false;
  bool controleSignale = false;
  std::size_t pos = 0;
  while (pos < ligne.size()) {
    const std::size_t debut = pos;
    const char32_t code = LitCaractereUtf8(ligne, pos);
    const bool horsUnicode = code > 0x10FFFF || (code >= 0xD800 && code < 0xE000);
    if (horsUnicode || (code == 0xFFFD && !EstRemplacementAuthentique(ligne, debut, pos))) {
      if (!utf8Signale) erreurs.push_back(Diagnostic(ebUtf8Invalide, numero));
      utf8Signale = true;
    } else if (EstControleInterdit(code)) {
      if (!controleSignale) erreurs.push_back(Diagnostic(ebCaractereInterdit, numero));
      controleSignale = true;
    } else {
      resultat.Texte += code;
    }
  }
  return resultat;
}

}  // namespace

std::vector<TLigneSource> DecoupeLignes(std::string_view source, int premiereLigne,
                                        std::vector<TDiagnosticBalisage>& erreurs) {
  if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);
  std::vector<TLigneSource> lignes;
  int numero = premiereLigne;
  while (!source.empty()) {
    const std::size_t fin = source.find('\n');
    std::string_view ligne = source.substr(0, fin);
    if (ligne.ends_with('\r')) ligne.remove_suffix(1);
    lignes.push_back(DecodeLigne(ligne, numero++, erreurs));
    source.remove_prefix(fin == std::string_view::npos ? source.size() : fin + 1);
  }
  return lignes;
}

void VerifieBudget(std::size_t tailleTotale, std::size_t tailleHorsCorps,
                   const std::vector<TFinDeLigne>& fins, std::size_t budget,
                   int premiereLigne, std::vector<TDiagnosticBalisage>& erreurs) {
  if (tailleTotale <= budget) return;
  int ligne = fins.empty() ? premiereLigne : fins.back().Ligne;
  for (const TFinDeLigne& fin : fins) {
    if (tailleHorsCorps + fin.TailleCorps > budget) {
      ligne = fin.Ligne;
      break;
    }
  }
  erreurs.push_back(Diagnostic(ebTropLong, ligne,
                               " : " + std::to_string(tailleTotale) + " octets de RTF pour " +
                                   std::to_string(budget) + " au plus ; la place manque dès cette ligne"));
}

}  // namespace kalvo::redaction
