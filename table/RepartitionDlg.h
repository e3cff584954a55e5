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
  int Choix() const { return FItems->checkedId(); }
  TReponseQuestion Reponse() const;

  const std::array<int, 2>& repartReelle() const { return FReelle; }
  const std::array<std::array<int, 2>, 4>& repartProp() const { return FPropositions; }
  QLabel* Label() const { return FLabel; }
  QLabel* LabelCouleur() const { return FCouleur; }
  QGroupBox* Groupe() const { return FGroupe; }
  QAbstractButton* Item(int k) const { return FItems->button(k); }
  QPushButton* BoutonOk() const { return FOk; }

 private:
  QLabel* FLabel = nullptr;
  QLabel* FCouleur = nullptr;
  QGroupBox* FGroupe = nullptr;
  QButtonGroup* FItems = nullptr;
  QPushButton* FOk = nullptr;
  std::array<int, 2> FReelle{};
  std::array<std::array<int, 2>, 4> FPropositions{};
};

}  // namespace kalvo
