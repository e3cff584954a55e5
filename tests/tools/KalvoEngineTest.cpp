// kalvo-engine run as a program: the output lines of its contract, their
// key order, and the exit status on a wrong card or bad arguments.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

struct TResultat {
  int statut = -1;
  std::vector<std::string> lignes;  // standard output
  std::string erreurs;              // standard error
};

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// Arguments are passed between single quotes; none of ours contains one.
TResultat Lance(const std::vector<std::string>& arguments) {
  const std::string programme = std::string(KALVO_BUILD_DIR) + "/tools/kalvo-engine/kalvo-engine";
  // ctest runs the tests side by side: each run gets files of its own.
  const std::string base = ::testing::TempDir() + "kalvo-engine-" + std::to_string(::getpid()) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string sortie = base + ".out";
  const std::string erreurs = base + ".err";
  std::string commande = "'" + programme + "'";
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " >'" + sortie + "' 2>'" + erreurs + "'";
  const int brut = std::system(commande.c_str());
  TResultat r;
  r.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
  std::istringstream lignes(Lit(sortie));
  for (std::string l; std::getline(lignes, l);) r.lignes.push_back(l);
  r.erreurs = Lit(erreurs);
  return r;
}

std::vector<std::string> Cles(const Json& objet) {
  std::vector<std::string> cles;
  for (const auto& [cle, valeur] : objet.items()) cles.push_back(cle);
  return cles;
}

// S: ♠AKQ2 ♥KJ3 ♦A2 ♣K432, W: ♠JT9 ♥Q92 ♦KQJ3 ♣QJ9, N: ♠8765 ♥A84 ♦T98 ♣A76, E: ♠43 ♥T765 ♦7654 ♣T85.
const std::string DonneD = "S:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T85";
const std::string SixLevees = "DK D8 D4 D2 SJ S5 S3 S2 HQ H4 H5 H3 DQ D9 D5 DA CK C9 C6 C5 SA S9 S6 S4";
const std::string Complete = SixLevees +
                             " C4 CJ C7 C8 H9 H8 H6 HJ SK ST S7 D6 C3 CQ CA CT S8 H7 SQ H2 HK D3 HA HT DT D7 C2 DJ";

