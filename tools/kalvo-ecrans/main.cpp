// kalvo-ecrans: plays the first deal of the delivered database on the real
// main window, without a display, and writes PNG pictures of the table at
// six moments (the last one the end-of-deal screen), in each card set and at two screen sizes.

#include "model/BaseDonnes.h"
#include "model/DossierDonnees.h"
#include "table/FMain.h"
#include "table/FinDonne1024.h"
#include "table/Polices.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <filesystem>

using namespace kalvo;

namespace {

struct TEcran {
  int Largeur;
  int Hauteur;
};

bool Ecrit(TFMain& fenetre, const QDir& dossier, const QString& nom) {
  QApplication::processEvents();
  const QString chemin = dossier.filePath(nom);
  const bool ok = fenetre.grab().save(chemin, "PNG");
  std::printf("%s %s\n", ok ? "écrit" : "ÉCHEC", qPrintable(chemin));
  return ok;
}

std::string Reglages(int setCartes) {
  // No pauses, no quiz, refused cards only beep: the pictures come quickly
  // and show the table alone.
  return "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nErreursComments=0\r\nSetCartes=" +
         std::to_string(setCartes) + "\r\n";
}

bool Photographie(const std::filesystem::path& livres, const QDir& sortie, int set, TEcran ecran) {
  QTemporaryDir temporaire;
  TEmplacementBase emplacement{std::filesystem::path(temporaire.path().toStdString())};
  const TInstallation installation = InstalleDonnees(emplacement, {livres});
  if (!installation.Ok) {
    std::fprintf(stderr, "%s\n", installation.Detail.c_str());
    return false;
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = emplacement;
  configuration.TexteReglages = Reglages(set);
  configuration.Graine = 1;
  TFMain fenetre(configuration, QRect(0, 0, ecran.Largeur, ecran.Hauteur));
  fenetre.show();
  if (!fenetre.PremiereActivation()) return false;
  TPiloteTable pilote(fenetre);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);

  const QString prefixe = QStringLiteral("table-%1x%2-jeu%3-").arg(ecran.Largeur).arg(ecran.Hauteur).arg(set);
  bool ok = Ecrit(fenetre, sortie, prefixe + QStringLiteral("1-avant-demarrer.png"));
  pilote.CliqueBouton(fenetre.BStart);
  ok &= Ecrit(fenetre, sortie, prefixe + QStringLiteral("2-encheres.png"));
  pilote.CliqueBouton(fenetre.BNext);
  ok &= Ecrit(fenetre, sortie, prefixe + QStringLiteral("3-entame.png"));

  // Tricks 1 and 2, then the four hands shown as the settings dialog would,
  // while the third trick is under way.
  const TControleur& c = fenetre.Controleur();
  while (c.Etat().InJeu && c.Etat().Levee < 3) {
    if (c.Etat().LeveeComplete) pilote.CliqueTapis();
    else if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
  }
  fenetre.Controleur().Reglages().QuatreJeux = true;
  fenetre.Controleur().ApresReglages();
  ok &= Ecrit(fenetre, sortie, prefixe + QStringLiteral("4-quatre-jeux.png"));
  while (c.Etat().InJeu && !c.Etat().LeveeComplete) {
    if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
  }
  ok &= Ecrit(fenetre, sortie, prefixe + QStringLiteral("5-levee-complete.png"));

  // On to the end of the deal, playing the script's right cards; the
  // end-of-deal screen is pictured as it opens, then "Suivante" closes it.
  bool finPhotographiee = false;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    QApplication::processEvents();
    const QString chemin = sortie.filePath(prefixe + QStringLiteral("6-fin-de-donne.png"));
    finPhotographiee = w->grab().save(chemin, "PNG");
    std::printf("%s %s\n", finPhotographiee ? "écrit" : "ÉCHEC", qPrintable(chemin));
    QPushButton* suivante = static_cast<TFinDonne1024*>(w)->BSuivante();
    QTest::mouseClick(suivante, Qt::LeftButton, Qt::NoModifier, suivante->rect().center());
  });
  for (int geste = 0; geste < 400 && !finPhotographiee; ++geste) {
    if (c.Etat().InJeu && c.AttendCarteUtilisateur()) {
      if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
    } else {
      pilote.CliqueTapis();
    }
    QApplication::processEvents();
  }
  return ok && finPhotographiee;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Images de la table de Kalvo au fil de la donne 1"};
  std::string sortie = "docs/screenshots/table";
  std::string donnees;
  app.add_option("dossier", sortie, "dossier des images")->capture_default_str();
  app.add_option("--donnees", donnees, "dossier de la base livrée (sinon celui du programme)");
  CLI11_PARSE(app, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();
  const QDir dossier(QString::fromStdString(sortie));
  if (!QDir().mkpath(dossier.path())) {
    std::fprintf(stderr, "Impossible de créer le dossier %s\n", sortie.c_str());
    return 1;
  }
  std::filesystem::path livres = donnees;
  if (livres.empty()) {
    for (const std::filesystem::path& d : DossiersLivres(CheminExecutable(argv[0]))) {
      if (std::filesystem::exists(d / NomFichierDonnes)) {
        livres = d;
        break;
      }
    }
  }
  bool ok = true;
  for (int set = 1; set <= 3; ++set) {
    for (const TEcran ecran : {TEcran{1024, 768}, TEcran{1600, 1024}}) ok &= Photographie(livres, dossier, set, ecran);
  }
  return ok ? 0 : 1;
}
