// The quiz dialogs of the main window, created once: one per kind of
// question and the wrong-answer dialog. Pose() shows the dialog of the
// question's kind and returns the user's answer; the quiz judges it.
#pragma once

#include "model/QuestionPosee.h"
// The accessors below convert QPointer, which needs the complete classes.
#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/PCarteDlg.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace kalvo {

class TCarteDlg;
class TDejaVuesDlg;
class TJ4MQ4;
class TPCarteDlg;
class TPointsDlg;
class TRepartitionDlg;
class TReponseAttendue;
class TDialogueKalvo;

class TDialoguesQuiz {
 public:
  // The dialogs are children of fenetre (the main window), which deletes
  // them; without a window they are deleted with this object.
  explicit TDialoguesQuiz(QWidget* fenetre);
  ~TDialoguesQuiz();
  TDialoguesQuiz(const TDialoguesQuiz&) = delete;
  TDialoguesQuiz& operator=(const TDialoguesQuiz&) = delete;

  // Modal: the answer, or nothing if the dialog was ended without one.
  std::optional<TReponseQuestion> Pose(const TQuestionPosee& question);

  TCarteDlg* CarteDlg() const { return carte_; }
  TPointsDlg* PointsDlg() const { return points_; }
  TDejaVuesDlg* DejaVuesDlg() const { return dejaVues_; }
  TPCarteDlg* PCarteDlg() const { return dialoguePCarte_; }
  TJ4MQ4* J4MQ4() const { return dialogueJ4MQ4_; }
  TRepartitionDlg* RepartitionDlg() const { return repartition_; }
  TReponseAttendue* ReponseAttendueDlg() const { return reponse_; }

 private:
  QPointer<TCarteDlg> carte_;
  QPointer<TPointsDlg> points_;
  QPointer<TDejaVuesDlg> dejaVues_;
  QPointer<TPCarteDlg> dialoguePCarte_;
  QPointer<TJ4MQ4> dialogueJ4MQ4_;
  QPointer<TRepartitionDlg> repartition_;
  QPointer<TReponseAttendue> reponse_;
};

}  // namespace kalvo
