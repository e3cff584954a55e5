// Chain mode: the user's card judged against the declarer-side cards the
// deal script lists for the trick, in the current chain and along its
// equivalent chains. The search changes nothing: it says what to change
// when the card is played (the chain to keep, a counter to count down).
#pragma once

#include "coaching/CoupUtilisateur.h"
#include "engine/DefenseScript.h"
#include "engine/SuiviMains.h"
#include "model/Donne.h"

#include <functional>

namespace kalvo {

struct TVerificationChaine {
  bool Trouvee = false;    // false: the card is in no accepted line
  int Code = 0;            // 0 accepted, else the error the line foresees
  int ChaineActuelle = 0;  // the chain that accepted the card (else unchanged)
  int FirstChaine = 0;     // the chain the search started from when another accepted, else 0
  int ChaineTrouvee = 0;   // the chain whose list gave the verdict (accepted or foreseen error), 0 none
  int TableCompteur = 0;   // a discard counter (1..2) to count down when the card is played, 0 none
};

// Judges `carte` for the hand coup.JoueurActuel from chain `chaineActuelle`.
// `hasard` draws the random bit of a type 4 node met on an equivalence
// link. The chain the search starts from is the one it goes back to: the
// nodes met on the links are resolved on the way without being kept.
TVerificationChaine VerifieCarteChaine(const TDonne& donne, const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                       int chaineActuelle, TCard carte, const std::function<bool()>& hasard);

// True when the hand holds no unplayed card the alternative designates.
// A rank 16 alternative designates the hand's master cards of its suit.
bool AlternativeEpuisee(const TDonne& donne, const TSuiviMains& suivi, TJoueur main, TCard alternative);

// Alternative i of a seat in a chain: Declarant for South and North (1..8),
// the defender's alternative (1..3) under its conditions for West and East
// (position.JoueurActuel is the seat).
TCard CarteChaine(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position, int chaine, int i);

// The comment number of Declarant alternative i for South and North; 0
// for the defenders.
int CodeChaine(const TDonne& donne, TJoueur joueur, int chaine, int i);

// Counts down counter `table` of the suit in the loaded deal (the stored
// value comes back when the deal is read again).
void DecompteCompteur(TDonne& donne, int table, T4Couleur couleur);

}  // namespace kalvo
