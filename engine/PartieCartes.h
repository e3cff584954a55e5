// A play of a deal card by card with nothing judged: each card checked
// (held, not yet played, following suit), the trick completed and won,
// the tracking engine kept up to date as the trainer keeps it. The
// authoring checks, the double-dummy analysis, kalvo-engine and the tests
// play through one.
#pragma once

#include "engine/Levee.h"
#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvo {

class TPartieCartes {
 public:
  TPartieCartes(const T4Jeux& mains, TCouleur atout, TJoueur premierEntameur = jrOuest);

  // Plays the card for the seat to play; on refusal nothing changes and the
  // French reason is returned (not held, already played, does not follow).
  std::optional<std::string> Joue(TCard carte);

  bool Terminee() const { return levee_ > 13; }
  int Levee() const { return levee_; }  // the trick being played, 14 once the deal is over
  int NbSurTable() const { return nbSurTable_; }
  bool FinDeLevee() const { return nbSurTable_ == 0; }  // also before the first card
  TJoueur Entameur() const { return entameur_; }
  TJoueur JoueurActuel() const { return joueur_; }
  const TCartesJouees& OnTable() const { return onTable_; }
  // Suit led in the current trick (the table must hold a card).
  T4Couleur CouleurEntame() const { return onTable_[entameur_].Couleur(); }
  TJoueur GagnantDerniere() const { return levees_.empty() ? jrSud : levees_.back().Gagnant; }
  int LeveesNS() const { return leveesNS_; }
  int LeveesEO() const { return leveesEO_; }
  const std::vector<TCard>& Cartes() const { return cartes_; }     // in playing order
  const std::vector<TLeveeJouee>& Levees() const { return levees_; }  // the completed tricks

  bool Tient(TJoueur joueur, TCard carte) const;  // dealt and not yet played
  int Compte(TJoueur joueur, T4Couleur couleur) const;
  // Remaining cards of a suit, highest first.
  std::vector<TCard> Restantes(TJoueur joueur, T4Couleur couleur) const;
  bool PeutJouer(TCard carte) const;  // for the seat to play

  TCouleur Atout() const { return atout_; }
  const TSuiviMains& Suivi() const { return suivi_; }
  // The engine's searches that keep their results in it (solutions).
  TSuiviMains& Suivi() { return suivi_; }

 private:
  TSuiviMains suivi_;
  TCouleur atout_;
  TCartesJouees onTable_{};
  TJoueur entameur_;
  TJoueur joueur_;
  int levee_ = 1;
  int nbSurTable_ = 0;
  int leveesNS_ = 0, leveesEO_ = 0;
  std::vector<TCard> cartes_;
  std::vector<TLeveeJouee> levees_;
};

}  // namespace kalvo
