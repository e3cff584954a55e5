// PBN for the deals database: the whole volume written as one PBN file
// (each deal with its right line as the play), and a PBN deal turned into
// the skeleton of a lesson source (.donne) for an author to complete.
#pragma once

#include "model/Pbn.h"
#include "tools/kalvo-deals/LectureBase.h"

#include <string>

namespace kalvo::outil_donnes {

// Every deal of the database, in its order. Throws ErreurDonnee for a
// deal whose header, auction or stored play is broken.
std::string PbnDeBase(const TBaseLue& base);

// The .donne skeleton of one game: the hands turned so that the declarer
// is South, the auction, alerts and contract, the first trick as a chain
// (the club's when the play is there, else the double-dummy one), the
// rest of the club's play and the double-dummy result as comments, and
// placeholders saying what to write. source names the PBN file in the
// header comment. On a fault (a passed-out deal, a card played against
// the rules), nothing and the French reason in erreur.
std::optional<std::string> SqueletteDonne(const TPartiePbn& partie, const std::string& source, std::string& erreur);

}  // namespace kalvo::outil_donnes
