#include "table/DialoguesQuiz.h"

#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/PCarteDlg.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"

namespace kalvo {

TDialoguesQuiz::TDialoguesQuiz(QWidget* fenetre)
    : FCarte(new TCarteDlg(fenetre)),
      FPoints(new TPointsDlg(fenetre)),
      FDejaVues(new TDejaVuesDlg(fenetre)),
      FPCarte(new TPCarteDlg(fenetre)),
      FJ4MQ4(new TJ4MQ4(fenetre)),
      FRepartition(new TRepartitionDlg(fenetre)),
      FReponse(new TReponseAttendue(fenetre)) {}

TDialoguesQuiz::~TDialoguesQuiz() {
  // Dialogs with a window belong to it; the others are ours.
  const auto libere = [](QWidget* dialogue) {
    if (dialogue && !dialogue->parent()) delete dialogue;
  };
  libere(FCarte);
  libere(FPoints);
  libere(FDejaVues);
  libere(FPCarte);
  libere(FJ4MQ4);
  libere(FRepartition);
  libere(FReponse);
}

std::optional<TReponseQuestion> TDialoguesQuiz::Pose(const TQuestionPosee& question) {
  switch (question.Type) {
    case tqCarte: return FCarte->Pose(question);
    case tqPoints: return FPoints->Pose(question);
    case tqDejaVues: return FDejaVues->Pose(question);
    case tqPCarte: return FPCarte->Pose(question);
    case tqJ4MQ4: return FJ4MQ4->Pose(question);
    case tqRepartition: return FRepartition->Pose(question);
  }
  return std::nullopt;
}

}  // namespace kalvo
