// The subcommands of kalvo-deals. Each one registers itself on the program
// and, when it runs, stores the program's exit status.
#pragma once

namespace CLI {
class App;
}

namespace kalvo::outil_donnes {

// The exit status of bad arguments (the usual EX_USAGE): 1 and 2 already
// tell what the commands found in the files.
inline constexpr int StatutArguments = 64;

void AjouteCommandeCompile(CLI::App& programme, int& statut);
void AjouteCommandeCheck(CLI::App& programme, int& statut);
void AjouteCommandeAudit(CLI::App& programme, int& statut);
void AjouteCommandeDump(CLI::App& programme, int& statut);
void AjouteCommandeInventaire(CLI::App& programme, int& statut);
void AjouteCommandeExportPbn(CLI::App& programme, int& statut);
void AjouteCommandeDepuisPbn(CLI::App& programme, int& statut);

}  // namespace kalvo::outil_donnes
