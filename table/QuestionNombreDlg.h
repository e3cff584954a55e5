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
  bool isPlayed() const { return FPlayed; }
  T4Couleur Couleur() const { return FCouleur; }  // TJ4MQ4
  QLabel* Label1() const { return FLabel1; }
  QLabel* Label2() const { return FLabel2; }
  TSaisieChiffres* Nombre() const { return FNombre; }
  QPushButton* BoutonOk() const { return FOk; }

 protected:
  TQuestionNombreDlg(const QString& titre, QWidget* parent);

 private:
  QLabel* FLabel1 = nullptr;
  QLabel* FLabel2 = nullptr;
  TSaisieChiffres* FNombre = nullptr;
  QPushButton* FOk = nullptr;
  TJoueur FJoueur = jrSud;
  bool FPlayed = false;
  T4Couleur FCouleur = clTrefle;
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
