// The trainer: the card table in its window. With --catalogue it lists the
// deals of the database in the terminal instead.
#include "control/Controleur.h"
#include "historique/HistoriqueSqlite.h"
#include "model/BaseDonnes.h"
#include "model/BasesLivrees.h"
#include "model/DossierDonnees.h"
#include "model/Encheres.h"
#include "model/Reglages.h"
#include "table/FMain.h"
#include "table/IconeProgramme.h"
#include "table/Polices.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace kalvo;

std::string Colonne(const std::string& texte, std::size_t largeur, bool aDroite = false) {
  std::size_t visibles = 0;
  for (char c : texte) visibles += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  const std::string blancs(visibles < largeur ? largeur - visibles : 0, ' ');
  return aDroite ? blancs + texte : texte + blancs;
}

void AfficheCatalogue(const TEmplacementBase& emplacement, const TCatalogue& catalogue,
                      const TNumerosVolume& volume) {
  std::cout << Colonne("Donne", 7) << Colonne("Collection", 12) << Colonne("Thème", 44) << Colonne("Force", 7)
            << "Contrat\n";
  for (int n = 1; n <= catalogue.NbDonnes(); ++n) {
    std::string contrat = "?";
    try {
      const TContrat c = LitContrat(emplacement.Donnes(), n);
      contrat = TexteContrat(c.Niveau, static_cast<TCouleur>(c.Atout));
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
    }
    std::cout << Colonne(std::to_string(n), 5, true) << "  " << Colonne(std::to_string(volume[n]), 10, true) << "  "
              << Colonne(std::string(NomsThemes[static_cast<std::size_t>(catalogue.Theme(n))]), 44)
              << Colonne(std::to_string(catalogue.Force(n)), 5, true) << "  " << contrat << '\n';
  }
}

QIcon IconeProgramme() {
  QIcon dessinee;
  for (const int cote : {16, 32, 48, 64, 128}) dessinee.addPixmap(ImageIconeProgramme(cote));
  return QIcon::fromTheme(QStringLiteral(KALVO_ID_APPLICATION), dessinee);
}

void AfficheListe(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) std::cerr << message << '\n';
}

void AfficheErreursFenetre(const std::vector<std::string>& messages) {
  for (const std::string& message : messages)
    QMessageBox::critical(nullptr, QStringLiteral("Kalvo !"), QString::fromStdString(message));
}

int Catalogue(const TOuverture& ouverture, const std::filesystem::path& fichierReglages) {
  const TEmplacementBase& emplacement = ouverture.Emplacement;
  std::cout << "Kalvo — entraîneur au jeu de la carte\n"
            << "Dossier des données : " << emplacement.Dossier.string() << '\n';
  if (ouverture.Installation.Copiee) std::cout << ouverture.Installation.Detail << '\n';
  AfficheListe(ouverture.Avertissements);

  const TResultatCatalogue resultat = ChargeCatalogue(emplacement.Donnes());
  AfficheListe(resultat.Avertissements);
  if (!resultat.Ok()) {
    AfficheListe(resultat.Erreurs);
    return 1;
  }
  const int nbDonnes = resultat.Catalogue.NbDonnes();
  const TResultatVolume volume = ChargeNumerosVolume(emplacement.TableVolume(), nbDonnes);
  if (volume.Avertissement) std::cerr << *volume.Avertissement << '\n';

  const TLectureReglages reglages =
      LitReglages(fichierReglages, nbDonnes, SectionsBase(emplacement.FichierDonnes, volume.Numeros));
  AfficheListe(reglages.Avertissements);

  std::cout << "Base " << emplacement.FichierDonnes << " : " << nbDonnes << (nbDonnes > 1 ? " donnes" : " donne")
            << "\n\n";
  AfficheCatalogue(emplacement, resultat.Catalogue, volume.Numeros);
  const int actuelle = reglages.Etat.DonneActuelle;
  std::cout << "\nDonne actuelle : " << TeteTitre(emplacement.FichierDonnes) << " - Donne " << actuelle << " ["
            << volume.Numeros[actuelle] << "]\n";
  return 0;
}

int Table(int argc, char** argv, const TOuverture& ouverture, const std::filesystem::path& fichierReglages) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kalvo !"));
  // Ties the window to the installed menu entry and its icon; the icon is
  // drawn when no icon theme holds it (a program run from its build).
  QApplication::setDesktopFileName(QStringLiteral(KALVO_ID_APPLICATION));
  QApplication::setWindowIcon(IconeProgramme());
  InstallePolicesDeSubstitution();
  if (!ouverture.Installation.Ok) {
    std::cerr << ouverture.Installation.Detail << '\n';
    AfficheErreursFenetre(ouverture.Installation.Erreurs);
    return 1;
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = ouverture.Emplacement;
  configuration.FichierReglages = fichierReglages;
  configuration.AvertissementsOuverture = ouverture.Avertissements;
  // Opened before the window and closed after it: the controller records
  // each finished deal there. A history that cannot be used is told with
  // the other opening warnings, and the trainer goes on without it.
  const TOuvertureHistorique historique = OuvreHistorique(ouverture.Emplacement.Dossier / NomFichierHistorique);
  if (!historique.Message.empty()) configuration.AvertissementsOuverture.push_back(historique.Message);
  TFMain fenetre(std::move(configuration));
  if (historique.Historique) fenetre.Controleur().SetHistorique(historique.Historique.get());
  fenetre.showMaximized();
  const int code = application.exec();
  return fenetre.EchecActivation() ? 1 : code;
}

}  // namespace

int main(int argc, char** argv) {
  bool catalogue = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option(argv[i]);
    if (option == "--help" || option == "-h") {
      std::cout << "Usage : kalvo [--data-dir DOSSIER] [--base FICHIER] [--catalogue]\n"
                   "  --data-dir DOSSIER  dossier des données (sinon KALVO_DATA_DIR,\n"
                   "                      sinon $XDG_DATA_HOME/Kalvo/K1FR)\n"
                   "  --base FICHIER      base de donnes à ouvrir : un nom du dossier des\n"
                   "                      données (K01FR_DEMO.DAT pour la démonstration)\n"
                   "                      ou un chemin ; sinon Options/Base des réglages,\n"
                   "                      sinon le volume 1 (K01FR.DAT) s'il est là\n"
                   "  --catalogue         liste les donnes de la base dans le terminal\n"
                   "                      au lieu d'ouvrir la table\n";
      return 0;
    }
    if (option == "--catalogue") catalogue = true;
  }
  std::string erreur;
  const auto dossier = OptionDossierDonnees(argc, argv, erreur);
  const auto base = erreur.empty() ? ValeurOption(argc, argv, "--base", "un fichier", erreur) : std::nullopt;
  if (!erreur.empty()) {
    std::cerr << erreur << '\n';
    return 2;
  }
  const std::filesystem::path executable = CheminExecutable(argv[0]);
  const std::filesystem::path donnees = ResoutDossierDonnees(dossier);
  const std::filesystem::path fichierReglages =
      donnees / NomFichierReglages(executable.empty() ? "kalvo" : executable.filename().string());
  const TOuverture ouverture = OuvreDossierDonnees(donnees, DossiersLivres(executable), base, fichierReglages);
  if (!catalogue) return Table(argc, argv, ouverture, fichierReglages);
  if (!ouverture.Installation.Ok) {
    AfficheListe(ouverture.Installation.Erreurs);
    std::cerr << ouverture.Installation.Detail << '\n';
    return 1;
  }
  return Catalogue(ouverture, fichierReglages);
}
