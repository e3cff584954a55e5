// kalvo-play --walk on the delivered demonstration base: the deals next and
// previous choose under each order and filter of the settings, without a
// window. The themes and difficulties are read from a first unfiltered walk,
// so that the tests hold when the delivered deals change.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

struct TMarche {
  int statut = -1;
  std::vector<Json> lignes;
  std::string erreurs;
  std::vector<int> Donnes() const {
    std::vector<int> donnes;
    for (const Json& l : lignes)
      if (l["event"] == "walk") donnes.push_back(l["deal"].get<int>());
    return donnes;
  }
};

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

TMarche Marche(const std::vector<std::string>& arguments, const std::string& reglages = "") {
  const std::string programme = std::string(KALVO_BUILD_DIR) + "/tools/kalvo-play/kalvo-play";
  const std::string dossier = ::testing::TempDir() + "kalvo-play-marche-" + std::to_string(::getpid());
  const std::string ini = dossier + ".ini", sortie = dossier + ".out", erreurs = dossier + ".err";
  std::ofstream(ini, std::ios::binary) << reglages;
  std::string commande = "timeout 60 '" + programme + "' --db '" + std::string(KALVO_BUILD_DIR) +
                         "/data/K01FR_DEMO.DAT' --settings '" + ini + "'";
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " </dev/null >'" + sortie + "' 2>'" + erreurs + "'";
  const int brut = std::system(commande.c_str());
  TMarche r;
  r.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
  std::istringstream lignes(Lit(sortie));
  for (std::string l; std::getline(lignes, l);) r.lignes.push_back(Json::parse(l));
  r.erreurs = Lit(erreurs);
  return r;
}

TEST(KalvoPlayParcours, AscendantPuisFiltres) {
  // No filter: every deal, wrapping around both ways, with its collection
  // number, theme and difficulty.
  const TMarche tout = Marche({"--deal", "3", "--walk", "5"});
  ASSERT_EQ(tout.statut, 0) << tout.erreurs;
  ASSERT_EQ(tout.Donnes(), (std::vector<int>{4, 1, 2, 3, 4}));
  std::vector<int> themes(5), forces(5);
  for (const Json& l : tout.lignes) {
    const int n = l["deal"].get<int>();
    themes[static_cast<std::size_t>(n)] = l["theme"].get<int>();
    forces[static_cast<std::size_t>(n)] = l["difficulty"].get<int>();
    EXPECT_GT(l["collection"].get<int>(), 0);
    EXPECT_EQ(l["mark"], -1);
  }
  EXPECT_EQ(Marche({"--deal", "2", "--walk", "-3"}).Donnes(), (std::vector<int>{1, 4, 3}));

  // The theme of deal 2: the walk meets exactly the deals on that theme.
  const int theme = themes[2];
  std::vector<int> attendu;
  for (int n = 1; n <= 4; ++n)
    if (themes[static_cast<std::size_t>(n)] == theme) attendu.push_back(n);
  const TMarche surTheme =
      Marche({"--deal", "4", "--walk", std::to_string(attendu.size()), "--set", "TypeDonnes=1", "--set",
              "NumeroTheme=" + std::to_string(theme)});
  std::vector<int> vues = surTheme.Donnes();
  std::sort(vues.begin(), vues.end());
  EXPECT_EQ(vues, attendu);

  // Difficulty "1" (the first of the list): only deals of difficulty 1.
  for (const int n : Marche({"--deal", "1", "--walk", "4", "--set", "TypeDonnes=2", "--set", "ForceChoisie=0"}).Donnes())
    EXPECT_EQ(forces[static_cast<std::size_t>(n)], 1) << n;
}

TEST(KalvoPlayParcours, ARevoirLesFaiblesDAbordEtSelectionVide) {
  // Marks read from the settings file: 1 and 4 below 50, 2 above, 3 never
  // played. The weak deals come first, then the unplayed one.
  const std::string notes = "[Options]\r\nTypeDonnes=3\r\nScoreInferieurA=50\r\n[ScoresJeu]\r\nD001=30\r\nD002=90\r\nD004=10\r\n";
  const TMarche r = Marche({"--deal", "2", "--walk", "5"}, notes);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.Donnes(), (std::vector<int>{3, 1, 4, 3, 1}));
  EXPECT_EQ(r.lignes[1]["mark"], 30);
  EXPECT_EQ(Marche({"--deal", "3", "--walk", "-2"}, notes).Donnes(), (std::vector<int>{4, 1}));

  // Every deal played at 50 or more: nothing to review, the message once,
  // and the walk stops without a deal.
  const TMarche vide = Marche({"--deal", "2", "--walk", "3"},
                              "[Options]\r\nTypeDonnes=3\r\nScoreInferieurA=50\r\n[ScoresJeu]\r\nD001=50\r\nD002=90\r\n"
                              "D003=70\r\nD004=100\r\n");
  EXPECT_EQ(vide.statut, 0);
  EXPECT_TRUE(vide.Donnes().empty());
  ASSERT_EQ(vide.lignes.size(), 1u);
  EXPECT_EQ(vide.lignes[0]["event"], "message");
  EXPECT_NE(vide.lignes[0]["text"].get<std::string>().find("Aucune donne"), std::string::npos);
}

TEST(KalvoPlayParcours, OrdreAleatoireEtArguments) {
  // Random order: a full turn meets each deal once and comes back; the same
  // seed gives the same walk.
  const std::vector<std::string> arguments{"--deal", "1", "--walk", "4", "--set", "Ordre=1", "--seed", "9"};
  const std::vector<int> tour = Marche(arguments).Donnes();
  ASSERT_EQ(tour.size(), 4u);
  EXPECT_EQ(std::set<int>(tour.begin(), tour.end()), (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(tour.back(), 1);
  EXPECT_EQ(Marche(arguments).Donnes(), tour);

  // The walk plays nothing: a user or a PBN file with it is an argument error.
  for (const std::vector<std::string>& mauvais :
       {std::vector<std::string>{"--deal", "1", "--walk", "2", "--random-user", "3"},
        std::vector<std::string>{"--deal", "1", "--walk", "2", "--pbn", "x.pbn"}}) {
    const TMarche r = Marche(mauvais);
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.erreurs.find("--walk"), std::string::npos) << r.erreurs;
  }
  const TMarche horsBase = Marche({"--deal", "9", "--walk", "2"});
  EXPECT_EQ(horsBase.statut, 1);
  EXPECT_NE(horsBase.erreurs.find("n'est pas dans la base"), std::string::npos);
}

}  // namespace
