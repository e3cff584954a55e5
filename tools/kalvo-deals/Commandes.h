// The subcommands of kalvo-deals. Each one registers itself on the program
// and, when it runs, stores the program's exit status.
#pragma once

namespace CLI {
class App;
}

namespace kalvo::outil_donnes {

void AjouteCommandeCompile(CLI::App& programme, int& statut);
void AjouteCommandeCheck(CLI::App& programme, int& statut);
void AjouteCommandeDump(CLI::App& programme, int& statut);
void AjouteCommandeExportPbn(CLI::App& programme, int& statut);
void AjouteCommandeDepuisPbn(CLI::App& programme, int& statut);

}  // namespace kalvo::outil_donnes
