// The court cards (V, D, R): a framed panel holding a stylised figure, its
// letter and its suit, drawn in the top half and repeated upside down.
#pragma once

#include <QRectF>

class QPainter;

namespace kalvo {

// rang 11 jack, 12 queen, 13 king; couleur 0 clubs … 3 spades.
void DessinePanneauFigure(QPainter& p, const QRectF& panneau, int rang, int couleur);

}  // namespace kalvo
