// TScoreGlobalDlg: "Vos scores", the two overall percentages, the detailed
// scores and the reset of every mark, which the caller carries out once the
// dialog is closed.
#pragma once

#include "control/ScoresAffiches.h"
#include "table/StyleDialogues.h"

namespace kalvo {

class TFScores;

class TScoreGlobalDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  // detail: the detailed dialog that "Scores détaillés" opens.
  explicit TScoreGlobalDlg(TFScores* detail, QWidget* parent = nullptr);

  // The figures of the marks as they stand, and as they read once reset
  // (what "Remise des scores à zéro" shows from then on).
  void Prepare(const TScoresAffiches& scores, const TScoresAffiches& apresRemise);
  // Prepare, then modal; true when the user asked for the reset.
  bool Montre(const TScoresAffiches& scores, const TScoresAffiches& apresRemise);
  bool ScoresRemisAZero() const { return FRemisAZero; }

  QLabel* ScoreLb() const { return FScoreJeu; }
  QLabel* Score2() const { return FScoreQuestions; }
  QPushButton* BScores() const { return FDetail; }
  QPushButton* BEffaceScores() const { return FEfface; }
  QPushButton* btn1() const { return FOk; }

 private:
  void Actualise();
  void RemetAZero();

  const TScoresAffiches& Affiches() const { return FRemisAZero ? FApresRemise : FScores; }

  TFScores* FFScores;
  TScoresAffiches FScores;
  TScoresAffiches FApresRemise;
  bool FRemisAZero = false;
  QLabel* FScoreJeu = nullptr;
  QLabel* FScoreQuestions = nullptr;
  QPushButton* FDetail = nullptr;
  QPushButton* FEfface = nullptr;
  QPushButton* FOk = nullptr;
};

}  // namespace kalvo
