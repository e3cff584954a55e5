#include "table/DecorTable.h"

#include "table/CacheImages.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>

namespace kalvo {

namespace {

// A small integer hash: the wood and the felt are the same at every run.
std::uint32_t Hache(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}
double Bruit(std::uint32_t a, std::uint32_t b) {
  return (Hache(a * 0x9E3779B1U ^ Hache(b + 0x632BE5ABU)) & 0xFFFF) / 65535.0;
}

// Smooth one-dimensional value noise in 0..1.
double BruitLisse(double t, std::uint32_t germe) {
  const double base = std::floor(t);
  const double f = t - base;
  const double lisse = f * f * (3.0 - 2.0 * f);
  const auto i = static_cast<std::uint32_t>(static_cast<std::int64_t>(base) & 0xFFFFFFF);
  return Bruit(i, germe) * (1.0 - lisse) + Bruit(i + 1, germe) * lisse;
}

// Wood across the grain only (t), so that two bars overlapping at any offset
// show no seam; u along the grain adds only a fine fibre speckle. Growth
// bands of uneven width come from a sine bent by slow noise.
QColor Bois(double t, int u, int germe) {
  const auto g = static_cast<std::uint32_t>(germe);
  const double bandes = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * (t / 7.0 + 2.4 * BruitLisse(t / 23.0, g)));
  const double fond = 0.42 + 0.30 * BruitLisse(t / 11.0, g + 7) + 0.14 * BruitLisse(t / 2.7, g + 13);
  const double veine = std::pow(bandes, 5.0);
  const double fibre = (Bruit(static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(u) * 31U + g) - 0.5) * 0.07;
  const double v = std::clamp(fond - 0.30 * veine + fibre, 0.0, 1.0);
  // From deep walnut to a warm reddish brown.
  return QColor(static_cast<int>(44 + v * 70), static_cast<int>(23 + v * 38), static_cast<int>(14 + v * 22));
}

QColor Eclaircit(const QColor& c, double facteur) {
  auto canal = [facteur](int v) { return std::clamp(static_cast<int>(v * facteur), 0, 255); };
  return QColor(canal(c.red()), canal(c.green()), canal(c.blue()));
}

enum class TFil { Horizontal, Vertical };

// Fills a picture with wood whose grain runs one way, polished: a soft light
// band across the piece and a varnish sheen.
QImage ImageBois(QSize taille, TFil fil, int germe) {
  QImage image(taille, QImage::Format_ARGB32_Premultiplied);
  const int travers = fil == TFil::Horizontal ? taille.height() : taille.width();
  for (int y = 0; y < taille.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < taille.width(); ++x) {
      const int a = fil == TFil::Horizontal ? y : x;
      const int u = fil == TFil::Horizontal ? x : y;
      const double lustre = 1.0 + 0.18 * std::exp(-std::pow((a - travers * 0.3) / (travers * 0.25 + 2.0), 2.0));
      ligne[x] = Eclaircit(Bois(a + germe * 17.0, u, germe), lustre).rgb();
    }
  }
  return image;
}

const QColor OrFilet(214, 176, 84);
const QColor OrOmbre(120, 88, 30);

// A gold inlay: a bright line with a darker line on its felt side.
void Filet(QPainter& p, const QPainterPath& chemin) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(OrOmbre, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(chemin);
  p.setPen(QPen(OrFilet, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPath(chemin);
}

// The bevel where the wood meets the felt: light on top, shadow below.
void Chanfrein(QPainter& p, const QPainterPath& chemin) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 10, 6, 200), 2.0));
  p.drawPath(chemin);
}

QImage BarreHaute() {
  const QSize t(800, 22);
  QImage image = ImageBois(t, TFil::Horizontal, 3);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath filet;
  filet.moveTo(0, 17.5);
  filet.lineTo(t.width(), 17.5);
  Filet(p, filet);
  QPainterPath bord;
  bord.moveTo(0, 21.0);
  bord.lineTo(t.width(), 21.0);
  Chanfrein(p, bord);
  return image;
}

