#include "engine/PartieCartes.h"

#include <algorithm>

namespace kalvo {

TPartieCartes::TPartieCartes(const T4Jeux& mains, TCouleur atout, TJoueur premierEntameur)
    : atout_(atout), entameur_(premierEntameur), joueur_(premierEntameur) {
  suivi_.s_Initialise(mains, 0, atout);
}

bool TPartieCartes::Tient(TJoueur joueur, TCard carte) const {
  const int i = suivi_.s_ChercheIndiceCarte(joueur, carte);
  return i != 0 && !suivi_.s_isCarteJouee(joueur, i);
}

int TPartieCartes::Compte(TJoueur joueur, T4Couleur couleur) const {
  return static_cast<int>(Restantes(joueur, couleur).size());
}

std::vector<TCard> TPartieCartes::Restantes(TJoueur joueur, T4Couleur couleur) const {
  std::vector<TCard> cartes;
  for (int i = 1; i <= 13; ++i) {
    const TCard c = suivi_.Carte(joueur, i);
    if (c.c == couleur && !suivi_.s_isCarteJouee(joueur, i)) cartes.push_back(c);
  }
  std::sort(cartes.begin(), cartes.end(), [](TCard a, TCard b) { return a.h > b.h; });
  return cartes;
}

bool TPartieCartes::PeutJouer(TCard carte) const {
  if (Terminee()) return false;
  const std::vector<TCard> permises = CartesPermises(suivi_, joueur_, nbSurTable_ == 0 ? TCard{} : onTable_[entameur_]);
  return std::find(permises.begin(), permises.end(), carte) != permises.end();
}

std::optional<std::string> TPartieCartes::Joue(TCard carte) {
  const std::string siege(NomsJoueurs[joueur_]);
  if (Terminee()) return std::string("les treize levées sont déjà jouées");
  const int indice = carte.EstReelle() ? suivi_.s_ChercheIndiceCarte(joueur_, carte) : 0;
  if (indice == 0) return siege + " n'a pas " + NomCarteArticle(carte);
  if (suivi_.s_isCarteJouee(joueur_, indice)) return siege + " a déjà joué " + NomCarteArticle(carte);
  if (!PeutJouer(carte)) return siege + " doit fournir à " + std::string(NomsCouleurs[CouleurEntame()]);
  SignaleCarteJouee(suivi_, joueur_, indice);
  onTable_[joueur_] = carte;
  cartes_.push_back(carte);
  if (++nbSurTable_ < 4) {
    joueur_ = JoueurSuivant(joueur_);
    return std::nullopt;
  }
  levees_.push_back(LeveeJouee(onTable_, entameur_, atout_));
  const TJoueur gagnant = levees_.back().Gagnant;
  (gagnant == jrSud || gagnant == jrNord ? leveesNS_ : leveesEO_) += 1;
  SignaleFinDeLevee(suivi_, levee_, levee_ - 1);
  ++levee_;
  entameur_ = joueur_ = gagnant;
  onTable_ = TCartesJouees{};
  nbSurTable_ = 0;
  return std::nullopt;
}

}  // namespace kalvo
