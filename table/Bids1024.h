// TBids1024: the calls of one player as a staircase of coloured boxes beside
// the board, filled while the auction is replayed on the table.
#pragma once

#include "table/GeometrieEncheres.h"

#include <QColor>
#include <QWidget>

#include <array>

namespace kalvo {

class TBids1024 : public QWidget {
  Q_OBJECT

 public:
  explicit TBids1024(QWidget* parent = nullptr);

  // Appends a call and paints at once. An alert is shown in the next slot
  // and not counted: the row's next call takes its place.
  void SetBid(int Hauteur, int Couleur);
  // Overwrites the last call held.
  void RemplaceBid(int Hauteur, int Couleur);

  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  void SetDimension(int d);
  int Dimension() const { return FDimension; }
  QColor Color() const { return FColor; }
  void SetColor(const QColor& c);
  TJoueur Joueur() const { return FJoueur; }
  void SetJoueur(TJoueur j) { FJoueur = j; }
  int Largeur() const { return FLargeur; }
  int Hauteur() const { return FHauteur; }
  int Tag() const { return tag_; }
  void SetTag(int t) { tag_ = t; }

  int NumeroBid() const { return FNumeroBid; }
  TBid Bid(int n) const;   // call 1..NumeroBid; an empty call otherwise
  bool AlerteAffichee() const { return alerte_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DessineBid(QPainter& p, int n, TBid bid) const;
  void Ajoute(TBid bid);

  bool FVisible = false;
  TJoueur FJoueur = jrSud;
  QColor FColor{152, 187, 152};
  int FDimension = 1;
  int FLargeur = 0;
  int FHauteur = 0;
  int FNumeroBid = 0;
  std::array<TBid, NbBidsParRangee> FBids{};
  // An alert box waiting in slot FNumeroBid + 1 until the row's next call.
  bool alerte_ = false;
  int tag_ = 0;
};

}  // namespace kalvo
