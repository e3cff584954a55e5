// kalvo-play run as a program on the demo deal of the tests: a scripted user,
// the exit statuses, and 200 random users whose play must be legal bridge.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "model/NotationMains.h"
#include "model/Pbn.h"

namespace {

using namespace kalvo;
using Json = nlohmann::ordered_json;

struct TResultat {
  int statut = -1;
  std::vector<Json> lignes;
  std::string erreurs;
};

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The small hold-up deal of the tests (tests/data/demo.donne), compiled once
// per process by kalvo-deals: these tests know its cards by heart, while the
// delivered deals may change.
const std::string& Donnees() {
  static const std::string dossier = [] {
    const std::string d = ::testing::TempDir() + "kalvo-play-demo-" + std::to_string(::getpid());
    const std::string commande = "'" + std::string(KALVO_BUILD_DIR) + "/tools/kalvo-deals/kalvo-deals' compile '" +
                                 std::string(KALVO_TEST_DATA) + "/demo.donne' -o '" + d + "' >/dev/null";
    if (std::system(commande.c_str()) != 0) ADD_FAILURE() << "demo.donne ne se compile pas";
    return d;
  }();
  return dossier;
}

// Runs kalvo-play on the demo deal (--deal 1 unless the arguments choose
// the deal); `script` goes to its standard input.
TResultat Lance(const std::vector<std::string>& arguments, const std::string& script = "", bool donneUn = true) {
  const std::string programme = std::string(KALVO_BUILD_DIR) + "/tools/kalvo-play/kalvo-play";
  // Files of this process alone: ctest may run the tests side by side.
  const std::string dossier = ::testing::TempDir() + "kalvo-play-" + std::to_string(::getpid());
  const std::string entree = dossier + ".in", sortie = dossier + ".out", erreurs = dossier + ".err";
  std::ofstream(entree) << script;
  std::string commande = "timeout 60 '" + programme + "' --db '" + Donnees() + "/K01FR_DEMO.DAT' --questions '" +
                         Donnees() + "/KALVO01.ASK'" + (donneUn ? " --deal 1" : "");
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " <'" + entree + "' >'" + sortie + "' 2>'" + erreurs + "'";
  const int brut = std::system(commande.c_str());
  TResultat r;
  r.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
  std::istringstream lignes(Lit(sortie));
  for (std::string l; std::getline(lignes, l);) r.lignes.push_back(Json::parse(l));
  r.erreurs = Lit(erreurs);
  return r;
}

std::vector<Json> Evenements(const TResultat& r, const std::string& genre) {
  std::vector<Json> trouves;
  for (const Json& l : r.lignes)
    if (l["event"] == genre) trouves.push_back(l);
  return trouves;
}

// The demo deal played right: hold up twice, win the third heart, finesse.
const std::string LigneJuste =
    "next\nH4\nH3\nclick\nH7\nH6\nclick\nC5\nanswer proposal 0\nD2\nDT\nclick\nclick\nend next\n";

TEST(KalvoPlay, DemoJoueeJusteParUnScript) {
  const TResultat r = Lance({}, LigneJuste);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  EXPECT_EQ(r.lignes.front()["event"], "deal");
  EXPECT_EQ(r.lignes.front()["hands"]["S"], "AK4.A63.942.AQT3");
  EXPECT_TRUE(Evenements(r, "refused").empty());
  const std::vector<Json> question = Evenements(r, "question");
  ASSERT_EQ(question.size(), 1u);
  EXPECT_EQ(question[0]["kind"], 5);
  EXPECT_EQ(question[0]["proposals"].size(), 4u);
  EXPECT_EQ(question[0]["right"], question[0]["expected"] == 0);
  const Json fin = Evenements(r, "end").at(0);
  EXPECT_EQ(fin["ns"], 10);
  EXPECT_EQ(fin["ew"], 3);
  EXPECT_EQ(fin["play_mark"], 100);
  EXPECT_EQ(fin["questions_mark"], question[0]["right"] ? 100 : 90);
  EXPECT_EQ(Evenements(r, "claim").at(0)["ns"], 10);
  EXPECT_EQ(r.lignes.back(), (Json{{"event", "choice"}, {"action", "next"}}));
}

TEST(KalvoPlay, CarteRefuseeAvecSonCommentaireOuUnBip) {
  TResultat r = Lance({}, "next\nH4\nHA\nH3\n");
  ASSERT_EQ(r.statut, 4);
  const Json refus = Evenements(r, "refused").at(0);
  EXPECT_EQ(refus["seat"], "S");
  EXPECT_EQ(refus["card"], "HA");
  EXPECT_EQ(refus["code"], 1);
  EXPECT_EQ(refus["marks"], 40);
  EXPECT_EQ(refus["signal"], "comment");
  EXPECT_EQ(refus["text"].get<std::string>().rfind("Ne prenez pas tout de suite", 0), 0u);
  EXPECT_EQ(r.lignes.back()["event"], "script_exhausted");
  r = Lance({"--set", "ErreursComments=0"}, "next\nH4\nHA\n");
  EXPECT_EQ(Evenements(r, "refused").at(0)["signal"], "beep");
  EXPECT_FALSE(Evenements(r, "refused").at(0).contains("text"));
}

TEST(KalvoPlay, StatutsDeSortie) {
  EXPECT_EQ(Lance({}, "next\nbonjour\n").statut, 2);  // a line that is no gesture
  TResultat r = Lance({}, "next\nSQ\n");                // a card South and North do not hold
  EXPECT_EQ(r.statut, 2);
  EXPECT_EQ(r.lignes.back()["event"], "script_error");
  EXPECT_EQ(r.lignes.back()["line"], 2);
  r = Lance({}, "next\nH4\nH3\nclick\nH7\nH6\nclick\nC5\nD2\n");  // the question wants an answer
  EXPECT_EQ(r.statut, 2);
  EXPECT_EQ(Lance({"--set", "Inconnu=1"}).statut, 1);
  EXPECT_EQ(Lance({"--deal", "2"}).statut, 1);
  r = Lance({"--random-user", "1", "--script", "x"});
  EXPECT_EQ(r.statut, 1);
  r = Lance({}, "");
  EXPECT_EQ(r.statut, 4);
  EXPECT_EQ(r.lignes.back()["event"], "script_exhausted");
}

TEST(KalvoPlay, DonneChoisieParSonNumeroDeCollection) {
  // The demo deal is collection 21 in the table beside the base.
  TResultat r = Lance({"--collection", "21"}, LigneJuste, false);
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  // The deal line names it by that number, not by its place, which moves
  // when a volume gains deals; the rest is the game played by place.
  const Json donne = Evenements(r, "deal").at(0);
  EXPECT_EQ(donne["collection"], 21);
  EXPECT_FALSE(donne.contains("number"));
  TResultat parPlace = Lance({}, LigneJuste);
  ASSERT_EQ(parPlace.statut, 0) << parPlace.erreurs;
  EXPECT_EQ(parPlace.lignes.front()["number"], 1);
  parPlace.lignes.front().erase("number");
  r.lignes.front().erase("collection");
  EXPECT_EQ(r.lignes, parPlace.lignes);

  r = Lance({"--collection", "22"}, LigneJuste, false);
  EXPECT_EQ(r.statut, 1);
  EXPECT_TRUE(r.lignes.empty());
  EXPECT_EQ(r.erreurs, "kalvo-play : aucune donne de la base K01FR_DEMO.DAT ne porte le numéro de collection 22 "
                       "(numéros de la base : 21).\n");
  r = Lance({}, LigneJuste, false);
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.erreurs, "kalvo-play : la donne à jouer manque (--deal N ou --collection N).\n");
  EXPECT_EQ(Lance({"--collection", "21"}, LigneJuste).statut, 1);  // with --deal 1 as well
}

