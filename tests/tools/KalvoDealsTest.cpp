// kalvo-deals run as a program: compile, check and dump --source, on the
// delivered database (build/data) and on sources of the tests.
#include "tests/tools/SourcesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;

struct TResultat {
  int Statut = -1;
  std::string Sortie, Erreurs;
};

// Arguments are passed between single quotes; none of ours contains one.
TResultat Lance(const std::vector<std::string>& arguments, const std::filesystem::path& dossier) {
  const std::string programme = std::string(KALVO_BUILD_DIR) + "/tools/kalvo-deals/kalvo-deals";
  std::string commande = "cd '" + dossier.string() + "' && '" + programme + "'";
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " >sortie.txt 2>erreurs.txt";
  const int brut = std::system(commande.c_str());
  TResultat r;
  r.Statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
  r.Sortie = test::LitOctets(dossier / "sortie.txt");
  r.Erreurs = test::LitOctets(dossier / "erreurs.txt");
  return r;
}

const std::filesystem::path DonneesLivrees = std::filesystem::path(KALVO_BUILD_DIR) / "data";
const std::vector<std::string> Fichiers{"K01FR_DEMO.DAT", "KALVO01.ASK", "K01FR_DEMO.VOL"};

TEST(KalvoDeals, CompileDeuxFoisLesMemesOctets) {
  test::TDossierTemporaire dossier;
  test::EcritOctets(dossier / "demo.donne", test::SourceDemo());
  test::EcritOctets(dossier / "exemple.donne", test::Remplace(test::ExempleDuReadme(), "collection 21", "collection 2"));
  const TResultat r = Lance({"compile", "exemple.donne", "demo.donne", "-o", "a"}, dossier.Chemin());
  ASSERT_EQ(r.Statut, 0) << r.Erreurs;
  EXPECT_EQ(r.Sortie, "K01FR_DEMO.DAT : 2 donnes, KALVO01.ASK : 21 fiches.\n");
  EXPECT_EQ(r.Erreurs, "");
  ASSERT_EQ(Lance({"compile", "exemple.donne", "demo.donne", "-o", "b", "--base", "AUTRE.DAT"}, dossier.Chemin()).Statut, 0);
  EXPECT_EQ(test::LitOctets(dossier / "a/K01FR_DEMO.DAT"), test::LitOctets(dossier / "b/AUTRE.DAT"));
  EXPECT_EQ(test::LitOctets(dossier / "a/KALVO01.ASK"), test::LitOctets(dossier / "b/KALVO01.ASK"));
  EXPECT_EQ(test::LitOctets(dossier / "a/K01FR_DEMO.VOL"), test::LitOctets(dossier / "b/AUTRE.VOL"));
  EXPECT_EQ(std::filesystem::file_size(dossier / "a/K01FR_DEMO.DAT"), 2 * TDonne::Taille);
  EXPECT_FALSE(std::filesystem::exists(dossier / "a/K01FR_DEMO.DAT.tmp"));
}

TEST(KalvoDeals, SourceFautiveMessageFrancaisSansFichier) {
  test::TDossierTemporaire dossier;
  test::EcritOctets(dossier / "faute.donne", test::Remplace(test::SourceDemo(), "Nord  : H4 H7", "Nord  : H4 HQ"));
  const TResultat r = Lance({"compile", "faute.donne", "-o", "sortie"}, dossier.Chemin());
  EXPECT_EQ(r.Statut, 1);
  EXPECT_THAT(r.Erreurs, HasSubstr("faute.donne, ligne 22 : carte 2 de Nord : la Dame de Cœur n'est pas dans la main de Nord.\n"));
  EXPECT_THAT(r.Erreurs, HasSubstr("erreur : la base n'est pas écrite.\n"));
  EXPECT_FALSE(std::filesystem::exists(dossier / "sortie/K01FR_DEMO.DAT"));
  EXPECT_EQ(Lance({"compile", "absente.donne", "-o", "sortie"}, dossier.Chemin()).Erreurs,
            "absente.donne : impossible de lire ce fichier.\n");
}

