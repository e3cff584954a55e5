// The screen only receives: no file of table/ includes the quiz and coaching
// headers, the code-page conversion or the controller (but the window that
// makes it), and the control headers it may include name only values of
// model/, so that nothing of coaching or of the engine reaches it either.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace kalvo {
namespace {

const std::filesystem::path Racine = std::filesystem::path(KALVO_TEST_DATA) / ".." / "..";

// The headers of the seam between the game and the screen.
const std::set<std::string> Couture{"control/ConfigurationControleur.h", "control/DonneAffichee.h",
                                    "control/EcranJeu.h",                "control/EntreesJeu.h",
                                    "control/FiltreDonnes.h",            "control/FinDonne.h",
                                    "control/ListeDonnes.h",             "control/Progres.h",
                                    "control/ReleveJeu.h",               "control/RevueEncheres.h",
                                    "control/ScoresAffiches.h"};

// The project headers a file includes, as written: "control/EcranJeu.h".
std::vector<std::string> Inclusions(const std::filesystem::path& fichier) {
  std::vector<std::string> inclusions;
  std::ifstream flux(fichier);
  std::string ligne;
  const std::string debut = "#include \"";
  while (std::getline(flux, ligne)) {
    if (!ligne.starts_with(debut)) continue;
    const std::size_t fin = ligne.find('"', debut.size());
    if (fin != std::string::npos) inclusions.push_back(ligne.substr(debut.size(), fin - debut.size()));
  }
  return inclusions;
}

TEST(Separation, LaTableNInclutNiCoachingNiControleurNiConversion) {
  int fichiers = 0;
  for (const auto& entree : std::filesystem::directory_iterator(Racine / "table")) {
    const std::string nom = entree.path().filename().string();
    if (!nom.ends_with(".h") && !nom.ends_with(".cpp")) continue;
    ++fichiers;
    for (const std::string& inclus : Inclusions(entree.path())) {
      EXPECT_FALSE(inclus.starts_with("coaching/") || inclus.starts_with("engine/")) << nom << " : " << inclus;
      EXPECT_NE(inclus, "model/Windows1252.h") << nom;
      if (inclus.starts_with("control/") && !Couture.contains(inclus)) {
        // The window makes its controller, and reads nothing of it.
        EXPECT_TRUE(nom == "FMain.cpp" && inclus == "control/Controleur.h") << nom << " : " << inclus;
      }
    }
  }
  EXPECT_GT(fichiers, 100);
}

TEST(Separation, LaCoutureNeNommeQueDesValeursDuModele) {
  for (const std::string& entete : Couture) {
    ASSERT_TRUE(std::filesystem::exists(Racine / entete)) << entete;
    for (const std::string& inclus : Inclusions(Racine / entete)) {
      EXPECT_TRUE(inclus.starts_with("model/") || Couture.contains(inclus)) << entete << " : " << inclus;
    }
  }
}

}  // namespace
}  // namespace kalvo
