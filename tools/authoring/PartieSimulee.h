// A play of a deal card by card, as the trainer plays it: the rules of
// following suit and of the trick's winner, the tracking engine kept up to
// date (the defenders' discards and the claim test read it), and the
// cards' history. The main line of a script and the double-dummy analysis
// both walk through one.
#pragma once

#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvo {

class TPartieSimulee {
 public:
  TPartieSimulee(const T4Jeux& mains, TCouleur atout, TJoueur premierEntameur = jrOuest);

  // Plays the card for the seat to play; returns the French reason when the
  // card cannot be played (not held, already played, does not follow suit).
  std::optional<std::string> Joue(TCard carte);

  bool Terminee() const { return levee_ > 13; }
  int Levee() const { return levee_; }  // 1..13, 14 once the deal is over
  int NbSurTable() const { return nbSurTable_; }
  TJoueur Entameur() const { return entameur_; }
  TJoueur JoueurActuel() const { return joueur_; }
  const TCartesJouees& OnTable() const { return onTable_; }
  // Suit led in the current trick (the table must hold a card).
  T4Couleur CouleurEntame() const { return onTable_[entameur_].Couleur(); }
  TJoueur GagnantDerniere() const { return gagnant_; }
  int LeveesNS() const { return leveesNS_; }
  int LeveesEO() const { return leveesEO_; }
  const std::vector<TCard>& Cartes() const { return cartes_; }

  bool Tient(TJoueur joueur, TCard carte) const;  // dealt and not yet played
  bool ADistribue(TJoueur joueur, TCard carte) const;
  bool EstJouee(TCard carte) const;
  int Compte(TJoueur joueur, T4Couleur couleur) const;
  // Remaining cards of a suit, highest first.
  std::vector<TCard> Restantes(TJoueur joueur, T4Couleur couleur) const;
  bool PeutJouer(TCard carte) const;  // for the seat to play

  const T4Jeux& Mains() const { return mains_; }
  TCouleur Atout() const { return atout_; }
  const TSuiviMains& Suivi() const { return suivi_; }

 private:
  T4Jeux mains_;
  TCouleur atout_;
  TSuiviMains suivi_;
  std::array<std::array<bool, 13>, 4> jouee_{};
  TCartesJouees onTable_{};
  TJoueur entameur_;
  TJoueur joueur_;
  TJoueur gagnant_ = jrSud;
  int levee_ = 1;
  int nbSurTable_ = 0;
  int leveesNS_ = 0, leveesEO_ = 0;
  std::vector<TCard> cartes_;
};

}  // namespace kalvo
