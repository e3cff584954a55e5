// A deal of the database as a PBN game: its hands, auction with the alert
// notes, contract by South and a play (the user's, or the right line the
// deal stores), with its theme and difficulty as commentary and as tags of
// our own that other programs ignore.
#pragma once

#include "engine/Levee.h"
#include "model/Donne.h"
#include "model/Pbn.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvo {

// What the user made of the deal, when the export follows a game.
struct TBilanPbn {
  std::vector<TLeveeJouee> Levees;  // the tricks played, refused cards left out
  int LeveesDeclarant = 0;          // tricks of North-South, claims included
  int Notation = 0;                 // the play mark
  int NoteQuestions = 0;            // the questions mark
};

// Throws ErreurDonnee for a broken header or auction. evenement: the
// volume's name; collection: the deal's number in its collection.
TPartiePbn PartiePbn(const TDonne& donne, int collection, const std::string& evenement,
                     const std::optional<TBilanPbn>& bilan);

// The right line the deal stores (its complete play), its thirteenth trick
// deduced; empty when the deal stores none. Throws ErreurDonnee when a
// stored card cannot be played there.
std::vector<TLeveeJouee> JeuCompletJoue(const TDonne& donne);

}  // namespace kalvo
