#include "model/ErreurDonnee.h"
#include "tools/kalvo-deals/AuditBase.h"
#include "tools/kalvo-deals/Commandes.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo::outil_donnes {

void AjouteCommandeAudit(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "audit", "Compare au double mort chaque carte que le script accepte ou refuse, à chaque position explorée.");
  auto base = std::make_shared<std::string>();
  auto questions = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto raisons = std::make_shared<std::string>();
  auto donne = std::make_shared<int>(0);
  auto json = std::make_shared<bool>(false);
  commande->add_option("FICHIER", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--questions", *questions, "Fichier de questions (.ASK)");
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_option("--raisons", *raisons, "Table des raisons des refus voulus (par défaut : .RAI à côté de la base)");
  commande->add_option("--donne", *donne, "Seulement cette donne");
  commande->add_flag("--json", *json, "Le résultat en JSON sur la sortie standard");
  commande->callback([=, &statut] {
    try {
      const auto fichier = [](const std::string& f) {
        return f.empty() ? std::nullopt : std::optional<std::filesystem::path>(f);
      };
      const TBaseLue lue = LitBase(*base, fichier(*questions), fichier(*volume), fichier(*raisons));
      TOptionsAuditBase options;
      if (*donne != 0) options.Donne = *donne;
      options.Json = *json;
      options.Avancement = &std::cerr;
      statut = AuditeBase(lue, TFichiersExploration{*base, fichier(*questions), fichier(*volume)}, options, std::cout,
                          std::cerr);
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
    }
  });
}

}  // namespace kalvo::outil_donnes
