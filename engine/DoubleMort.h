// Double-dummy analysis with the DDS solver: for a position of a deal (the
// cards still in the hands, the trick on the table, the seat to play), the
// tricks North-South still take after each card the seat may play, both
// sides playing their best afterwards. The script checks, the audit of the
// scripts and the trainer's verdict on an unforeseen card all ask it.
//
// Any thread may call; the solver keeps one working memory per thread slot,
// and a call waits for a free slot when all are busy. The answers do not
// depend on the order of the calls.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalvo {

class TPartieCartes;
class TSuiviMains;

class ErreurDoubleMort : public std::runtime_error {
 public:
  explicit ErreurDoubleMort(const std::string& message) : std::runtime_error(message) {}
};

struct TPositionDoubleMort {
  TCouleur Atout = clSA;
  TJoueur Entameur = jrOuest;  // the seat that leads the trick on the table
  int NbSurTable = 0;          // cards already on the table, 0..3
  std::array<TCard, 3> SurTable{};  // in playing order from the leader
  // [seat][suit]: bit h set for each rank h still in the hand.
  std::array<std::array<std::uint16_t, 4>, 4> Mains{};

  TJoueur JoueurActuel() const;
  // Tricks still to be won, the one on the table included.
  int LeveesRestantes() const;
  bool Tient(TJoueur joueur, TCard carte) const;
  friend bool operator==(const TPositionDoubleMort&, const TPositionDoubleMort&) = default;
};

// The position of a deal played by the trainer: its engine knows the cards
// played (those on the table included), onTable holds the trick by seat.
TPositionDoubleMort PositionDoubleMort(const TSuiviMains& suivi, TCouleur atout, TJoueur entameur,
                                       const TCartesJouees& onTable, int nbSurTable);
TPositionDoubleMort PositionDoubleMort(const TPartieCartes& partie);

struct TValeurCarte {
  TCard Carte;
  int LeveesNS = 0;  // from this position on, the trick on the table included
};

// Every card the seat to play may play, highest value for its side first
// (then suit from spades down, rank from the ace down). Throws
// ErreurDoubleMort for a position the solver refuses (not the same number of
// cards in each hand, a card twice...).
std::vector<TValeurCarte> AnalyseDoubleMort(const TPositionDoubleMort& position);

// North-South's tricks from the position with both sides playing their best.
int LeveesNSDoubleMort(const TPositionDoubleMort& position);

// The tricks North-South take in the whole deal: those won, and the rest
// with both sides playing their best.
int LeveesNSDoubleMort(const TPartieCartes& partie);
// The best card of the seat to play: of the cards that keep the most tricks
// for its side, the lowest, clubs first on equal ranks.
TCard MeilleureCarteDoubleMort(const TPartieCartes& partie);

// Gives the solver's working memory back (after a deal's checks, so that a
// long run does not keep it); waits for the calls under way.
void LibereDoubleMort();

}  // namespace kalvo