TEST(KalvoDeals, VerifieLaBaseLivree) {
  test::TDossierTemporaire dossier;
  // The exploration of the delivered deals has its own test (exploration_base_livree).
  const TResultat r = Lance({"check", (DonneesLivrees / "K01FR_DEMO.DAT").string(), "--questions",
                             (DonneesLivrees / "KALVO01.ASK").string(), "--sans-exploration"},
                            dossier.Chemin());
  EXPECT_EQ(r.Statut, 0) << r.Erreurs;
  EXPECT_THAT(r.Sortie, HasSubstr("Donne 1 (collection 21) : entame Roi de Pique, 9 levées en double mort (il en faut 9), "
                                  "jeu complet 9 levées ["));
  // A damaged copy: the findings name the database, the deal and the place.
  std::string base = test::LitOctets(DonneesLivrees / "K01FR_DEMO.DAT");
  base[2680 + 266 + 4] = 60;  // chain 2 goes on to an empty chain
  test::EcritOctets(dossier / "ABIMEE.DAT", base);
  const TResultat abimee = Lance({"check", "ABIMEE.DAT", "--sans-double-mort"}, dossier.Chemin());
  EXPECT_EQ(abimee.Statut, 1);
  EXPECT_THAT(abimee.Erreurs, HasSubstr("ABIMEE.DAT, donne 1, chaîne 2 : la suivante mène à la chaîne 60, qui est vide.\n"));
  EXPECT_EQ(Lance({"check", "ABSENTE.DAT"}, dossier.Chemin()).Statut, 1);
}

// The exploration's findings come with the base, the deal and the trick;
// the summary line counts the lines; --sans-exploration leaves it out.
TEST(KalvoDeals, CheckExploreLesLignesAcceptees) {
  test::TDossierTemporaire dossier;
  // North's 4 of hearts is forced at trick 2 after its 7 at trick 1.
  test::EcritOctets(dossier / "forcee.donne", test::Remplace(test::SourceDemo(), "Nord  : H7 H4", "Nord  : H7"));
  ASSERT_EQ(Lance({"compile", "forcee.donne", "-o", "."}, dossier.Chemin()).Statut, 0);
  const TResultat r = Lance({"check", "K01FR_DEMO.DAT", "--sans-double-mort"}, dossier.Chemin());
  EXPECT_EQ(r.Statut, 1);
  EXPECT_THAT(r.Sortie, ::testing::MatchesRegex("Donne 1 \\(collection 21\\), exploration [0-9]+ lignes, [0-9]+ positions et "
                                                "[0-9]+ déjà vues \\[[0-9.]+ ms\\] — ERREURS\n"));
  EXPECT_THAT(r.Erreurs, HasSubstr("K01FR_DEMO.DAT, donne 1, levée 2 : la carte forcée de Nord (le 4 de Cœur) n'est "
                                   "acceptée par aucune chaîne (après HK H7 H2 H6 / HQ ; 1 autre ligne).\n"));
  const TResultat sans = Lance({"check", "K01FR_DEMO.DAT", "--sans-double-mort", "--sans-exploration"}, dossier.Chemin());
  EXPECT_EQ(sans.Statut, 0) << sans.Erreurs;
  EXPECT_EQ(sans.Sortie, "Donne 1 (collection 21)\n");
}

// The delivered database, written back as sources and compiled again.
TEST(KalvoDeals, BaseLivreeAllerRetour) {
  test::TDossierTemporaire dossier;
  // The demonstration's own questions: the shared file of the data folder
  // also holds the fiches of the volume's other deals.
  const std::filesystem::path questions = std::filesystem::path(KALVO_BUILD_DIR) / "deals" / "KALVO01_DEMO.ASK";
  const TResultat dump = Lance({"dump", "--source", (DonneesLivrees / "K01FR_DEMO.DAT").string(), "--questions",
                                questions.string(), "-o", "sources"}, dossier.Chemin());
  ASSERT_EQ(dump.Statut, 0) << dump.Erreurs;
  const auto nombre = std::filesystem::file_size(DonneesLivrees / "K01FR_DEMO.DAT") / TDonne::Taille;
  std::string noms;
  for (std::uintmax_t n = 1; n <= nombre; ++n) noms += "donne-00" + std::to_string(n) + ".donne\n";
  EXPECT_EQ(dump.Sortie, noms);
  std::vector<std::string> arguments{"compile"};
  for (const auto& f : std::filesystem::directory_iterator(dossier / "sources")) arguments.push_back(f.path().string());
  arguments.insert(arguments.end(), {"-o", "recompilee"});
  const TResultat compile = Lance(arguments, dossier.Chemin());
  ASSERT_EQ(compile.Statut, 0) << compile.Erreurs;
  for (const std::string& f : Fichiers)
    EXPECT_EQ(test::LitOctets(dossier / "recompilee" / f),
              test::LitOctets(f == "KALVO01.ASK" ? questions : DonneesLivrees / f)) << f;
  // --source without -o is a bad argument.
  EXPECT_EQ(Lance({"dump", "--source", (DonneesLivrees / "K01FR_DEMO.DAT").string()}, dossier.Chemin()).Statut, 64);
}

