// Pure geometry of the card faces and of a hand on the table: face sizes
// and names per card set, the hand's spacing per display mode, where each
// card lands and which card lies under a point. No painting here, so the
// numbers can be checked without a display.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace kalvo {

// One card as a single number, suit × 13 + rank − 1 (1..52).
using ctCarte = std::uint8_t;
// A hand: slots 1..13 held at indices 0..12.
using TValeurCartes = std::array<std::uint16_t, 13>;
using PTValeurCartes = const TValeurCartes*;
// Card set 1..3: the size of every face on the table.
using TSetCartes = int;

inline constexpr int NbSetsCartes = 3;
constexpr bool EstSetCartesValide(int set) { return set >= 1 && set <= NbSetsCartes; }

struct TTailleFace {
  int W = 0;
  int H = 0;
  friend constexpr bool operator==(TTailleFace, TTailleFace) = default;
};

// Face width × height of a card set; set 1 for anything out of range.
constexpr TTailleFace TailleFace(int set) {
  switch (set) {
    case 2: return {90, 121};
    case 3: return {133, 190};
    default: return {71, 103};
  }
}

// Corner radius r: the pixels whose horizontal plus vertical distance from a
// corner is at most r are not part of the face and show what lies beneath.
constexpr int RayonCoin(int set) {
  switch (set) {
    case 2: return 1;
    case 3: return 3;
    default: return 0;
  }
}

// The number after "FR_" is value + 400, + 100 or + 200 for sets 1, 2, 3.
constexpr int DecalageNomFace(int set) {
  switch (set) {
    case 2: return 100;
    case 3: return 200;
    default: return 400;
  }
}

// Decoding shared by every control: the value is reduced modulo 100 first.
constexpr int CouleurCarte(int value) { return (value % 100 - 1) / 13; }
constexpr int RangCarte(int value) { return (value % 100 - 1) % 13 + 2; }
// A value that names a real card once decoded (1..52 after the reduction).
constexpr bool EstValeurCarte(int value) {
  return value >= 0 && value % 100 >= 1 && value % 100 <= 52;
}

// "FR_452" for the ace of spades in set 1. Empty for a set out of range.
std::string NomImageFace(int value, int set);

// Reads "FR_401".."FR_452", "FR_101".."FR_152", "FR_201".."FR_252" into the
// card value 1..52 and its set; false for any other text.
bool LitNomImageFace(std::string_view nom, int& value, int& set);

// The index written in a corner of a face: "A", "R", "D", "V", "10", "9" … "2".
std::string TexteIndexRang(int rang);

// Spacing of a hand, by card set.
struct TEcartsJeu {
  int W, H, a, b, c, d, e, f, g, h;
};
TEcartsJeu EcartsJeu(int set);

// What the layout gives a hand control for a display mode.
struct TDispositionJeu {
  bool Sens = true;   // card footprint upright (true) or sideways (false)
  int EcartX = 0;
  int EcartY = 0;
  int EcartCouleurs = 0;
  int Largeur = 0;
  int Hauteur = 0;
  friend constexpr bool operator==(const TDispositionJeu&, const TDispositionJeu&) = default;
};
// L is the number of unplayed cards of the hand's longest suit.
TDispositionJeu CalculeDisposition(TAffichageJeu mode, int set, int plusLongueCouleur);

// Suit order of a hand's display: trumps first (spades without trumps), then
// alternating colours: spades, hearts, clubs, diamonds, spades …
constexpr TCouleur CouleurSuivante(TCouleur c) {
  switch (c) {
    case clPique: return clCoeur;
    case clCoeur: return clTrefle;
    case clTrefle: return clCarreau;
    default: return clPique;
  }
}
std::array<TCouleur, 4> OrdreCouleurs(int atout);

// A rectangle as the hand records it: left and top inside, right and bottom
// outside.
struct TRectangle {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr bool Contient(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend constexpr bool operator==(const TRectangle&, const TRectangle&) = default;
};

struct TWhereCarte {
  TRectangle Rect;
  int Value = 0;
  friend constexpr bool operator==(const TWhereCarte&, const TWhereCarte&) = default;
};
// Entries in drawing order; those beyond the last card drawn stay empty.
using TWhereCartes = std::array<TWhereCarte, 13>;

// Everything the placing of a hand's cards depends on.
struct TEtatJeu {
  TValeurCartes ValeurCartes{};
  std::array<bool, 13> CartesJouees{};
  int TotalCartesJouees = 0;
  TAffichageJeu Affichage = afjNormal;
  int Atout = 4;
  int SetCartes = 1;
  TDispositionJeu Disposition;
  int HauteurControle = 0;   // the control's current height
};

// The cards in drawing order with the point where each face is drawn (the
// rectangle's top-left corner) and its footprint.
TWhereCartes PlaceCartes(const TEtatJeu& etat);

// The value of the card drawn last whose rectangle holds the point, or 0.
int CarteTouchee(const TWhereCartes& where, int x, int y);

// Unplayed cards of each real suit; slots that hold no card are not counted.
std::array<int, 4> CompteCouleurs(const TValeurCartes& cartes, const std::array<bool, 13>& jouees);

}  // namespace kalvo
