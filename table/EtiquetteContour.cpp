#include "table/EtiquetteContour.h"

#include "table/Palette.h"
#include "table/Polices.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace kalvo {

namespace {
constexpr double EpaisseurContour = 3.0;
constexpr int Marge = 2;   // room for the outline around the glyphs
}  // namespace

TEtiquetteContour::TEtiquetteContour(const QString& texte, QWidget* parent)
    : QWidget(parent),
      texte_(texte),
      police_(PoliceEnPixels(QStringLiteral("Trebuchet MS"), 16)),
      couleur_(CouleurLime),
      couleurContour_(CouleurContourEtiquette) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  AjusteTaille();
}

void TEtiquetteContour::SetCaption(const QString& texte) {
  if (texte == texte_) return;
  texte_ = texte;
  update();
}

void TEtiquetteContour::SetContour(bool contour) {
  contour_ = contour;
  update();
}

void TEtiquetteContour::SetAlignement(Qt::Alignment alignement) {
  alignement_ = alignement;
  update();
}

void TEtiquetteContour::SetCouleurs(const QColor& texte, const QColor& contour) {
  couleur_ = texte;
  couleurContour_ = contour;
  update();
}

QSize TEtiquetteContour::sizeHint() const {
  const QFontMetrics fm(police_);
  return {fm.horizontalAdvance(texte_) + 2 * Marge, fm.height() + 2 * Marge};
}

void TEtiquetteContour::AjusteTaille() { resize(sizeHint()); }

void TEtiquetteContour::paintEvent(QPaintEvent*) {
  if (texte_.isEmpty()) return;
  const QFontMetrics fm(police_);
  const int largeur = fm.horizontalAdvance(texte_);
  int x = Marge;
  if (alignement_ & Qt::AlignHCenter) x = (width() - largeur) / 2;
  else if (alignement_ & Qt::AlignRight) x = width() - largeur - Marge;
  int y = Marge;
  if (alignement_ & Qt::AlignVCenter) y = (height() - fm.height()) / 2;
  else if (alignement_ & Qt::AlignBottom) y = height() - fm.height() - Marge;

  QPainterPath chemin;
  chemin.addText(x, y + fm.ascent(), police_, texte_);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (contour_) {
    // The outline is stroked first, so the fill keeps the glyphs' full shape.
    p.setPen(QPen(couleurContour_, EpaisseurContour, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chemin);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(couleur_);
  p.drawPath(chemin);
}

}  // namespace kalvo