// export-pbn writes the whole volume; depuis-pbn makes a source from one of
// its boards that compiles; a damaged file names its line and writes nothing.
TEST(KalvoDeals, ExportEtImportPbn) {
  test::TDossierTemporaire dossier;
  const TResultat exporte = Lance({"export-pbn", (DonneesLivrees / "K01FR_DEMO.DAT").string(), "-o", "volume.pbn"}, dossier.Chemin());
  ASSERT_EQ(exporte.Statut, 0) << exporte.Erreurs;
  const auto nombre = std::filesystem::file_size(DonneesLivrees / "K01FR_DEMO.DAT") / TDonne::Taille;
  EXPECT_EQ(exporte.Sortie, "volume.pbn : " + std::to_string(nombre) + " donnes en PBN.\n");
  const std::string pbn = test::LitOctets(dossier / "volume.pbn");
  EXPECT_EQ(static_cast<std::uintmax_t>(std::count(pbn.begin(), pbn.end(), '[') - std::count(pbn.begin(), pbn.end(), ']')), 0u);
  EXPECT_THAT(pbn, HasSubstr("[Board \"21\"]"));

  const TResultat importe = Lance({"depuis-pbn", "volume.pbn", "--board", "21", "-o", "lecon.donne"}, dossier.Chemin());
  ASSERT_EQ(importe.Statut, 0) << importe.Erreurs;
  EXPECT_THAT(importe.Sortie, HasSubstr("lecon.donne : squelette écrit depuis volume.pbn (partie de la ligne "));
  const TResultat compile = Lance({"compile", "lecon.donne", "-o", "lecon"}, dossier.Chemin());
  EXPECT_EQ(compile.Statut, 0) << compile.Erreurs;

  EXPECT_EQ(Lance({"depuis-pbn", "volume.pbn", "--board", "999", "-o", "non.donne"}, dossier.Chemin()).Erreurs,
            "volume.pbn : aucune partie [Board \"999\"].\n");
  test::EcritOctets(dossier / "abime.pbn", test::Remplace(pbn, "[Contract \"", "[Contract \"7C"));
  const TResultat abime = Lance({"depuis-pbn", "abime.pbn", "-o", "abime.donne"}, dossier.Chemin());
  EXPECT_EQ(abime.Statut, 1);
  EXPECT_THAT(abime.Erreurs, ::testing::MatchesRegex("abime\\.pbn, ligne [0-9]+ : contrat .* illisible .*\n"));
  EXPECT_FALSE(std::filesystem::exists(dossier / "abime.donne"));
  EXPECT_FALSE(std::filesystem::exists(dossier / "non.donne"));
  EXPECT_EQ(Lance({"export-pbn", "ABSENTE.DAT", "-o", "x.pbn"}, dossier.Chemin()).Statut, 1);
  EXPECT_FALSE(std::filesystem::exists(dossier / "x.pbn"));
}

// docs/exemple-ecrans.pbn is the export of the picture tool's sample deal,
// as export-pbn writes it today.
TEST(KalvoDeals, ExemplePbnDeLaDocumentation) {
  test::TDossierTemporaire dossier;
  const std::filesystem::path source = std::filesystem::path(KALVO_TEST_DATA) / "ecrans.donne";
  ASSERT_EQ(Lance({"compile", source.string(), "-o", "."}, dossier.Chemin()).Statut, 0);
  const TResultat r = Lance({"export-pbn", "K01FR_DEMO.DAT", "-o", "exemple.pbn"}, dossier.Chemin());
  ASSERT_EQ(r.Statut, 0) << r.Erreurs;
  const std::filesystem::path docs = std::filesystem::path(KALVO_TEST_DATA).parent_path().parent_path() / "docs";
  EXPECT_EQ(test::LitOctets(dossier / "exemple.pbn"), test::LitOctets(docs / "exemple-ecrans.pbn"))
      << "à régénérer : kalvo-deals compile tests/data/ecrans.donne puis export-pbn";
}

}  // namespace
}  // namespace kalvo
