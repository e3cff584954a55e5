// The audit of a deal's script against double dummy. At every position the
// exploration reaches where South or North has a choice the script judges
// (its chains, automatic sections and pools), each card the
// user may play is valued double dummy (the tricks North-South take in
// the deal with both sides playing their best from there) and set against
// what the script says of it: accepted, refused with a comment, or in no
// line. Double dummy sees every hand and the script's defence is fixed:
// the findings are for the author to weigh; only an accepted card that
// loses a contract another card makes is an error.
#pragma once

#include "tools/authoring/Raisons.h"
#include "tools/kalvo-deals/Exploration.h"

#include <array>
#include <string>
#include <vector>

namespace kalvo::outil_donnes {

enum class TGenreAudit : std::uint8_t {
  RefuseeAussiBonne,    // refused, as good as the best card, the contract made (warning)
  RefusVoulu,           // the same, with the reason the source gives (told, not a warning)
  AccepteeMoinsBonne,   // accepted, worse than the best card (error when it loses the contract)
  PenaliteHorsEchelle,  // 30 or more for a card that costs nothing, 10 or less for one that loses the contract
  EchecDoubleMort,      // the solver refused the position (error)
};
inline constexpr int NbGenresAudit = 5;

struct TConstatAudit {
  TGenreAudit Genre = TGenreAudit::RefuseeAussiBonne;
  redaction::TGravite Gravite = redaction::grAvertissement;
  int Levee = 0;
  std::string Ligne;  // the cards that lead to the position, as in the exploration
  TJoueur Joueur = jrSud;
  TCard Carte;
  int Code = 0;            // 0: accepted
  int Penalite = 0;        // the marks the comment takes
  std::string Commentaire; // its text
  int LeveesCarte = 0;     // North-South's tricks double dummy after this card
  int LeveesMeilleure = 0; // ... after the best card
  int LeveesRequises = 0;
  std::string Raison;      // RefusVoulu: the reason written in the source
  std::string Detail;      // EchecDoubleMort: the solver's message
  long AutresLignes = 0;   // other lines that reach the same finding

  std::string Message() const;  // French, without the line
  std::string Texte() const;    // with "(après LIGNE ; N autres lignes)"
};

struct TResultatAudit {
  TResultatExploration Exploration;
  long PositionsAuditees = 0;  // positions where South or North had a choice the script judges
  long PositionsHorsScript = 0;  // ... judged by the engine's solutions or the winning claim: not audited
  long PositionsResolues = 0;  // distinct positions the solver valued (the others came from its cache)
  std::vector<TConstatAudit> Constats;  // in the order found, each once
  double MillisecondesDoubleMort = 0;
  double Millisecondes = 0;  // the whole, exploration included
  std::array<int, NbGenresAudit> Nombres{};
  int Nombre(TGenreAudit genre) const { return Nombres[static_cast<std::size_t>(genre)]; }
  bool AErreurs() const;  // the audit's or the exploration's
};

struct TOptionsAudit {
  TOptionsExploration Exploration;
  std::vector<redaction::TRaison> Raisons;  // those of this deal
};

// Explores deal `numero` of the database and audits every position where
// the user has a choice.
TResultatAudit AuditeDonne(const TFichiersExploration& fichiers, int numero, const TOptionsAudit& options);

}  // namespace kalvo::outil_donnes
