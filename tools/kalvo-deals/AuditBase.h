// "kalvo-deals audit": the double-dummy audit of every deal of a database
// (or of one), as a table of one row a deal, or as JSON.
#pragma once

#include "tools/kalvo-deals/Audit.h"
#include "tools/kalvo-deals/LectureBase.h"

#include <optional>
#include <ostream>

namespace kalvo::outil_donnes {

struct TOptionsAuditBase {
  std::optional<int> Donne;  // one deal only
  bool Json = false;
  TOptionsExploration Exploration;
  std::ostream* Avancement = nullptr;  // as in TOptionsCheck
};

// The table (or the JSON document) on `sortie`, the findings on `erreurs`
// as "BASE.DAT, donne 2, levée 6 : message" (with --json, in the document).
// Returns 1 when there is an error (an accepted card that loses the
// contract, a written reason that does not hold, an exploration error),
// 2 when the deal asked for is not in the base, else 0.
int AuditeBase(const TBaseLue& base, const TFichiersExploration& fichiers, const TOptionsAuditBase& options,
               std::ostream& sortie, std::ostream& erreurs);

}  // namespace kalvo::outil_donnes
