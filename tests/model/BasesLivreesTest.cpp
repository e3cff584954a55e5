// The shipped bases put into the data folder, and the choice of the base
// the trainer opens.
#include "model/BasesLivrees.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace std::chrono_literals;
using test::TDossierTemporaire;

class BasesLivrees : public ::testing::Test {
 protected:
  // A shipped folder as the build writes it: one questions file for all.
  void Livre(bool volume) {
    std::filesystem::create_directories(livre_);
    test::EcritBase(livre_ / NomFichierDonnes, {test::DonneValide()});
    test::EcritOctets(livre_ / "K01FR_DEMO.VOL", "21\n");
    test::EcritOctets(livre_ / NomFichierQuestions, std::string(148 * 21, 'Q'));
    if (volume) {
      test::EcritBase(livre_ / NomFichierVolume1, {test::DonneValide(), test::DonneValide()});
      test::EcritOctets(livre_ / "K01FR.VOL", "1\n21\n");
    }
  }
  TDossierTemporaire racine_;
  const std::filesystem::path livre_ = racine_ / "livre";
  const std::filesystem::path donnees_ = racine_ / "K1FR";
};

TEST_F(BasesLivrees, UnDossierNeufRecoitLesDeuxBases) {
  Livre(true);
  const TInstallation semis = SemeBasesLivrees(donnees_, {racine_ / "nulle-part", livre_});
  EXPECT_TRUE(semis.Ok);
  EXPECT_TRUE(semis.Copiee);
  for (const char* nom : {"K01FR.DAT", "K01FR.VOL", "K01FR_DEMO.DAT", "K01FR_DEMO.VOL", "KALVO01.ASK"})
    EXPECT_EQ(test::LitOctets(donnees_ / nom), test::LitOctets(livre_ / nom)) << nom;
  EXPECT_EQ(ChoisitBase(donnees_, std::nullopt, std::nullopt).FichierDonnes, "K01FR.DAT");
}

TEST_F(BasesLivrees, LeVolumeArriveChezUnUtilisateurDeLaDemonstration) {
  // An earlier installation: the demonstration, copied long ago, and the
  // user's settings.
  Livre(false);
  std::filesystem::create_directories(donnees_);
  for (const char* nom : {"K01FR_DEMO.DAT", "K01FR_DEMO.VOL", "KALVO01.ASK"}) {
    std::filesystem::copy_file(livre_ / nom, donnees_ / nom);
    std::filesystem::last_write_time(donnees_ / nom, std::filesystem::last_write_time(livre_ / nom) - 48h);
  }
  test::EcritOctets(donnees_ / "kalvo.INI", "[ScoresJeu]\r\nD001=80\r\n");
  EXPECT_EQ(ChoisitBase(donnees_, std::nullopt, std::nullopt).FichierDonnes, "K01FR_DEMO.DAT");

  // The new program ships Volume 1: it is copied with the shared questions
  // file; the demonstration is brought to the shipped version; the
  // settings are left alone.
  Livre(true);
  const TInstallation semis = SemeBasesLivrees(donnees_, {livre_});
  EXPECT_TRUE(semis.Ok) << semis.Detail;
  EXPECT_TRUE(semis.Copiee);
  for (const char* nom : {"K01FR.DAT", "K01FR.VOL", "K01FR_DEMO.DAT", "K01FR_DEMO.VOL", "KALVO01.ASK"})
    EXPECT_EQ(test::LitOctets(donnees_ / nom), test::LitOctets(livre_ / nom)) << nom;
  EXPECT_EQ(test::LitOctets(donnees_ / "kalvo.INI"), "[ScoresJeu]\r\nD001=80\r\n");
  EXPECT_EQ(ChoisitBase(donnees_, std::nullopt, std::nullopt).FichierDonnes, "K01FR.DAT");
  // Started again, nothing is copied.
  const TInstallation encore = SemeBasesLivrees(donnees_, {livre_});
  EXPECT_TRUE(encore.Ok);
  EXPECT_FALSE(encore.Copiee);
  EXPECT_EQ(encore.Detail, "");
}

