#include "table/GeometrieTable.h"

#include <algorithm>

namespace kalvo {

QSize TailleFenetre(const QRect& zoneTravail) {
  const int largeur = std::min(LargeurMaxFenetre, zoneTravail.width());
  const int hauteur = std::min(HauteurMaxFenetre, zoneTravail.height());
  return {std::max(LargeurMinFenetre, largeur), std::max(1, hauteur)};
}

TRangeeBoutons RangeeBoutons(int cw, int ch) {
  TRangeeBoutons r;
  if (cw <= 800) {
    r.Ecart = 16;
    r.Points = 10;
  } else if (cw <= 1200) {
    r.Ecart = 24;
    r.Points = 11;
  } else {
    r.Ecart = 32;
    r.Points = 12;
  }
  const int g = r.Ecart;
  const int w = (cw - 9 * g) / 8;
  r.Largeur = w;
  const int haut = ch - HauteurBouton - 16;
  auto place = [&](TBoutonRangee b, int gauche, int largeur) { r.Boutons[b] = QRect(gauche, haut, largeur, HauteurBouton); };
  auto droite = [&](TBoutonRangee b) { return r.Boutons[b].x() + r.Boutons[b].width(); };
  place(brReglages, g, w);
  place(brScores, droite(brReglages) + g, w);
  place(brRevoirBids, droite(brScores) + g, w);
  place(brPoint, droite(brRevoirBids) + g, w);
  place(brLastLevee, droite(brPoint) + g, w);
  place(brJeuAuto, droite(brLastLevee) + g, w);
  place(brPrecedente, droite(brLastLevee) + g, w / 4);
  place(brDonne, droite(brPrecedente) + 4, w / 2 - 8);
  place(brSuivante, droite(brDonne) + 4, w / 4);
  place(brQuitter, droite(brSuivante) + g, w);
  return r;
}

QRect PlaceBoutonsDepart(int cw, int ch, QSize taille) {
  return {cw - taille.width() - 30, ch - taille.height() - 100, taille.width(), taille.height()};
}

QPoint PlaceJeu(TJoueur joueur, int cw, int ch, QSize taille, int hautOuest) {
  switch (joueur) {
    case jrSud: return {(cw - taille.width()) / 2, ch - HauteurBas - taille.height() - 16};
    case jrNord: return {(cw - taille.width()) / 2, 30};
    case jrOuest: return {cw / 20, 40 * (ch - taille.height()) / 100};
    case jrEst: return {75 * cw / 100, hautOuest};
  }
  return {};
}

int GaucheFleche(int gaucheSud) { return gaucheSud - TailleFleche.width() - 16; }

TCartesJoueesPlaces PlaceCartesJouees(int largeurFenetre, int k, QSize carte, int hautSud, int basNord) {
  const int H = carte.height();
  const int W = carte.width();
  const int b = hautSud - basNord;
  TCartesJoueesPlaces p;
  int& c = p.Recouvrement;
  int& d = p.Decalage;
  if (H > b) {
    d = 8;
    c = H * 5 / 10;
  } else if (b < H * 18 / 10) {
    d = 8;
    c = std::max(b - H - 16, H * 4 / 10);
  } else {
    d = (b - H * 18 / 10) / 2;
    c = H / 10;
  }
  QPoint& sud = p.Coins[jrSud];
  QPoint& nord = p.Coins[jrNord];
  sud = {(largeurFenetre - W) / 2 + 4 * k, hautSud - d - H};
  nord = {sud.x() - 8 * k, sud.y() - H + c};
  const int demi = (sud.y() - nord.y()) / 2;
  p.Coins[jrOuest] = {sud.x() - W + 8 * k, nord.y() + demi * 8 / 10};
  p.Coins[jrEst] = {nord.x() + W - 8 * k, nord.y() + demi * 12 / 10};
  return p;
}

QPoint PlaceEtui(int cw, int ch, int cote) { return {(cw - cote) / 2, 36 * (ch - cote) / 100}; }

std::array<QPoint, 4> PlaceBids(const QRect& etui, int cw, const std::array<QSize, 4>& tailles, int hauteurSud,
                                int ecart) {
  std::array<QPoint, 4> p{};
  const int droiteEtui = etui.x() + etui.width();
  const int basEtui = etui.y() + etui.height();
  p[jrSud] = {(cw - tailles[jrSud].width()) / 2, basEtui + 16};
  p[jrNord] = {p[jrSud].x(), etui.y() - hauteurSud - 16};
  p[jrOuest] = {etui.x() - tailles[jrOuest].width() - ecart, etui.y() + (etui.height() - hauteurSud) / 2};
  p[jrEst] = {droiteEtui + ecart, p[jrOuest].y()};
  return p;
}

QRect RectAlerte(int n) { return {20, (n - 1) * 30 + 88, 330, 28}; }

}  // namespace kalvo
