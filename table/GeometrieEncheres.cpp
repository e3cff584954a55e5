#include "table/GeometrieEncheres.h"

namespace kalvo {

TDimensionsBids DimensionsBids(int dimension) {
  switch (dimension) {
    case 2: return {100, 66, 45, 5, 30, 22, 25, 370, 96};
    case 3: return {120, 80, 60, 6, 36, 28, 29, 480, 116};
    default: return {81, 54, 30, 4, 24, 18, 20, 261, 78};
  }
}

TRectangle BoiteBid(int n, TBid bid, int dimension) {
  const TDimensionsBids d = DimensionsBids(dimension);
  int x = (n - 1) * d.B;
  int y = (n - 1) * d.D;
  if (bid.EstAlerte()) {
    if (x != 0) x -= 10;
    y += d.D;
  }
  return {x, y, x + d.A, y + d.C};
}

int CoteEtui(int dimension) {
  switch (dimension) {
    case 2: return 110;
    case 3: return 130;
    default: return 90;
  }
}

int TailleNumeroEtui(int dimension) {
  switch (dimension) {
    case 2: return 20;
    case 3: return 22;
    default: return 18;
  }
}

TGeometrieEtui GeometrieEtui(int cote) {
  TGeometrieEtui g;
  g.s = cote;
  g.i = 2 * cote / 5;
  g.m = (cote - g.i) / 2;
  return g;
}

std::array<TPoint, 4> TGeometrieEtui::Trapeze(TJoueur cote) const {
  const int a = m;
  const int b = m + i;
  switch (cote) {
    case jrNord: return {{{0, 0}, {s, 0}, {b, a}, {a, a}}};
    case jrSud: return {{{0, s}, {a, b}, {b, b}, {s, s}}};
    case jrOuest: return {{{0, 0}, {a, a}, {a, b}, {0, s}}};
    case jrEst: return {{{s, 0}, {s, s}, {b, b}, {b, a}}};
  }
  return {};
}

TPoint TGeometrieEtui::Germe(TJoueur cote) const {
  switch (cote) {
    case jrNord: return {s / 2, 10};
    case jrSud: return {s / 2, s - 10};
    case jrOuest: return {10, s / 2};
    case jrEst: return {s - 10, s / 2};
  }
  return {};
}

TRectangle TGeometrieEtui::DisqueDonneur(TJoueur donneur) const {
  constexpr int diametre = 20;
  const int q = ((s - i) / 2 - diametre) / 2;
  const int t = (s - diametre) / 2;
  TPoint coin{};
  switch (donneur) {
    case jrSud: coin = {t, s - q - diametre}; break;
    case jrNord: coin = {t, q}; break;
    case jrOuest: coin = {q, t}; break;
    case jrEst: coin = {s - q - diametre, t}; break;
  }
  return {coin.x, coin.y, coin.x + diametre, coin.y + diametre};
}

}  // namespace kalvo
