// TScoreGlobalDlg: "Vos scores", the two overall percentages, the detailed
// scores and the reset of every mark, which the caller carries out once the
// dialog is closed.
#pragma once

#include "control/ScoresAffiches.h"
#include "table/StyleDialogues.h"

#include <optional>

namespace kalvo {

class TFScores;
class TProgresDlg;

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
  bool ScoresRemisAZero() const { return remisAZero_; }
  // The theme the progress window asked to work on during the last showing.
  std::optional<int> ThemeARevoir() const { return themeARevoir_; }
  QPushButton* BProgres() const { return progres_; }
  TProgresDlg* Progres() const { return fenetreProgres_; }

  QLabel* ScoreLb() const { return scoreJeu_; }
  QLabel* Score2() const { return scoreQuestions_; }
  QPushButton* BScores() const { return detail_; }
  QPushButton* BEffaceScores() const { return efface_; }
  QPushButton* btn1() const { return ok_; }

 private:
  void Actualise();
  void RemetAZero();

  const TScoresAffiches& Affiches() const { return remisAZero_ ? apresRemise_ : scores_; }

  TFScores* fenetreScores_;
  TScoresAffiches scores_;
  TScoresAffiches apresRemise_;
  bool remisAZero_ = false;
  QLabel* scoreJeu_ = nullptr;
  QLabel* scoreQuestions_ = nullptr;
  QPushButton* detail_ = nullptr;
  QPushButton* efface_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* progres_ = nullptr;
  TProgresDlg* fenetreProgres_ = nullptr;
  std::optional<int> themeARevoir_;
};

}  // namespace kalvo
