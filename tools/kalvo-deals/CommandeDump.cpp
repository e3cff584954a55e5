#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/DumpDonne.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo {

void AjouteCommandeDump(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand("dump", "Affiche en clair chaque donne d'une base (.DAT).");
  auto base = std::make_shared<std::string>();
  auto questions = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto donne = std::make_shared<int>(0);
  commande->add_option("FICHIER", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--questions", *questions, "Fichier de questions (.ASK)");
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_option("--donne", *donne, "N'afficher que cette donne");
  commande->callback([=, &statut] {
    TOptionsDump options;
    if (!questions->empty()) options.Questions = *questions;
    if (!volume->empty()) options.TableVolume = *volume;
    if (*donne != 0) options.Donne = *donne;
    statut = DumpBase(*base, options, std::cout, std::cerr);
  });
}

}  // namespace kalvo
