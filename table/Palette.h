// The table's fixed colours, shared by the faces, the bidding rows, the
// board and the decoration.
#pragma once

#include "model/BridgeTypes.h"

#include <QColor>

namespace kalvo {

// Felt under the controls, and the window's own background.
inline constexpr QRgb CouleurTapisDefaut = qRgb(152, 187, 152);
inline constexpr QRgb CouleurFondFenetre = qRgb(152, 188, 152);

// One colour per suit, the same on the faces and in the bidding rows:
// clubs dark green, diamonds orange, hearts red, spades navy.
inline constexpr std::array<QRgb, 4> CouleursSymboles{
    qRgb(30, 74, 28), qRgb(255, 92, 16), qRgb(204, 0, 0), qRgb(10, 37, 92)};

inline QColor CouleurSymbole(int couleur) {
  return EstCouleurReelle(couleur) ? QColor(CouleursSymboles[static_cast<std::size_t>(couleur)]) : QColor(Qt::black);
}

// Boxes of the calls that are not bids, by kind 1..4.
inline constexpr QRgb CouleurPasse = qRgb(28, 68, 24);
inline constexpr QRgb CouleurContre = qRgb(198, 0, 0);
inline constexpr QRgb CouleurSurcontre = qRgb(0, 0, 255);
inline constexpr QRgb CouleurAlerte = qRgb(0, 255, 255);

// Board wallet.
inline constexpr QRgb CouleurCadreEtui = qRgb(128, 0, 0);
inline constexpr QRgb CouleurCentreEtui = qRgb(192, 192, 192);
inline constexpr QRgb CouleurVulnerable = qRgb(255, 0, 0);
inline constexpr QRgb CouleurNonVulnerable = qRgb(0, 255, 0);
inline constexpr QRgb CouleurDonneur = qRgb(0, 0, 255);

// Lime and yellow as the labels and digit displays use them.
inline constexpr QRgb CouleurLime = qRgb(0, 255, 0);
inline constexpr QRgb CouleurJaune = qRgb(255, 255, 0);
inline constexpr QRgb CouleurContourEtiquette = qRgb(0, 128, 0);

// The dialogs' maroon ground and dark green bands.
inline constexpr QRgb CouleurMarron = qRgb(128, 0, 0);
inline constexpr QRgb CouleurVertFonce = qRgb(0, 66, 0);

}  // namespace kalvo
