#include "model/BaseDonnes.h"
#include "model/ErreurDonnee.h"
#include "tools/authoring/Compilateur.h"
#include "tools/kalvo-deals/Commandes.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace kalvo::outil_donnes {

using namespace redaction;

void AjouteCommandeCompile(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "compile", "Compile des donnes écrites en texte (.donne) en base de donnes, fichier de questions et table des numéros.");
  auto sources = std::make_shared<std::vector<std::string>>();
  auto dossier = std::make_shared<std::string>();
  auto nomBase = std::make_shared<std::string>(NomFichierDonnes);
  auto nomQuestions = std::make_shared<std::string>(NomFichierQuestions);
  auto sansDoubleMort = std::make_shared<bool>(false);
  auto parCollection = std::make_shared<bool>(false);
  commande->add_option("SOURCES", *sources, "Donnes en texte, dans l'ordre de la base")->required();
  commande->add_option("-o,--out", *dossier, "Dossier où écrire les fichiers")->required();
  commande->add_option("--base", *nomBase, "Nom de la base (défaut K01FR_DEMO.DAT ; la table des numéros suit ce nom)");
  commande->add_option("--questions", *nomQuestions, "Nom du fichier de questions (défaut KALVO01.ASK)");
  commande->add_flag("--sans-double-mort", *sansDoubleMort, "Ne pas faire l'analyse en double mort");
  commande->add_flag("--par-collection", *parCollection,
                     "Ranger les donnes par numéro de collection, comme un volume (chaque source donne son numéro)");
  commande->callback([=, &statut] {
    std::vector<TFichierSource> fichiers;
    for (const std::string& chemin : *sources) {
      std::ifstream flux(chemin, std::ios::binary);
      if (!flux) {
        std::cerr << chemin << " : impossible de lire ce fichier.\n";
        statut = 1;
        return;
      }
      std::ostringstream texte;
      texte << flux.rdbuf();
      fichiers.push_back({chemin, texte.str()});
    }
    TDiagnostics diagnostics;
    const auto base = CompileSources(fichiers, diagnostics, !*sansDoubleMort,
                                     *parCollection ? TRangement::Collection : TRangement::Sources);
    std::cerr << diagnostics.Texte();
    if (!base) {
      std::cerr << diagnostics.NbErreurs() << (diagnostics.NbErreurs() > 1 ? " erreurs" : " erreur")
                << " : la base n'est pas écrite.\n";
      statut = 1;
      return;
    }
    try {
      EcritBase(*base, *dossier, *nomBase, *nomQuestions);
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
      return;
    }
    std::cout << *nomBase << " : " << base->Donnes.size() << (base->Donnes.size() > 1 ? " donnes" : " donne") << ", "
              << *nomQuestions << " : " << base->Questions.size() << " fiches.\n";
    statut = 0;
  });
}

}  // namespace kalvo::outil_donnes
