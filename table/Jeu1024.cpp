#include "table/Jeu1024.h"

#include "table/JeuDeCartes.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kalvo {

TJeu1024::TJeu1024(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  resize(0, 0);
  SetJeu(JeuExemple);
  CalculeTaille();
}

void TJeu1024::CompteCouleurs() { CartesParCouleur_ = kalvo::CompteCouleurs(ValeurCartes_, CartesJouees); }

int TJeu1024::PlusLongueCouleur() const {
  return *std::max_element(CartesParCouleur_.begin(), CartesParCouleur_.end());
}

void TJeu1024::SetJeu(PTValeurCartes TheCartes) {
  CartesJouees.fill(false);
  WhereCartes_ = {};
  TotalCartesJouees_ = 0;
  if (TheCartes != nullptr) ValeurCartes_ = *TheCartes;
  else ValeurCartes_.fill(0);
  CompteCouleurs();
  if (FVisible) update();
}

void TJeu1024::SetCarteJouee(int Value) {
  // A slot already played is not played twice, and a slot without a card
  // is never played: the counts stay true to the picture.
  if (!EstValeurCarte(Value)) return;
  for (std::size_t i = 0; i < ValeurCartes_.size(); ++i) {
    if (ValeurCartes_[i] != Value || CartesJouees[i]) continue;
    CartesJouees[i] = true;
    --CartesParCouleur_[static_cast<std::size_t>(CouleurCarte(Value))];
    ++TotalCartesJouees_;
    update();
    return;
  }
}

int TJeu1024::isCarteTouchee(int X, int Y) const { return CarteTouchee(WhereCartes_, X, Y); }

void TJeu1024::Reinitialise() {
  CartesJouees.fill(false);
  TotalCartesJouees_ = 0;
  CompteCouleurs();
}

void TJeu1024::CalculeTaille() {
  const TDispositionJeu d = CalculeDisposition(FAffichage, FSetCartes, PlusLongueCouleur());
  FSens = d.Sens;
  FecartX = d.EcartX;
  FecartY = d.EcartY;
  FecartCouleurs = d.EcartCouleurs;
  FLargeur = d.Largeur;
  FHauteur = d.Hauteur;
  if (FVisible) resize(FLargeur, FHauteur);
}

void TJeu1024::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  if (v) CalculeTaille();
  else resize(0, 0);
  update();
}

void TJeu1024::SetAffichage(TAffichageJeu m) {
  if (m == FAffichage) return;
  FAffichage = m;
  CalculeTaille();
  if (FVisible) update();
}

void TJeu1024::SetSetCartes(int n) {
  if (n == FSetCartes || !EstSetCartesValide(n)) return;
  FSetCartes = n;
  CalculeTaille();
  if (FVisible) update();
}

void TJeu1024::SetAtout(int t) {
  if (t == FAtout) return;
  FAtout = t;
  if (FVisible) update();
}

void TJeu1024::SetColor(const QColor& c) {
  if (c == FColor) return;
  FColor = c;
  if (FVisible) update();
}

void TJeu1024::paintEvent(QPaintEvent*) {
  if (!FVisible) return;
  TEtatJeu etat;
  etat.ValeurCartes = ValeurCartes_;
  etat.CartesJouees = CartesJouees;
  etat.TotalCartesJouees = TotalCartesJouees_;
  etat.Affichage = FAffichage;
  etat.Atout = FAtout;
  etat.SetCartes = FSetCartes;
  etat.Disposition = {FSens, FecartX, FecartY, FecartCouleurs, FLargeur, FHauteur};
  etat.HauteurControle = height();
  WhereCartes_ = PlaceCartes(etat);

  QPainter p(this);
  for (const TWhereCarte& carte : WhereCartes_) {
    if (carte.Value != 0) DessineFace(p, carte.Rect.Left, carte.Rect.Top, carte.Value, FSetCartes);
  }
}

void TJeu1024::mousePressEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  emit OnMouseDown(event->button(), event->modifiers(), pt.x(), pt.y());
}

}  // namespace kalvo
