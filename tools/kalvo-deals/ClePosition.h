// The key of a position the exploration reaches: what decides the rest of
// the deal from there. Positions reached by another order of the same
// cards, or by one card of a run of equal cards instead of another, share
// it and are explored once.
#pragma once

#include "control/Controleur.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvo::outil_donnes {

// The cards the script names by their rank, [suit] bit h: in the chains
// (a defender's card or condition, a card of South or North), the nodes
// of cards held, the groups, the counters, the automatic sections and the
// pools. The other cards count only by their place in the order of their
// suit: the script takes them as "any card of the suit", the trainer's
// judge and the defenders compare ranks. Two of them held by one hand with
// no card of another hand between them are equal: playing one or the other
// leads to the same game.
using TCartesNommees = std::array<std::uint16_t, 4>;
TCartesNommees CartesNommees(const TDonne& donne);

struct TCle {
  std::uint64_t A = 0, B = 0;
  friend bool operator==(const TCle&, const TCle&) = default;
};

struct HachageCle {
  std::size_t operator()(const TCle& cle) const { return static_cast<std::size_t>(cle.A); }
};

// Builds the keys of one deal's positions; holds the deal's named cards and
// who was dealt each card.
class TFabriqueCles {
 public:
  explicit TFabriqueCles(const TDonne& donne);
  TCle Cle(const TControleur& position);

 private:
  void AjouteCartes(const TControleur& position);
  void AjouteEtat(const TControleur& position);

  TCartesNommees nommees_;
  // [suit][rank]: the seat dealt the card and its place in the hand, 0 none.
  std::array<std::array<std::uint8_t, 15>, 4> detenteur_{};
  std::array<std::array<std::uint8_t, 15>, 4> indice_{};
  std::string octets_;  // reused from one key to the next
};

}  // namespace kalvo::outil_donnes
