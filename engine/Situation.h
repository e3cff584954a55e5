// Ratings of a declarer-side hand's cards when the rest of the deal is a
// matter of cashing winners in the right order.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "model/BridgeTypes.h"

namespace kalvo {

// Which situation decided a card's rating.
enum TCause : std::uint8_t { csNormale, csIsolee, csBloquee };

struct TSituationCarte {
  TCard c;                  // the card
  int indice = 0;           // its position in the hand, 1..13 (0 = empty entry)
  bool jouable = false;     // the card may be played
  TCause cause = csNormale; // the situation that decided
  int msg = 0;              // message explaining a refusal; 0 = none
  friend bool operator==(const TSituationCarte&, const TSituationCarte&) = default;
};

// Entries 1..K hold the hand's remaining cards in hand order; the others
// stay zero.
struct TSituation {
  std::array<TSituationCarte, 13> entrees{};

  TSituationCarte& operator()(int i) {
    assert(i >= 1 && i <= 13);
    return entrees[static_cast<std::size_t>(i - 1)];
  }
  const TSituationCarte& operator()(int i) const {
    assert(i >= 1 && i <= 13);
    return entrees[static_cast<std::size_t>(i - 1)];
  }
  // K: the number of filled entries.
  int Nombre() const {
    int k = 0;
    while (k < 13 && entrees[static_cast<std::size_t>(k)].indice != 0) ++k;
    return k;
  }
};

// Message numbers given to refused cards.
inline constexpr int MsgEtourderie = 70;          // "Ce doit être une étourderie..."
inline constexpr int MsgChute = 71;               // "Vous allez chuter !"
inline constexpr int MsgGaspillage = 72;          // "Pas de gaspillage..."
inline constexpr int MsgCouleurBloquee = 80;      // + suit: "Les Trèfles sont bloqués !"...
inline constexpr int MsgEncaisserMaitres = 84;    // + suit: "Il faut encaisser les Trèfles maîtres !"...
inline constexpr int MsgEncaisserLevees = 88;     // "Il ne reste qu'à encaisser..."
inline constexpr int MsgEncaisserMaitre = 92;     // + suit: "Il faut encaisser le Trèfle maître !"...

}  // namespace kalvo
