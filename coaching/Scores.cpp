#include "coaching/Scores.h"

#include <cstdint>

namespace kalvo {

namespace {

constexpr const char* Tiret = "—";

// num / den to the nearest whole number, a half to the even one; den > 0.
std::int64_t ArrondiPair(std::int64_t num, std::int64_t den) {
  std::int64_t q = num / den;
  std::int64_t r = num % den;
  if (r < 0) {
    --q;
    r += den;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return q;
}

std::string Pourcent(std::optional<int> valeur, const char* absent) {
  return valeur ? std::to_string(*valeur) + " %" : std::string(absent);
}

std::string TexteNote(const TScores& scores, int n) {
  return scores.EstDonne(n) && EstNote(scores[n]) ? std::to_string(scores[n]) : std::string(Tiret);
}

}  // namespace

bool EstNote(int note) { return note >= 0; }

int NombreDonnesNotees(const TScores& scores) {
  int nombre = 0;
  for (int n = 1; n <= scores.NbDonnes(); ++n) nombre += EstNote(scores[n]) ? 1 : 0;
  return nombre;
}

std::optional<int> MoyenneTronquee(const TScores& scores) {
  std::int64_t somme = 0;
  int nombre = 0;
  for (int n = 1; n <= scores.NbDonnes(); ++n) {
    if (!EstNote(scores[n])) continue;
    somme += scores[n];
    ++nombre;
  }
  if (nombre == 0) return std::nullopt;
  return static_cast<int>(somme / nombre);
}

std::optional<int> MoyenneArrondie(const TScores& scores) {
  std::int64_t somme = 0;
  int nombre = 0;
  for (int n = 1; n <= scores.NbDonnes(); ++n) {
    if (!EstNote(scores[n])) continue;
    somme += scores[n];
    ++nombre;
  }
  if (nombre == 0) return std::nullopt;
  return static_cast<int>(ArrondiPair(somme, nombre));
}

int PoidsForceDixiemes(int force) {
  switch (force) {
    case 1: return 6;
    case 2: return 8;
    case 3: return 10;
    case 4: return 12;
    default: return 10;
  }
}

std::optional<int> ScorePondere(const TScores& scoresJeu, const TCatalogue& catalogue) {
  std::int64_t somme = 0;
  std::int64_t poids = 0;
  for (int n = 1; n <= scoresJeu.NbDonnes(); ++n) {
    if (!EstNote(scoresJeu[n])) continue;
    const int p = PoidsForceDixiemes(n <= catalogue.NbDonnes() ? catalogue.Force(n) : 0);
    somme += static_cast<std::int64_t>(scoresJeu[n]) * p;
    poids += p;
  }
  if (poids == 0) return std::nullopt;
  return static_cast<int>(ArrondiPair(somme, poids));
}

std::string TexteScoreDialogue(const TScores& scores) { return Pourcent(MoyenneTronquee(scores), "---"); }

TResumeScores ResumeScores(const TScores& scoresJeu, const TCatalogue& catalogue) {
  return {Pourcent(MoyenneArrondie(scoresJeu), Tiret), Pourcent(ScorePondere(scoresJeu, catalogue), Tiret),
          std::to_string(NombreDonnesNotees(scoresJeu))};
}

TLigneScores LigneScores(int n, const TScores& scoresJeu, const TScores& scoresQuestions,
                         const TCatalogue& catalogue) {
  TLigneScores ligne{"Donne " + std::to_string(n), Tiret, Tiret, Tiret, Tiret};
  if (n < 1 || n > catalogue.NbDonnes()) return ligne;
  const int theme = catalogue.Theme(n);
  if (theme <= 0 || theme >= NbThemes) return ligne;
  ligne[1] = std::string(NomsThemes[static_cast<std::size_t>(theme)]);
  ligne[2] = std::to_string(catalogue.Force(n));
  ligne[3] = TexteNote(scoresJeu, n);
  ligne[4] = TexteNote(scoresQuestions, n);
  return ligne;
}

void RemiseAZeroScores(TScores& scoresJeu, TScores& scoresQuestions) {
  for (int n = 1; n <= scoresJeu.NbDonnes(); ++n) scoresJeu[n] = TScores::SansNote;
  for (int n = 1; n <= scoresQuestions.NbDonnes(); ++n) scoresQuestions[n] = TScores::SansNote;
}

}  // namespace kalvo
