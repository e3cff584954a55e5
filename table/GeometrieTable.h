// Pure geometry of the main window: its size for a work area, the button
// row, where the hands, the played cards, the board, the bidding rows and
// the alert boxes go. No widget here, so every number can be checked
// without a display.
#pragma once

#include "model/BridgeTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace kalvo {

// The window's size for a screen work area: at most 1600 × 1024, never
// narrower than 1024.
inline constexpr int LargeurMaxFenetre = 1600;
inline constexpr int HauteurMaxFenetre = 1024;
inline constexpr int LargeurMinFenetre = 1024;
QSize TailleFenetre(const QRect& zoneTravail);

// The buttons of the bottom row, in their order along the row.
enum TBoutonRangee : std::uint8_t {
  brReglages, brScores, brRevoirBids, brPoint, brLastLevee, brJeuAuto, brPrecedente, brDonne, brSuivante, brQuitter
};
inline constexpr int NbBoutonsRangee = 10;

struct TRangeeBoutons {
  int Ecart = 0;     // G
  int Points = 0;    // font size of the captions
  int Largeur = 0;   // w
  std::array<QRect, NbBoutonsRangee> Boutons{};
};
inline constexpr int HauteurBouton = 43;
// The row for a client area of cw × ch.
TRangeeBoutons RangeeBoutons(int cw, int ch);

// "Démarrer" and "Jeu de la carte" share one place above the row's right end.
QRect PlaceBoutonsDepart(int cw, int ch, QSize taille);

// Height of the bottom frame, which South's hand stands above.
inline constexpr int HauteurBas = 75;

// The top-left corner of a seat's hand of size largeur × hauteur (its
// Largeur and Hauteur properties). East takes West's top: hautOuest.
QPoint PlaceJeu(TJoueur joueur, int cw, int ch, QSize taille, int hautOuest);

// The arrow stands 16 pixels left of South's hand.
inline constexpr QSize TailleFleche{26, 29};
int GaucheFleche(int gaucheSud);

// The four played cards around the middle of the table. carte is the size
// of one face (W × H) of card set k; hautSud the top of South's hand;
// basNord the bottom of North's hand (its top + its current height).
struct TCartesJoueesPlaces {
  std::array<QPoint, 4> Coins{};  // by TJoueur
  int Decalage = 0;   // d: South's card above South's hand
  int Recouvrement = 0;  // c: how much of South's card North's covers
};
TCartesJoueesPlaces PlaceCartesJouees(int largeurFenetre, int k, QSize carte, int hautSud, int basNord);

// The board wallet of side cote.
QPoint PlaceEtui(int cw, int ch, int cote);

// The four bidding rows around the board (rectangle etui), each of size
// tailles[seat]; ecart is 32 when the settings change, 16 during the
// auction replay. hauteurSud is the height taken for South's row.
std::array<QPoint, 4> PlaceBids(const QRect& etui, int cw, const std::array<QSize, 4>& tailles, int hauteurSud,
                                int ecart);
inline constexpr int EcartBidsReglages = 32;
inline constexpr int EcartBidsEncheres = 16;

// The box of alert n (1, 2, ...) drawn over the felt during the auction.
QRect RectAlerte(int n);

}  // namespace kalvo
