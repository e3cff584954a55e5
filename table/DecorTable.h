// The table's frame and felt: a dark polished wooden frame with a thin gold
// inlay along its inner edge, in pieces of fixed sizes that the main window
// lays round the felt; and a finely textured felt.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

#include <array>

class QPainter;

namespace kalvo {

// The twelve frame elements, in the order they are laid.
enum TElementCadre : std::uint8_t {
  ecBarreH1, ecBarreH2, ecBG1, ecBG2, ecBD1, ecBD2, ecBas1, ecBas2,
  ecFondHG, ecFondHD, ecBasG, ecBasD
};
inline constexpr int NbElementsCadre = 12;

// The pictures, one per kind of piece (both top bars are the same picture).
enum TPieceCadre : std::uint8_t { pcFondHG, pcFondHD, pcBarreH, pcBordG, pcBordD, pcBasG, pcBasD, pcBas };
QSize TaillePieceCadre(TPieceCadre piece);
TPieceCadre PieceDeElement(TElementCadre element);
// Painted on first use and kept: every later call, and every paint of the
// frame, gets the same pixmap.
QPixmap ImageCadre(TPieceCadre piece);

// Where each element of the frame goes in a client area of cw × ch.
std::array<QRect, NbElementsCadre> PlacesCadre(int cw, int ch);

// Lays the whole frame; the felt between is left as it is.
void DessineCadre(QPainter& p, int cw, int ch);

// A tile of felt, seamless, averaging the given colour.
QPixmap TextureTapis(const QColor& couleur, int cote = 128);

}  // namespace kalvo
