// TCarteDlg: the opening lead or a defender's first discard. The user picks
// a suit and a rank with buttons; the card is shown as it is built.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

#include <QButtonGroup>

#include <optional>

namespace kalvo {

class TCarte1024;

class TCarteDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TCarteDlg(QWidget* parent = nullptr);

  // Fills the dialog for the question and shows the ace of spades.
  void Prepare(const TQuestionPosee& question);
  // Prepare, then modal; the card chosen, or nothing if the dialog was
  // ended otherwise than by OK.
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);
  TReponseQuestion Reponse() const;

  // The design's fields.
  bool isEntame() const { return entame_; }
  TJoueur QJoueur() const { return FJoueur; }
  int coul() const { return coul_; }
  int haut() const { return haut_; }

  // The card being built, the suit buttons (tags 3..0) and rank buttons (14..2).
  TCarte1024* Carte() const { return carte_; }
  QAbstractButton* BoutonCouleur(int tag) const { return couleurs_->button(tag); }
  QAbstractButton* BoutonHauteur(int tag) const { return hauteurs_->button(tag); }
  QPushButton* BoutonOk() const { return ok_; }

 protected:
  // The card typed as on the table: a suit letter (P C K T), a rank (A R D
  // V, X or 10, 9..2).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ChoisitCouleur(int tag);
  void ChoisitHauteur(int tag);
  void MontreCarte();

  QLabel* question_ = nullptr;
  TCarte1024* carte_ = nullptr;
  QButtonGroup* couleurs_ = nullptr;
  QButtonGroup* hauteurs_ = nullptr;
  QPushButton* ok_ = nullptr;
  bool entame_ = true;
  TJoueur FJoueur = jrOuest;
  int coul_ = clPique;
  int haut_ = 14;
};

}  // namespace kalvo
