#include "model/ErreurDonnee.h"
#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/DumpDonne.h"
#include "tools/kalvo-deals/SourcesBase.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo::outil_donnes {

void AjouteCommandeDump(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "dump", "Affiche en clair chaque donne d'une base (.DAT), ou la récrit en sources (--source -o DOSSIER).");
  auto base = std::make_shared<std::string>();
  auto questions = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto donne = std::make_shared<int>(0);
  auto source = std::make_shared<bool>(false);
  auto dossier = std::make_shared<std::string>();
  commande->add_option("FICHIER", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--questions", *questions, "Fichier de questions (.ASK)");
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_option("--donne", *donne, "Seulement cette donne");
  commande->add_flag("--source", *source, "Écrire chaque donne en source (.donne) dans le dossier de -o");
  commande->add_option("-o,--out", *dossier, "Dossier des sources (avec --source)");
  commande->callback([=, &statut] {
    const auto chemin = [](const std::string& s) {
      return s.empty() ? std::nullopt : std::optional<std::filesystem::path>(s);
    };
    if (*source) {
      if (dossier->empty()) {
        std::cerr << "kalvo-deals : « --source » demande le dossier des sources : « -o DOSSIER ».\n";
        statut = StatutArguments;
        return;
      }
      try {
        const TBaseLue lue = LitBase(*base, chemin(*questions), chemin(*volume));
        statut = EcritSourcesBase(lue, *dossier, *donne != 0 ? std::optional<int>(*donne) : std::nullopt, std::cout, std::cerr);
      } catch (const ErreurFichier& e) {
        std::cerr << e.what() << '\n';
        statut = 1;
      }
      return;
    }
    TOptionsDump options;
    options.Questions = chemin(*questions);
    options.TableVolume = chemin(*volume);
    if (*donne != 0) options.Donne = *donne;
    statut = DumpBase(*base, options, std::cout, std::cerr);
  });
}

}  // namespace kalvo::outil_donnes
