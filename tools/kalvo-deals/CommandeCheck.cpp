#include "model/ErreurDonnee.h"
#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/VerificationBase.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace kalvo::outil_donnes {

using namespace redaction;

void AjouteCommandeCheck(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "check", "Vérifie chaque donne d'une base (.DAT) et donne son résultat en double mort.");
  auto base = std::make_shared<std::string>();
  auto questions = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto sansDoubleMort = std::make_shared<bool>(false);
  auto sansExploration = std::make_shared<bool>(false);
  auto sansAudit = std::make_shared<bool>(false);
  commande->add_option("FICHIER", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--questions", *questions, "Fichier de questions (.ASK)");
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_flag("--sans-double-mort", *sansDoubleMort, "Ne pas faire l'analyse en double mort (ni l'audit)");
  commande->add_flag("--sans-exploration", *sansExploration,
                     "Ne pas jouer le script de chaque donne par le contrôleur le long de toutes les lignes acceptées");
  commande->add_flag("--sans-audit", *sansAudit,
                     "Ne pas comparer au double mort les cartes jugées par le script à chaque position explorée");
  commande->callback([=, &statut] {
    try {
      const auto fichier = [](const std::string& f) {
        return f.empty() ? std::nullopt : std::optional<std::filesystem::path>(f);
      };
      const TBaseLue lue = LitBase(*base, fichier(*questions), fichier(*volume));
      TOptionsCheck options;
      options.DoubleMort = !*sansDoubleMort;
      if (!*sansExploration) options.Exploration = TFichiersExploration{*base, fichier(*questions), fichier(*volume)};
      // The audit is a double-dummy analysis too.
      options.Audit = !*sansAudit && !*sansDoubleMort;
      options.Avancement = &std::cerr;
      statut = VerifieBase(lue, options, std::cout, std::cerr);
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      statut = 1;
    }
  });
}

}  // namespace kalvo::outil_donnes
