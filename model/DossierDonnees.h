// The data folder: where the database, the questions file, the settings and
// the commentary files live, and how it is first filled with the copy of the
// database the program ships with.
#pragma once

#include "model/BaseDonnes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// $XDG_DATA_HOME/Kalvo/K1FR (a relative XDG_DATA_HOME is ignored), else
// $HOME/.local/share/Kalvo/K1FR, else the account's home folder, else
// Kalvo/K1FR in the current folder. Null pointers mean unset variables.
std::filesystem::path DossierDonneesStandard(const char* xdgDataHome, const char* home);

// The value of "--NAME VALUE" or "--NAME=VALUE" among the program's
// arguments (the last one wins). Sets erreur (French, "L'option --base
// demande un fichier.") when the option has no value; attendu names it.
std::optional<std::string> ValeurOption(int argc, const char* const* argv, std::string_view nom,
                                        std::string_view attendu, std::string& erreur);

// The value of "--data-dir DIR" or "--data-dir=DIR" among the program's
// arguments. Sets erreur (French) when the option has no value.
std::optional<std::filesystem::path> OptionDossierDonnees(int argc, const char* const* argv, std::string& erreur);

// --data-dir wins, then KALVO_DATA_DIR, then the standard folder.
std::filesystem::path ResoutDossierDonnees(const std::optional<std::filesystem::path>& option);

// Folders where the shipped copy may be, in order: the installed data
// folder, found from the executable's own folder so that an installed tree
// works wherever it is put (a staging DESTDIR, another prefix); then, for a
// program run from inside the build folder only, the build's data folder.
std::vector<std::filesystem::path> DossiersLivres(const std::filesystem::path& executable);

// The same with both places given: depuisExecutable is relative to the
// executable's folder, construction is the build folder (empty: none).
std::vector<std::filesystem::path> DossiersLivres(const std::filesystem::path& executable,
                                                  const std::filesystem::path& depuisExecutable,
                                                  const std::filesystem::path& construction);

// The running program's own path (argv0 when the system cannot tell).
std::filesystem::path CheminExecutable(const char* argv0);

struct TInstallation {
  bool Ok = false;
  bool Copiee = false;                // the shipped copy was put in place now
  std::vector<std::string> Erreurs;   // messages to show, in order, before closing
  std::string Detail;                 // what was tried, French, for the terminal
};

// Whether a database already in the folder is replaced by the shipped one.
enum class TRemplacement : bool {
  Jamais,
  // When the shipped copy is another version: another size or another
  // modification time (each copy keeps the time of the file it comes from).
  SiDepassee,
};

// Makes sure the database is in the folder: when it is missing (or, as
// asked, out of date), copies the database, the questions file and the
// collection table from the first shipped folder that holds the database.
// The files are copied under temporary names and renamed, the database
// last, so a failed copy never leaves half a file nor a mixed set. A base
// already there stays in use when its replacement fails (Ok, Detail says
// why).
TInstallation InstalleDonnees(const TEmplacementBase& cible, const std::vector<std::filesystem::path>& livres,
                              TRemplacement remplacement = TRemplacement::Jamais);

}  // namespace kalvo
