// TPCarteDlg: who holds, or held, a card. The card in the middle, the four
// seats around it as radio buttons; OK closes once a seat is chosen, and
// only OK.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

#include <QButtonGroup>

#include <optional>

namespace kalvo {

class TCarte1024;

class TPCarteDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TPCarteDlg(QWidget* parent = nullptr);

  void Prepare(const TQuestionPosee& question);
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);
  // The seat chosen (tags 0..3 = TJoueur), -1 while none is.
  int Choix() const { return FJoueurs->checkedId(); }
  TReponseQuestion Reponse() const;

  TCard Carte() const { return FCarteDemandee; }
  TCarte1024* CarteMontree() const { return FCarte; }
  QAbstractButton* Radio(TJoueur j) const { return FJoueurs->button(j); }
  QPushButton* BoutonOk() const { return FOk; }

 private:
  QLabel* FQuestion = nullptr;
  TCarte1024* FCarte = nullptr;
  QButtonGroup* FJoueurs = nullptr;
  QPushButton* FOk = nullptr;
  TCard FCarteDemandee;
};

}  // namespace kalvo
