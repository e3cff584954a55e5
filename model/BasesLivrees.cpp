#include "model/BasesLivrees.h"

#include "model/Reglages.h"

#include <algorithm>

namespace kalvo {

namespace fs = std::filesystem;

namespace {

bool EstFichier(const fs::path& chemin) {
  std::error_code erreur;
  return fs::is_regular_file(chemin, erreur);
}

}  // namespace

const std::vector<std::string>& BasesLivrees() {
  static const std::vector<std::string> bases{NomFichierVolume1, NomFichierDonnes};
  return bases;
}

TInstallation SemeBasesLivrees(const fs::path& dossier, const std::vector<fs::path>& livres) {
  TInstallation semis;
  semis.Ok = true;
  for (const std::string& nom : BasesLivrees()) {
    const TEmplacementBase cible{dossier, nom};
    // A build or an installation may ship the demonstration alone.
    if (std::none_of(livres.begin(), livres.end(), [&nom](const fs::path& d) { return EstFichier(d / nom); })) continue;
    const TInstallation copie = InstalleDonnees(cible, livres, TRemplacement::SiDepassee);
    semis.Ok = semis.Ok && copie.Ok && copie.Erreurs.empty() && (copie.Copiee || copie.Detail.empty());
    semis.Copiee = semis.Copiee || copie.Copiee;
    if (!copie.Detail.empty()) semis.Detail += (semis.Detail.empty() ? "" : " ") + copie.Detail;
  }
  return semis;
}

TChoixBase ChoisitBase(const fs::path& dossier, const std::optional<std::string>& option,
                       const std::optional<std::string>& reglage) {
  TChoixBase choix;
  if (option) {
    // A bare name is looked for in the data folder, a path where it says.
    choix.FichierDonnes = option->find('/') == std::string::npos ? *option : fs::absolute(*option).string();
    return choix;
  }
  if (reglage) {
    if (EstFichier(dossier / *reglage)) {
      choix.FichierDonnes = *reglage;
      return choix;
    }
    choix.Avertissements.push_back("Réglages : la base « " + *reglage +
                                   " » choisie par Options/Base n'est pas dans « " + dossier.string() +
                                   " » : la base habituelle est ouverte.");
  }
  choix.FichierDonnes = EstFichier(dossier / NomFichierVolume1) ? NomFichierVolume1 : NomFichierDonnes;
  return choix;
}

TOuverture OuvreDossierDonnees(const fs::path& dossier, const std::vector<fs::path>& livres,
                               const std::optional<std::string>& option, const fs::path& fichierReglages) {
  TOuverture ouverture;
  const TInstallation semis = SemeBasesLivrees(dossier, livres);
  TChoixBase choix = ChoisitBase(dossier, option, LitBaseReglee(fichierReglages));
  ouverture.Emplacement = TEmplacementBase{dossier, choix.FichierDonnes};
  ouverture.Avertissements = std::move(choix.Avertissements);
  if (!semis.Ok) ouverture.Avertissements.push_back(semis.Detail);
  if (EstFichier(ouverture.Emplacement.Donnes())) {
    ouverture.Installation = semis;
    ouverture.Installation.Ok = true;
  } else {
    ouverture.Installation = InstalleDonnees(ouverture.Emplacement, livres);
  }
  return ouverture;
}

}  // namespace kalvo
