// What a screen reader says of the table beyond the cards' own names: the
// trick on the felt, the counters and what each button does. Plain text,
// so that it can be checked without a display.
#pragma once

#include "model/BridgeTypes.h"

#include <string>
#include <utility>
#include <vector>

namespace kalvo {

// The cards on the felt in the order they were played, as (seat, card):
// "Sur la table : Ouest, Dame de Cœur ; Nord, 2 de Cœur." or
// "Aucune carte sur la table."
std::string DescriptionLevee(const std::vector<std::pair<TJoueur, TCard>>& posees);

// "0 levée", "1 levée", "7 levées".
std::string DescriptionLevees(int levees);

// A mark out of 100: "85 sur 100"; a value out of 0..100 reads as none.
std::string DescriptionNote(int note);

// "Jouée par Ouest": the played card's place on the felt.
std::string DescriptionCarteJouee(TJoueur joueur);

}  // namespace kalvo
