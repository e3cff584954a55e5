// kalvo-deals: the tools of the deals database.
#include "tools/commun/ArgumentsOutil.h"
#include "tools/kalvo-deals/Commandes.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App programme{"kalvo-deals : outils de la base de donnes de Kalvo"};
  programme.require_subcommand(1);
  int statut = 0;
  kalvo::outil_donnes::AjouteCommandeCompile(programme, statut);
  kalvo::outil_donnes::AjouteCommandeCheck(programme, statut);
  kalvo::outil_donnes::AjouteCommandeAudit(programme, statut);
  kalvo::outil_donnes::AjouteCommandeDump(programme, statut);
  kalvo::outil_donnes::AjouteCommandeInventaire(programme, statut);
  kalvo::outil_donnes::AjouteCommandeExportPbn(programme, statut);
  kalvo::outil_donnes::AjouteCommandeDepuisPbn(programme, statut);
  kalvo::outils::FrancisePresentation(programme);
  if (const auto arret =
          kalvo::outils::AnalyseArguments(programme, argc, argv, "kalvo-deals", kalvo::outil_donnes::StatutArguments))
    return *arret;
  return statut;
}