TEST_F(BasesLivrees, UneNouvelleVersionDuVolumeRemplaceLaCopie) {
  Livre(true);
  ASSERT_TRUE(SemeBasesLivrees(donnees_, {livre_}).Copiee);
  // The volume gains a deal.
  test::EcritBase(livre_ / NomFichierVolume1, {test::DonneValide(), test::DonneValide(), test::DonneValide()});
  test::EcritOctets(livre_ / "K01FR.VOL", "1\n5\n21\n");
  TInstallation semis = SemeBasesLivrees(donnees_, {livre_});
  EXPECT_TRUE(semis.Ok);
  EXPECT_TRUE(semis.Copiee);
  EXPECT_NE(semis.Detail.find("La nouvelle version de K01FR.DAT a remplacé l'ancienne"), std::string::npos)
      << semis.Detail;
  EXPECT_EQ(test::LitOctets(donnees_ / NomFichierVolume1), test::LitOctets(livre_ / NomFichierVolume1));
  EXPECT_EQ(test::LitOctets(donnees_ / "K01FR.VOL"), "1\n5\n21\n");
  // A deal rewritten: same size, a later time.
  std::filesystem::last_write_time(livre_ / NomFichierVolume1,
                                   std::filesystem::last_write_time(livre_ / NomFichierVolume1) + 1h);
  test::EcritOctets(livre_ / "K01FR.VOL", "2\n5\n21\n");
  EXPECT_TRUE(SemeBasesLivrees(donnees_, {livre_}).Copiee);
  EXPECT_EQ(test::LitOctets(donnees_ / "K01FR.VOL"), "2\n5\n21\n");
  EXPECT_FALSE(SemeBasesLivrees(donnees_, {livre_}).Copiee);
}

TEST_F(BasesLivrees, UnRemplacementQuiEchoueGardeLAncienneCopieEntiere) {
  Livre(true);
  ASSERT_TRUE(SemeBasesLivrees(donnees_, {livre_}).Ok);
  const std::string ancienneBase = test::LitOctets(donnees_ / NomFichierVolume1);
  const std::string ancienneTable = test::LitOctets(donnees_ / "K01FR.VOL");
  test::EcritBase(livre_ / NomFichierVolume1, {test::DonneValide(), test::DonneValide(), test::DonneValide()});
  test::EcritOctets(livre_ / "K01FR.VOL", "1\n5\n21\n");
  // The base's temporary copy cannot be made: a folder holds its name.
  std::filesystem::create_directory(donnees_ / "K01FR.DAT.copie");
  const TInstallation semis = SemeBasesLivrees(donnees_, {livre_});
  EXPECT_FALSE(semis.Ok);
  EXPECT_NE(semis.Detail.find("impossible"), std::string::npos) << semis.Detail;
  // Neither the table nor the base moved: they still go together.
  EXPECT_EQ(test::LitOctets(donnees_ / "K01FR.VOL"), ancienneTable);
  EXPECT_EQ(test::LitOctets(donnees_ / NomFichierVolume1), ancienneBase);
  EXPECT_FALSE(std::filesystem::exists(donnees_ / "K01FR.VOL.copie"));
  // The trainer still opens the volume it has, and says what failed.
  const TOuverture ouverture = OuvreDossierDonnees(donnees_, {livre_}, std::nullopt, donnees_ / "kalvo.INI");
  EXPECT_TRUE(ouverture.Installation.Ok);
  EXPECT_EQ(ouverture.Emplacement.FichierDonnes, "K01FR.DAT");
  ASSERT_EQ(ouverture.Avertissements.size(), 1u);
  EXPECT_NE(ouverture.Avertissements[0].find("vers « " + (donnees_ / "K01FR.DAT").string() + " » impossible"),
            std::string::npos)
      << ouverture.Avertissements[0];
}

