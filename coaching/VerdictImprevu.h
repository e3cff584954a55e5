// The verdict the trainer gives on a card in no line of the lesson, from
// the double-dummy values of the position: whether it costs the contract,
// costs tricks, or costs nothing though the lesson follows another line.
// The text never names the card the lesson expects.
#pragma once

#include "engine/DoubleMort.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvo {

struct TVerdictImprevu {
  enum TGenre : std::uint8_t { CouteLeContrat, CouteDesLevees, NeCouteRien };
  TGenre Genre = NeCouteRien;
  int LeveesCarte = 0;      // North-South's tricks in the deal after this card, double dummy
  int LeveesMeilleure = 0;  // ... after the best card
  int LeveesRequises = 0;
  friend bool operator==(const TVerdictImprevu&, const TVerdictImprevu&) = default;
};

// valeurs: the position's cards with the tricks North-South still take
// (AnalyseDoubleMort); leveesFaites: the tricks they have already won.
// Nothing when the card is not among the values.
std::optional<TVerdictImprevu> VerdictImprevu(const std::vector<TValeurCarte>& valeurs, TCard carte, int leveesFaites,
                                              int leveesRequises);

// The warning window's text (French, two lines at most).
std::string TexteVerdictImprevu(const TVerdictImprevu& verdict);

}  // namespace kalvo
