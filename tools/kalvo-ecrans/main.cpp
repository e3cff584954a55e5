// kalvo-ecrans: the pictures of what a user sees, written as PNG files
// without a display. One sub-command per family of pictures: the table
// during a real deal of the delivered database, the dialogs, the card faces
// and other drawn pieces, the settings and review windows; all but the
// table show one sample deal, read by the game controller.

#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Exemple.h"
#include "tools/commun/ArgumentsOutil.h"

#include "model/BaseDonnes.h"
#include "model/DossierDonnees.h"
#include "table/Polices.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <filesystem>
#include <functional>

using namespace kalvo;
using namespace kalvo::ecrans;

namespace {

// The delivered database's folder: given, or the first the program finds.
std::filesystem::path DossierLivre(const std::string& donne, const char* programme) {
  if (!donne.empty()) return donne;
  for (const std::filesystem::path& d : DossiersLivres(CheminExecutable(programme)))
    if (std::filesystem::exists(d / NomFichierDonnes)) return d;
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Images de ce que voit l'utilisateur de Kalvo, écrites sans écran"};
  app.require_subcommand(1);
  std::string exemple = KALVO_EXEMPLE_ECRANS;
  app.add_option("--exemple", exemple, "dossier de la donne d'exemple compilée")->capture_default_str();

  struct TCommande {
    const char* nom;
    const char* aide;
    std::string dossier;
  };
  std::array<TCommande, 7> commandes{{
      {"table", "la table au fil de la donne 1 de la base livrée, 3 jeux de cartes, 2 tailles d'écran", "docs/screenshots/table"},
      {"dialogues", "les questions, « Mauvaise réponse », l'écran de fin de donne et les scores", "docs/screenshots/dialogs"},
      {"faces", "les faces des cartes, les mains, la table, les afficheurs et les icônes", "docs/screenshots/controls"},
      {"reglages", "les réglages, les commentaires, les revues, le numéro de donne et l'aide", "docs/screenshots/dialogs"},
      {"revue", "« Revoir le jeu » après la donne 1 de la base livrée, 2 tailles d'écran", "docs/screenshots/table"},
      {"clavier", "la donne 1 de la base livrée jouée au clavier seul, puis les grandes cartes et le contraste élevé",
       "docs/screenshots/keyboard"},
      {"progres", "le choix d'une donne et la fenêtre « Progrès » avec ses graphiques", "docs/screenshots/dialogs"},
  }};
  std::string donnees;
  std::array<CLI::App*, 7> sous{};
  for (std::size_t i = 0; i < commandes.size(); ++i) {
    sous[i] = app.add_subcommand(commandes[i].nom, commandes[i].aide);
    sous[i]->add_option("dossier", commandes[i].dossier, "dossier des images")->capture_default_str();
  }
  for (std::size_t i : {std::size_t{0}, std::size_t{4}, std::size_t{5}})
    sous[i]->add_option("--donnees", donnees, "dossier de la base livrée (sinon celui du programme)");
  std::optional<int> collection;
  sous[0]->add_option("--collection", collection, "la donne du volume 1 de ce numéro de collection (jeu 1 seulement)")
      ->check(CLI::Range(1, 120));
  // Bad arguments: the usual EX_USAGE, apart from 1 (a picture not written).
  kalvo::outils::FrancisePresentation(app);
  if (const auto statut = kalvo::outils::AnalyseArguments(app, argc, argv, "kalvo-ecrans", 64)) return *statut;

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();

  std::size_t choisie = 0;
  while (!sous[choisie]->parsed()) ++choisie;
  const QDir sortie(QString::fromStdString(commandes[choisie].dossier));
  if (!QDir().mkpath(sortie.path())) {
    std::fprintf(stderr, "Impossible de créer le dossier %s\n", commandes[choisie].dossier.c_str());
    return 1;
  }
  if (choisie == 0) return ImagesTable(sortie, DossierLivre(donnees, argv[0]), collection) ? 0 : 1;
  if (choisie == 4) return ImagesRevue(sortie, DossierLivre(donnees, argv[0])) ? 0 : 1;
  if (choisie == 5) return ImagesClavier(sortie, DossierLivre(donnees, argv[0])) ? 0 : 1;
  if (choisie == 6) return ImagesProgres(sortie) ? 0 : 1;

  const std::unique_ptr<TExemple> donne = TExemple::Lit(exemple);
  if (!donne) return 1;
  const std::array<std::function<bool(const QDir&, const TExemple&)>, 3> images{ImagesDialogues, ImagesFaces,
                                                                                 ImagesReglages};
  return images[choisie - 1](sortie, *donne) ? 0 : 1;
}
