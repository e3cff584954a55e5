#include "control/ScoresAffiches.h"

#include "coaching/Scores.h"

namespace kalvo {

TScoresAffiches ScoresAffiches(const TScores& scoresJeu, const TScores& scoresQuestions, const TCatalogue& catalogue) {
  TScoresAffiches scores;
  scores.ScoreJeu = TexteScoreDialogue(scoresJeu);
  scores.ScoreQuestions = TexteScoreDialogue(scoresQuestions);
  const TResumeScores resume = ResumeScores(scoresJeu, catalogue);
  scores.Global = resume.Global;
  scores.Pondere = resume.Pondere;
  scores.DonnesJouees = resume.DonnesJouees;
  for (int n = 1; n <= catalogue.NbDonnes(); ++n) scores.Lignes.push_back(LigneScores(n, scoresJeu, scoresQuestions, catalogue));
  return scores;
}

}  // namespace kalvo
