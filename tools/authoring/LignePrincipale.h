// The main line of a script: the play the trainer makes when the user
// always plays the first right card. From chain 1, West leads; each
// defender plays what its alternatives give (the discard rules when they
// give nothing), each user's hand the first card of its list accepted with
// code 0 (in the chain, then along its equivalent chains); after each trick
// the walk goes to the chain's next one and through its decision nodes as
// they resolve in the position reached (a random node takes its first
// branch). The line stops after trick 12, or where the script hands the
// play to another mode: an automatic, pool or solution node, a claim, or a
// chain without a next one when the claim test of the trainer holds.
#pragma once

#include "model/Donne.h"
#include "tools/authoring/DoubleMort.h"
#include "tools/authoring/Verificateur.h"

#include <array>
#include <optional>
#include <vector>

namespace kalvo {

struct TLignePrincipale {
  enum TFin : std::uint8_t { lfDouzeLevees, lfMode, lfRevendication, lfProgramme, lfErreur };
  TFin Fin = lfErreur;
  std::vector<TCard> Cartes;   // in playing order from West's lead
  std::vector<int> Chaines;    // the trick chain of each trick played
  int ChaineFin = 0;           // the node or chain where the line stops
  std::optional<TConstat> Erreur;
  int RevendicationNS = 0;     // the claim's trick counts (lfRevendication)
  int RevendicationEO = 0;
};

// The hands must hold the 52 cards once each, suits consecutive.
TLignePrincipale SuitLignePrincipale(const TDonne& donne, const TOptionsVerification& options = {});

// The complete play a source without one gets: the main line, completed by
// double-dummy play (each seat plays its best card, the lowest of equals)
// where the script stops. Nothing, with the reason, when the main line
// breaks down.
struct TJeuDeduit {
  std::optional<std::array<TCard, 4 * NbLeveesJeuComplet>> Cartes;
  std::optional<TConstat> Erreur;
};
TJeuDeduit DeduitJeuComplet(const TDonne& donne, TSolveurDoubleMort& solveur);

}  // namespace kalvo
