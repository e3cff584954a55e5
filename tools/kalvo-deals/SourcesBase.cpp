#include "tools/kalvo-deals/SourcesBase.h"

#include "tools/authoring/Decompilateur.h"

#include <fstream>

namespace kalvo::outil_donnes {

using namespace redaction;

std::string NomSource(int n, int nbDonnes) {
  std::string numero = std::to_string(n);
  const std::size_t largeur = std::max<std::size_t>(3, std::to_string(nbDonnes).size());
  numero.insert(0, largeur - std::min(largeur, numero.size()), '0');
  return "donne-" + numero + ".donne";
}

int EcritSourcesBase(const TBaseLue& base, const std::filesystem::path& dossier, std::optional<int> seule,
                     std::ostream& sortie, std::ostream& erreurs) {
  const int nb = static_cast<int>(base.Donnes.size());
  if (seule && (*seule < 1 || *seule > nb)) {
    erreurs << "La donne " << *seule << " n'existe pas : la base en compte " << nb << ".\n";
    return 1;
  }
  for (const std::string& a : base.Avertissements) erreurs << base.Nom << " : attention : " << a << "\n";
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  int statut = 0;
  for (int n = seule.value_or(1); n <= seule.value_or(nb); ++n) {
    TOptionsDecompilation options;
    options.Ordre = n;
    options.Collection = base.Volume[n];
    options.Raisons = base.RaisonsDe(n);
    options.Origine = "Donne " + std::to_string(n) + " de " + base.Nom + ", récrite par « kalvo-deals dump --source ».";
    const TSourceDecompilee source = DecompileDonne(base.Donnes[static_cast<std::size_t>(n - 1)], base.QuestionsDe(n), options);
    const std::filesystem::path fichier = dossier / NomSource(n, nb);
    std::ofstream flux(fichier, std::ios::binary | std::ios::trunc);
    flux << source.Texte;
    flux.close();
    if (!flux) {
      erreurs << "Impossible d'écrire le fichier « " << fichier.string() << " ».\n";
      return 1;
    }
    sortie << fichier.filename().string();
    if (source.NbOctetsBruts > 0) sortie << " (" << source.NbOctetsBruts << " octets rendus par « octets »)";
    sortie << "\n";
    if (!source.Exacte) {
      erreurs << fichier.filename().string() << " : attention : la source ne redonne pas la donne " << n << " à l'identique.\n";
      statut = 2;
    }
  }
  return statut;
}

}  // namespace kalvo::outil_donnes
