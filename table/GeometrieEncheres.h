// Pure geometry of the bidding rows and of the board wallet: sizes per
// dimension, the box of each call, the board's inner square, its four
// trapezoids and the dealer's disc.
#pragma once

#include "model/BridgeTypes.h"
#include "table/GeometrieCartes.h"

#include <array>
#include <cstdint>

namespace kalvo {

// Sizes of a bidding row by dimension 1..3 (dimension 1 for anything else).
struct TDimensionsBids {
  int A;                 // box width
  int C;                 // box height
  int B;                 // horizontal step
  int D;                 // vertical step
  int TailleNiveau;      // font size of a level, points
  int TailleAppel;       // font size of pass, double, redouble, alert, points
  int DecalageSymbole;   // x offset of the suit symbol in a bid's box
  int Largeur;           // A + 6B
  int Hauteur;           // C + 6D
};
TDimensionsBids DimensionsBids(int dimension);

inline constexpr int NbBidsParRangee = 7;

// One call as a row holds it: a level 1..7 with a strain 0..4, or level 0
// with a kind 1 pass, 2 double, 3 redouble, 4 alert.
struct TBid {
  std::uint8_t Hauteur = 0;
  std::uint8_t Couleur = 0;
  constexpr bool EstVide() const { return Hauteur == 0 && Couleur == 0; }
  constexpr bool EstAlerte() const { return Hauteur == 0 && Couleur == 4; }
  friend constexpr bool operator==(TBid, TBid) = default;
};
inline constexpr TBid BidPasse{0, 1};
inline constexpr TBid BidContre{0, 2};
inline constexpr TBid BidSurcontre{0, 3};
inline constexpr TBid BidAlerte{0, 4};

// The box of the call in slot n (1-based): one step right of and one step
// below the call before; an alert box sits a little left and lower.
TRectangle BoiteBid(int n, TBid bid, int dimension);

// Side of the board: 90, 110 or 130 pixels for dimensions 1, 2, 3.
int CoteEtui(int dimension);

struct TPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(TPoint, TPoint) = default;
};

struct TGeometrieEtui {
  int s = 0;   // side of the square
  int i = 0;   // side of the inner square, 2s div 5
  int m = 0;   // margin around the inner square, (s − i) div 2
  TRectangle CarreInterieur() const { return {m, m, m + i, m + i}; }
  // The frame piece on a seat's side, from an outer corner round to the inner square.
  std::array<TPoint, 4> Trapeze(TJoueur cote) const;
  // Where the colour of a seat's side is seeded (inside its trapezoid).
  TPoint Germe(TJoueur cote) const;
  // Bounding box of the 20-pixel disc centred across the dealer's trapezoid.
  TRectangle DisqueDonneur(TJoueur donneur) const;
};
TGeometrieEtui GeometrieEtui(int cote);

// Font size of the deal number, points: 18, 20, 22 for dimensions 1, 2, 3.
int TailleNumeroEtui(int dimension);

constexpr bool NordSudVulnerable(TVulnerabilite v) { return v == vlnNS || v == vlnTous; }
constexpr bool EstOuestVulnerable(TVulnerabilite v) { return v == vlnEO || v == vlnTous; }
constexpr bool CoteVulnerable(TVulnerabilite v, TJoueur cote) {
  return LigneDe(cote) == liNS ? NordSudVulnerable(v) : EstOuestVulnerable(v);
}

}  // namespace kalvo
