// The engine's state as the JSON object of kalvo-engine's output lines.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/SuiviMains.h"

namespace kalvo::outil_moteur {

// Key order is part of the output contract: ordered_json keeps insertion order.
using TJson = nlohmann::ordered_json;

TJson EtatJson(const TSuiviMains& suivi);
TJson SolutionsJson(const TSuiviMains& suivi, TJoueur joueur, int levee);

}  // namespace kalvo::outil_moteur
