// The quiz: turning a question of the deal into what its dialog shows,
// judging the answer, and the expected-answer texts. Pure functions of the
// position, called by the trick loop: the quiz is judged here only.
#pragma once

#include "coaching/StatistiquesJeu.h"
#include "engine/SuiviMains.h"
#include "model/QuestionPosee.h"
#include "model/Questions.h"

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kalvo {

// Question `numero` (1..3) of the deal, asked after the fourth card of its
// trick. Nothing (no dialog, no mark) when the question gives up: a
// first-discard question nobody can answer yet, a who-holds question whose
// card is not in the expected state, a division question about a suit the
// defenders do not hold, or a question whose data is out of range (kind
// above 5, a seat or suit the kind reads above 3, a card that is no card,
// a who-holds Option other than 0 or 1). Kind 0 writes the expected card
// into the stored question, as the record keeps it.
//
// Kind 2 offers four proposals: the truth and three counts one card away.
// Kind 5 offers four divisions, or all n + 1 when the defenders hold
// n < 3 cards of the suit (NbPropositions says how many). Kind 2 reads any
// nonzero Depart as the holding at the start.
std::optional<TQuestionPosee> PrepareQuestion(TQuestionsDonne& questions, int numero, const TSuiviMains& suivi,
                                              const TStatistiquesJeu& stats,
                                              const std::array<int, 4>& PointsHonneurs, std::mt19937& alea);

// What makes a stored question impossible to ask, in French ("genre 7
// inconnu (0 à 5)"): a kind above 5, or a field its kind reads out of range
// (the seat, the suit, the card, a who-holds Option other than 0 or 1).
// Nothing when its data is sound; the position may still leave it unasked.
std::optional<std::string> DefautQuestion(const TQuestion& question);

// Takes the damaged questions off the schedule of a deal just read, each
// with a warning, as a bad trick number is.
void EcarteQuestionsAbimees(const TQuestionsDonne& record, TQuestionsLevees& planning, int numeroDonne,
                            std::vector<std::string>& avertissements);

bool EstBonneReponse(const TQuestionPosee& question, const TReponseQuestion& reponse);

TTexteReponseAttendue ReponseAttendue(const TQuestionPosee& question);

}  // namespace kalvo
