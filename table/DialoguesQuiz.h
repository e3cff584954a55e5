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

  TCarteDlg* CarteDlg() const { return FCarte; }
  TPointsDlg* PointsDlg() const { return FPoints; }
  TDejaVuesDlg* DejaVuesDlg() const { return FDejaVues; }
  TPCarteDlg* PCarteDlg() const { return FPCarte; }
  TJ4MQ4* J4MQ4() const { return FJ4MQ4; }
  TRepartitionDlg* RepartitionDlg() const { return FRepartition; }
  TReponseAttendue* ReponseAttendueDlg() const { return FReponse; }

 private:
  QPointer<TCarteDlg> FCarte;
  QPointer<TPointsDlg> FPoints;
  QPointer<TDejaVuesDlg> FDejaVues;
  QPointer<TPCarteDlg> FPCarte;
  QPointer<TJ4MQ4> FJ4MQ4;
  QPointer<TRepartitionDlg> FRepartition;
  QPointer<TReponseAttendue> FReponse;
};

}  // namespace kalvo
