#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/SourceDemo.h"

#include "model/ErreurDonnee.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo {

void AjouteCommandeDemo(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "demo", "Construit la base livrée (provisoire) à partir d'une seule donne écrite en texte.");
  auto source = std::make_shared<std::string>();
  auto sortie = std::make_shared<std::string>();
  commande->add_option("SOURCE", *source, "Donne en texte (deals/demo.txt)")->required();
  commande->add_option("--out", *sortie, "Dossier où écrire la base, les questions et la table")->required();
  commande->callback([=, &statut] {
    try {
      EcritBaseDemo(LitFichierSourceDemo(*source), *sortie);
      statut = 0;
    } catch (const ErreurSource& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
    }
  });
}

}  // namespace kalvo
