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
      FTexte(texte),
      FPolice(PoliceEnPixels(QStringLiteral("Trebuchet MS"), 16)),
      FCouleur(CouleurLime),
      FCouleurContour(CouleurContourEtiquette) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  AjusteTaille();
}

void TEtiquetteContour::SetCaption(const QString& texte) {
  if (texte == FTexte) return;
  FTexte = texte;
  update();
}

void TEtiquetteContour::SetContour(bool contour) {
  FContour = contour;
  update();
}

void TEtiquetteContour::SetAlignement(Qt::Alignment alignement) {
  FAlignement = alignement;
  update();
}

void TEtiquetteContour::SetCouleurs(const QColor& texte, const QColor& contour) {
  FCouleur = texte;
  FCouleurContour = contour;
  update();
}

QSize TEtiquetteContour::sizeHint() const {
  const QFontMetrics fm(FPolice);
  return {fm.horizontalAdvance(FTexte) + 2 * Marge, fm.height() + 2 * Marge};
}

void TEtiquetteContour::AjusteTaille() { resize(sizeHint()); }

void TEtiquetteContour::paintEvent(QPaintEvent*) {
  if (FTexte.isEmpty()) return;
  const QFontMetrics fm(FPolice);
  const int largeur = fm.horizontalAdvance(FTexte);
  int x = Marge;
  if (FAlignement & Qt::AlignHCenter) x = (width() - largeur) / 2;
  else if (FAlignement & Qt::AlignRight) x = width() - largeur - Marge;
  int y = Marge;
  if (FAlignement & Qt::AlignVCenter) y = (height() - fm.height()) / 2;
  else if (FAlignement & Qt::AlignBottom) y = height() - fm.height() - Marge;

  QPainterPath chemin;
  chemin.addText(x, y + fm.ascent(), FPolice, FTexte);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (FContour) {
    // The outline is stroked first, so the fill keeps the glyphs' full shape.
    p.setPen(QPen(FCouleurContour, EpaisseurContour, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chemin);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(FCouleur);
  p.drawPath(chemin);
}

}  // namespace kalvo
