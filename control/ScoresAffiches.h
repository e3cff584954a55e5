// What the two score dialogs show, worked out from the marks and the
// catalogue: texts the screen puts where they go.
#pragma once

#include "control/Progres.h"

#include <array>
#include <string>
#include <vector>

namespace kalvo {

class TCatalogue;
class TScores;

struct TScoresAffiches {
  std::string ScoreJeu;        // the score dialog: "92 %", or "---" when nothing counts
  std::string ScoreQuestions;
  std::string Global;          // the detailed dialog's top panel: "92 %" or "—"
  std::string Pondere;         // "93 %" or "—"
  std::string DonnesJouees;    // "2" or "0"
  // Deal n (1-based) in row n - 1: "Donne n", theme, strength, play mark,
  // question mark.
  std::vector<std::array<std::string, 5>> Lignes;
  // The progress window the score dialog opens ("Progrès").
  TProgres Progres;
};

TScoresAffiches ScoresAffiches(const TScores& scoresJeu, const TScores& scoresQuestions, const TCatalogue& catalogue);

}  // namespace kalvo
