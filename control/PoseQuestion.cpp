// The quiz question of a trick, asked when its fourth card is on the table.
#include "control/Controleur.h"

#include "coaching/Quiz.h"

namespace kalvo {

void TControleur::PoseQuestion(int numero) {
  const std::optional<TQuestionPosee> question =
      PrepareQuestion(donne_.QuestionsDonne, numero, suivi_, statistiques_, donne_.PointsHonneurs, alea_);
  if (!question) return;
  const TReponseQuestion reponse = ecran_.PoseQuestion(*question);
  const bool bonne = EstBonneReponse(*question, reponse);
  const int points = bonne ? 0 : question->Penalite;
  if (journal_) journal_->QuestionPosee(*question, reponse, bonne, points);
  if (!bonne) ecran_.MontreReponseAttendue(ReponseAttendue(*question));
  RetireNoteQuestions(points);
}

}  // namespace kalvo
