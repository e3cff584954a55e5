// TReponseAttendue: "Mauvaise réponse", the expected answer after a wrong
// one. Laid out by hand: the lead-in 8 pixels from the left, the answer
// 2 pixels after it, the width fitted to both, OK 31 pixels above the
// bottom, the dialog centred on the main window's width. Any key closes it.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

namespace kalvo {

class TReponseAttendue : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TReponseAttendue(QWidget* parent = nullptr);

  // Fills the labels and lays the dialog out; the main window's width
  // places it (the main window starts at the screen's left edge).
  void Prepare(const TTexteReponseAttendue& texte, int largeurFenetrePrincipale);
  void Montre(const TTexteReponseAttendue& texte, int largeurFenetrePrincipale);

  QLabel* LEnonce() const { return enonce_; }
  QLabel* LReponse() const { return reponse_; }
  QPushButton* Bouton() const { return bouton_; }
  int LargeurFenetrePrincipale() const { return largeurFenetrePrincipale_; }

  static constexpr int HauteurClient = 86;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* enonce_ = nullptr;
  QLabel* reponse_ = nullptr;
  QPushButton* bouton_ = nullptr;
  int largeurFenetrePrincipale_ = 0;
};

}  // namespace kalvo
