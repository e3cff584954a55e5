// The two quiz dialogs answered with a number: TPointsDlg (honour points)
// and TJ4MQ4 (cards in one suit). The field starts at 0, selected; OK or
// Enter answers.
#pragma once

#include "model/QuestionPosee.h"
#include "table/StyleDialogues.h"

#include <optional>

namespace kalvo {

class TSaisieChiffres;

class TQuestionNombreDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  void Prepare(const TQuestionPosee& question);
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);
  TReponseQuestion Reponse() const;

  TJoueur Joueur() const { return FJoueur; }
  bool isPlayed() const { return dejaJoue_; }
  T4Couleur Couleur() const { return couleur_; }  // TJ4MQ4
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }
  TSaisieChiffres* Nombre() const { return nombre_; }
  QPushButton* BoutonOk() const { return ok_; }

 protected:
  TQuestionNombreDlg(const QString& titre, QWidget* parent);

 private:
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  TSaisieChiffres* nombre_ = nullptr;
  QPushButton* ok_ = nullptr;
  TJoueur FJoueur = jrSud;
  bool dejaJoue_ = false;
  T4Couleur couleur_ = clTrefle;
};

class TPointsDlg : public TQuestionNombreDlg {
  Q_OBJECT

 public:
  explicit TPointsDlg(QWidget* parent = nullptr);
};

class TJ4MQ4 : public TQuestionNombreDlg {
  Q_OBJECT

 public:
  explicit TJ4MQ4(QWidget* parent = nullptr);
};

}  // namespace kalvo
