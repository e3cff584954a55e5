// The complete play a source without "jeu" lines gets: the script's main
// line (first accepted card of South and North, the defence's cards, the
// "alors" branch of a random node), then double-dummy play to the end.
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/authoring/LignePrincipale.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;

// The twelve tricks of a compiled deal's complete play, "HK H4 H2 H3 / ...".
std::string JeuEnTexte(const TDonne& donne) {
  std::string texte;
  for (int levee = 1; levee <= NbLeveesJeuComplet; ++levee) {
    if (levee > 1) texte += " / ";
    for (int i = 1; i <= 4; ++i) texte += (i > 1 ? " " : "") + EcritCarteReelle(donne.JeuComplet(levee, i));
  }
  return texte;
}

TDonneCompilee CompileSain(const std::string& texte, TDiagnostics& diagnostics) {
  auto donne = test::Compile(texte, diagnostics, false);
  if (!donne) throw std::runtime_error(diagnostics.Texte());
  return *donne;
}

TEST(JeuDeduit, LignePrincipaleDuScript) {
  TDiagnostics diagnostics;
  const TDonneCompilee donne = CompileSain(test::Source, diagnostics);
  const TLignePrincipale ligne = SuitLignePrincipale(donne.Donne);
  EXPECT_EQ(ligne.Fin, TLignePrincipale::lfRevendication);
  EXPECT_EQ(ligne.Chaines, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(ligne.ChaineFin, 5);
  EXPECT_EQ(ligne.RevendicationNS, 10);
  EXPECT_EQ(ligne.RevendicationEO, 3);
  // North's "S*" is its lowest spade; the claim stops the line after trick 4.
  EXPECT_EQ(ligne.Texte(), "HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA / D2 D5 DT DK");
}

TEST(JeuDeduit, DoubleMortApresLaLignePrincipaleToujoursLeMeme) {
  const std::string attendu =
      "HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA / D2 D5 DT DK / C2 C3 C7 C8 / D3 D8 D9 D6 / D4 D7 DJ S3 / "
      "C5 C4 CT C9 / CQ H5 CK C6 / DQ S5 S4 H9 / S6 S8 SK S9 / CA ST S7 CJ";
  for (int fois = 0; fois < 2; ++fois) {
    TDiagnostics diagnostics;
    const TDonneCompilee donne = CompileSain(test::Source, diagnostics);
    EXPECT_TRUE(donne.JeuDeduit);
    EXPECT_FALSE(donne.JeuCompletInconnu);
    EXPECT_EQ(JeuEnTexte(donne.Donne), attendu);
  }
}

TEST(JeuDeduit, PremiereCarteJusteEtBrancheAlors) {
  // South's first card of code 0, not the first of its list.
  TDiagnostics d1;
  const TDonneCompilee sud = CompileSain(test::Remplace(test::Source, "Sud   : H3 H6 HA=1", "Sud   : H3=1 H6 HA=1"), d1);
  EXPECT_EQ(sud.Donne.JeuComplet(1, 4), (TCard{6, clCoeur})) << d1.Texte();

  // A random node: the main line takes "alors", whichever chain it names.
  const std::string autre = "chaine autre levee 4 entame Sud suivante fin\n  Sud : D4\n  Ouest : D5\n  Nord : DJ\n"
                            "  Est : DK\n";
  std::string texte = test::Remplace(test::Source, "suivante impasse\n", "suivante pile\n");
  texte = test::Remplace(texte, "chaine fin revendication", autre + "chaine pile hasard alors impasse sinon autre\n"
                                                                   "chaine fin revendication");
  TDiagnostics d2;
  EXPECT_EQ(CompileSain(texte, d2).Donne.JeuComplet(4, 1), (TCard{2, clCarreau})) << d2.Texte();
  TDiagnostics d3;
  const std::string inverse = test::Remplace(texte, "hasard alors impasse sinon autre", "hasard alors autre sinon impasse");
  const TDonneCompilee donne = CompileSain(inverse, d3);
  EXPECT_EQ(donne.Donne.JeuComplet(4, 1), (TCard{4, clCarreau})) << d3.Texte();
  EXPECT_EQ(donne.Donne.JeuComplet(4, 3), (TCard{11, clCarreau}));
}

// South's list "S4=1 S*": one small card foreseen as a mistake, then any
// spade. The trainer refuses the 4 (the first entry it matches says error
// 1) and accepts a higher spade: the main line plays the king, which wins
// the trick that South must win to lead the next one.
TEST(JeuDeduit, PetiteCarteRefuseePuisToutesLesAutres) {
  // The fixed test source with two tricks of its own: its comment 1 says
  // the 4 is wrong.
  const std::size_t debut = test::Source.find("chaine roi"), fin = test::Source.find("question levee");
  const std::string source = test::Source.substr(0, debut) +
                             "chaine pique levee 1 entame Ouest suivante carreaux\n"
                             "  Ouest : SQ\n  Nord  : S2\n  Est   : S3\n  Sud   : S4=1 S*\n"
                             "chaine carreaux levee 2 entame Sud suivante fin\n"
                             "  Sud   : D2\n  Ouest : D5\n  Nord  : DQ\n  Est   : DK\n"
                             "chaine fin revendication ns 9 eo 4 commentaire 7\n" +
                             test::Source.substr(fin);
  TDiagnostics diagnostics;
  const TDonneCompilee donne = CompileSain(source, diagnostics);
  EXPECT_EQ(diagnostics.NbErreurs(), 0) << diagnostics.Texte();
  const TLignePrincipale ligne = SuitLignePrincipale(donne.Donne);
  EXPECT_EQ(ligne.Fin, TLignePrincipale::lfRevendication);
  EXPECT_EQ(ligne.Texte(), "SQ S2 S3 SK / D2 D5 DQ DK");
  EXPECT_THAT(ligne.Constats, ::testing::IsEmpty());
  EXPECT_EQ(JeuEnTexte(donne.Donne).substr(0, 11), "SQ S2 S3 SK");
}

TEST(JeuDeduit, LigneQuiCasseEtJeuDonneQuiNeSuitPasLeScript) {
  // Trick 4 said to be led by West although South wins trick 3: no
  // complete play can be derived, and the reason is given once.
  TDiagnostics casse;
  const auto donne = test::Compile(test::Remplace(test::Source, "levee 4 entame Sud", "levee 4 entame Ouest"), casse, false);
  EXPECT_TRUE(casse.AErreurs());
  EXPECT_THAT(casse.Texte(), HasSubstr("essai.donne, ligne 30 : "));
  EXPECT_THAT(casse.Texte(), ::testing::Not(HasSubstr("jeu complet, levée")));
  if (donne) {
    EXPECT_TRUE(donne->JeuCompletInconnu);
  }

  // Written lines are taken as they are, and checked against the script.
  std::string jeu;
  const char* levees[] = {"HQ H4 H2 H3", "HK H7 H8 H6", "HJ S2 HT HA", "D2 D5 DT DK", "C2 C3 C7 C8", "D3 D8 D9 D6",
                          "D4 D7 DJ S3", "C5 C4 CT C9", "CQ H5 CK C6", "DQ S5 S4 H9", "S6 S8 SK S9", "CA ST S7 CJ"};
  for (const char* l : levees) jeu += std::string("jeu ") + l + "\n";
  TDiagnostics ecrit;
  test::Compile(test::Source + jeu, ecrit, false);
  EXPECT_THAT(ecrit.Texte(), HasSubstr("essai.donne, ligne 43 : le jeu complet commence par la Dame de Cœur alors que "
                                       "le script fait entamer le Roi de Cœur.\n"));
}

}  // namespace
}  // namespace kalvo
