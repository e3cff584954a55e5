// The readable text of a deals database: every deal with its hands,
// auction, comments, commentaries, script, tables and questions. Damaged
// data is reported inline in French ("⚠ ...") and the dump goes on.
//
// Chains printed: every chain that is not all zero, each marked when chain 1
// cannot reach it by its references; a reference to an all-zero chain is
// reported, since the walk would land on an empty node.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace kalvo::outil_donnes {

struct TOptionsDump {
  std::optional<std::filesystem::path> Questions;    // questions file
  std::optional<std::filesystem::path> TableVolume;  // collection numbers (default: beside the database)
  std::optional<int> Donne;                          // one deal only
};

// Exit status of the command: 0 all read, 1 database unreadable or empty,
// 2 damaged data reported.
int DumpBase(const std::filesystem::path& base, const TOptionsDump& options, std::ostream& sortie,
             std::ostream& erreurs);

// One deal; returns the number of data problems reported. questions is the
// deal's questions record when there is one (numeroFiche names it).
int DumpDonne(const TDonne& donne, int numeroVolume, const TQuestionsDonne* questions, int numeroFiche,
              std::ostream& sortie);

}  // namespace kalvo::outil_donnes