QImage BordGauche() {
  const QSize t(14, 600);
  QImage image = ImageBois(t, TFil::Vertical, 5);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath filet;
  filet.moveTo(9.5, 0);
  filet.lineTo(9.5, t.height());
  Filet(p, filet);
  QPainterPath bord;
  bord.moveTo(13.0, 0);
  bord.lineTo(13.0, t.height());
  Chanfrein(p, bord);
  return image;
}

QImage BarreBasse() {
  const QSize t(800, 75);
  QImage image = ImageBois(t, TFil::Horizontal, 7);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath bord;
  bord.moveTo(0, 1.0);
  bord.lineTo(t.width(), 1.0);
  Chanfrein(p, bord);
  QPainterPath filet;
  filet.moveTo(0, 4.5);
  filet.lineTo(t.width(), 4.5);
  Filet(p, filet);
  // A faint rule near the lower edge frames the row of buttons.
  p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
  p.drawLine(QPointF(0, t.height() - 3.5), QPointF(t.width(), t.height() - 3.5));
  return image;
}

// Top-left corner: a plaque under the marks, its lower right corner rounded,
// the inlay following its edge from the top bar down into the left side.
QImage FondHautGauche() {
  const QSize t(251, 77);
  const double rayon = 16.0;
  QImage bois = ImageBois(t, TFil::Horizontal, 3);
  QImage image(t, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath plaque;
  plaque.moveTo(0, 0);
  plaque.lineTo(t.width(), 0);
  plaque.lineTo(t.width(), t.height() - rayon);
  plaque.quadTo(t.width(), t.height(), t.width() - rayon, t.height());
  plaque.lineTo(0, t.height());
  plaque.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(bois));
  p.drawPath(plaque);

  // Edge toward the felt, then the inlay three pixels inside it.
  QPainterPath bord;
  bord.moveTo(t.width() - 1.0, 21.0);
  bord.lineTo(t.width() - 1.0, t.height() - rayon);
  bord.quadTo(t.width() - 1.0, t.height() - 1.0, t.width() - rayon, t.height() - 1.0);
  bord.lineTo(13.0, t.height() - 1.0);
  Chanfrein(p, bord);
  QPainterPath filet;
  filet.moveTo(t.width(), 17.5);
  filet.lineTo(t.width() - 4.5, 17.5);
  filet.lineTo(t.width() - 4.5, t.height() - rayon);
  filet.quadTo(t.width() - 4.5, t.height() - 4.5, t.width() - rayon - 1.0, t.height() - 4.5);
  filet.lineTo(9.5, t.height() - 4.5);
  filet.lineTo(9.5, t.height());
  Filet(p, filet);
  return image;
}

// Bottom-left corner: the left side turning into the bottom bar.
QImage BasGauche() {
  const QSize t(21, 83);
  QImage image(t, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const QImage cote = ImageBois(t, TFil::Vertical, 5);
  const QImage bas = ImageBois(QSize(t.width(), 75), TFil::Horizontal, 7);
  QPainter p(&image);
  p.drawImage(QRect(0, 0, 14, t.height()), cote, QRect(0, 0, 14, t.height()));
  p.drawImage(QPoint(0, 8), bas);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath bord;
  bord.moveTo(13.0, 0);
  bord.lineTo(13.0, 9.0);
  bord.lineTo(t.width(), 9.0);
  Chanfrein(p, bord);
  QPainterPath filet;
  filet.moveTo(9.5, 0);
  filet.lineTo(9.5, 12.5);
  filet.lineTo(t.width(), 12.5);
  Filet(p, filet);
  return image;
}

QImage Miroir(const QImage& image) { return image.mirrored(true, false); }

QPixmap PeintPieceCadre(TPieceCadre piece) {
  switch (piece) {
    case pcFondHG: return QPixmap::fromImage(FondHautGauche());
    case pcFondHD: return QPixmap::fromImage(Miroir(FondHautGauche()));
    case pcBarreH: return QPixmap::fromImage(BarreHaute());
    case pcBordG: return QPixmap::fromImage(BordGauche());
    case pcBordD: return QPixmap::fromImage(Miroir(BordGauche()));
    case pcBasG: return QPixmap::fromImage(BasGauche());
    case pcBasD: return QPixmap::fromImage(Miroir(BasGauche()));
    case pcBas: return QPixmap::fromImage(BarreBasse());
  }
  return {};
}

// The eight pieces, about 0.6 MB: painting the wood takes milliseconds, far
// too long to repeat at every paint of the window.
TCacheImages& CacheCadre() {
  static TCacheImages cache(2 * 1024 * 1024);
  static const bool enregistre = (VideAvecLApplication(cache), true);
  (void)enregistre;
  return cache;
}

}  // namespace

