// The walk through the chosen deals.
#include "control/ChoixDonnes.h"

#include "model/BridgeTypes.h"

#include <algorithm>

namespace kalvo {

bool ForceConvient(int forceChoisie, int force) {
  switch (forceChoisie) {
    case 0: case 1: case 2: case 3:
      return force == forceChoisie + 1;
    case 4: case 5: case 6:
      return force > forceChoisie - 3;
    case 7:
      return force < 4;
    case 8:
      return force < 3;
    default:
      return false;
  }
}

TChoixDonnes ChoixDonnes(const TReglages& reglages) {
  return {.Aleatoire = reglages.Aleatoire || reglages.Ordre == 1,
          .TypeDonnes = reglages.TypeDonnes,
          .NumeroTheme = reglages.NumeroTheme,
          .ForceChoisie = reglages.ForceChoisie,
          .ScoreInferieurA = reglages.ScoreInferieurA};
}

bool DonneChoisie(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu, int n) {
  if (n < 1 || n > catalogue.NbDonnes()) return false;
  switch (choix.TypeDonnes) {
    case tdTheme:
      return catalogue.Theme(n) == choix.NumeroTheme;
    case tdForce:
      return ForceConvient(choix.ForceChoisie, catalogue.Force(n));
    case tdARevoir: {
      if (choix.NumeroTheme != 0 && catalogue.Theme(n) != choix.NumeroTheme) return false;
      return ARevoir(scoresJeu.EstDonne(n) ? scoresJeu[n] : TScores::SansNote, choix.ScoreInferieurA);
    }
    default:
      return true;
  }
}

std::vector<int> DonnesChoisies(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu) {
  std::vector<int> donnes;
  for (int n = 1; n <= catalogue.NbDonnes(); ++n)
    if (DonneChoisie(choix, catalogue, scoresJeu, n)) donnes.push_back(n);
  return donnes;
}

std::vector<int> OrdreComplet(const TChoixDonnes& choix, int nbDonnes, std::span<const int> ordreAleatoire) {
  const auto taille = static_cast<std::size_t>(std::max(nbDonnes, 0));
  std::vector<int> ordre;
  ordre.reserve(taille);
  std::vector<bool> place(taille + 1, false);
  if (choix.Aleatoire) {
    for (const int n : ordreAleatoire) {
      if (n < 1 || n > nbDonnes || place[static_cast<std::size_t>(n)]) continue;
      place[static_cast<std::size_t>(n)] = true;
      ordre.push_back(n);
    }
  }
  for (int n = 1; n <= nbDonnes; ++n)
    if (!place[static_cast<std::size_t>(n)]) ordre.push_back(n);
  return ordre;
}

std::vector<int> OrdreParcours(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                               std::span<const int> ordreAleatoire) {
  std::vector<int> ordre = OrdreComplet(choix, catalogue.NbDonnes(), ordreAleatoire);
  if (choix.TypeDonnes == tdARevoir) {
    std::stable_partition(ordre.begin(), ordre.end(), [&](int n) {
      const int note = scoresJeu.EstDonne(n) ? scoresJeu[n] : TScores::SansNote;
      return note != TScores::SansNote && note < choix.ScoreInferieurA;
    });
  }
  return ordre;
}

std::vector<int> ParcoursDonnes(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                                std::span<const int> ordreAleatoire) {
  std::vector<int> parcours = OrdreParcours(choix, catalogue, scoresJeu, ordreAleatoire);
  std::erase_if(parcours, [&](int n) { return !DonneChoisie(choix, catalogue, scoresJeu, n); });
  return parcours;
}

TPasDonne DonneVoisine(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                       std::span<const int> ordreAleatoire, int courante, int sens) {
  if (sens == 0) return {courante, {}};
  const std::vector<int> ordre = OrdreParcours(choix, catalogue, scoresJeu, ordreAleatoire);
  const auto taille = static_cast<std::ptrdiff_t>(ordre.size());
  const auto ici = std::find(ordre.begin(), ordre.end(), courante);
  // A current deal outside the base starts the walk just before the first
  // deal (next) or just after the last (previous).
  std::ptrdiff_t position = ici != ordre.end() ? ici - ordre.begin() : (sens > 0 ? -1 : taille);
  const std::ptrdiff_t pas = sens > 0 ? 1 : -1;
  for (std::ptrdiff_t k = 0; k < taille; ++k) {
    position = ((position + pas) % taille + taille) % taille;
    const int n = ordre[static_cast<std::size_t>(position)];
    if (DonneChoisie(choix, catalogue, scoresJeu, n)) return {n, {}};
  }
  return {courante, MessageSelectionVide};
}

}  // namespace kalvo
