// TRepartitionDlg: how a suit was divided between West and East. Up to four
// divisions in the radio group "Ouest-Est"; OK closes once one is chosen.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

#include <QButtonGroup>

#include <array>
#include <optional>

class QGroupBox;

namespace kalvo {

class TRepartitionDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TRepartitionDlg(QWidget* parent = nullptr);

  void Prepare(const TQuestionPosee& question);
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);
  int Choix() const { return items_->checkedId(); }
  TReponseQuestion Reponse() const;

  const std::array<int, 2>& repartReelle() const { return reelle_; }
  const std::array<std::array<int, 2>, 4>& repartProp() const { return propositions_; }
  QLabel* Label() const { return label_; }
  QLabel* LabelCouleur() const { return couleur_; }
  QGroupBox* Groupe() const { return groupe_; }
  QAbstractButton* Item(int k) const { return items_->button(k); }
  QPushButton* BoutonOk() const { return ok_; }

 protected:
  // 1..4 chooses the proposition of that rank.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* label_ = nullptr;
  QLabel* couleur_ = nullptr;
  QGroupBox* groupe_ = nullptr;
  QButtonGroup* items_ = nullptr;
  QPushButton* ok_ = nullptr;
  std::array<int, 2> reelle_{};
  std::array<std::array<int, 2>, 4> propositions_{};
};

}  // namespace kalvo
