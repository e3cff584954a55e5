// Moving through the deal script: what a decision or mode node resolves to,
// and the search along the equivalent chains for one that accepts a card of
// the declarer side. Pure functions of the deal and the engine; every number
// read from the script is checked (ErreurDonnee with a French message).
#pragma once

#include "engine/SuiviMains.h"
#include "model/Donne.h"

#include <functional>
#include <optional>
#include <string>

namespace kalvo {

// A walk through the script that meets this many chains without reaching a
// trick chain is taken for a loop in the data.
inline constexpr int NbMaxEtapesScript = 400;

// What a node resolves to, with the data of the node kinds that carry some.
struct TResolutionNoeud {
  int Resultat = 1;  // a chain 1..400, -1 (no entry matched) or an action 996..999
  // End by claim (type 6): the comment to show and the final trick counts.
  int Commentaire = 0;
  int LeveesNS = 0;
  int LeveesEO = 0;
  // Automatic and pool modes (types 10 and 11).
  int NbLevees = 0;
  int NumeroPool = 0;
};

// Resolves chain `chaine` by its TypeChaine: gagnant is the winner of the
// last trick (type 5), hasard the random draw of type 4 (true gives chain
// A). A trick chain, a type 7 node and unknown types resolve to chain 1.
TResolutionNoeud ResoutNoeud(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur gagnant, bool hasard);

// True when resolving the chain needs the random draw (type 4).
bool DemandeHasard(const TDonne& donne, int chaine);

// "test de distribution", "mode automatique", ...
std::string NomTypeNoeud(int type);

// Throws ErreurDonnee unless `resultat`, reached from node `chaine`, is a
// chain 1..400 or an action 996..999.
void VerifieResolution(const TDonne& donne, int chaine, int resultat);

// True when the trick chain lists, for the seat's slot, a card of the
// declarer side that matches (suit or 7, rank or 15).
bool ChaineAccepteCarte(const TDonne& donne, int chaine, TJoueur joueur, TCard carte);

// The trick chain reached from `chaine` through its ChaineEquivalente, the
// two-way nodes met on the way resolved; 0 when the link ends there (no
// link, or a node that would start a mode or end the deal: such nodes do
// not belong on these links and are never acted upon from a card search).
// Throws ErreurDonnee for a node that leads nowhere or a link that loops.
int ChaineEquivalenteSuivante(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur gagnant,
                              const std::function<bool()>& hasard);

// The first chain, from `chaine` along the equivalent chains, that accepts
// the card the seat (South or North) has just played; nothing when none does.
std::optional<int> ChercheChaineEquivalente(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur joueur,
                                            TCard carte, TJoueur gagnant, const std::function<bool()>& hasard);

// "Pas de chaîne équivalente !"
inline constexpr const char* MessagePasDeChaineEquivalente = "Pas de chaîne équivalente !";

}  // namespace kalvo