QSize TaillePieceCadre(TPieceCadre piece) {
  switch (piece) {
    case pcFondHG:
    case pcFondHD: return {251, 77};
    case pcBarreH: return {800, 22};
    case pcBordG:
    case pcBordD: return {14, 600};
    case pcBasG:
    case pcBasD: return {21, 83};
    case pcBas: return {800, 75};
  }
  return {};
}

TPieceCadre PieceDeElement(TElementCadre element) {
  switch (element) {
    case ecBarreH1:
    case ecBarreH2: return pcBarreH;
    case ecBG1:
    case ecBG2: return pcBordG;
    case ecBD1:
    case ecBD2: return pcBordD;
    case ecBas1:
    case ecBas2: return pcBas;
    case ecFondHG: return pcFondHG;
    case ecFondHD: return pcFondHD;
    case ecBasG: return pcBasG;
    case ecBasD: return pcBasD;
  }
  return pcBarreH;
}

QPixmap ImageCadre(TPieceCadre piece) {
  // One size per piece, so the piece is the key.
  return CacheCadre().Image(piece, [piece] { return PeintPieceCadre(piece); });
}

std::array<QRect, NbElementsCadre> PlacesCadre(int cw, int ch) {
  auto taille = [](TElementCadre e) { return TaillePieceCadre(PieceDeElement(e)); };
  std::array<QRect, NbElementsCadre> r{};
  auto place = [&](TElementCadre e, int x, int y) { r[e] = QRect(QPoint(x, y), taille(e)); };
  place(ecFondHG, 0, 0);
  place(ecFondHD, cw - taille(ecFondHD).width(), 0);
  place(ecBarreH1, r[ecFondHG].right() + 1, 0);
  place(ecBarreH2, r[ecFondHD].left() - taille(ecBarreH2).width(), 0);
  place(ecBasG, 0, ch - taille(ecBasG).height());
  place(ecBasD, cw - taille(ecBasD).width(), ch - taille(ecBasD).height());
  place(ecBG1, 0, r[ecFondHG].bottom() + 1);
  place(ecBG2, 0, r[ecBasG].top() - taille(ecBG2).height());
  place(ecBD1, cw - taille(ecBD1).width(), r[ecFondHD].bottom() + 1);
  place(ecBD2, cw - taille(ecBD2).width(), r[ecBasD].top() - taille(ecBD2).height());
  place(ecBas1, r[ecBasG].right() + 1, ch - taille(ecBas1).height());
  place(ecBas2, r[ecBasD].left() - taille(ecBas2).width(), ch - taille(ecBas2).height());
  return r;
}

void DessineCadre(QPainter& p, int cw, int ch) {
  const std::array<QRect, NbElementsCadre> places = PlacesCadre(cw, ch);
  // Bars first, corners over them.
  for (int e = 0; e < NbElementsCadre; ++e) {
    const TElementCadre element = static_cast<TElementCadre>(e);
    p.drawPixmap(places[static_cast<std::size_t>(e)].topLeft(), ImageCadre(PieceDeElement(element)));
  }
}

QPixmap TextureTapis(const QColor& couleur, int cote) {
  const int n = std::max(8, cote);
  QImage image(n, n, QImage::Format_RGB32);
  for (int y = 0; y < n; ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < n; ++x) {
      // Fine fibres: independent speckle plus short diagonal threads; the hash
      // wraps with the tile so that it repeats without a seam.
      const double speckle = Bruit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)) - 0.5;
      const double fibre = Bruit(static_cast<std::uint32_t>((x + y) % n / 3), static_cast<std::uint32_t>((x - y + n) % n)) - 0.5;
      const int d = static_cast<int>(std::lround(speckle * 6.0 + fibre * 3.0));
      ligne[x] = qRgb(std::clamp(couleur.red() + d, 0, 255), std::clamp(couleur.green() + d, 0, 255),
                      std::clamp(couleur.blue() + d, 0, 255));
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace kalvo
