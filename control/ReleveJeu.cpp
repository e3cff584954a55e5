#include "control/ReleveJeu.h"

#include <algorithm>
#include <stdexcept>

namespace kalvo {

namespace {

// The code of a card in no accepted line of the script (the judge's own).
constexpr int CodeHorsLigneReleve = 49;

}  // namespace

void TReleveJeu::NoteLevee(TJoueur entameur, const TCartesJouees& cartes, TJoueur gagnant) {
  TLeveeReleve levee{entameur, cartes, gagnant, false, std::move(enCours_)};
  enCours_.clear();
  levee.JeuAuto = jeuAutoDepuis_ && NbLevees() + 1 >= *jeuAutoDepuis_;
  levees_.push_back(std::move(levee));
}

void TReleveJeu::NoteJeuAuto(int levee) {
  if (!jeuAutoDepuis_ || levee < *jeuAutoDepuis_) jeuAutoDepuis_ = levee;
}

const TLeveeReleve& TReleveJeu::Levee(int n) const {
  if (n < 1 || n > NbLevees()) throw std::out_of_range("levée " + std::to_string(n) + " absente du relevé");
  return levees_[static_cast<std::size_t>(n - 1)];
}

TMainsReleve TReleveJeu::MainsAuDebut(int n) const {
  if (n < 1 || n > NbLevees() + 1) throw std::out_of_range("levée " + std::to_string(n) + " absente du relevé");
  TMainsReleve mains;
  for (TJoueur j : TousLesJoueurs) {
    for (const TCard carte : mains_.cartes[j]) {
      const bool jouee = std::any_of(levees_.begin(), levees_.begin() + (n - 1),
                                     [&](const TLeveeReleve& l) { return l.Cartes[j] == carte; });
      if (!jouee && carte.EstReelle()) mains[j].push_back(carte);
    }
  }
  return mains;
}

int TReleveJeu::NombreRefus() const {
  std::size_t n = enCours_.size();
  for (const TLeveeReleve& l : levees_) n += l.Refus.size();
  return static_cast<int>(n);
}

bool TParcoursReleve::Precedente() {
  if (levee_ <= 1) return false;
  --levee_;
  return true;
}

bool TParcoursReleve::Suivante() {
  if (levee_ >= nb_) return false;
  ++levee_;
  return true;
}

std::string TitreLeveeReleve(int levee, int nbLevees) {
  return "Levée " + std::to_string(levee) + " sur " + std::to_string(nbLevees);
}

std::string TexteRefusReleve(const TRefusReleve& refus) {
  std::string texte = std::string(NomsJoueurs[refus.Joueur]) + " : " + NomCarte(refus.Carte) + " refusé";
  if (refus.Code == CodeHorsLigneReleve) return texte + " (hors des lignes prévues)";
  return texte + " (erreur " + std::to_string(refus.Code) + ")";
}

}  // namespace kalvo
