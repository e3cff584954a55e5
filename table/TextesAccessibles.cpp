#include "table/TextesAccessibles.h"

namespace kalvo {

std::string DescriptionLevee(const std::vector<std::pair<TJoueur, TCard>>& posees) {
  std::string texte;
  for (const auto& [joueur, carte] : posees) {
    if (!carte.EstReelle() || !EstJoueurValide(joueur)) continue;
    texte += texte.empty() ? "Sur la table : " : " ; ";
    texte += std::string(NomsJoueurs[joueur]) + ", " + NomCarte(carte);
  }
  return texte.empty() ? "Aucune carte sur la table." : texte + ".";
}

std::string DescriptionLevees(int levees) {
  // French keeps the singular for 0 and 1.
  return std::to_string(levees) + (levees > 1 ? " levées" : " levée");
}

std::string DescriptionNote(int note) {
  if (note < 0 || note > 100) return "pas de note";
  return std::to_string(note) + " sur 100";
}

std::string DescriptionCarteJouee(TJoueur joueur) {
  return EstJoueurValide(joueur) ? "Jouée par " + std::string(NomsJoueurs[joueur]) : std::string();
}

}  // namespace kalvo
