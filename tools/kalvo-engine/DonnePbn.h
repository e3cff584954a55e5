// Reading a deal written as a PBN deal string: "S:AKQ2.KJ3.A2.K432 ...".
#pragma once

#include <string>
#include <string_view>

#include "model/BridgeTypes.h"

namespace kalvo::outil_moteur {

// Fills jeux with the four hands, each in the order spades, hearts,
// diamonds, clubs and each suit in descending rank (the engine's order).
// On failure returns false and a French explanation in erreur.
bool LitDonnePbn(std::string_view texte, T4Jeux& jeux, std::string& erreur);

}  // namespace kalvo::outil_moteur
