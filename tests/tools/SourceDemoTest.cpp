#include "tools/kalvo-deals/SourceDemo.h"

#include "model/BaseDonnes.h"
#include "model/Brouillage.h"
#include "model/Encheres.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kalvo {
namespace {

// deals/demo.txt, from the tests' data folder (tests/data).
std::filesystem::path CheminSourceDemo() {
  return std::filesystem::path(KALVO_TEST_DATA).parent_path().parent_path() / "deals" / "demo.txt";
}

std::string SourceDemo() { return test::LitOctets(CheminSourceDemo()); }

// The delivered deal with one line replaced (or added when absent).
std::string Modifie(const std::string& avant, const std::string& apres) {
  std::string texte = SourceDemo();
  const auto pos = texte.find(avant);
  EXPECT_NE(pos, std::string::npos) << avant;
  return texte.replace(pos, avant.size(), apres);
}

std::string ErreurDe(const std::string& source) {
  try {
    LitSourceDemo(source, "demo.txt");
  } catch (const ErreurSource& e) {
    return e.what();
  }
  return "";
}

TEST(SourceDemo, LaDonneLivreeEstComplete) {
  const TBaseDemo base = LitSourceDemo(SourceDemo(), "demo.txt");
  const TDonne& d = base.Donne;
  EXPECT_EQ(base.NumeroVolume, 21);
  EXPECT_EQ(d.Theme(), 4);
  EXPECT_EQ(d.Force(), 1);
  EXPECT_EQ(d.NiveauContrat(), 3);
  EXPECT_EQ(d.Atout(), clSA);
  EXPECT_NO_THROW(VerifieMains(d));
  // West leads the king of hearts: record offset 2704.
  EXPECT_EQ(d.Octets()[2704], 13);
  EXPECT_EQ(d.Octets()[2705], clCoeur);
  const auto appels = SuiteEncheres(d);
  ASSERT_EQ(appels.size(), 3u);
  EXPECT_EQ(TexteEnchere(appels[2].Enchere), "3SA");
  EXPECT_EQ(d.Enchere(1, jrEst).Niveau, NiveauFinEncheres);  // first closing pass
  EXPECT_EQ(d.Chaine(5).TypeChaine(), tcRevendication);
  EXPECT_EQ(d.Chaine(1).ChaineSuivante(), 2);
  EXPECT_EQ(d.Penalite(1), 40);
  EXPECT_EQ(d.JeuComplet(12, 1), (TCard{12, clTrefle}));
  EXPECT_EQ(base.Questions.NbQuestions(), 1);
  EXPECT_EQ(base.Questions.Question(1).NumLevee, 3);
  EXPECT_EQ(base.Questions.Question(1).TypeQuestion, 5);
  const std::string point = DebrouilleTexte(d.TextePoint());
  EXPECT_EQ(point.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(point.find("C\\'9cur"), std::string::npos);
}

TEST(SourceDemo, BaseEcriteLuePourJouer) {
  test::TDossierTemporaire dossier;
  EcritBaseDemo(LitSourceDemo(SourceDemo(), "demo.txt"), dossier.Chemin());
  EXPECT_EQ(std::filesystem::file_size(dossier / "K01FR_DEMO.DAT"), 203476u);
  EXPECT_EQ(std::filesystem::file_size(dossier / "KALVO01.ASK"), 21u * 148u);
  const TEmplacementBase emplacement{dossier.Chemin()};
  const TResultatVolume volume = ChargeNumerosVolume(emplacement.TableVolume(), 1);
  ASSERT_FALSE(volume.Avertissement);
  EXPECT_EQ(volume.Numeros[1], 21);
  const TDonneLue lue = LitDonne(emplacement, volume.Numeros, 1);
  EXPECT_TRUE(lue.Avertissements.empty());
  EXPECT_EQ(lue.Questions[3], 1);
  EXPECT_EQ(lue.PointsHonneurs, (std::array<int, 4>{17, 8, 10, 5}));
  EXPECT_NE(lue.Comment[1].find("Cœur"), std::string::npos);
  EXPECT_TRUE(ChargeCatalogue(emplacement.Donnes()).Ok());
}

TEST(SourceDemo, ErreursDeLaSource) {
  EXPECT_NE(ErreurDe(Modifie("O:QT9.KQJ95", "O:QT9.KQJ9A")).find("deux fois"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("jeu HJ C5 HT HA", "jeu HJ C5 S5 HA")).find("doit fournir"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("jeu D2 D5 DT DK", "jeu D2 D5 DT DA")).find("ne peut pas jouer"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("\ncontrat 3SA\n", "\ncontrat 4SA\n")).find("contrat"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("encheres 1SA passe 3SA", "encheres passe 1SA 3SA")).find("déclarant"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("suivante 5", "suivante 6")).find("chaîne 6"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("HA=1", "HA=9")).find("commentaire 9"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("  E DK", "  E DA")).find("Est n'a pas"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("theme 4", "theme 28")).find("thème"), std::string::npos);
  EXPECT_NE(ErreurDe(Modifie("point\n", "point\n" + std::string(1000, 'x') + "\n")).find("plus long"), std::string::npos);
  const std::string erreur = ErreurDe(Modifie("force 1", "forces 1"));
  EXPECT_EQ(erreur.rfind("demo.txt, ligne ", 0), 0u);
  EXPECT_NE(erreur.find("« forces » inconnue"), std::string::npos);
}

TEST(SourceDemo, RtfSimpleEchappeLeTexte) {
  EXPECT_EQ(RtfSimple({"a{b}\\c", "é♠"}),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs22 a\\{b\\}\\\\c\\par \\'e9\\u9824?}");
}

}  // namespace
}  // namespace kalvo
