#include "model/DossierDonnees.h"

#include "model/ErreurDonnee.h"

#include <algorithm>
#include <chrono>
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

std::optional<std::string> ValeurOption(int argc, const char* const* argv, std::string_view nom,
                                        std::string_view attendu, std::string& erreur) {
  const std::string egal = std::string(nom) + "=";
  const auto manque = [&] {
    erreur = "L'option " + std::string(nom) + " demande " + std::string(attendu) + ".";
    return std::nullopt;
  };
  std::optional<std::string> valeur;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == nom) {
      if (i + 1 >= argc || std::string_view(argv[i + 1]).empty()) return manque();
      valeur = std::string(argv[++i]);
    } else if (argument.starts_with(egal)) {
      if (argument.size() == egal.size()) return manque();
      valeur = std::string(argument.substr(egal.size()));
    }
  }
  return valeur;
}

std::optional<fs::path> OptionDossierDonnees(int argc, const char* const* argv, std::string& erreur) {
  const std::optional<std::string> dossier = ValeurOption(argc, argv, "--data-dir", "un dossier", erreur);
  if (!dossier) return std::nullopt;
  return fs::path(*dossier);
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

// A base's files copied side by side under temporary names, then renamed
// over the old ones: a failure leaves the old set as it was.
class TCopieGroupee {
 public:
  explicit TCopieGroupee(std::string& detail) : detail_(detail) {}
  ~TCopieGroupee() {
    std::error_code erreur;
    for (const auto& [temporaire, cible] : copies_) fs::remove(temporaire, erreur);
  }
  TCopieGroupee(const TCopieGroupee&) = delete;
  TCopieGroupee& operator=(const TCopieGroupee&) = delete;

  bool Prepare(const fs::path& source, const fs::path& cible) {
    const fs::path temporaire = cible.string() + ".copie";
    std::error_code erreur;
    fs::copy_file(source, temporaire, fs::copy_options::overwrite_existing, erreur);
    if (erreur) return Echec(source, cible, erreur.value());
    copies_.emplace_back(temporaire, cible);  // removed unless renamed
    // The copy keeps the time of the file it comes from: a later shipped
    // version is then told apart from this one.
    const fs::file_time_type date = fs::last_write_time(source, erreur);
    if (!erreur) fs::last_write_time(temporaire, date, erreur);
    if (erreur) return Echec(source, cible, erreur.value());
    return true;
  }
  // Renames in the order prepared, the base last: its presence means the
  // copy is complete.
  bool Termine() {
    std::error_code erreur;
    for (auto& [temporaire, cible] : copies_) {
      fs::rename(temporaire, cible, erreur);
      if (erreur) return Echec(temporaire, cible, erreur.value());
    }
    copies_.clear();
    return true;
  }

 private:
  bool Echec(const fs::path& source, const fs::path& cible, int numero) {
    detail_ += "Copie de « " + source.string() + " » vers « " + cible.string() + " » impossible : " +
               TexteErreurSysteme(numero) + ". ";
    return false;
  }
  std::string& detail_;
  std::vector<std::pair<fs::path, fs::path>> copies_;
};

// The copy is not the shipped file it was made from: another size or
// another modification time (two seconds apart at least, as coarse file
// systems round times).
bool CopieDepassee(const fs::path& copie, const fs::path& livree) {
  std::error_code erreur;
  const auto tailleCopie = fs::file_size(copie, erreur);
  const auto tailleLivree = erreur ? 0 : fs::file_size(livree, erreur);
  const auto dateCopie = erreur ? fs::file_time_type{} : fs::last_write_time(copie, erreur);
  const auto dateLivree = erreur ? fs::file_time_type{} : fs::last_write_time(livree, erreur);
  const auto ecart = dateCopie > dateLivree ? dateCopie - dateLivree : dateLivree - dateCopie;
  return !erreur && (tailleCopie != tailleLivree || ecart >= std::chrono::seconds(2));
}

}  // namespace

TInstallation InstalleDonnees(const TEmplacementBase& cible, const std::vector<fs::path>& livres,
                              TRemplacement remplacement) {
  TInstallation installation;
  std::error_code erreur;
  const bool presente = fs::is_regular_file(cible.Donnes(), erreur);
  if (presente && remplacement == TRemplacement::Jamais) {
    installation.Ok = true;
    return installation;
  }
  const std::string tableVolume = NomTableVolume(cible.FichierDonnes);
  for (const fs::path& dossier : livres) {
    if (!fs::is_regular_file(dossier / cible.FichierDonnes, erreur)) {
      installation.Detail += "Pas de copie livrée dans « " + dossier.lexically_normal().string() + " ». ";
      continue;
    }
    if (presente && !CopieDepassee(cible.Donnes(), dossier / cible.FichierDonnes)) {
      installation.Ok = true;
      installation.Detail.clear();
      return installation;
    }
    fs::create_directories(cible.Dossier, erreur);
    if (erreur) {
      installation.Detail += "Création du dossier « " + cible.Dossier.string() + " » impossible : " +
                             TexteErreurSysteme(erreur.value()) + ". ";
      break;
    }
    TCopieGroupee copie(installation.Detail);
    bool ok = true;
    for (const std::string& nom : {cible.FichierQuestions, tableVolume}) {
      if (fs::is_regular_file(dossier / nom, erreur)) ok = ok && copie.Prepare(dossier / nom, cible.Dossier / nom);
    }
    ok = ok && copie.Prepare(dossier / cible.FichierDonnes, cible.Donnes()) && copie.Termine();
    if (ok) {
      installation.Ok = true;
      installation.Copiee = true;
      installation.Detail = (presente ? "La nouvelle version de " + cible.FichierDonnes + " a remplacé l'ancienne"
                                      : "Les donnes livrées (" + cible.FichierDonnes + ") ont été copiées") +
                            " de « " + dossier.lexically_normal().string() + " » dans « " + cible.Dossier.string() +
                            " ».";
      return installation;
    }
    break;
  }
  if (presente) {
    // The copy in place stays in use.
    installation.Ok = true;
    return installation;
  }
  installation.Erreurs = {MessageBaseAbsente(cible.FichierDonnes), MessageBaseAbsenteAnglais(cible.FichierDonnes)};
  installation.Detail = "Dossier des données : « " + cible.Dossier.string() + " ». " + installation.Detail;
  return installation;
}

}  // namespace kalvo
