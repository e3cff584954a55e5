#include "tools/authoring/PartieSimulee.h"

#include "coaching/Levee.h"
#include "tools/authoring/Diagnostics.h"

#include <algorithm>

namespace kalvo {

TPartieSimulee::TPartieSimulee(const T4Jeux& mains, TCouleur atout, TJoueur premierEntameur)
    : mains_(mains), atout_(atout), entameur_(premierEntameur), joueur_(premierEntameur) {
  suivi_.s_Initialise(mains, 0, atout);
}

bool TPartieSimulee::ADistribue(TJoueur joueur, TCard carte) const {
  for (int i = 1; i <= 13; ++i)
    if (mains_(joueur, i) == carte) return true;
  return false;
}

bool TPartieSimulee::Tient(TJoueur joueur, TCard carte) const {
  for (int i = 1; i <= 13; ++i)
    if (mains_(joueur, i) == carte) return !jouee_[joueur][static_cast<std::size_t>(i - 1)];
  return false;
}

bool TPartieSimulee::EstJouee(TCard carte) const {
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i)
      if (mains_(j, i) == carte) return jouee_[j][static_cast<std::size_t>(i - 1)];
  return false;
}

int TPartieSimulee::Compte(TJoueur joueur, T4Couleur couleur) const {
  int n = 0;
  for (int i = 1; i <= 13; ++i)
    if (mains_(joueur, i).c == couleur && !jouee_[joueur][static_cast<std::size_t>(i - 1)]) ++n;
  return n;
}

std::vector<TCard> TPartieSimulee::Restantes(TJoueur joueur, T4Couleur couleur) const {
  std::vector<TCard> cartes;
  for (int i = 1; i <= 13; ++i) {
    const TCard c = mains_(joueur, i);
    if (c.c == couleur && !jouee_[joueur][static_cast<std::size_t>(i - 1)]) cartes.push_back(c);
  }
  std::sort(cartes.begin(), cartes.end(), [](TCard a, TCard b) { return a.h > b.h; });
  return cartes;
}

bool TPartieSimulee::PeutJouer(TCard carte) const {
  if (Terminee() || !Tient(joueur_, carte)) return false;
  if (nbSurTable_ == 0) return true;
  const T4Couleur entame = CouleurEntame();
  return carte.c == entame || Compte(joueur_, entame) == 0;
}

std::optional<std::string> TPartieSimulee::Joue(TCard carte) {
  const std::string siege(NomsJoueurs[joueur_]);
  if (Terminee()) return std::string("les treize levées sont déjà jouées");
  if (!ADistribue(joueur_, carte)) return siege + " n'a pas " + NomCarteArticle(carte);
  if (!Tient(joueur_, carte)) return siege + " a déjà joué " + NomCarteArticle(carte);
  if (!PeutJouer(carte)) return siege + " doit fournir à " + std::string(NomsCouleurs[CouleurEntame()]);
  int indice = 1;
  while (mains_(joueur_, indice) != carte) ++indice;
  jouee_[joueur_][static_cast<std::size_t>(indice - 1)] = true;
  suivi_.s_SetCarteJouee(joueur_, indice);
  suivi_.s_Actualise(joueur_, carte.Couleur());
  onTable_[joueur_] = carte;
  cartes_.push_back(carte);
  if (++nbSurTable_ < 4) {
    joueur_ = JoueurSuivant(joueur_);
    return std::nullopt;
  }
  gagnant_ = GagnantLevee(onTable_, entameur_, atout_);
  (gagnant_ == jrSud || gagnant_ == jrNord ? leveesNS_ : leveesEO_) += 1;
  // The trainer's order at the end of a trick, so that the engine's flags
  // are the ones its discard rules and claim test see.
  suivi_.s_ActualiseSuiviJeux(levee_, -1);
  suivi_.s_ActualiseCommunicationsBlocages(levee_);
  ++levee_;
  entameur_ = joueur_ = gagnant_;
  onTable_ = TCartesJouees{};
  nbSurTable_ = 0;
  return std::nullopt;
}

}  // namespace kalvo
