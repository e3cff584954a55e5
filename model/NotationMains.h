// Hands written as text, read and written in one place for the tools, the
// tests and the benchmarks. A hand "AKQ2.KJ3.A2.K432" lists spades, hearts,
// diamonds and clubs, ranks AKQJT98765432 (T for the ten), an empty suit
// left empty or written "-". A PBN deal "S:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9
// ..." names its first hand by a seat letter (S, W or O, N, E); the other
// three follow clockwise.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// The ranks of one hand by suit (index clTrefle..clPique), in the order written.
using TRangsMain = std::array<std::vector<std::uint8_t>, 4>;
// The four hands, by seat.
using TRangsDonne = std::array<TRangsMain, 4>;

// Each reader returns nothing and a French sentence in erreur on a fault;
// the hand is named by its seat ("la main de Sud ...").

// One hand of any number of cards (the tests' end positions hold fewer than 13).
std::optional<TRangsMain> LitMain(std::string_view texte, TJoueur joueur, std::string& erreur);
// A PBN deal, hands of any number of cards; blanks separate the hands.
std::optional<TRangsDonne> LitDonnePbn(std::string_view texte, std::string& erreur);
// A deal to play: thirteen cards in each hand, every card once, each hand in
// the engine's order (see RangeCommeLeMoteur).
std::optional<T4Jeux> LitJeuxPbn(std::string_view texte, std::string& erreur);

// "AKQ2.KJ3.A2.K432", each suit in the order of its ranks.
std::string EcritMain(const TRangsMain& main);
// "S:..." and the four hands from South.
std::string EcritDonnePbn(const TRangsDonne& mains);

// The cards of a hand in the order written, spades first.
std::vector<TCard> CartesDeMain(const TRangsMain& main);
// The ranks of the real cards given, by suit, in their order.
TRangsMain MainDeCartes(std::span<const TCard> cartes);
// Spades, hearts, diamonds, clubs, each suit from the ace down: the order in
// which the engine and kalvo-engine number a hand's positions 1..13.
void RangeCommeLeMoteur(std::vector<TCard>& cartes);

}  // namespace kalvo
