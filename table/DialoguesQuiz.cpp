#include "table/DialoguesQuiz.h"

#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/PCarteDlg.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"

namespace kalvo {

TDialoguesQuiz::TDialoguesQuiz(QWidget* fenetre)
    : carte_(new TCarteDlg(fenetre)),
      points_(new TPointsDlg(fenetre)),
      dejaVues_(new TDejaVuesDlg(fenetre)),
      dialoguePCarte_(new TPCarteDlg(fenetre)),
      dialogueJ4MQ4_(new TJ4MQ4(fenetre)),
      repartition_(new TRepartitionDlg(fenetre)),
      reponse_(new TReponseAttendue(fenetre)) {}

TDialoguesQuiz::~TDialoguesQuiz() {
  // Dialogs with a window belong to it; the others are ours.
  const auto libere = [](QWidget* dialogue) {
    if (dialogue && !dialogue->parent()) delete dialogue;
  };
  libere(carte_);
  libere(points_);
  libere(dejaVues_);
  libere(dialoguePCarte_);
  libere(dialogueJ4MQ4_);
  libere(repartition_);
  libere(reponse_);
}

std::optional<TReponseQuestion> TDialoguesQuiz::Pose(const TQuestionPosee& question) {
  switch (question.Type) {
    case tqCarte: return carte_->Pose(question);
    case tqPoints: return points_->Pose(question);
    case tqDejaVues: return dejaVues_->Pose(question);
    case tqPCarte: return dialoguePCarte_->Pose(question);
    case tqJ4MQ4: return dialogueJ4MQ4_->Pose(question);
    case tqRepartition: return repartition_->Pose(question);
  }
  return std::nullopt;
}

}  // namespace kalvo
