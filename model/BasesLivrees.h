// The databases the program ships with: the data folder is seeded with
// each of them, and the trainer opens Volume 1 when it is there, the
// demonstration base otherwise, unless the user chose another.
#pragma once

#include "model/DossierDonnees.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

// Volume 1 first, then the demonstration.
const std::vector<std::string>& BasesLivrees();

// Puts every shipped base that is missing from the folder, or whose copy
// there is of another version, in place, with its collection table and the
// questions file they share (indexed by collection number, so one file
// serves both). A user's marks survive a new version: Volume 1 keeps them
// by collection number. Ok is false when a copy was attempted and failed
// (the old copy, if any, stays); Detail says what was done, for the
// terminal.
TInstallation SemeBasesLivrees(const std::filesystem::path& dossier, const std::vector<std::filesystem::path>& livres);

struct TChoixBase {
  // A name in the data folder, or a path given by the user.
  std::string FichierDonnes;
  std::vector<std::string> Avertissements;  // French, for the user
};

// --base (a name in the data folder, or a path when it holds a '/') wins;
// then the settings' Options/Base, ignored with a warning when the folder
// lacks it; then Volume 1 when the folder has it; else the demonstration.
TChoixBase ChoisitBase(const std::filesystem::path& dossier, const std::optional<std::string>& option,
                       const std::optional<std::string>& reglage);

// Everything the trainer opens at start-up, in the data folder.
struct TOuverture {
  TEmplacementBase Emplacement;  // the data folder and the chosen base
  TInstallation Installation;    // Ok false: Erreurs to show before closing
  std::vector<std::string> Avertissements;
};

// Seeds the folder, chooses the base (the settings key is read from
// fichierReglages) and makes sure it is there.
TOuverture OuvreDossierDonnees(const std::filesystem::path& dossier, const std::vector<std::filesystem::path>& livres,
                               const std::optional<std::string>& option,
                               const std::filesystem::path& fichierReglages);

}  // namespace kalvo
