#include "model/DossierDonnees.h"

#include "model/ErreurDonnee.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

// Set by the build: where the installed data folder lies from the installed
// programs' folder, and the build folder itself.
#ifndef KALVO_DONNEES_DEPUIS_PROGRAMMES
#define KALVO_DONNEES_DEPUIS_PROGRAMMES "../share/kalvo"
#endif
#ifndef KALVO_DOSSIER_CONSTRUCTION
#define KALVO_DOSSIER_CONSTRUCTION ""
#endif

namespace kalvo {

namespace fs = std::filesystem;

namespace {

const fs::path SousDossier = fs::path("Kalvo") / "K1FR";

bool EstRenseignee(const char* variable) { return variable != nullptr && *variable != '\0'; }

}  // namespace

fs::path DossierDonneesStandard(const char* xdgDataHome, const char* home) {
  if (EstRenseignee(xdgDataHome) && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / SousDossier;
  if (EstRenseignee(home)) return fs::path(home) / ".local" / "share" / SousDossier;
  if (const passwd* compte = getpwuid(getuid()); compte != nullptr && EstRenseignee(compte->pw_dir))
    return fs::path(compte->pw_dir) / ".local" / "share" / SousDossier;
  return SousDossier;
}

std::optional<fs::path> OptionDossierDonnees(int argc, const char* const* argv, std::string& erreur) {
  const std::string_view nom = "--data-dir";
  std::optional<fs::path> dossier;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == nom) {
      if (i + 1 >= argc || std::string_view(argv[i + 1]).empty()) {
        erreur = "L'option --data-dir demande un dossier.";
        return std::nullopt;
      }
      dossier = fs::path(argv[++i]);
    } else if (argument.starts_with("--data-dir=")) {
      if (argument.size() == nom.size() + 1) {
        erreur = "L'option --data-dir demande un dossier.";
        return std::nullopt;
      }
      dossier = fs::path(std::string(argument.substr(nom.size() + 1)));
    }
  }
  return dossier;
}

fs::path ResoutDossierDonnees(const std::optional<fs::path>& option) {
  if (option && !option->empty()) return *option;
  if (const char* variable = std::getenv("KALVO_DATA_DIR"); EstRenseignee(variable)) return fs::path(variable);
  return DossierDonneesStandard(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

namespace {

// Whether chemin lies in dossier, both taken with links and ".." resolved.
bool EstDans(const fs::path& chemin, const fs::path& dossier) {
  std::error_code erreur;
  const fs::path c = fs::weakly_canonical(chemin, erreur);
  if (erreur) return false;
  fs::path d = fs::weakly_canonical(dossier, erreur);
  if (erreur || d.empty()) return false;
  if (d.filename().empty()) d = d.parent_path();  // "dossier/"
  return std::mismatch(d.begin(), d.end(), c.begin(), c.end()).first == d.end();
}

}  // namespace

std::vector<fs::path> DossiersLivres(const fs::path& executable, const fs::path& depuisExecutable,
                                     const fs::path& construction) {
  std::vector<fs::path> dossiers;
  if (executable.empty()) return dossiers;
  dossiers.push_back((executable.parent_path() / depuisExecutable).lexically_normal());
  // An installed program never reads a build folder, even one on the same machine.
  if (!construction.empty() && EstDans(executable, construction)) dossiers.push_back(construction / "data");
  return dossiers;
}

std::vector<fs::path> DossiersLivres(const fs::path& executable) {
  return DossiersLivres(executable, KALVO_DONNEES_DEPUIS_PROGRAMMES, KALVO_DOSSIER_CONSTRUCTION);
}

fs::path CheminExecutable(const char* argv0) {
  std::error_code erreur;
  fs::path chemin = fs::read_symlink("/proc/self/exe", erreur);
  if (!erreur) return chemin;
  if (argv0 == nullptr) return {};
  return fs::absolute(argv0, erreur);
}

namespace {

// Copies one file over the target through a temporary name.
bool CopieFichier(const fs::path& source, const fs::path& cible, std::string& detail) {
  const fs::path temporaire = cible.string() + ".copie";
  std::error_code erreur;
  fs::copy_file(source, temporaire, fs::copy_options::overwrite_existing, erreur);
  if (!erreur) fs::rename(temporaire, cible, erreur);
  if (erreur) {
    const int numero = erreur.value();
    fs::remove(temporaire, erreur);
    detail += "Copie de « " + source.string() + " » vers « " + cible.string() + " » impossible : " +
              TexteErreurSysteme(numero) + ". ";
    return false;
  }
  return true;
}

}  // namespace

TInstallation InstalleDonnees(const TEmplacementBase& cible, const std::vector<fs::path>& livres) {
  TInstallation installation;
  std::error_code erreur;
  if (fs::is_regular_file(cible.Donnes(), erreur)) {
    installation.Ok = true;
    return installation;
  }
  const std::string tableVolume = NomTableVolume(cible.FichierDonnes);
  for (const fs::path& dossier : livres) {
    if (!fs::is_regular_file(dossier / cible.FichierDonnes, erreur)) {
      installation.Detail += "Pas de copie livrée dans « " + dossier.lexically_normal().string() + " ». ";
      continue;
    }
    fs::create_directories(cible.Dossier, erreur);
    if (erreur) {
      installation.Detail += "Création du dossier « " + cible.Dossier.string() + " » impossible : " +
                             TexteErreurSysteme(erreur.value()) + ". ";
      break;
    }
    // The companions first: the database's presence means the copy is complete.
    bool ok = true;
    for (const std::string& nom : {cible.FichierQuestions, tableVolume}) {
      if (fs::is_regular_file(dossier / nom, erreur)) ok = ok && CopieFichier(dossier / nom, cible.Dossier / nom, installation.Detail);
    }
    ok = ok && CopieFichier(dossier / cible.FichierDonnes, cible.Donnes(), installation.Detail);
    if (ok) {
      installation.Ok = true;
      installation.Copiee = true;
      installation.Detail = "Les donnes livrées ont été copiées de « " + dossier.lexically_normal().string() +
                            " » dans « " + cible.Dossier.string() + " ».";
      return installation;
    }
    break;
  }
  installation.Erreurs = {MessageBaseAbsente(cible.FichierDonnes), MessageBaseAbsenteAnglais(cible.FichierDonnes)};
  installation.Detail = "Dossier des données : « " + cible.Dossier.string() + " ». " + installation.Detail;
  return installation;
}

}  // namespace kalvo
