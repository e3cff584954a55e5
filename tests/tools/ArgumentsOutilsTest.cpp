// Bad arguments on the command line of every tool: one French line on the
// error output, the parser's English nowhere, the tool's documented status.
#include "tools/commun/ArgumentsOutil.h"

#include <CLI/CLI.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kalvo {
namespace {

using ::testing::HasSubstr;

// A command line shaped like the tools': required options, a number, two
// options that exclude each other, a sub-command with an argument.
class LigneDeCommande : public ::testing::Test {
 protected:
  LigneDeCommande() {
    app_.add_option("--db", base_, "base")->required();
    app_.add_option("--deal", donne_, "donne")->required();
    auto* script = app_.add_option("--script", texte_, "script");
    auto* hasard = app_.add_option("--random-user", graine_, "hasard");
    script->excludes(hasard);
    app_.add_flag("--solutions", drapeau_, "solutions");
    outils::FrancisePresentation(app_);
  }

  // The French message of the parser's error on these arguments.
  std::string Message(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "outil");
    std::vector<const char*> argv;
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    try {
      app_.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
      return outils::MessageErreurArguments(e, app_);
    }
    return "aucune erreur";
  }

  CLI::App app_{"essai"};
  std::string base_, texte_;
  int donne_ = 0;
  unsigned graine_ = 0;
  bool drapeau_ = false;
};

TEST_F(LigneDeCommande, ChaqueErreurDuLecteurEnFrancais) {
  EXPECT_EQ(Message({"--deal", "1"}), "l'option --db est obligatoire");
  EXPECT_EQ(Message({"--db", "b", "--deal", "un"}), "valeur « un » illisible pour l'option --deal");
  EXPECT_EQ(Message({"--db", "b", "--deal"}), "il manque la valeur de l'option --deal");
  EXPECT_EQ(Message({"--db", "b", "--deal", "1", "--foo"}), "argument inattendu : --foo");
  // The parser lists extra words in its own order.
  const std::string deux = Message({"--db", "b", "--deal", "1", "x", "y"});
  EXPECT_TRUE(deux == "arguments inattendus : x y" || deux == "arguments inattendus : y x") << deux;
  EXPECT_EQ(Message({"--db", "b", "--deal", "1", "--script", "s", "--random-user", "2"}),
            "l'option --script et l'option --random-user ne vont pas ensemble");
  EXPECT_EQ(Message({"--db", "b", "--deal", "1", "--solutions=peut-être"}),
            "valeur « peut-être » illisible pour l'option --solutions");
  // What the user typed is shown, control characters written out.
  EXPECT_EQ(Message({"--db", "b", "--deal", "\x1b[2J"}), "valeur « \\x1b[2J » illisible pour l'option --deal");
  EXPECT_EQ(Message({"--db", "b", "--deal", "1"}), "aucune erreur");
}

TEST(LigneDeCommandeSousCommandes, ArgumentEtSousCommandeObligatoires) {
  CLI::App app{"essai"};
  app.require_subcommand(1);
  std::string fichier;
  app.add_subcommand("compile", "")->add_option("SOURCES", fichier, "")->required();
  app.add_subcommand("check", "");
  app.add_subcommand("dump", "");
  outils::FrancisePresentation(app);
  const auto message = [&](std::vector<const char*> argv) {
    try {
      app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
      return outils::MessageErreurArguments(e, app);
    }
    return std::string("aucune erreur");
  };
  EXPECT_EQ(message({"outil"}), "il faut une sous-commande : compile, check ou dump");
  EXPECT_EQ(message({"outil", "compile"}), "l'argument SOURCES est obligatoire");
  EXPECT_THAT(app.get_subcommand("compile")->help(), HasSubstr("Utilisation"));
  EXPECT_THAT(app.get_subcommand("compile")->help(), HasSubstr("Affiche cette aide"));
  EXPECT_THAT(app.get_subcommand("compile")->help(), HasSubstr("TEXTE"));
}

