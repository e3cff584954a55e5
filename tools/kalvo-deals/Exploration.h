// The exploration of a deal's script through the trainer's own controller:
// every card the user may play at each turn of the declarer's side, both
// branches of every random node, and what goes wrong on the way (a defender
// the script leaves without its card, a turn with no accepted card, an
// accepted line that loses the contract, a deal stopped on broken data).
#pragma once

#include "tools/authoring/PartieControleur.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::outil_donnes {

using TFichiersExploration = redaction::TFichiersBase;

struct TOptionsExploration {
  // Lines followed to their end before the exploration gives up (a warning).
  long LignesMax = 50000;
};

struct TConstatExploration {
  redaction::TGravite Gravite = redaction::grErreur;
  int Levee = 0;         // the trick where it happens
  std::string Ligne;     // the cards that lead there, "HK H4 H2 H3 / HQ", with the draws
  std::string Message;   // French
  long AutresLignes = 0; // other lines that reach the same finding
  // "message (après HK H4 H2 H3 / HQ ; 2 autres lignes)."
  std::string Texte() const;
};

struct TResultatExploration {
  long Lignes = 0;  // lines followed to their end (or to a finding that ends them)
  // Positions met again by another order of the same cards: not explored twice.
  long PositionsDejaVues = 0;
  bool Interrompue = false;
  std::vector<TConstatExploration> Constats;  // in the order found, each once
  double Millisecondes = 0;
};

// Explores deal `numero` (1-based) of the database. The commentary files
// the controller writes go to a folder of its own, removed afterwards.
TResultatExploration ExploreDonne(const TFichiersExploration& fichiers, int numero,
                                  const TOptionsExploration& options = {});

}  // namespace kalvo::outil_donnes
