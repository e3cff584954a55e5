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
  int Choix() const { return joueurs_->checkedId(); }
  TReponseQuestion Reponse() const;

  TCard Carte() const { return carteDemandee_; }
  TCarte1024* CarteMontree() const { return carte_; }
  QAbstractButton* Radio(TJoueur j) const { return joueurs_->button(j); }
  QPushButton* BoutonOk() const { return ok_; }

 protected:
  // N, S, E or O chooses the seat.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* question_ = nullptr;
  TCarte1024* carte_ = nullptr;
  QButtonGroup* joueurs_ = nullptr;
  QPushButton* ok_ = nullptr;
  TCard carteDemandee_;
};

}  // namespace kalvo
