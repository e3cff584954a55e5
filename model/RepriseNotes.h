// Marks carried from one base to another: a deal both bases hold under the
// same collection number keeps its marks; every other deal of the target
// stays as it was. Used when Volume 1 first opens, so that the deals a user
// played in the demonstration keep their marks there, and only there.
#pragma once

#include "model/NumerosVolume.h"
#include "model/Reglages.h"

namespace kalvo {

// Copies the marks of `source` (deals numbered by numerosSource) onto the
// deals of `cible` that carry the same collection numbers (numerosCible).
// Nothing is carried unless both tables are real ones (the identity tells
// nothing of where a deal comes from) and a number names one deal in each.
// Returns the number of deals whose marks were carried.
int ReprendNotes(const TEtatReglages& source, const TNumerosVolume& numerosSource, const TNumerosVolume& numerosCible,
                 TEtatReglages& cible);

}  // namespace kalvo
