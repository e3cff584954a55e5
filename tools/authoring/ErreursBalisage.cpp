#include "tools/authoring/ErreursBalisage.h"

#include <array>

namespace kalvo::redaction {

namespace {

constexpr std::array<std::string_view, 10> TextesErreurs{
    "commentaire trop long",
    "balise non fermée à la fin de la ligne",
    "balises fermées dans le désordre",
    "accolade « } » sans couleur ouverte (écrivez \\} pour l'accolade elle-même)",
    "accolade « { » qui n'ouvre aucune couleur (écrivez \\{ pour l'accolade elle-même)",
    "couleur inconnue",
    "suite d'étoiles illisible",
    "texte qui n'est pas en UTF-8",
    "caractère de contrôle interdit",
    "RTF mal formé"};

}  // namespace

std::string_view TexteErreurBalisage(TErreurBalisage code) {
  return code < TextesErreurs.size() ? TextesErreurs[code] : "erreur inconnue";
}

TDiagnosticBalisage Diagnostic(TErreurBalisage code, int ligne, std::string_view precision) {
  TDiagnosticBalisage d;
  d.Code = code;
  d.Ligne = ligne;
  d.Message = "Ligne " + std::to_string(ligne) + " : ";
  d.Message += TexteErreurBalisage(code);
  d.Message += precision;
  return d;
}

}  // namespace kalvo::redaction
