#include "table/AfficheurSegments.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace kalvo {

TSegments SegmentsChiffre(int chiffre) {
  static constexpr std::array<TSegments, 10> table{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  return (chiffre >= 0 && chiffre <= 9) ? table[static_cast<std::size_t>(chiffre)] : 0;
}

std::array<TSegments, 8> SegmentsValeur(int valeur, int nbChiffres) {
  std::array<TSegments, 8> segments{};
  const int n = std::clamp(nbChiffres, 1, 8);
  const std::string texte = std::to_string(valeur);
  if (static_cast<int>(texte.size()) > n) {
    std::fill_n(segments.begin(), n, SegmentsMoins);
    return segments;
  }
  const int debut = n - static_cast<int>(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    segments[static_cast<std::size_t>(debut) + i] = c == '-' ? SegmentsMoins : SegmentsChiffre(c - '0');
  }
  return segments;
}

QSize TailleAfficheur(int nbChiffres) { return {12 * nbChiffres + 18, 33}; }

TAfficheurSegments::TAfficheurSegments(int nbChiffres, QColor couleur, QWidget* parent)
    : QWidget(parent), nbChiffres_(std::clamp(nbChiffres, 1, 8)), couleur_(couleur) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(TailleAfficheur(nbChiffres_));
}

void TAfficheurSegments::SetValue(int v) {
  if (v == FValue) return;
  FValue = v;
  update();
}

void TAfficheurSegments::SetCouleur(const QColor& c) {
  if (c == couleur_) return;
  couleur_ = c;
  update();
}

namespace {

constexpr double LargeurChiffre = 12.5;
constexpr double HauteurChiffre = 25.0;
constexpr double Epaisseur = 2.9;
constexpr double Jour = 0.55;       // gap between neighbouring segments
constexpr double Inclinaison = 0.09;

// A segment as an elongated hexagon between two points, on an upright digit.
QPolygonF Hexagone(QPointF a, QPointF b) {
  const bool horizontal = a.y() == b.y();
  const double e = Epaisseur / 2.0;
  if (horizontal) {
    const double x0 = a.x() + Jour;
    const double x1 = b.x() - Jour;
    const double y = a.y();
    return QPolygonF({{x0, y}, {x0 + e, y - e}, {x1 - e, y - e}, {x1, y}, {x1 - e, y + e}, {x0 + e, y + e}});
  }
  const double y0 = a.y() + Jour;
  const double y1 = b.y() - Jour;
  const double x = a.x();
  return QPolygonF({{x, y0}, {x + e, y0 + e}, {x + e, y1 - e}, {x, y1}, {x - e, y1 - e}, {x - e, y0 + e}});
}

std::array<QPolygonF, 7> SegmentsDessin() {
  const double g = Epaisseur / 2.0;
  const double d = LargeurChiffre - Epaisseur / 2.0;
  const double h = Epaisseur / 2.0;
  const double m = HauteurChiffre / 2.0;
  const double b = HauteurChiffre - Epaisseur / 2.0;
  return {Hexagone({g, h}, {d, h}), Hexagone({d, h}, {d, m}), Hexagone({d, m}, {d, b}), Hexagone({g, b}, {d, b}),
          Hexagone({g, m}, {g, b}), Hexagone({g, h}, {g, m}), Hexagone({g, m}, {d, m})};
}

QColor Eteint(const QColor& c) {
  return QColor::fromRgbF(c.redF() * 0.13f + 0.03f, c.greenF() * 0.13f + 0.03f, c.blueF() * 0.13f + 0.03f);
}

}  // namespace

void TAfficheurSegments::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF tout = QRectF(rect());

  // A black window set in a dark bezel.
  p.fillRect(rect(), QColor(40, 40, 40));
  QLinearGradient fond(0, 0, 0, tout.height());
  fond.setColorAt(0.0, QColor(0, 0, 0));
  fond.setColorAt(1.0, QColor(18, 18, 18));
  p.setPen(QPen(QColor(90, 90, 90), 1.0));
  p.setBrush(fond);
  p.drawRoundedRect(tout.adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);

  const std::array<QPolygonF, 7> segments = SegmentsDessin();
  const std::array<TSegments, 8> valeur = SegmentsValeur(FValue, nbChiffres_);
  const double pas = 16.0;
  const double gauche = (width() - pas * nbChiffres_) / 2.0 + (pas - LargeurChiffre) / 2.0;
  const double haut = (height() - HauteurChiffre) / 2.0;

  QColor halo = couleur_;
  halo.setAlphaF(0.22f);
  const QColor eteint = Eteint(couleur_);
  for (int n = 0; n < nbChiffres_; ++n) {
    QTransform t;
    t.translate(gauche + n * pas, haut);
    // Slanted as real displays are: the top leans right.
    t.shear(-Inclinaison, 0.0);
    t.translate(Inclinaison * HauteurChiffre, 0.0);
    for (int s = 0; s < 7; ++s) {
      const QPolygonF forme = t.map(segments[static_cast<std::size_t>(s)]);
      const bool allume = (valeur[static_cast<std::size_t>(n)] >> s) & 1u;
      if (allume) {
        p.setPen(QPen(halo, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(couleur_);
      } else {
        p.setPen(Qt::NoPen);
        p.setBrush(eteint);
      }
      p.drawPolygon(forme);
    }
  }
}

}  // namespace kalvo
