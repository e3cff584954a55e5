// The list of winning orders of play that solution mode accepts.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "model/BridgeTypes.h"

namespace kalvo {

// One trick of a solution, five bytes: who leads, the card of the seat that
// led the first trick (J) and the card of its partner (P).
struct TLeveeSolution {
  TJoueur entameur = jrSud;
  TCard carteJoueur;
  TCard cartePartenaire;
  friend bool operator==(const TLeveeSolution&, const TLeveeSolution&) = default;
};
static_assert(sizeof(TLeveeSolution) == 5);

inline constexpr int NbMaxLeveesSolution = 6;
inline constexpr int NbMaxSolutions = 3000;

// Tricks 1..n of the solution; tricks n+1..6 stay zero.
using TSolution = std::array<TLeveeSolution, NbMaxLeveesSolution>;
static_assert(sizeof(TSolution) == 30);

// The solution buffer: room for 3000 solutions, allocated once with its
// owner and rewritten by each calculation.
class TListeSolutions {
 public:
  TListeSolutions() : solutions_(NbMaxSolutions) {}

  int NbSolutions() const { return nombre_; }
  // Solution c, 1-based; every slot up to 3000 can be read (zero past the end).
  const TSolution& Solution(int c) const {
    assert(c >= 1 && c <= NbMaxSolutions);
    return solutions_[static_cast<std::size_t>(c - 1)];
  }
  const TLeveeSolution& Levee(int c, int t) const {
    assert(t >= 1 && t <= NbMaxLeveesSolution);
    return Solution(c)[static_cast<std::size_t>(t - 1)];
  }

  void Vide();
  bool EstPleine() const { return nombre_ >= NbMaxSolutions; }
  void Ajoute(const TSolution& solution) {
    assert(!EstPleine());
    solutions_[static_cast<std::size_t>(nombre_++)] = solution;
  }

 private:
  std::vector<TSolution> solutions_;
  int nombre_ = 0;
};

}  // namespace kalvo
