// Our own card faces, painted at the exact pixel size of each card set so
// that they stay crisp: white card with a fine border, the French index in
// two corners, pips laid out as on real cards, aces with one large pip and
// framed court cards with a stylised figure.
#pragma once

#include <QImage>

namespace kalvo {

// How the faces are drawn beyond their set: larger indices in set 3 (the
// "grandes cartes" setting), a black outline twice as thick (high contrast).
// The default draws the usual faces.
struct TStyleFaces {
  bool GrandsIndex = false;
  bool Contraste = false;
  friend constexpr bool operator==(TStyleFaces, TStyleFaces) = default;
};

// The face of card value 1..52 in card set 1..3, its corners transparent
// (the pixels within the set's corner radius always are). A null image for a
// value or set out of range.
QImage PeintFace(int value, int setCartes, TStyleFaces style = {});

// What stands for a face that cannot be painted: a grey card crossed in red,
// the size of the set's faces (set 1 for a set out of range), so that a
// fault shows on the table instead of an empty place.
QImage PeintFaceManquante(int setCartes);

}  // namespace kalvo
