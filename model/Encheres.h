// The auction of a deal as a list of calls, and the French texts of calls
// and contracts.
#pragma once

#include "model/BridgeTypes.h"
#include "model/StructuresDonne.h"

#include <string>
#include <vector>

namespace kalvo {

class TDonne;

struct TAppel {
  int Ligne = 1;
  TJoueur Joueur = jrSud;
  TEnchere Enchere;
};

// The calls from the dealer's up to (not including) the end marker, in
// playing order. Throws ErreurDonnee for a call that is no call (level 8..254,
// strain beyond SA, alert beyond 4). Without an end marker the table's last
// entry ends the auction.
std::vector<TAppel> SuiteEncheres(const TDonne& donne);

// The explanation of alert n (1..4), in UTF-8: the one place where the
// deal's Windows-1252 alert bytes become text.
std::string TexteAlerte(const TDonne& donne, int n);

// "1SA", "4♠", "Passe", "Contre", "Surcontre"; "?" for what is no call.
std::string TexteEnchere(const TEnchere& enchere);

// "3SA par Sud", "4♠ par Sud": the deals are always played by South.
std::string TexteContrat(int niveau, TCouleur atout);

}  // namespace kalvo
