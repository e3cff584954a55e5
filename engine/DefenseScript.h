// The defenders' card from the deal script: the alternatives the current
// trick chain gives West or East, turned into a card of the hand, with the
// discard rules as the fallback. Pure functions of the deal, the engine and
// the position; numbers read from the script go through the checked views
// (ErreurDonnee).
#pragma once

#include "engine/Defausse.h"
#include "model/Donne.h"

namespace kalvo {

// Alternative `alternative` (1..3) of the defender to play in chain `chaine`,
// once its conditions (SiPrecedente, SiDerniere) are applied: a script card,
// codes kept, or the zero card when the alternative gives nothing.
TCard CarteChaineDefense(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position, int chaine,
                         int alternative);

// The declarer side's rank that code 32 must beat; 0 when the defender leads.
int RangABattre(const TPositionDefense& position);

// Position (1..13) of the card a script card designates for the defender to
// play; 0 when it designates nothing the defender still holds.
int PositionCarteDefense(const TSuiviMains& suivi, const TPositionDefense& position, TCard carte);

// A defender never revokes: when it still holds the suit led and `indice`
// is not of that suit (or is no card), its lowest card of the suit led;
// otherwise `indice` itself.
int SansRenonce(const TSuiviMains& suivi, const TPositionDefense& position, int indice);

// Where the defender's card came from, for the tools that check scripts.
enum class TOrigineDefense : std::uint8_t {
  Script,        // an alternative of the trick chain gave it
  HorsChaine,    // a mode node is current: the discard rules, as intended
  SansCarte,     // the trick chain has no alternative for this defender, or none whose condition holds
  NonTenue,      // the alternatives name cards, none of which the defender can play now
  Renonce,       // the script's card is of another suit while the defender can follow: its lowest of the suit led
};

struct TChoixDefense {
  int Indice = 0;  // as ChoisitCarteDefense
  TOrigineDefense Origine = TOrigineDefense::Script;
  TCard Nommee;    // NonTenue: the first card named; Renonce: the script's card
};

// The card the defender plays: the first alternative of the current chain
// that gives a card (cards of the suit led first when following), else the
// discard rules. Outside a trick chain (a mode node) the discard rules
// decide. Never a revoke; -1 only when the defender holds no card at all.
int ChoisitCarteDefense(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position);
// The same card, with where it came from.
TChoixDefense ChoisitCarteDefenseExpliquee(const TDonne& donne, const TSuiviMains& suivi,
                                           const TPositionDefense& position);

}  // namespace kalvo
