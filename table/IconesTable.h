// The small pictures of the table: the turn arrow, the three cursors and the
// suit symbols of the review windows.
#pragma once

#include <QCursor>
#include <QPixmap>

#include <cstdint>

namespace kalvo {

// The arrow beside the hand whose turn it is, pointing at it (26 × 29).
QPixmap ImageFleche();

// The glyph of the previous-deal (suivante false) or next-deal button: a
// triangle against a bar, 18 × 16.
QPixmap ImageEtapeDonne(bool suivante);

// Cursor numbers as the main window registers them; 0 is the usual pointer.
enum TCurseurTable : std::uint8_t { crDefaut, crRamasse, crMainSud, crMainNord };
// "RAMASSE" (gather the trick), "MAINSUD", "MAINNORD" (South's or North's
// hand to play); crDefaut has no picture.
QPixmap ImageCurseur(TCurseurTable curseur);
QCursor CurseurTable(TCurseurTable curseur);
// By resource name, as the design names them; the usual pointer otherwise.
QCursor CurseurTable(const QString& nom);

// Pictures 990..993: the clubs, diamonds, hearts and spades symbols, 16 × 16
// on a transparent ground; a null pixmap for any other number.
QPixmap ImageSymbole(int numero);

}  // namespace kalvo
