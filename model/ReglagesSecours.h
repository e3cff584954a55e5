// The settings file of the data folder and its fallback. A file that exists
// but cannot be read (no permission, too large, not a file) may hold the
// user's marks and lines of other programs: it is never written over. The
// session then keeps its settings in a fallback beside it, and the next
// session goes on from there while the file still cannot be read.
#pragma once

#include "model/Reglages.h"

#include <filesystem>
#include <optional>

namespace kalvo {

// "kalvo.INI" -> "kalvo-secours.INI" in the same folder.
std::filesystem::path FichierReglagesSecours(const std::filesystem::path& fichier);

struct TReglagesDuDossier {
  TLectureReglages Lecture;
  // Where the settings go back at the end: the file, its fallback, or
  // nowhere when neither can be read (the warning says so).
  std::optional<std::filesystem::path> FichierEcriture;
};

// LitReglages, falling back as above; the first warning then says where the
// settings come from and where they will be written.
TReglagesDuDossier LitReglagesDuDossier(const std::filesystem::path& fichier, int nbDonnes,
                                        const TSectionsBase& sections = {});

}  // namespace kalvo
