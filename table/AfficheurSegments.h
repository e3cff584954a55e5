// A seven-segment digit display, as on a scoreboard: lit segments in lime
// or yellow on black, the unlit ones faintly visible. The table shows the
// marks on three digits (54 × 33) and the tricks on two (42 × 33).
#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>

namespace kalvo {

// Segments a..g as bits 0..6: a top, b top right, c bottom right, d bottom,
// e bottom left, f top left, g middle.
using TSegments = std::uint8_t;
inline constexpr TSegments SegmentsMoins = 1u << 6;
TSegments SegmentsChiffre(int chiffre);   // 0..9; nothing lit otherwise

// What each digit of an n-digit display shows for a value: right-aligned,
// blanks before; a minus sign for a negative value; dashes everywhere when
// the value does not fit.
std::array<TSegments, 8> SegmentsValeur(int valeur, int nbChiffres);

// Outer size of an n-digit display: 12n + 18 by 33.
QSize TailleAfficheur(int nbChiffres);

class TAfficheurSegments : public QWidget {
  Q_OBJECT

 public:
  TAfficheurSegments(int nbChiffres, QColor couleur, QWidget* parent = nullptr);

  int Value() const { return FValue; }
  void SetValue(int v);
  QColor Couleur() const { return couleur_; }
  void SetCouleur(const QColor& c);
  int NbChiffres() const { return nbChiffres_; }

  QSize sizeHint() const override { return TailleAfficheur(nbChiffres_); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int nbChiffres_;
  QColor couleur_;
  int FValue = 0;
};

}  // namespace kalvo
