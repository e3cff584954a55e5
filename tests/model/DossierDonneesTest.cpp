#include "model/DossierDonnees.h"

#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kalvo {
namespace {

using test::TDossierTemporaire;

// Sets an environment variable for one test and puts it back afterwards.
class TVariable {
 public:
  TVariable(const char* nom, const char* valeur) : nom_(nom) {
    if (const char* ancienne = std::getenv(nom)) ancienne_ = ancienne;
    if (valeur) ::setenv(nom, valeur, 1);
    else ::unsetenv(nom);
  }
  ~TVariable() {
    if (ancienne_) ::setenv(nom_, ancienne_->c_str(), 1);
    else ::unsetenv(nom_);
  }

 private:
  const char* nom_;
  std::optional<std::string> ancienne_;
};

TEST(DossierDonnees, DossierStandard) {
  EXPECT_EQ(DossierDonneesStandard("/x/data", "/home/u"), std::filesystem::path("/x/data/Kalvo/K1FR"));
  EXPECT_EQ(DossierDonneesStandard("relatif", "/home/u"), std::filesystem::path("/home/u/.local/share/Kalvo/K1FR"));
  EXPECT_EQ(DossierDonneesStandard("", "/home/u"), std::filesystem::path("/home/u/.local/share/Kalvo/K1FR"));
  EXPECT_EQ(DossierDonneesStandard(nullptr, "/home/u"), std::filesystem::path("/home/u/.local/share/Kalvo/K1FR"));
  EXPECT_EQ(DossierDonneesStandard(nullptr, nullptr).filename(), "K1FR");
}

TEST(DossierDonnees, OptionPuisVariablePuisStandard) {
  const TVariable xdg("XDG_DATA_HOME", "/xdg");
  {
    const TVariable kalvo("KALVO_DATA_DIR", "/par/variable");
    EXPECT_EQ(ResoutDossierDonnees(std::filesystem::path("/par/option")), std::filesystem::path("/par/option"));
    EXPECT_EQ(ResoutDossierDonnees(std::nullopt), std::filesystem::path("/par/variable"));
  }
  const TVariable sansKalvo("KALVO_DATA_DIR", nullptr);
  EXPECT_EQ(ResoutDossierDonnees(std::nullopt), std::filesystem::path("/xdg/Kalvo/K1FR"));
}

TEST(DossierDonnees, OptionDeLaLigneDeCommande) {
  std::string erreur;
  const char* a[] = {"kalvo", "--data-dir", "/d1"};
  EXPECT_EQ(OptionDossierDonnees(3, a, erreur), std::filesystem::path("/d1"));
  const char* b[] = {"kalvo", "--data-dir=/d2"};
  EXPECT_EQ(OptionDossierDonnees(2, b, erreur), std::filesystem::path("/d2"));
  const char* c[] = {"kalvo"};
  EXPECT_FALSE(OptionDossierDonnees(1, c, erreur));
  EXPECT_TRUE(erreur.empty());
  const char* d[] = {"kalvo", "--data-dir"};
  EXPECT_FALSE(OptionDossierDonnees(2, d, erreur));
  EXPECT_EQ(erreur, "L'option --data-dir demande un dossier.");
}

TEST(DossierDonnees, CopiesLivrees) {
  using Chemins = std::vector<std::filesystem::path>;
  // Installed: the data folder beside the programs' folder, wherever the tree is.
  EXPECT_EQ(DossiersLivres("/opt/kalvo/bin/kalvo"), Chemins{"/opt/kalvo/share/kalvo"});
  EXPECT_EQ(DossiersLivres("/tmp/destdir/usr/bin/kalvo", "../share/kalvo", "/construction"),
            Chemins{"/tmp/destdir/usr/share/kalvo"});
  // The build's copy is only for the programs run from the build.
  EXPECT_EQ(DossiersLivres("/construction/app/kalvo", "../share/kalvo", "/construction"),
            (Chemins{"/construction/share/kalvo", "/construction/data"}));
  EXPECT_EQ(DossiersLivres("/construction/app/kalvo", "../share/kalvo", "/construction/"),
            (Chemins{"/construction/share/kalvo", "/construction/data"}));
  EXPECT_EQ(DossiersLivres("/construction-bis/app/kalvo", "../share/kalvo", "/construction"),
            Chemins{"/construction-bis/share/kalvo"});
  EXPECT_EQ(DossiersLivres("/construction/../ailleurs/kalvo", "../share/kalvo", "/construction"),
            Chemins{"/share/kalvo"});
  EXPECT_EQ(DossiersLivres("/construction/app/kalvo", "../share/kalvo", ""), Chemins{"/construction/share/kalvo"});
  EXPECT_TRUE(DossiersLivres("", "../share/kalvo", "/construction").empty());
  // This test program runs from the build: it finds the build's copy.
  EXPECT_EQ(DossiersLivres(CheminExecutable("kalvo")).back(), std::filesystem::path(KALVO_BUILD_DIR) / "data");
  EXPECT_FALSE(CheminExecutable("kalvo").empty());
}

class Installation : public ::testing::Test {
 protected:
  void Livre(const std::filesystem::path& dossier, bool complet) {
    std::filesystem::create_directories(dossier);
    test::EcritBase(dossier / NomFichierDonnes, {test::DonneValide()});
    if (complet) {
      test::EcritOctets(dossier / NomFichierQuestions, std::string(148, '\0'));
      test::EcritOctets(dossier / "K01FR_DEMO.VOL", "5\n");
    }
  }
  TDossierTemporaire racine_;
};

TEST_F(Installation, CopieLaPremiereCopieLivreeTrouvee) {
  Livre(racine_ / "livre2", true);
  Livre(racine_ / "livre3", false);
  const TEmplacementBase cible{racine_ / "donnees" / "K1FR"};
  const TInstallation i = InstalleDonnees(cible, {racine_ / "livre1", racine_ / "livre2", racine_ / "livre3"});
  ASSERT_TRUE(i.Ok);
  EXPECT_TRUE(i.Copiee);
  EXPECT_TRUE(i.Erreurs.empty());
  EXPECT_EQ(test::LitOctets(cible.Donnes()), test::LitOctets(racine_ / "livre2" / NomFichierDonnes));
  EXPECT_EQ(test::LitOctets(cible.TableVolume()), "5\n");
  EXPECT_TRUE(std::filesystem::exists(cible.Questions()));
  // Already there: nothing is copied again.
  std::filesystem::remove(cible.TableVolume());
  const TInstallation encore = InstalleDonnees(cible, {racine_ / "livre2"});
  EXPECT_TRUE(encore.Ok);
  EXPECT_FALSE(encore.Copiee);
  EXPECT_FALSE(std::filesystem::exists(cible.TableVolume()));
}

TEST_F(Installation, SansCopieLivreeLesDeuxMessages) {
  const TEmplacementBase cible{racine_ / "donnees"};
  const TInstallation i = InstalleDonnees(cible, {racine_ / "nulle-part"});
  EXPECT_FALSE(i.Ok);
  EXPECT_EQ(i.Erreurs, (std::vector<std::string>{"Ne trouve pas le fichier de donnes (K01FR_DEMO.DAT) !",
                                                 "Don't find Deals'database (K01FR_DEMO.DAT) !"}));
  EXPECT_NE(i.Detail.find("nulle-part"), std::string::npos);
}

TEST_F(Installation, DossierImpossibleACreer) {
  Livre(racine_ / "livre", true);
  test::EcritOctets(racine_ / "fichier", "x");
  const TEmplacementBase cible{racine_ / "fichier" / "K1FR"};
  const TInstallation i = InstalleDonnees(cible, {racine_ / "livre"});
  EXPECT_FALSE(i.Ok);
  EXPECT_EQ(i.Erreurs.size(), 2u);
  EXPECT_NE(i.Detail.find("impossible"), std::string::npos);
}

}  // namespace
}  // namespace kalvo
