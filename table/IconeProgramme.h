// The program's icon: two cards, a spade and a heart, fanned on the felt of
// a rounded square, drawn at any size (32 × 32 in the information box).
#pragma once

#include <QPixmap>

namespace kalvo {

QPixmap ImageIconeProgramme(int cote = 32);

}  // namespace kalvo
