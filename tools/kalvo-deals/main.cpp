// kalvo-deals: the tools of the deals database.
#include "tools/kalvo-deals/Commandes.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App programme{"kalvo-deals : outils de la base de donnes de Kalvo"};
  programme.require_subcommand(1);
  int statut = 0;
  kalvo::AjouteCommandeCompile(programme, statut);
  kalvo::AjouteCommandeCheck(programme, statut);
  kalvo::AjouteCommandeDump(programme, statut);
  CLI11_PARSE(programme, argc, argv);
  return statut;
}
