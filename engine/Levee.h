// A trick: who wins it, its record, and what the tracking engine is told
// of each card and of the trick's end. The trainer, the authoring checks
// and the command-line tools all play cards through these.
#pragma once

#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"

#include <array>
#include <vector>

namespace kalvo {

// The winner of the four cards on the table: the highest card of the suit
// led, or of the trump suit when some but not all four cards are trumps.
TJoueur GagnantLevee(const TCartesJouees& OnTable, TJoueur Entameur, TCouleur atout);

// The cards a seat may play to the trick, in the order of its hand: any
// card it still holds when it leads (`carteEntame` is not a real card),
// otherwise a card of the suit led as long as it has one.
std::vector<TCard> CartesPermises(const TSuiviMains& suivi, TJoueur joueur, TCard carteEntame);

// A completed trick, in playing order from its leader.
struct TLeveeJouee {
  TJoueur Entameur = jrOuest;
  std::array<TCard, 4> Cartes{};
  TJoueur Gagnant = jrSud;
};

// The four cards on the table as a trick record, with its winner.
TLeveeJouee LeveeJouee(const TCartesJouees& OnTable, TJoueur Entameur, TCouleur atout);

// The card at `indice` of the seat's hand is played: the card, then its
// suit count, in the order the engine's flags expect.
void SignaleCarteJouee(TSuiviMains& suivi, TJoueur joueur, int indice);

// Trick `levee` is over: the engine recomputes its flags, then the
// entries and blocked suits. compteurLevees is kept by the engine as given.
void SignaleFinDeLevee(TSuiviMains& suivi, int levee, int compteurLevees);

}  // namespace kalvo
