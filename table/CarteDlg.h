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
  bool isEntame() const { return FEntame; }
  TJoueur QJoueur() const { return FJoueur; }
  int coul() const { return FCoul; }
  int haut() const { return FHaut; }

  // The card being built, the suit buttons (tags 3..0) and rank buttons (14..2).
  TCarte1024* Carte() const { return FCarte; }
  QAbstractButton* BoutonCouleur(int tag) const { return FCouleurs->button(tag); }
  QAbstractButton* BoutonHauteur(int tag) const { return FHauteurs->button(tag); }
  QPushButton* BoutonOk() const { return FOk; }

 private:
  void ChoisitCouleur(int tag);
  void ChoisitHauteur(int tag);
  void MontreCarte();

  QLabel* FQuestion = nullptr;
  TCarte1024* FCarte = nullptr;
  QButtonGroup* FCouleurs = nullptr;
  QButtonGroup* FHauteurs = nullptr;
  QPushButton* FOk = nullptr;
  bool FEntame = true;
  TJoueur FJoueur = jrOuest;
  int FCoul = clPique;
  int FHaut = 14;
};

}  // namespace kalvo