TEST_F(BasesLivrees, OptionPuisReglagePuisVolumePuisDemonstration) {
  Livre(true);
  ASSERT_TRUE(SemeBasesLivrees(donnees_, {livre_}).Ok);
  EXPECT_EQ(ChoisitBase(donnees_, "K01FR_DEMO.DAT", "K01FR.DAT").FichierDonnes, "K01FR_DEMO.DAT");
  EXPECT_EQ(ChoisitBase(donnees_, "/ailleurs/A.DAT", std::nullopt).FichierDonnes, "/ailleurs/A.DAT");
  // A path relative to the current folder is made absolute.
  EXPECT_EQ(ChoisitBase(donnees_, "bases/A.DAT", std::nullopt).FichierDonnes,
            (std::filesystem::current_path() / "bases/A.DAT").string());
  const TChoixBase regle = ChoisitBase(donnees_, std::nullopt, "K01FR_DEMO.DAT");
  EXPECT_EQ(regle.FichierDonnes, "K01FR_DEMO.DAT");
  EXPECT_TRUE(regle.Avertissements.empty());
  // A settings key naming a base the folder lacks: said, and the usual base.
  const TChoixBase absente = ChoisitBase(donnees_, std::nullopt, "K02FR.DAT");
  EXPECT_EQ(absente.FichierDonnes, "K01FR.DAT");
  ASSERT_EQ(absente.Avertissements.size(), 1u);
  EXPECT_EQ(absente.Avertissements[0], "Réglages : la base « K02FR.DAT » choisie par Options/Base n'est pas "
                                       "dans « " + donnees_.string() + " » : la base habituelle est ouverte.");
  std::filesystem::remove(donnees_ / NomFichierVolume1);
  EXPECT_EQ(ChoisitBase(donnees_, std::nullopt, std::nullopt).FichierDonnes, "K01FR_DEMO.DAT");
}

TEST_F(BasesLivrees, OuvertureDuDossier) {
  Livre(true);
  const std::filesystem::path ini = donnees_ / "kalvo.INI";
  const TOuverture neuve = OuvreDossierDonnees(donnees_, {livre_}, std::nullopt, ini);
  EXPECT_TRUE(neuve.Installation.Ok);
  EXPECT_TRUE(neuve.Installation.Copiee);
  EXPECT_EQ(neuve.Emplacement.Dossier, donnees_);
  EXPECT_EQ(neuve.Emplacement.FichierDonnes, "K01FR.DAT");
  EXPECT_EQ(neuve.Emplacement.TableVolume(), donnees_ / "K01FR.VOL");
  EXPECT_TRUE(neuve.Avertissements.empty());

  test::EcritOctets(ini, "[Options]\r\nBase=K01FR_DEMO.DAT\r\n");
  const TOuverture reglee = OuvreDossierDonnees(donnees_, {livre_}, std::nullopt, ini);
  EXPECT_TRUE(reglee.Installation.Ok);
  EXPECT_FALSE(reglee.Installation.Copiee);
  EXPECT_EQ(reglee.Emplacement.FichierDonnes, "K01FR_DEMO.DAT");

  // A base asked for on the command line that is nowhere: the two messages.
  const TOuverture absente = OuvreDossierDonnees(donnees_, {livre_}, "K02FR.DAT", ini);
  EXPECT_FALSE(absente.Installation.Ok);
  EXPECT_EQ(absente.Installation.Erreurs, (std::vector<std::string>{"Ne trouve pas le fichier de donnes (K02FR.DAT) !",
                                                                    "Don't find Deals'database (K02FR.DAT) !"}));
}

TEST_F(BasesLivrees, DossierImpossibleACreer) {
  Livre(true);
  test::EcritOctets(racine_ / "fichier", "x");
  const TOuverture o = OuvreDossierDonnees(racine_ / "fichier" / "K1FR", {livre_}, std::nullopt, racine_ / "k.INI");
  EXPECT_FALSE(o.Installation.Ok);
  EXPECT_EQ(o.Installation.Erreurs.size(), 2u);
  EXPECT_EQ(o.Emplacement.FichierDonnes, "K01FR_DEMO.DAT");
}

TEST(OptionsDuProgramme, BaseEtDossier) {
  std::string erreur;
  const char* a[] = {"kalvo", "--base", "K01FR_DEMO.DAT", "--data-dir=/d"};
  EXPECT_EQ(ValeurOption(4, a, "--base", "un fichier", erreur), "K01FR_DEMO.DAT");
  EXPECT_EQ(OptionDossierDonnees(4, a, erreur), std::filesystem::path("/d"));
  EXPECT_TRUE(erreur.empty());
  const char* b[] = {"kalvo", "--base="};
  EXPECT_FALSE(ValeurOption(2, b, "--base", "un fichier", erreur));
  EXPECT_EQ(erreur, "L'option --base demande un fichier.");
  erreur.clear();
  const char* c[] = {"kalvo", "--catalogue"};
  EXPECT_FALSE(ValeurOption(2, c, "--base", "un fichier", erreur));
  EXPECT_TRUE(erreur.empty());
}

}  // namespace
}  // namespace kalvo
