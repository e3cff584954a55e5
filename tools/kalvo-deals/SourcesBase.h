// "kalvo-deals dump --source": every deal of a database written back as a
// deal source, one file a deal.
#pragma once

#include "tools/kalvo-deals/LectureBase.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace kalvo::outil_donnes {

// "donne-001.donne" for deal 1 of a database of fewer than 1000 deals.
std::string NomSource(int n, int nbDonnes);

// Writes the sources into dossier (deal `seule` only, when given). Returns
// 0, 1 when a file cannot be written, 2 when a source does not give its
// record back byte for byte (reported on `erreurs`).
int EcritSourcesBase(const TBaseLue& base, const std::filesystem::path& dossier, std::optional<int> seule,
                     std::ostream& sortie, std::ostream& erreurs);

}  // namespace kalvo::outil_donnes
