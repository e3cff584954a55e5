#include "model/RepriseNotes.h"

#include <algorithm>

namespace kalvo {

namespace {

// The one place (1-based) holding `numero`, or 0 when none or several do.
int PlaceUnique(const std::vector<int>& numeros, int numero) {
  const auto premier = std::find(numeros.begin(), numeros.end(), numero);
  if (premier == numeros.end() || std::find(premier + 1, numeros.end(), numero) != numeros.end()) return 0;
  return static_cast<int>(premier - numeros.begin()) + 1;
}

}  // namespace

int ReprendNotes(const TEtatReglages& source, const TNumerosVolume& numerosSource, const TNumerosVolume& numerosCible,
                 TEtatReglages& cible) {
  if (numerosSource.EstIdentite() || numerosCible.EstIdentite()) return 0;
  const std::vector<int>& de = numerosSource.Numeros();
  const std::vector<int>& vers = numerosCible.Numeros();
  int reprises = 0;
  for (int n = 1; n <= static_cast<int>(de.size()); ++n) {
    const int jeu = source.ScoresJeu.EstDonne(n) ? source.ScoresJeu[n] : TScores::SansNote;
    const int questions = source.ScoresQuestions.EstDonne(n) ? source.ScoresQuestions[n] : TScores::SansNote;
    if (jeu == TScores::SansNote && questions == TScores::SansNote) continue;
    const int numero = de[static_cast<std::size_t>(n - 1)];
    if (PlaceUnique(de, numero) != n) continue;
    const int place = PlaceUnique(vers, numero);
    if (place == 0 || !cible.ScoresJeu.EstDonne(place) || !cible.ScoresQuestions.EstDonne(place)) continue;
    cible.ScoresJeu[place] = jeu;
    cible.ScoresQuestions[place] = questions;
    ++reprises;
  }
  return reprises;
}

}  // namespace kalvo
