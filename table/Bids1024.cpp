#include "table/Bids1024.h"

#include "table/Palette.h"
#include "table/Polices.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalvo {

TBids1024::TBids1024(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  // Clicks go through to the felt, which decides what a click means.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const TDimensionsBids d = DimensionsBids(FDimension);
  FLargeur = d.Largeur;
  FHauteur = d.Hauteur;
  resize(0, 0);
}

TBid TBids1024::Bid(int n) const {
  if (n < 1 || n > FNumeroBid) return {};
  return FBids[static_cast<std::size_t>(n - 1)];
}

void TBids1024::Ajoute(TBid bid) {
  // A player with more than seven calls: the oldest leaves the row so that
  // the latest seven stay in sight.
  if (FNumeroBid == NbBidsParRangee) {
    std::copy(FBids.begin() + 1, FBids.end(), FBids.begin());
    --FNumeroBid;
  }
  FBids[static_cast<std::size_t>(FNumeroBid)] = bid;
  ++FNumeroBid;
}

void TBids1024::SetBid(int Hauteur, int Couleur) {
  if (Hauteur < 0 || Hauteur > 255 || Couleur < 0 || Couleur > 255) return;
  const TBid bid{static_cast<std::uint8_t>(Hauteur), static_cast<std::uint8_t>(Couleur)};
  if (bid.EstVide()) return;
  Ajoute(bid);
  alerte_ = false;
  if (bid.EstAlerte()) {
    --FNumeroBid;
    // Only a row on screen shows the alert.
    alerte_ = FVisible;
  }
  repaint();
}

void TBids1024::RemplaceBid(int Hauteur, int Couleur) {
  if (Hauteur < 0 || Hauteur > 255 || Couleur < 0 || Couleur > 255) return;
  if ((Hauteur == 0 && Couleur == 0) || FNumeroBid == 0) return;
  FBids[static_cast<std::size_t>(FNumeroBid - 1)] = {static_cast<std::uint8_t>(Hauteur), static_cast<std::uint8_t>(Couleur)};
  repaint();
}

void TBids1024::SetVisible(bool v) {
  if (v == FVisible) return;
  if (v) {
    const TDimensionsBids d = DimensionsBids(FDimension);
    FLargeur = d.Largeur;
    FHauteur = d.Hauteur;
    resize(FLargeur, FHauteur);
  } else {
    resize(0, 0);
    FBids.fill({});
    FNumeroBid = 0;
    alerte_ = false;
  }
  FVisible = v;
  repaint();
}

void TBids1024::SetDimension(int d) {
  if (d == FDimension || d < 1 || d > 3) return;
  FDimension = d;
  const TDimensionsBids dims = DimensionsBids(FDimension);
  FLargeur = dims.Largeur;
  FHauteur = dims.Hauteur;
  if (FVisible) resize(FLargeur, FHauteur);
  update();
}

void TBids1024::SetColor(const QColor& c) {
  if (c == FColor) return;
  FColor = c;
  if (FVisible) update();
}

void TBids1024::paintEvent(QPaintEvent*) {
  if (!FVisible || (FNumeroBid == 0 && !alerte_)) return;
  QPainter p(this);
  for (int n = 1; n <= FNumeroBid; ++n) DessineBid(p, n, FBids[static_cast<std::size_t>(n - 1)]);
  if (alerte_ && FNumeroBid < NbBidsParRangee) DessineBid(p, FNumeroBid + 1, BidAlerte);
}

void TBids1024::DessineBid(QPainter& p, int n, TBid bid) const {
  if (bid.EstVide()) return;
  const TDimensionsBids d = DimensionsBids(FDimension);
  const TRectangle r = BoiteBid(n, bid, FDimension);
  const QRect boite(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
  p.setPen(QPen(Qt::black, 0));

  if (bid.Hauteur == 0) {
    static constexpr std::array<QRgb, 5> fonds{0, CouleurPasse, CouleurContre, CouleurSurcontre, CouleurAlerte};
    static const std::array<QString, 5> textes{QString(), QStringLiteral("Passe"), QStringLiteral("X"),
                                               QStringLiteral("XX"), QStringLiteral("Alert")};
    if (bid.Couleur > 4) return;
    const QFont police = PoliceEnPoints(QStringLiteral("Times New Roman"), d.TailleAppel);
    const QFontMetrics fm(police);
    const int ty = (d.C - fm.height()) / 2;
    p.setBrush(QColor(fonds[bid.Couleur]));
    p.drawRect(boite);
    p.setFont(police);
    p.setPen(Qt::white);
    const QString& texte = textes[bid.Couleur];
    p.drawText(r.Left + (d.A - fm.horizontalAdvance(texte)) / 2, r.Top + ty + fm.ascent(), texte);
    return;
  }

  p.setBrush(Qt::white);
  p.drawRect(boite);
  if (bid.Hauteur >= 8) return;
  const QFont police = PoliceEnPoints(QStringLiteral("Times New Roman"), d.TailleNiveau);
  const QFontMetrics fm(police);
  const int ty = (d.C - fm.height()) / 2;
  p.setFont(police);
  p.setPen(Qt::black);
  const QString niveau = QString::number(bid.Hauteur);
  if (bid.Couleur >= 4) {
    p.drawText(r.Left + 6, r.Top + ty + fm.ascent(), niveau + QStringLiteral("SA"));
    return;
  }
  p.drawText(r.Left + 6, r.Top + ty + fm.ascent(), niveau);
  const QFont symboles = PoliceEnPoints(QStringLiteral("Symbol"), d.TailleNiveau + 2);
  const QFontMetrics fs(symboles);
  const int dy = fs.height() - fm.height();
  static const std::array<QString, 4> glyphes{QStringLiteral("♣"), QStringLiteral("♦"), QStringLiteral("♥"),
                                             QStringLiteral("♠")};
  // Smooth glyph, but the boxes of the next calls keep their sharp outline.
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(symboles);
  p.setPen(CouleurSymbole(bid.Couleur));
  p.drawText(r.Left + d.DecalageSymbole, r.Top + ty - dy + fs.ascent(), glyphes[bid.Couleur]);
  p.restore();
}

}  // namespace kalvo
