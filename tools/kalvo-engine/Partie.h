// Drives the tracking engine card by card the way the trainer does, and
// keeps the few state values the trick loop owns (leader, table, trick).
#pragma once

#include <array>
#include <string>

#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"

namespace kalvo {

struct TLeveeJouee {
  int numero = 0;
  TJoueur entameur = jrSud;
  TJoueur gagnant = jrSud;
  std::array<TCard, 4> cartes{};  // in playing order from the leader
};

class TPartie {
 public:
  TPartie(const T4Jeux& jeux, TCouleur atout, TJoueur entameur);

  // Plays the next card for the seat whose turn it is. On refusal nothing
  // changes and the French reason is returned; empty when accepted.
  std::string Joue(TCard carte);

  const TSuiviMains& Suivi() const { return FSuivi; }
  // Solutions for the seat to lead the trick about to be played.
  void CalculeSolutions() { FSuivi.s_CalculeSolutions(FJoueur, FLevee); }
  bool FinDeLevee() const { return FNbSurTable == 0; }  // also true before the first card
  bool Terminee() const { return FLevee > 13; }
  const TLeveeJouee& DerniereLevee() const { return FDerniere; }
  TJoueur JoueurActuel() const { return FJoueur; }
  TJoueur Entameur() const { return FEntameur; }
  int Levee() const { return FLevee; }  // the trick being played, 14 after the last
  const TCartesJouees& OnTable() const { return FOnTable; }

 private:
  TJoueur Gagnant() const;

  TSuiviMains FSuivi;
  TCouleur FAtout;
  TJoueur FEntameur;
  TJoueur FJoueur;
  int FLevee = 1;
  int FNbSurTable = 0;
  TCartesJouees FOnTable{};
  TLeveeJouee FDerniere;
};

}  // namespace kalvo
