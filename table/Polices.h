// Fonts: the Windows font names the table is designed with are mapped to the
// free fonts installed with the program.
#pragma once

#include <QFont>
#include <QString>

namespace kalvo {

// Installs the substitutions Arial, Times New Roman, Trebuchet MS, Verdana,
// Tahoma, Symbol … → Liberation / DejaVu. Call once at start-up, before any
// widget is created.
void InstallePolicesDeSubstitution();

// A font sized in points as a 96 pixels-per-inch screen shows it, held in
// pixels so that the table looks the same whatever the screen reports.
QFont PoliceEnPoints(const QString& famille, int points, bool gras = false);
QFont PoliceEnPixels(const QString& famille, int pixels, bool gras = false);

// The family whose glyphs draw the four suit symbols ♣ ♦ ♥ ♠.
QString FamilleSymboles();

}  // namespace kalvo
