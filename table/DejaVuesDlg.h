// TDejaVuesDlg: how many cards of each suit a player showed or held. Four
// proposals in columns, a radio button under each; OK closes once one is
// chosen, and only OK: Enter keeps the choice without closing.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

#include <QButtonGroup>

#include <array>
#include <optional>

namespace kalvo {

class TDejaVuesDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TDejaVuesDlg(QWidget* parent = nullptr);

  void Prepare(const TQuestionPosee& question);
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);
  // The column chosen (0..3), -1 while none is.
  int Choix() const { return choix_->checkedId(); }
  TReponseQuestion Reponse() const;

  TJoueur Joueur() const { return FJoueur; }
  bool isPlayed() const { return dejaJoue_; }
  QLabel* Question() const { return question_; }
  QLabel* Enonce() const { return enonce_; }
  // Count of suit c in column k, as shown.
  QLabel* R(int k, T4Couleur c) const { return comptes_[static_cast<std::size_t>(k)][c]; }
  QAbstractButton* Radio(int k) const { return choix_->button(k); }
  QPushButton* BoutonOk() const { return ok_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  QLabel* question_ = nullptr;
  QLabel* enonce_ = nullptr;
  std::array<QWidget*, 4> colonnes_{};
  std::array<std::array<QLabel*, 4>, 4> comptes_{};
  QButtonGroup* choix_ = nullptr;
  QPushButton* ok_ = nullptr;
  TJoueur FJoueur = jrSud;
  bool dejaJoue_ = false;
};

}  // namespace kalvo
