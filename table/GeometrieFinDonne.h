// Where everything of the end-of-deal screen goes, from the size of the
// screen's work area and of a few labels. Numbers only, so the layout can be
// checked without a display.
#pragma once

#include <QPoint>
#include <QRect>

#include <array>

namespace kalvo {

// The window: at (11, 30) from the work area's corner; 60 pixels narrower
// than a work area below 1025 pixels, else 1000 wide; 40 pixels shorter.
QRect RectFenetreFinDonne(const QRect& zoneTravail);

struct TGeometrieFinDonne {
  int W = 0, H = 0;        // client size
  int m = 10;              // margin
  int t = 0;               // top of the diagram and of the auction titles
  int l = 10;              // left of the diagram and of the commentary
  int dw = 0, dh = 0;      // diagram size
  int a = 0;               // left of the auction zone
  int c = 0;               // top of the commentary title
  int cw = 0, rh = 0, sh = 0;  // diagram column width, row height, suit line height
  std::array<QPoint, 4> Blocs{};  // top-left of each seat's block, by TJoueur
  std::array<int, 5> Xcol{};      // auction column borders
  std::array<int, 3> XBoutons{};  // "Arrêter", "Rejouer la donne", "Suivante"
  int YBoutons = 0;

  // Top of suit line i (0 = spades .. 3 = clubs) of a seat's block.
  int YCouleur(int joueur, int ligne) const { return Blocs[static_cast<std::size_t>(joueur)].y() + ligne * sh; }
  // Top of auction row r (1..9) and of alert line n (1..4).
  int YRangee(int r) const { return t + 24 * r; }
  int YAlerte(int n) const { return t + 20 * n + 148; }
  int LargeurColonne() const { return Xcol[1] - Xcol[0]; }
};

// basForce: the bottom of the "Force" value (top + height); largeurBouton
// and hauteurBouton: the size of the three buttons.
TGeometrieFinDonne GeometrieFinDonne(int W, int H, int basForce, int largeurBouton, int hauteurBouton);

// Size in points of the commentary: 14 when the work area (capped at
// 1600 x 1024) is at least 901 both ways, 13 at 801, else 12.
int TaillePoliceCommentaire(int largeurTravail, int hauteurTravail);

}  // namespace kalvo
