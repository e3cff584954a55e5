// Our own drawings of the four suit symbols, as paths, for the faces, the
// small symbol pictures and anywhere a crisp symbol is wanted at any size.
#pragma once

#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace kalvo {

// The symbol of a real suit (0 clubs … 3 spades) in a box of height 1, its
// width given by ProportionSymbole; an empty path for anything else.
QPainterPath CheminSymbole(int couleur);
// Width over height of a suit's symbol.
double ProportionSymbole(int couleur);

// Draws the symbol as large as fits in the box, centred, in the suit's
// colour; upside down when renverse (the lower half of a face).
void DessineSymbole(QPainter& p, const QRectF& boite, int couleur, bool renverse = false);

}  // namespace kalvo
