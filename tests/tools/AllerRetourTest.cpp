// Each kind of node and each code of the defence written back by the
// decompiler in its readable form, and compiled again to the same bytes:
// a node or code the decompiler does not know would come back as "octets"
// lines (or not at all).
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/authoring/Decompilateur.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;

// A source laid into a record without the checks (a variant need not be a
// sound deal to be written back).
TDonneCompilee Construit(const std::string& texte) {
  TDiagnostics diagnostics;
  const TSourceDonne source = AnalyseSource(texte, "variante.donne", diagnostics);
  TOptionsConstruction options;
  options.DeduitJeu = false;
  std::optional<TDonneCompilee> donne;
  if (!diagnostics.AErreurs()) donne = ConstruitDonne(source, diagnostics, options);
  if (!donne || diagnostics.AErreurs()) throw std::runtime_error(diagnostics.Texte() + texte);
  return *donne;
}

// Written back, the text holds `lisible` and no raw bytes, and gives the record again.
void AttendAllerRetour(const std::string& texte, const std::string& lisible) {
  const TDonneCompilee donne = Construit(texte);
  const TSourceDecompilee source = DecompileDonne(donne.Donne, &donne.Questions, {});
  EXPECT_TRUE(source.Exacte);
  EXPECT_EQ(source.NbOctetsBruts, 0) << source.Texte;
  EXPECT_THAT(source.Texte, HasSubstr(lisible)) << source.Texte;
  const TDonneCompilee relue = Construit(source.Texte);
  EXPECT_TRUE(std::ranges::equal(relue.Donne.Octets(), donne.Donne.Octets())) << lisible;
  EXPECT_EQ(relue.Questions, donne.Questions);
}

// Trick 3 goes on to node `n` (chain 5, numbered in the file's order),
// which leads to the finesse (chain 4) or the claim (chain 6).
std::string AvecNoeud(const std::string& noeud, const std::string& tables = "") {
  std::string texte = test::Remplace(test::Source, "suivante impasse\n", "suivante n\n");
  return test::Remplace(texte, "chaine fin revendication", tables + "chaine n " + noeud + "\nchaine fin revendication");
}

TEST(AllerRetour, ChaqueGenreDeNoeud) {
  const struct {
    std::string Noeud, Tables, Lisible;
  } noeuds[] = {
      {"distribution\n  si Ouest D=3 Est D=2 alors impasse\n  si Est D=1 alors stop\n  si Ouest S=4 H=5 alors fin", "",
       "chaine 5 distribution\n  si Ouest D=3 Est D=2 alors 4\n  si Est D=1 alors stop\n  si Ouest S=4 H=5 alors 6\n"},
      {"tenues Est DK D8 alors impasse sinon fin", "", "chaine 5 tenues Est DK D8 alors 4 sinon 6\n"},
      {"hasard alors impasse sinon fin", "", "chaine 5 hasard alors 4 sinon 6\n"},
      {"sud-gagne alors impasse sinon fin", "", "chaine 5 sud-gagne alors 4 sinon 6\n"},
      {"retour-debut", "", "chaine 5 retour-debut\n"},
      {"longueur\n  si Ouest S=3 alors impasse\n  si Est C=4 alors fin", "",
       "chaine 5 longueur\n  si Ouest S=3 alors 4\n  si Est C=4 alors 6\n"},
      {"depasse Nord D alors impasse sinon fin", "", "chaine 5 depasse Nord D alors 4 sinon 6\n"},
      {"automatique levees 2 si-sud impasse sinon fin defaut 4\n  Sud : SA=4\n  Nord defausses : C5=3\n  refuse H=6\n"
       "  permis D=5",
       "", "chaine 5 automatique levees 2 si-sud 4 sinon 6 defaut 4\n"},
      {"pool p levees 2 si-sud impasse sinon fin",
       "pool p\n  entame Sud CA\n    condition jouee CK=6\n    suites 5 *=6\n    defausses S* *+=6\n  mauvaise Sud C3=6\n",
       "chaine 5 pool 1 levees 2 si-sud 4 sinon 6\n"},
      {"solution", "", "chaine 5 solution\n"},
      {"revendication ns 9 eo 4", "", "chaine 5 revendication ns 9 eo 4 commentaire 0\n"},
  };
  for (const auto& n : noeuds) {
    SCOPED_TRACE(n.Noeud);
    AttendAllerRetour(AvecNoeud(n.Noeud, n.Tables), n.Lisible);
  }
}

TEST(AllerRetour, ChaqueCodeDeLaDefense) {
  for (const std::string est : {"H*", "**", "H+", "H>", "H^", "H8 si H7", "H8 si H* H2", "H* seule HT alors HT", "*A"}) {
    SCOPED_TRACE(est);
    const std::string texte = test::Remplace(test::Source, "  Est   : H8\n", "  Est   : " + est + "\n");
    // "*A" keeps its rank byte, which "**" would not give back.
    AttendAllerRetour(texte, "  Est : " + est + "\n");
  }
}

TEST(AllerRetour, CartesDuCampDuDeclarant) {
  const std::string tables = "groupe g prealables DA acceptees D* code 8\ncompteur c\n  C reste 1 code 9 rangs 5 8\n";
  std::string texte = test::Remplace(test::Source, "  Nord  : DT DJ DQ D3=5 DA=5",
                                     "  Nord  : DT surprend:D groupe:g compteur:c D3=5 DA=55");
  texte = test::Remplace(texte, "chaine fin revendication", tables + "chaine fin revendication");
  AttendAllerRetour(texte, "  Nord : DT surprend:D groupe:1 compteur:1 D3=5 DA=55\n");
  // A master card, of one suit or of any suit.
  AttendAllerRetour(test::Remplace(test::Source, "  Nord  : DT DJ DQ D3=5 DA=5", "  Nord  : *+ D+ DT D3=5"),
                    "  Nord : *+ D+ DT D3=5\n");
}

}  // namespace
}  // namespace kalvo
