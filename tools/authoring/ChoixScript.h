// The script read as the trainer reads it while a deal is played: the card
// a defender's alternatives give, the first right card of the declarer
// side, and the chain a decision node leads to. The main line of a script
// is the walk these choices make. Data out of range throws ErreurDonnee.
#pragma once

#include "model/Donne.h"
#include "tools/authoring/PartieSimulee.h"

#include <optional>

namespace kalvo {

// The script card alternative a (1..3) of the defender to play gives in
// chain `chaine`, after its conditions (rank 0: nothing).
TCard AlternativeDefense(const TDonne& donne, int chaine, int alternative, const TPartieSimulee& partie);

// The card of a script card code for the defender to play; nothing when
// the code designates no card it still holds. parDefausse is set when the
// card comes from the discard rules.
std::optional<TCard> CarteDeCodeDefense(TCard code, const TPartieSimulee& partie, bool& parDefausse);

// The defender's card: the script's alternatives, in the trainer's order,
// with the discard rules when they give nothing.
struct TChoixDefense {
  TCard Carte;
  bool ParDefausse = false;
};
TChoixDefense ChoisitCarteDefenseur(const TDonne& donne, int chaine, const TPartieSimulee& partie);

// The first card the declarer side's list of `chaine` accepts with code 0
// that the seat to play can play (rank 15: its lowest card of the suit;
// group: the first card the group accepts now; rank 80: its cheapest card
// that beats its partner's). Nothing when the list has none.
std::optional<TCard> PremiereCarteJuste(const TDonne& donne, int chaine, const TPartieSimulee& partie);

// Where a decision or mode node leads in the position reached: a chain,
// -1 (a distribution test without a match) or an action 996..999. A random
// node takes its first branch.
int ResoutNoeudSimule(const TDonne& donne, int chaine, const TPartieSimulee& partie);

}  // namespace kalvo
