// The exploration of a deal's script through the trainer's own controller:
// every card the user may play at each turn of the declarer's side, both
// branches of every random node, and what goes wrong on the way (a defender
// the script leaves without its card, a turn with no accepted card, an
// accepted line that loses the contract, a deal stopped on broken data).
//
// It is bounded: positions already explored are not explored again (other
// orders of the same cards, equal cards, a stale lead between tricks share
// one key, see ClePosition.h), and it stops at a number of lines, of
// positions or of seconds, saying how far it got.
#pragma once

#include "control/JournalPartie.h"
#include "tools/authoring/PartieControleur.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::outil_donnes {

using TFichiersExploration = redaction::TFichiersBase;

// What became of one card the user may play at a position (once for each
// way the random nodes met on the way fell).
struct TVerdictCarte {
  enum TGenre : std::uint8_t { Acceptee, Refusee, HorsLigne, SansIssue };
  TCard Carte;
  TGenre Genre = Acceptee;
  TRefus Refus;  // Refusee and HorsLigne: the code, the text, where the script foresees it
};

// Told of every position explored where South or North is to play.
class TObservateurExploration {
 public:
  virtual ~TObservateurExploration() = default;
  // `ligne`: the cards that lead there, as in the findings.
  virtual void Position(const TControleur& position, const std::string& ligne,
                        const std::vector<TVerdictCarte>& verdicts) = 0;
};

struct TAvancementExploration {
  long Lignes = 0;
  long Positions = 0;
  double Secondes = 0;
};

struct TOptionsExploration {
  // Budgets: lines followed to their end, distinct positions explored, and
  // seconds of the Release build (0: none). The first reached stops the
  // exploration with a warning that says what was covered.
  long LignesMax = 50000;
  long PositionsMax = 400000;
  double SecondesMax = 10;
  TObservateurExploration* Observateur = nullptr;
  // Told about four times a second once the exploration has run a second.
  std::function<void(const TAvancementExploration&)> Avancement;
};

struct TConstatExploration {
  redaction::TGravite Gravite = redaction::grErreur;
  int Levee = 0;         // the trick where it happens, 0 for the deal as a whole
  std::string Ligne;     // the cards that lead there, "HK H4 H2 H3 / HQ", with the draws
  std::string Message;   // French
  long AutresLignes = 0; // other lines that reach the same finding
  // "message (après HK H4 H2 H3 / HQ ; 2 autres lignes)." ; before any
  // card, "message (au départ de la donne)."
  std::string Texte() const;
};

struct TResultatExploration {
  enum class TArret : std::uint8_t { Aucun, Lignes, Positions, Temps };
  long Lignes = 0;     // lines followed to their end (or to a finding that ends them)
  long Positions = 0;  // positions explored
  // Positions met again by another order of the same cards, or by an equal
  // card: not explored twice.
  long PositionsDejaVues = 0;
  bool Interrompue = false;
  TArret Arret = TArret::Aucun;
  // When interrupted: every position of the tricks before this one was
  // explored; ChoixLaisses cards or draws were left, the first after LigneLaissee.
  int PremiereLeveeIncomplete = 0;
  long ChoixLaisses = 0;
  std::string LigneLaissee;
  std::vector<TConstatExploration> Constats;  // in the order found, each once
  double Millisecondes = 0;
};

// Explores deal `numero` (1-based) of the database. The commentary files
// the controller writes go to a folder of its own, removed afterwards.
TResultatExploration ExploreDonne(const TFichiersExploration& fichiers, int numero,
                                  const TOptionsExploration& options = {});

}  // namespace kalvo::outil_donnes