struct TSortie {
  int Statut = -1;
  std::string Erreurs;
};

std::string Lit(const std::filesystem::path& chemin) {
  std::ifstream flux(chemin);
  std::stringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

// Runs a built tool; arguments between single quotes (none holds one).
TSortie Lance(const std::string& outil, const std::vector<std::string>& arguments) {
  const std::string erreurs = ::testing::TempDir() + "arguments-" + std::to_string(::getpid()) + ".err";
  std::string commande = "'" + std::string(KALVO_BUILD_DIR) + "/tools/" + outil + "/" + outil + "'";
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " </dev/null >/dev/null 2>'" + erreurs + "'";
  const int brut = std::system(commande.c_str());
  return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, Lit(erreurs)};
}

// The parser's own English, which must never reach the user.
void SansAnglais(const std::string& texte) {
  for (const char* anglais : {"is required", "Could not", "not expected", "Expected", "excludes", "requires",
                              "Run with", "subcommand", "Failed", "missing"})
    EXPECT_THAT(texte, ::testing::Not(HasSubstr(anglais))) << texte;
}

TEST(ArgumentsDesOutils, MessageFrancaisEtStatutDocumente) {
  struct TCas {
    std::string Outil;
    std::vector<std::string> Arguments;
    int Statut;
    std::string Attendu;
  };
  const std::vector<TCas> cas{
      {"kalvo-deals", {"compile", "-o", "x"}, 64, "kalvo-deals : l'argument SOURCES est obligatoire ; « kalvo-deals --help » donne les options.\n"},
      {"kalvo-deals", {"check", "b.DAT", "--tout"}, 64, "kalvo-deals : argument inattendu : --tout"},
      {"kalvo-deals", {"dump", "b.DAT", "--donne", "deux"}, 64, "valeur « deux » illisible pour l'option --donne"},
      {"kalvo-deals", {}, 64, "il faut une sous-commande : compile, check, audit, dump, inventaire, export-pbn ou depuis-pbn"},
      {"kalvo-deals", {"dump", "--source", "b.DAT"}, 64, "« --source » demande le dossier des sources"},
      {"kalvo-play", {"--deal", "1"}, 1, "kalvo-play : l'option --db est obligatoire"},
      {"kalvo-play", {"--db", "b", "--deal", "x"}, 1, "valeur « x » illisible pour l'option --deal"},
      {"kalvo-play", {"--db", "b", "--deal", "1", "--script", "s", "--random-user", "1"}, 1, "ne vont pas ensemble"},
      {"kalvo-engine", {"--deal", "S:", "--foo"}, 1, "kalvo-engine : argument inattendu : --foo"},
      {"kalvo-engine", {"--trump"}, 1, "il manque la valeur de l'option --trump"},
      {"kalvo-ecrans", {"photos"}, 64, "kalvo-ecrans : "},
  };
  for (const TCas& c : cas) {
    // The picture program needs the widgets; the three others are always built.
    const bool construit = std::filesystem::exists(std::filesystem::path(KALVO_BUILD_DIR) / "tools" / c.Outil / c.Outil);
    if (!construit && c.Outil == "kalvo-ecrans") continue;
    ASSERT_TRUE(construit) << c.Outil;
    const TSortie s = Lance(c.Outil, c.Arguments);
    EXPECT_EQ(s.Statut, c.Statut) << c.Outil << " " << s.Erreurs;
    EXPECT_THAT(s.Erreurs, HasSubstr(c.Attendu)) << c.Outil;
    EXPECT_EQ(std::count(s.Erreurs.begin(), s.Erreurs.end(), '\n'), 1) << s.Erreurs;
    SansAnglais(s.Erreurs);
  }
  // The help is no error.
  const TSortie aide = Lance("kalvo-deals", {"check", "--help"});
  EXPECT_EQ(aide.Statut, 0);
  EXPECT_EQ(aide.Erreurs, "");
}

}  // namespace
}  // namespace kalvo
