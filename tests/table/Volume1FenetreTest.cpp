// A new user on a fresh data folder: the trainer opens Volume 1, in its
// window as on the terminal; the demonstration stays one option away.
#include "FenetreDeTest.h"

#include "model/BasesLivrees.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kalvo {
namespace {

struct TVolumeLivre {
  int NbDonnes = 0;
  int PremierNumero = 0;
};

TVolumeLivre VolumeLivre() {
  const std::filesystem::path base = test::DossierBaseLivree() / NomFichierVolume1;
  const TResultatCatalogue catalogue = ChargeCatalogue(base);
  EXPECT_TRUE(catalogue.Ok());
  const int nb = catalogue.Catalogue.NbDonnes();
  return {nb, ChargeNumerosVolume(test::DossierBaseLivree() / "K01FR.VOL", nb).Numeros[1]};
}

TEST(Volume1Fenetre, UnNouvelUtilisateurOuvreLeVolume) {
  QTemporaryDir dossier;
  const std::filesystem::path donnees = std::filesystem::path(dossier.path().toStdString()) / "Kalvo" / "K1FR";
  const TOuverture ouverture =
      OuvreDossierDonnees(donnees, {test::DossierBaseLivree()}, std::nullopt, donnees / "kalvo.INI");
  ASSERT_TRUE(ouverture.Installation.Ok) << ouverture.Installation.Detail;
  TConfigurationControleur configuration;
  configuration.Emplacement = ouverture.Emplacement;
  configuration.FichierReglages = donnees / "kalvo.INI";
  TFMain f(configuration, QRect(0, 0, 1024, 768));
  f.show();
  ASSERT_TRUE(f.PremiereActivation());
  const TVolumeLivre volume = VolumeLivre();
  EXPECT_EQ(f.Controleur().NbDonnes(), volume.NbDonnes);
  EXPECT_EQ(f.windowTitle().toStdString(), "Kalvo! (Vol 1) - Donne 1 [" + std::to_string(volume.PremierNumero) + "]");
  EXPECT_TRUE(f.BStart->isVisible());
}

struct TSortie {
  int Statut = -1;
  std::string Texte;
};

TSortie Kalvo(const std::string& arguments, const std::filesystem::path& dossier) {
  const std::filesystem::path sortie = dossier / "sortie.txt";
  const std::string commande = "timeout 60 '" + std::string(KALVO_BUILD_DIR) + "/app/kalvo' --catalogue " + arguments +
                               " >'" + sortie.string() + "' 2>&1";
  const int brut = std::system(commande.c_str());
  std::ifstream flux(sortie);
  std::ostringstream texte;
  texte << flux.rdbuf();
  return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, texte.str()};
}

TEST(Volume1Fenetre, LeCatalogueDuProgrammeSurUnDossierNeuf) {
  QTemporaryDir temporaire;
  const std::filesystem::path racine(temporaire.path().toStdString());
  const std::string donnees = "--data-dir '" + (racine / "K1FR").string() + "'";
  const TVolumeLivre volume = VolumeLivre();
  TSortie s = Kalvo(donnees, racine);
  ASSERT_EQ(s.Statut, 0) << s.Texte;
  EXPECT_NE(s.Texte.find("Base K01FR.DAT : " + std::to_string(volume.NbDonnes) + " donnes\n"), std::string::npos)
      << s.Texte;
  EXPECT_NE(s.Texte.find("Donne actuelle : Kalvo! (Vol 1) - Donne 1 [" + std::to_string(volume.PremierNumero) +
                         "]\n"),
            std::string::npos)
      << s.Texte;

  // Back to the demonstration, by the option or by the settings key.
  s = Kalvo(donnees + " --base K01FR_DEMO.DAT", racine);
  ASSERT_EQ(s.Statut, 0) << s.Texte;
  EXPECT_NE(s.Texte.find("Base K01FR_DEMO.DAT : 4 donnes\n"), std::string::npos) << s.Texte;
  EXPECT_NE(s.Texte.find("Donne actuelle : Kalvo! (Vol 1) démo - Donne 1 [21]\n"), std::string::npos) << s.Texte;
  std::ofstream(racine / "K1FR" / "kalvo.INI") << "[Options]\r\nBase=K01FR_DEMO.DAT\r\n";
  s = Kalvo(donnees, racine);
  EXPECT_NE(s.Texte.find("Base K01FR_DEMO.DAT : 4 donnes\n"), std::string::npos) << s.Texte;

  // A base that is not there: the two messages, and a failure status.
  s = Kalvo(donnees + " --base K02FR.DAT", racine);
  EXPECT_EQ(s.Statut, 1);
  EXPECT_NE(s.Texte.find("Ne trouve pas le fichier de donnes (K02FR.DAT) !\n"), std::string::npos) << s.Texte;
}

}  // namespace
}  // namespace kalvo
