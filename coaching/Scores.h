// The figures of the two score screens, from the marks kept per deal and
// the catalogue's themes and strengths.
#pragma once

#include "model/BaseDonnes.h"
#include "model/Reglages.h"

#include <array>
#include <optional>
#include <string>

namespace kalvo {

// A deal counts as played when its mark is not -1 (any negative value is
// read the same way, so a stray value never enters an average).
bool EstNote(int note);
int NombreDonnesNotees(const TScores& scores);

// Sum of the marks div their number; nothing when no deal has a mark.
std::optional<int> MoyenneTronquee(const TScores& scores);
// The mean rounded to the nearest whole number, a half going to the even
// one (100 and 85 give 92, 100 and 87 give 94).
std::optional<int> MoyenneArrondie(const TScores& scores);

// Weight of a deal by strength, in tenths: 1 -> 6, 2 -> 8, 3 -> 10, and 12
// for strength 4, which carries the step of the three others one further so
// that the hardest deals weigh most. A strength outside 1..4 weighs as a
// plain deal (10). Tenths keep the weighted mean exact, so a half is a half.
int PoidsForceDixiemes(int force);

// Sum of mark x weight over the played deals divided by the sum of their
// weights, rounded as MoyenneArrondie; nothing when no deal is played (every
// weight is positive, so the divisor is never zero then).
std::optional<int> ScorePondere(const TScores& scoresJeu, const TCatalogue& catalogue);

// The score dialog: "92 %", or "---" when nothing counts.
std::string TexteScoreDialogue(const TScores& scores);

// The detailed dialog's top panel.
struct TResumeScores {
  std::string Global;        // "92 %" or "—"
  std::string Pondere;       // "93 %" or "—"
  std::string DonnesJouees;  // "2" or "0"
};
TResumeScores ResumeScores(const TScores& scoresJeu, const TCatalogue& catalogue);

// Row of deal n in the detailed table: "Donne n", theme, strength, play
// mark, question mark; "—" for a missing mark, and in every column after
// the first for a deal without theme (theme 0).
using TLigneScores = std::array<std::string, 5>;
TLigneScores LigneScores(int n, const TScores& scoresJeu, const TScores& scoresQuestions, const TCatalogue& catalogue);

// Every mark of both arrays becomes -1.
void RemiseAZeroScores(TScores& scoresJeu, TScores& scoresQuestions);

}  // namespace kalvo
