#include "table/GeometrieFinDonne.h"

#include "model/BridgeTypes.h"

namespace kalvo {

QRect RectFenetreFinDonne(const QRect& zoneTravail) {
  const int largeur = zoneTravail.width() < 1025 ? zoneTravail.width() - 60 : 1000;
  return {zoneTravail.x() + 11, zoneTravail.y() + 30, largeur, zoneTravail.height() - 40};
}

TGeometrieFinDonne GeometrieFinDonne(int W, int H, int basForce, int largeurBouton, int hauteurBouton) {
  TGeometrieFinDonne g;
  g.W = W;
  g.H = H;
  const int ecart = (W - 3 * largeurBouton) / 4;
  g.XBoutons = {ecart, 2 * ecart + largeurBouton, 3 * ecart + 2 * largeurBouton};
  g.YBoutons = H - (hauteurBouton + 8);
  g.t = basForce + 20;
  g.dw = 3 * W / 5;
  g.dh = 2 * H / 5;
  g.a = g.l + g.dw + g.m;
  g.c = g.t + g.dh + g.m;
  g.cw = g.dw / 3;
  g.rh = g.dh / 3;
  g.sh = g.rh / 4;
  g.Blocs[jrNord] = {g.l + g.cw, g.t};
  g.Blocs[jrOuest] = {g.l, g.t + g.rh};
  g.Blocs[jrEst] = {g.l + 2 * g.cw, g.t + g.rh};
  g.Blocs[jrSud] = {g.l + g.cw, g.t + 2 * g.rh};
  // The window has no border: its width is the client width.
  g.Xcol[0] = g.a + g.m;
  g.Xcol[4] = W - g.m;
  const int w = (g.Xcol[4] - g.Xcol[0]) / 4;
  for (std::size_t k = 1; k < 4; ++k) g.Xcol[k] = g.Xcol[k - 1] + w;
  return g;
}

int TaillePoliceCommentaire(int largeurTravail, int hauteurTravail) {
  const int h = Minimum(1024, hauteurTravail);
  const int w = Minimum(1600, largeurTravail);
  if (h >= 901 && w >= 901) return 14;
  if (h >= 801 && w >= 801) return 13;
  return 12;
}

}  // namespace kalvo
