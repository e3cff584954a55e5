#include "model/DossierDonnees.h"

#include "model/ErreurDonnee.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#ifndef KALVO_DONNEES_CONSTRUCTION
#define KALVO_DONNEES_CONSTRUCTION ""
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

std::vector<fs::path> DossiersLivres(const fs::path& executable) {
  std::vector<fs::path> dossiers;
  if (!executable.empty()) dossiers.push_back(executable.parent_path() / ".." / "data");
  if (std::string(KALVO_DONNEES_CONSTRUCTION).size() > 0) dossiers.emplace_back(KALVO_DONNEES_CONSTRUCTION);
  return dossiers;
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
