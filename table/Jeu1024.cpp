#include "table/Jeu1024.h"

#include "table/JeuDeCartes.h"
#include "model/BridgeTypes.h"

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
  SetFocusCarte(0);
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
    if (focus_ == Value) SetFocusCarte(0);
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

std::vector<int> TJeu1024::CartesRestantes() const {
  std::vector<int> cartes;
  for (std::size_t i = 0; i < ValeurCartes_.size(); ++i)
    if (EstValeurCarte(ValeurCartes_[i]) && !CartesJouees[i]) cartes.push_back(ValeurCartes_[i]);
  return cartes;
}

void TJeu1024::SetFocusCarte(int Value) {
  if (Value != 0) {
    const std::vector<int> restantes = CartesRestantes();
    if (std::find(restantes.begin(), restantes.end(), Value) == restantes.end()) return;
  }
  if (Value == focus_) return;
  focus_ = Value;
  setAccessibleName(Value != 0 ? QString::fromStdString(NomCarte(CarteDeIndex(Value))) : QString());
  update();
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
  // The focus: a dark frame with a light one inside, seen on any face.
  for (const TWhereCarte& carte : WhereCartes_) {
    if (focus_ == 0 || carte.Value != focus_) continue;
    const QRect r(carte.Rect.Left, carte.Rect.Top, carte.Rect.Right - carte.Rect.Left, carte.Rect.Bottom - carte.Rect.Top);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 60, 160), 3));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(3, 3, -4, -4));
  }
}

void TJeu1024::mousePressEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  emit OnMouseDown(event->button(), event->modifiers(), pt.x(), pt.y());
}

}  // namespace kalvo
