// TScoreGlobalDlg: "Vos scores", the two overall percentages, the detailed
// scores and the reset of every mark.
#pragma once

#include "coaching/Scores.h"
#include "table/StyleDialogues.h"

namespace kalvo {

class TFScores;

class TScoreGlobalDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  // detail: the detailed dialog that "Scores détaillés" opens.
  explicit TScoreGlobalDlg(TFScores* detail, QWidget* parent = nullptr);

  // Works on the caller's marks until the dialog is shown again: the reset
  // writes -1 into both arrays, which the caller saves with its settings.
  void Prepare(TScores& scoresJeu, TScores& scoresQuestions, const TCatalogue& catalogue);
  // Prepare, then modal; true when the marks were reset meanwhile.
  bool Montre(TScores& scoresJeu, TScores& scoresQuestions, const TCatalogue& catalogue);
  bool ScoresRemisAZero() const { return FRemisAZero; }

  QLabel* ScoreLb() const { return FScoreJeu; }
  QLabel* Score2() const { return FScoreQuestions; }
  QPushButton* BScores() const { return FDetail; }
  QPushButton* BEffaceScores() const { return FEfface; }
  QPushButton* btn1() const { return FOk; }

 private:
  void Actualise();
  void RemetAZero();

  TFScores* FFScores;
  TScores* FJeu = nullptr;
  TScores* FQuestions = nullptr;
  const TCatalogue* FCatalogue = nullptr;
  bool FRemisAZero = false;
  QLabel* FScoreJeu = nullptr;
  QLabel* FScoreQuestions = nullptr;
  QPushButton* FDetail = nullptr;
  QPushButton* FEfface = nullptr;
  QPushButton* FOk = nullptr;
};

}  // namespace kalvo
