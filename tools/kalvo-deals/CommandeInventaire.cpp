#include "model/ErreurDonnee.h"
#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/InventaireBase.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo::outil_donnes {

void AjouteCommandeInventaire(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "inventaire", "Les fonctions du script que les donnes d'une base utilisent, et celles qu'aucune n'utilise.");
  auto base = std::make_shared<std::string>();
  auto questions = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  commande->add_option("FICHIER", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--questions", *questions, "Fichier de questions (.ASK)");
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_flag("--json", *json, "Le résultat en JSON sur la sortie standard");
  commande->callback([=, &statut] {
    const auto fichier = [](const std::string& f) {
      return f.empty() ? std::nullopt : std::optional<std::filesystem::path>(f);
    };
    try {
      const TInventaireBase inventaire = InventorieBase(LitBase(*base, fichier(*questions), fichier(*volume)));
      if (*json) {
        EcritInventaireJson(inventaire, std::cout);
      } else {
        EcritInventaire(inventaire, std::cout);
        for (const std::string& a : inventaire.Avertissements) std::cerr << a << '\n';
      }
      statut = inventaire.Statut();
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
    }
  });
}

}  // namespace kalvo::outil_donnes
