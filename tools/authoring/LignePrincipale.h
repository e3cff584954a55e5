// The main line of a script: the play the trainer makes when the user
// always plays the first right card. The trainer's own controller plays
// the deal (auction skipped, a random node taking its first branch). At
// each turn of South or North the cards the entries of code 0 name are
// tried in the order of the list (the chain's, then along its equivalent
// chains; a pattern from its lowest card up), then the other cards the
// hand may play; the first one the trainer accepts is played. The line
// stops after trick 12, where the script hands the play to another mode
// (automatic, pool, solution), to a claim, or to the declarer side alone
// (the trainer's winning claim), on broken data, or when no card of the
// hand is accepted.
#pragma once

#include "model/Donne.h"
#include "tools/authoring/Verificateur.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::redaction {

struct TLignePrincipale {
  enum TFin : std::uint8_t { lfDouzeLevees, lfMode, lfRevendication, lfProgramme, lfErreur };
  TFin Fin = lfErreur;
  std::optional<TCard> Entame;   // West's lead, even when the line breaks in the first trick
  std::vector<TCard> Cartes;     // the whole tricks played, from West's lead
  std::vector<int> Chaines;      // the trick chain of each trick played
  int ChaineFin = 0;             // the node or chain where the line stops
  // What goes wrong on the way, each naming the cards that lead there.
  std::vector<TConstat> Constats;
  int RevendicationNS = 0;       // the claim's trick counts (lfRevendication)
  int RevendicationEO = 0;
  // "HK H4 H2 H3 / HQ H7 H8 H6"
  std::string Texte() const;
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
TJeuDeduit DeduitJeuComplet(const TDonne& donne);

}  // namespace kalvo::redaction
