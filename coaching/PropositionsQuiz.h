// The multiple-choice proposals of the quiz: the truth and near misses one
// card away, drawn from the caller's generator so that a fixed seed gives
// the same proposals on every platform.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <vector>

namespace kalvo {

// Counts of one seat by suit, in T4Couleur order (clubs first).
using TCompteCouleurs = std::array<int, 4>;
// A division of a suit: West's count, East's count.
using TPartage = std::array<int, 2>;

// A whole number in lo..hi, uniform, from the generator's raw output (the
// standard distributions are not the same on every library).
int Tirage(std::mt19937& alea, int lo, int hi);

// Four distinct suit counts: the truth and three that differ from it by one
// card moved between two suits, sorted as their texts sort (spades first),
// so the truth's place varies. Nothing when no card can move (all counts 0)
// or a count is negative or above 13.
std::optional<std::vector<TCompteCouleurs>> PropositionsDejaVues(const TCompteCouleurs& vraies, std::mt19937& alea);

// The suit counts as one text, spades, hearts, diamonds, clubs, each on two
// digits so that counts of ten and more keep their own field: "04030303".
std::string TexteDejaVues(const TCompteCouleurs& comptes);

// Divisions of ouest + est cards between West and East met on a random
// walk from the truth, sorted as "w-e" texts: four of them, or all n + 1
// when there are fewer (n = ouest + est). Nothing when the defenders hold no
// card of the suit (there would be nothing to ask) or a count is out of range.
std::optional<std::vector<TPartage>> PropositionsRepartition(int ouest, int est, std::mt19937& alea);

}  // namespace kalvo
