// The figures of the score screens.
#include "coaching/Scores.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TScores Notes(std::initializer_list<int> notes) {
  TScores scores(static_cast<int>(notes.size()));
  int n = 1;
  for (int note : notes) scores[n++] = note;
  return scores;
}

TCatalogue Catalogue(std::initializer_list<std::pair<int, int>> forcesThemes) {
  TCatalogue catalogue;
  for (auto [force, theme] : forcesThemes) catalogue.Ajoute(force, theme);
  return catalogue;
}

TEST(Scores, TheTwoDialogsRoundTheSameMeanDifferently) {
  // Truncated in the score dialog, to the even neighbour in the detailed one.
  EXPECT_EQ(TexteScoreDialogue(Notes({100, 85})), "92 %");
  EXPECT_EQ(TexteScoreDialogue(Notes({100, 87})), "93 %");
  const TCatalogue deux = Catalogue({{3, 1}, {3, 2}});
  EXPECT_EQ(ResumeScores(Notes({100, 85}), deux).Global, "92 %");
  EXPECT_EQ(ResumeScores(Notes({100, 87}), deux).Global, "94 %");
  EXPECT_EQ(MoyenneArrondie(Notes({100, 86, -1})), 93);
  EXPECT_EQ(MoyenneArrondie(Notes({0, 1})), 0);   // 0.5 -> 0
  EXPECT_EQ(MoyenneArrondie(Notes({1, 2})), 2);   // 1.5 -> 2
  EXPECT_EQ(MoyenneArrondie(Notes({50, 51, 51})), 51);
  EXPECT_EQ(MoyenneTronquee(Notes({50, 51, 51})), 50);
}

TEST(Scores, NothingPlayedShowsDashes) {
  const TScores vides(5);
  EXPECT_EQ(TexteScoreDialogue(vides), "---");
  const TResumeScores resume = ResumeScores(vides, Catalogue({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {1, 0}}));
  EXPECT_EQ(resume.Global, "—");
  EXPECT_EQ(resume.Pondere, "—");
  EXPECT_EQ(resume.DonnesJouees, "0");
  EXPECT_EQ(TexteScoreDialogue(TScores(0)), "---");
  EXPECT_EQ(ResumeScores(TScores(0), TCatalogue{}).Pondere, "—");
}

TEST(Scores, WeightedByStrength) {
  EXPECT_EQ(PoidsForceDixiemes(1), 6);
  EXPECT_EQ(PoidsForceDixiemes(2), 8);
  EXPECT_EQ(PoidsForceDixiemes(3), 10);
  EXPECT_EQ(PoidsForceDixiemes(4), 12);
  // (100 x 0.6 + 50 x 1.0) / 1.6 = 68.75
  EXPECT_EQ(ScorePondere(Notes({100, 50}), Catalogue({{1, 1}, {3, 1}})), 69);
  // (90 x 0.8 + 60 x 1.2) / 2.0 = 72; the unplayed deal weighs nothing.
  EXPECT_EQ(ScorePondere(Notes({90, -1, 60}), Catalogue({{2, 1}, {1, 1}, {4, 1}})), 72);
  // Only strength-4 deals played: still a figure, no division by zero.
  EXPECT_EQ(ScorePondere(Notes({-1, 77, 80}), Catalogue({{1, 1}, {4, 1}, {4, 2}})), 78);  // 78.5 -> 78
  // An exact half stays a half: (85 x 0.6 + 100 x 0.6) / 1.2 = 92.5 -> 92.
  EXPECT_EQ(ScorePondere(Notes({85, 100}), Catalogue({{1, 1}, {1, 1}})), 92);
  EXPECT_EQ(ScorePondere(Notes({87, 100}), Catalogue({{1, 1}, {1, 1}})), 94);
  EXPECT_EQ(ResumeScores(Notes({100, 50}), Catalogue({{1, 1}, {3, 1}})).Pondere, "69 %");
  EXPECT_EQ(ResumeScores(Notes({100, 50, -1}), Catalogue({{1, 1}, {3, 1}, {3, 1}})).DonnesJouees, "2");
}

TEST(Scores, RowsOfTheDetailedTable) {
  const TCatalogue catalogue = Catalogue({{2, 23}, {1, 0}, {4, 5}});
  const TScores jeu = Notes({80, 100, -1});
  const TScores questions = Notes({-1, 90, 70});
  EXPECT_EQ(LigneScores(1, jeu, questions, catalogue), (TLigneScores{"Donne 1", "Impasses", "2", "80", "—"}));
  EXPECT_EQ(LigneScores(2, jeu, questions, catalogue), (TLigneScores{"Donne 2", "—", "—", "—", "—"}));
  EXPECT_EQ(LigneScores(3, jeu, questions, catalogue),
            (TLigneScores{"Donne 3", "Eviter l'adversaire dangereux", "4", "—", "70"}));
  // A deal the catalogue or the marks do not hold shows dashes, never reads out of bounds.
  EXPECT_EQ(LigneScores(4, jeu, questions, catalogue), (TLigneScores{"Donne 4", "—", "—", "—", "—"}));
  EXPECT_EQ(LigneScores(3, TScores(1), TScores(0), catalogue)[3], "—");
}

TEST(Scores, ResetClearsBothArrays) {
  TScores jeu = Notes({80, 100, 0});
  TScores questions = Notes({-1, 90, 70});
  RemiseAZeroScores(jeu, questions);
  EXPECT_EQ(jeu, TScores(3));
  EXPECT_EQ(questions, TScores(3));
  EXPECT_EQ(TexteScoreDialogue(jeu), "---");
  EXPECT_EQ(TexteScoreDialogue(questions), "---");
  EXPECT_EQ(ResumeScores(jeu, Catalogue({{1, 1}, {1, 1}, {1, 1}})).DonnesJouees, "0");
}

}  // namespace
}  // namespace kalvo