// The winner of a trick in no trump or in a trump suit (letter S H D C).
int Gagnante(const std::vector<std::string>& cartes, char atout) {
  int meilleure = 0;
  for (int i = 1; i < 4; ++i) {
    const std::string& a = cartes[static_cast<std::size_t>(meilleure)];
    const std::string& b = cartes[static_cast<std::size_t>(i)];
    const bool coupe = b[0] == atout && a[0] != atout;
    if ((b[0] == a[0] && LitLettreRang(b[1]) > LitLettreRang(a[1])) || coupe) meilleure = i;
  }
  return meilleure;
}

// Every card is the seat's, follows suit when it can, in turn; each trick's
// winner leads the next; the trick counters add up.
void VerifieJeuLegal(const TResultat& r) {
  const Json donne = Evenements(r, "deal").at(0);
  std::map<char, std::vector<std::string>> mains;
  for (const auto& [siege, main] : donne["hands"].items()) {
    std::string erreur;
    const auto rangs = LitMain(main.get<std::string>(), jrSud, erreur);
    ASSERT_TRUE(rangs) << main << " : " << erreur;
    for (const TCard carte : CartesDeMain(*rangs)) mains[siege[0]].push_back(CodeCarte(carte));
    ASSERT_EQ(mains[siege[0]].size(), 13u);
  }
  const std::string ordre = "SWNE";
  char entameur = 'W';
  std::vector<std::string> levee;
  int leveeNumero = 1, ns = 0, ew = 0;
  for (const Json& l : r.lignes) {
    if (l["event"] == "card") {
      const char siege = l["seat"].get<std::string>()[0];
      const std::string carte = l["card"];
      ASSERT_EQ(l["trick"], leveeNumero);
      ASSERT_EQ(siege, ordre[(ordre.find(entameur) + levee.size()) % 4]) << l;
      auto& main = mains[siege];
      const auto it = std::find(main.begin(), main.end(), carte);
      ASSERT_NE(it, main.end()) << l;
      if (!levee.empty() && carte[0] != levee[0][0]) {
        for (const std::string& c : main) ASSERT_NE(c[0], levee[0][0]) << "renonce : " << l;
      }
      main.erase(it);
      levee.push_back(carte);
    } else if (l["event"] == "trick") {
      ASSERT_EQ(levee.size(), 4u);
      const char gagnant = ordre[(ordre.find(entameur) + static_cast<std::size_t>(Gagnante(levee, 'Z'))) % 4];
      ASSERT_EQ(l["winner"].get<std::string>()[0], gagnant) << l;
      (gagnant == 'N' || gagnant == 'S' ? ns : ew) += 1;
      ASSERT_EQ(l["ns"], ns);
      ASSERT_EQ(l["ew"], ew);
      entameur = gagnant;
      levee.clear();
      ++leveeNumero;
    }
  }
}