TEST(KalvoEngine, TreizeLeveesEtOrdreDesCles) {
  const TResultat r = Lance({"--deal", DonneD, "--trump", "NT", "--play", Complete, "--solutions", "--defense"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_EQ(r.lignes.size(), 14u);  // nothing after the thirteenth trick

  const Json donne = Json::parse(r.lignes[0]);
  EXPECT_EQ(Cles(donne), (std::vector<std::string>{"event", "state"}));
  EXPECT_EQ(donne["event"], "dealt");
  const Json& etat = donne["state"];
  EXPECT_EQ(Cles(etat), (std::vector<std::string>{"hands", "lines", "communications", "blocage", "realisables", "situation"}));
  EXPECT_EQ(Cles(etat["hands"]), (std::vector<std::string>{"S", "W", "N", "E"}));
  EXPECT_EQ(Cles(etat["hands"]["S"]), (std::vector<std::string>{"cards", "suits"}));
  EXPECT_EQ(Cles(etat["hands"]["S"]["cards"]).front(), "SA");  // hand order
  EXPECT_EQ(Cles(etat["hands"]["S"]["cards"]).back(), "C2");
  EXPECT_EQ(Cles(etat["hands"]["S"]["cards"]["SA"]),
            (std::vector<std::string>{"superieure", "maitresse", "affranchie", "communicante", "receptrice", "isolee",
                                      "numero", "rang", "rang_absolu"}));
  EXPECT_EQ(etat["hands"]["S"]["cards"]["S2"]["rang_absolu"], 13);
  EXPECT_EQ(Cles(etat["hands"]["W"]["suits"]), (std::vector<std::string>{"S", "H", "D", "C"}));
  EXPECT_EQ(Cles(etat["hands"]["W"]["suits"]["D"]),
            (std::vector<std::string>{"nombre", "maxlongueur", "superieures", "maitresses", "affranchies"}));
  EXPECT_EQ(etat["hands"]["W"]["suits"]["D"]["nombre"], 4);
  EXPECT_EQ(Cles(etat["lines"]), (std::vector<std::string>{"NS", "EO"}));
  EXPECT_EQ(Cles(etat["lines"]["EO"]["H"]), (std::vector<std::string>{"nombre", "maxlongueur", "maitresses"}));
  EXPECT_EQ(Cles(etat["communications"]), (std::vector<std::string>{"S", "N"}));
  EXPECT_EQ(Cles(etat["communications"]["N"]), (std::vector<std::string>{"S", "H", "D", "C", "total"}));
  EXPECT_EQ(etat["blocage"]["S"], Json::array());
  EXPECT_EQ(Cles(etat["realisables"]), (std::vector<std::string>{"S", "N"}));
  EXPECT_EQ(etat["situation"]["N"].size(), 13u);
  EXPECT_EQ(Cles(etat["situation"]["N"][0]), (std::vector<std::string>{"card", "jouable", "cause", "msg"}));

  const std::string gagnants = "WWWSSSWSSNSNW";
  std::string entameur = "W";
  for (int t = 1; t <= 13; ++t) {
    const Json levee = Json::parse(r.lignes[static_cast<std::size_t>(t)]);
    EXPECT_EQ(Cles(levee), (std::vector<std::string>{"event", "trick", "leader", "winner", "cards", "state"}));
    EXPECT_EQ(levee["event"], "trick");
    EXPECT_EQ(levee["trick"], t);
    EXPECT_EQ(levee["leader"], entameur);
    entameur = std::string(1, gagnants[static_cast<std::size_t>(t - 1)]);
    EXPECT_EQ(levee["winner"], entameur) << t;
    EXPECT_EQ(levee["cards"].size(), 4u);
  }
  const Json fin = Json::parse(r.lignes.back());
  EXPECT_EQ(fin["cards"], Json::parse(R"(["DT","D7","C2","DJ"])"));
  for (const char* siege : {"S", "W", "N", "E"}) EXPECT_TRUE(fin["state"]["hands"][siege]["cards"].empty());
  EXPECT_TRUE(fin["state"]["situation"]["S"].empty());
}

TEST(KalvoEngine, JeuCoupeEnCoursDeLeveeEtDefausseDeEst) {
  const TResultat r = Lance({"--deal", DonneD, "--trump", "NT", "--play", "DK D8", "--defense"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_EQ(r.lignes.size(), 2u);
  EXPECT_EQ(Json::parse(r.lignes[0])["event"], "dealt");
  // First trick: no flag yet, so East's first suit without a master card, clubs.
  EXPECT_EQ(r.lignes[1], R"({"event":"defausse","seat":"E","card":"C5"})");
}

TEST(KalvoEngine, DefausseQuandUnDefenseurDoitJouer) {
  const TResultat r = Lance({"--deal", DonneD, "--trump", "NT", "--play", SixLevees + " SK ST S7", "--defense"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_EQ(r.lignes.size(), 8u);
  EXPECT_EQ(r.lignes.back(), R"({"event":"defausse","seat":"E","card":"D6"})");

  // North to play next: no line.
  const TResultat nord = Lance({"--deal", DonneD, "--trump", "NT", "--play", SixLevees + " SK ST", "--defense"});
  ASSERT_EQ(nord.statut, 0) << nord.erreurs;
  EXPECT_EQ(nord.lignes.size(), 7u);
}

TEST(KalvoEngine, SolutionsAvecSixLeveesARejouer) {
  // North-South hold every top card; South leads the first seven tricks.
  const std::string donne = "S:AKQJT.AKQ.AK.AKQ 432.8765.T98.876 98765.JT9.QJ.JT9 .432.765432.5432";
  const std::string jeu = "SA S2 S5 H2 SK S3 S6 H3 SQ S4 S7 H4 SJ H8 S8 D2 ST H7 S9 D3 HA H6 H9 D4 HK H5 HT D5";
  const TResultat r = Lance({"--deal", donne, "--trump", "NT", "--leader", "S", "--play", jeu, "--solutions"});
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  ASSERT_EQ(r.lignes.size(), 9u);
  const Json solutions = Json::parse(r.lignes.back());
  EXPECT_EQ(Cles(solutions), (std::vector<std::string>{"event", "player", "trick", "count", "list"}));
  EXPECT_EQ(solutions["event"], "solutions");
  EXPECT_EQ(solutions["player"], "S");
  EXPECT_EQ(solutions["trick"], 8);
  EXPECT_EQ(solutions["count"], 3000);
  ASSERT_EQ(solutions["list"].size(), 3000u);
  EXPECT_EQ(solutions["list"][0],
            Json::parse(R"([["S","HQ","HJ"],["S","DA","DQ"],["S","DK","DJ"],["S","CA","CJ"],["S","CK","CT"],["S","CQ","C9"]])"));
  for (const Json& s : solutions["list"]) ASSERT_EQ(s.size(), 6u);
}

TEST(KalvoEngine, SolutionsSeulementEnFinDeLeveeQuandLeCampDuDeclarantEntame) {
  // West leads the eighth trick: no line. South leads it: a line, here empty.
  const TResultat ouest = Lance({"--deal", DonneD, "--trump", "NT", "--play", SixLevees + " C4 CJ C7 C8", "--solutions"});
  ASSERT_EQ(ouest.statut, 0) << ouest.erreurs;
  EXPECT_EQ(ouest.lignes.size(), 8u);
  const TResultat sud = Lance({"--deal", DonneD, "--trump", "NT", "--play", SixLevees + " SK ST S7 D6", "--solutions"});
  ASSERT_EQ(sud.statut, 0) << sud.erreurs;
  ASSERT_EQ(sud.lignes.size(), 9u);
  EXPECT_EQ(sud.lignes.back(), R"({"event":"solutions","player":"S","trick":8,"count":0,"list":[]})");
  const TResultat milieu = Lance({"--deal", DonneD, "--trump", "NT", "--play", SixLevees + " SK ST S7 D6 S8", "--solutions"});
  EXPECT_EQ(milieu.lignes.size(), 8u);  // mid-trick: no solutions line
}

TEST(KalvoEngine, CarteFautiveSortAvecLeStatut2) {
  const TResultat absente = Lance({"--deal", DonneD, "--trump", "NT", "--play", "DK D8 D4 H2"});
  EXPECT_EQ(absente.statut, 2);
  EXPECT_EQ(absente.lignes.size(), 1u);
  EXPECT_NE(absente.erreurs.find("H2"), std::string::npos) << absente.erreurs;
  EXPECT_EQ(std::count(absente.erreurs.begin(), absente.erreurs.end(), '\n'), 1);

  const TResultat renonce = Lance({"--deal", DonneD, "--trump", "NT", "--play", "DK D8 H5"});
  EXPECT_EQ(renonce.statut, 2);
  EXPECT_NE(renonce.erreurs.find("H5"), std::string::npos) << renonce.erreurs;

  const TResultat rejouee = Lance({"--deal", DonneD, "--trump", "NT", "--play", "DK D8 D4 D2 DK"});
  EXPECT_EQ(rejouee.statut, 2);
  EXPECT_EQ(rejouee.lignes.size(), 2u);  // the completed trick is printed
  EXPECT_NE(rejouee.erreurs.find("DK"), std::string::npos) << rejouee.erreurs;

  const TResultat illisible = Lance({"--deal", DonneD, "--trump", "NT", "--play", "DK Z9"});
  EXPECT_EQ(illisible.statut, 2);
  EXPECT_NE(illisible.erreurs.find("Z9"), std::string::npos) << illisible.erreurs;
}

TEST(KalvoEngine, MauvaisArgumentsRefusesClairement) {
  const std::vector<std::vector<std::string>> cas{
      {"--deal", "S:AKQ2.KJ3.A2.K43 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T85", "--trump", "NT"},
      {"--deal", "S:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T82", "--trump", "NT"},
      {"--deal", "X:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T85", "--trump", "NT"},
      {"--deal", "S:AKQ2.KJ3.A2 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T85", "--trump", "NT"},
      {"--deal", "S:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76", "--trump", "NT"},
      {"--deal", DonneD, "--trump", "X"},
      {"--deal", DonneD},
      {"--deal", DonneD, "--trump", "NT", "--leader", "Q"},
      {"--deal", DonneD, "--trump", "NT", "--inconnue"},
  };
  for (const auto& arguments : cas) {
    const TResultat r = Lance(arguments);
    EXPECT_NE(r.statut, 0) << arguments[1];
    EXPECT_NE(r.statut, 2) << arguments[1];
    EXPECT_TRUE(r.lignes.empty()) << arguments[1];
    EXPECT_NE(r.erreurs.find("kalvo-engine : "), std::string::npos) << r.erreurs;
  }
  EXPECT_NE(Lance(cas[1]).erreurs.find("deux fois"), std::string::npos);
}

}  // namespace
