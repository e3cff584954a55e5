// Who wins a trick, and the marks once some are taken.
#pragma once

#include "model/BridgeTypes.h"

namespace kalvo {

// The winner of the four cards on the table: the highest card of the suit
// led, or of the trump suit when some but not all four cards are trumps.
TJoueur GagnantLevee(const TCartesJouees& OnTable, TJoueur Entameur, TCouleur atout);

// A mark after n more are taken: never below 0.
constexpr int NoteApresRetrait(int note, int n) { return note - n > 0 ? note - n : 0; }

}  // namespace kalvo
