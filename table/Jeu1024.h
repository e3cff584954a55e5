// TJeu1024: one player's hand of up to 13 cards in one of eight display
// modes. Played cards leave the picture and the others close up; a click is
// answered with the card under the pointer.
#pragma once

#include "table/GeometrieCartes.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <vector>

namespace kalvo {

class TJeu1024 : public QWidget {
  Q_OBJECT

 public:
  // The hand shown until the owner loads one: spades A K Q 10, hearts K 10 9 7,
  // diamonds A 10, clubs A K 9.
  static constexpr TValeurCartes JeuExemple{52, 51, 50, 48, 38, 35, 34, 32, 26, 22, 13, 12, 8};

  explicit TJeu1024(QWidget* parent = nullptr);

  // A new hand: nothing played. Does not lay the control out again.
  void SetJeu(PTValeurCartes TheCartes);
  void SetJeu(const TValeurCartes& cartes) { SetJeu(&cartes); }
  // The first unplayed slot holding Value leaves the picture.
  void SetCarteJouee(int Value);
  // The value of the card on top under the point, or 0; reads the places of
  // the last paint.
  int isCarteTouchee(int X, int Y) const;
  // Every card back in the hand; no repaint.
  void Reinitialise();
  // The keyboard focus, drawn as a frame around the card: a card still in
  // the hand, or 0 for none (refused otherwise). The hand's accessible name
  // then names the card ("Dame de Cœur").
  void SetFocusCarte(int Value);
  int FocusCarte() const { return focus_; }
  // The values of the cards still in the hand, in the hand's order.
  std::vector<int> CartesRestantes() const;

  // This flag, not the widget's own visibility, gives the size and the picture.
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  TAffichageJeu Affichage() const { return FAffichage; }
  void SetAffichage(TAffichageJeu m);
  int Atout() const { return FAtout; }
  void SetAtout(int t);
  int SetCartes() const { return FSetCartes; }
  void SetSetCartes(int n);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& c);
  TJoueur Joueur() const { return FJoueur; }
  void SetJoueur(TJoueur j) { FJoueur = j; }
  int Largeur() const { return FLargeur; }
  int Hauteur() const { return FHauteur; }
  int Tag() const { return tag_; }
  void SetTag(int t) { tag_ = t; }

  bool Sens() const { return FSens; }
  int EcartX() const { return FecartX; }
  int EcartY() const { return FecartY; }
  int EcartCouleurs() const { return FecartCouleurs; }
  int TotalCartesJouees() const { return TotalCartesJouees_; }
  const std::array<int, 4>& CartesParCouleur() const { return CartesParCouleur_; }
  int PlusLongueCouleur() const;
  std::array<TCouleur, 4> OrdreCouleurs() const { return kalvo::OrdreCouleurs(FAtout); }
  const TValeurCartes& ValeurCartes() const { return ValeurCartes_; }
  const TWhereCartes& WhereCartes() const { return WhereCartes_; }

 signals:
  void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void CalculeTaille();
  void CompteCouleurs();

  TValeurCartes ValeurCartes_{};
  bool FVisible = false;
  TAffichageJeu FAffichage = afjNormal;
  int FAtout = 4;
  bool FSens = true;
  int FSetCartes = 1;
  TJoueur FJoueur = jrSud;
  QColor FColor{152, 187, 152};
  int FLargeur = 0;
  int FHauteur = 0;
  int FecartX = 0;
  int FecartY = 0;
  int FecartCouleurs = 0;
  std::array<bool, 13> CartesJouees{};
  std::array<int, 4> CartesParCouleur_{};
  TWhereCartes WhereCartes_{};
  int TotalCartesJouees_ = 0;
  int tag_ = 0;
  int focus_ = 0;
};

}  // namespace kalvo