TEST(KalvoPlay, DeuxCentsUtilisateursAuHasard) {
  for (int graine = 1; graine <= 200; ++graine) {
    const TResultat r = Lance({"--random-user", std::to_string(graine), "--seed", std::to_string(graine), "--set",
                               "AnalyseImprevues=0"});
    ASSERT_EQ(r.statut, 0) << "graine " << graine << " : " << r.erreurs;
    ASSERT_TRUE(r.erreurs.empty()) << r.erreurs;
    ASSERT_FALSE(Evenements(r, "end").empty()) << graine;
    ASSERT_EQ(r.lignes.back()["event"], "choice") << graine;
    VerifieJeuLegal(r);
    if (HasFatalFailure()) FAIL() << "graine " << graine;
  }
}

}  // namespace

// --pbn: the deal as the end-of-deal screen offered it, written to a file.
TEST(KalvoPlay, PbnDeLaDonneJouee) {
  const std::string fichier = ::testing::TempDir() + "kalvo-play-" + std::to_string(::getpid()) + ".pbn";
  const TResultat r = Lance({"--pbn", fichier}, "next\nH4\nHA\nH3\nclick\nH7\nH6\nclick\nC5\nanswer proposal 0\nD2\nDT\nclick\nclick\nend next\n");
  ASSERT_EQ(r.statut, 0) << r.erreurs;
  const std::string pbn = Lit(fichier);
  std::string erreur;
  const auto parties = LitPbn(pbn, erreur);
  ASSERT_TRUE(parties) << erreur << pbn;
  EXPECT_EQ(parties->front().Resultat, 10);
  EXPECT_NE(pbn.find("[Play \"W\"]\nHK H4 H2 H3\nHQ H7 H8 H6\n"), std::string::npos) << pbn;
  EXPECT_NE(pbn.find("[KalvoNoteJeu \"60\"]"), std::string::npos) << pbn;
  std::remove(fichier.c_str());
  // A deal stopped before its end has nothing to write.
  const TResultat arret = Lance({"--pbn", fichier}, "next\nH4\n");
  EXPECT_NE(arret.statut, 0);
  EXPECT_NE(arret.erreurs.find("rien à écrire"), std::string::npos) << arret.erreurs;
  EXPECT_FALSE(std::ifstream(fichier).good());
}
