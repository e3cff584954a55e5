// The right play, found from the deal's own script rather than from a list
// of cards that a rewritten deal would leave behind: the tools, the tests
// and the benchmarks play a deal's right line with it.
#pragma once

#include "coaching/Quiz.h"
#include "control/Controleur.h"

#include <optional>
#include <vector>

namespace kalvo {

// The cards the hand may click now (the rule of following suit is
// engine/Levee.h's CartesPermises), from the controller's table.
std::vector<TCard> CartesJouables(const TControleur& controleur, TJoueur main);

// The first card of the hand to play that the script accepts without a
// charge, tried on a silent copy of the controller; nothing when the
// controller waits for no card or every card costs marks.
std::optional<TCard> CarteJuste(const TControleur& controleur);

// The answer the question expects.
TReponseQuestion ReponseJuste(const TQuestionPosee& question);

}  // namespace kalvo
