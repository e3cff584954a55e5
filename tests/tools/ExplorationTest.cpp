// The exploration of kalvo-deals check: deals seeded with each kind of
// fault a script can hide off its main line, each found with its trick and
// the line that leads there; a clean deal gives none.
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/kalvo-deals/Exploration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace redaction;
using namespace outil_donnes;

using ::testing::HasSubstr;
using test::Source;


struct TExploree {
  TResultatExploration Resultat;
  std::string Diagnostics;  // the compiler's, for the failure messages
  // The findings as check prints them after the deal: "levée T : texte".
  std::vector<std::string> Textes() const {
    std::vector<std::string> textes;
    for (const TConstatExploration& c : Resultat.Constats)
      textes.push_back((c.Gravite == grErreur ? "" : "attention : ") + std::string("levée ") + std::to_string(c.Levee) +
                       " : " + c.Texte());
    return textes;
  }
};

// The source built into a database of one deal, then explored. The
// compiler's checks are left out: the main line meets some of the faults
// seeded here too.
TExploree Explore(const std::string& source, TOptionsExploration options = {}) {
  TDiagnostics diagnostics;
  const TSourceDonne lue = AnalyseSource(source, "essai.donne", diagnostics);
  std::optional<TDonneCompilee> donne = diagnostics.AErreurs() ? std::nullopt : ConstruitDonne(lue, diagnostics);
  if (!donne) throw std::runtime_error("la source ne se construit pas : " + diagnostics.Texte());
  donne->Donne.SetNumero(1);
  TBaseCompilee base;
  base.Donnes.push_back(*donne);
  base.NumerosVolume.push_back(1);
  base.Questions.push_back(donne->Questions);
  test::TDossierTemporaire dossier;
  EcritBase(base, dossier.Chemin(), "ESSAI.DAT", "ESSAI.ASK");
  TExploree e;
  e.Resultat = ExploreDonne({dossier / "ESSAI.DAT", dossier / "ESSAI.ASK", std::nullopt}, 1, options);
  e.Diagnostics = diagnostics.Texte();
  return e;
}

TEST(Exploration, DonneSaineSansConstat) {
  const TExploree e = Explore(Source);
  EXPECT_THAT(e.Textes(), ::testing::IsEmpty());
  EXPECT_FALSE(e.Resultat.Interrompue);
  // Tricks 1 and 2: North's two small hearts and South's in either order
  // (2 x 2 lines) end in one position, explored once (3 met again); trick
  // 3: North's five accepted discards (three spades, two clubs); trick 4:
  // three leads of South, then North's three; the claim ends every line.
  EXPECT_EQ(e.Resultat.PositionsDejaVues, 3);
  EXPECT_EQ(e.Resultat.Lignes, 5 * 3 * 3);
  EXPECT_GT(e.Resultat.Millisecondes, 0);
}

TEST(Exploration, DefenseurSansCarteDuScript) {
  // North's H7 at trick 1 makes East play the 8, which trick 2 names again.
  const std::string source = test::Remplace(Source, "  Est   : H2\n", "  Est   : H8 si H7 H2\n");
  const TExploree e = Explore(source);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& c = e.Resultat.Constats[0];
  EXPECT_EQ(c.Gravite, grErreur);
  EXPECT_EQ(c.Levee, 2);
  EXPECT_EQ(c.Message, "la chaîne 2 fait jouer le 8 de Cœur à Est, qui ne peut pas le jouer : il joue le 2 de Cœur "
                       "par la règle de défausse.");
  // The line goes up to North's card of trick 2; South's other card at
  // trick 1 reaches it too.
  EXPECT_EQ(c.Ligne, "HK H7 H8 H6 / HQ H4");
  EXPECT_EQ(c.AutresLignes, 1);
}

TEST(Exploration, DefenseurQuiRenonceOuQuiNaRien) {
  // When North plays the 4 of hearts (off the main line) no heart
  // alternative holds, and the script's other card is a diamond.
  const TExploree e = Explore(test::Remplace(Source, "  Est   : H8\n", "  Est   : D8 si H4  H8 si H7\n"));
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& renonce = e.Resultat.Constats[0];
  EXPECT_EQ(renonce.Gravite, grErreur);
  EXPECT_EQ(renonce.Levee, 2);
  EXPECT_EQ(renonce.Message, "la chaîne 2 fait jouer le 8 de Carreau à Est, qui doit fournir à Cœur : il joue le 8 de Cœur.");
  EXPECT_EQ(renonce.Ligne, "HK H7 H2 H6 / HQ H4");

  // Only a condition: when North plays the 4 the chain gives East nothing.
  const TExploree rien = Explore(test::Remplace(Source, "  Est   : H8\n", "  Est   : H8 si H7\n"));
  ASSERT_EQ(rien.Resultat.Constats.size(), 1u) << rien.Diagnostics;
  EXPECT_EQ(rien.Resultat.Constats[0].Gravite, grAvertissement);
  EXPECT_EQ(rien.Resultat.Constats[0].Message,
            "la chaîne 2 ne donne aucune carte à Est : il joue le 8 de Cœur par la règle de défausse.");
  EXPECT_EQ(rien.Resultat.Constats[0].Ligne, "HK H7 H2 H6 / HQ H4");
}

TEST(Exploration, CarteForceeOuAucuneCarteAcceptee) {
  // After North's 7 at trick 1, its 4 is forced at trick 2 and no chain has it.
  const TExploree forcee = Explore(test::Remplace(Source, "  Nord  : H7 H4\n", "  Nord  : H7\n"));
  ASSERT_EQ(forcee.Resultat.Constats.size(), 1u) << forcee.Diagnostics;
  EXPECT_EQ(forcee.Resultat.Constats[0].Message, "la carte forcée de Nord (le 4 de Cœur) n'est acceptée par aucune chaîne.");
  EXPECT_EQ(forcee.Resultat.Constats[0].Levee, 2);
  EXPECT_THAT(forcee.Resultat.Constats[0].Ligne, ::testing::StartsWith("HK H7 H2 H"));

  // After South's 6 at trick 1, South holds the ace (refused) and the 3 (in no line).
  const TExploree aucune = Explore(test::Remplace(Source, "  Sud   : H6 H3 HA=2\n", "  Sud   : H6 HA=2\n"));
  ASSERT_EQ(aucune.Resultat.Constats.size(), 1u) << aucune.Diagnostics;
  EXPECT_EQ(aucune.Resultat.Constats[0].Message, "Sud n'a aucune carte acceptée (cartes permises : HA H3).");
  EXPECT_THAT(aucune.Resultat.Constats[0].Ligne, HasSubstr(" H6 / HQ "));
}

TEST(Exploration, LigneQuiFaitChuterLeContrat) {
  const TExploree e = Explore(test::Remplace(Source, "revendication ns 10 eo 3", "revendication ns 8 eo 5"));
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  EXPECT_EQ(e.Resultat.Constats[0].Levee, 13);
  EXPECT_EQ(e.Resultat.Constats[0].Message,
            "une ligne acceptée fait chuter le contrat : 8 levées pour Nord-Sud, il en faut 9.");
  EXPECT_EQ(e.Resultat.Constats[0].AutresLignes, e.Resultat.Lignes - 1);
}

TEST(Exploration, HasardSuiviDesDeuxCotes) {
  // "alors" is the main line; "sinon" reaches a trick chain led by the wrong
  // seat: a data error the main line never meets.
  std::string source = test::Remplace(Source, "suivante impasse\n", "suivante pile\n");
  source = test::Remplace(source, "chaine fin revendication", "chaine pile hasard alors impasse sinon faute\n"
                                                            "chaine faute levee 4 entame Ouest suivante fin\n"
                                                            "  Ouest : D5\n  Nord : DT\n  Est : DK\n  Sud : D2\n"
                                                            "chaine fin revendication");
  const TExploree e = Explore(source);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& c = e.Resultat.Constats[0];
  EXPECT_EQ(c.Levee, 4);
  EXPECT_THAT(c.Message, HasSubstr("la donne s'arrête sur une donnée abîmée : "));
  EXPECT_THAT(c.Message, HasSubstr("fait entamer Ouest alors que Sud a gagné la levée."));
  EXPECT_THAT(c.Ligne, ::testing::EndsWith(" HA [hasard : sinon]"));
  // Both branches after every trick-3 line: the sound lines, plus one
  // stopped line for each.
  EXPECT_EQ(e.Resultat.Lignes, 5 * (3 * 3 + 1));
}

TEST(Exploration, ModeSolutionLanceTropTotOuParUnFlanc) {
  // Solutions are computed for the last six tricks at most: launched after
  // trick 3, they accept none of South's cards.
  const auto debut = Source.find("chaine impasse"), fin = Source.find("question levee");
  const TExploree tot = Explore(Source.substr(0, debut) + "chaine impasse solution\n" + Source.substr(fin));
  ASSERT_EQ(tot.Resultat.Constats.size(), 1u);
  EXPECT_EQ(tot.Resultat.Constats[0].Levee, 4);
  EXPECT_EQ(tot.Resultat.Constats[0].Message,
            "Sud n'a aucune carte acceptée (cartes permises : SA SK S4 D9 D4 D2 CA CQ CT C3).");
  EXPECT_EQ(tot.Resultat.Lignes, 5);

  // After trick 4 East is on lead: the trainer would stop the deal.
  const TExploree flanc = Explore(test::Remplace(Source, "chaine fin revendication ns 10 eo 3 commentaire 7", "chaine fin solution"));
  ASSERT_EQ(flanc.Resultat.Constats.size(), 1u);
  EXPECT_EQ(flanc.Resultat.Constats[0].Levee, 5);
  EXPECT_EQ(flanc.Resultat.Constats[0].Message,
            "la donne s'arrête sur une donnée abîmée : Donne 1 : la chaîne 5 lance le mode solutions alors que Est a la main.");
  EXPECT_EQ(flanc.Resultat.Constats[0].AutresLignes, 44);
}

TEST(Exploration, InterrompueAuPlafond) {
  TOptionsExploration options;
  options.LignesMax = 10;
  const TExploree e = Explore(Source, options);
  EXPECT_TRUE(e.Resultat.Interrompue);
  EXPECT_EQ(e.Resultat.Lignes, 10);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u);
  EXPECT_EQ(e.Resultat.Constats[0].Gravite, grAvertissement);
  EXPECT_EQ(e.Resultat.Constats[0].Texte(), "exploration interrompue après 10 lignes.");
}

TEST(Exploration, BaseAbsenteOuDonneHorsBase) {
  test::TDossierTemporaire dossier;
  const TResultatExploration absente = ExploreDonne({dossier / "ABSENTE.DAT", std::nullopt, std::nullopt}, 1);
  ASSERT_EQ(absente.Constats.size(), 1u);
  EXPECT_THAT(absente.Constats[0].Message, ::testing::StartsWith("la base ne peut pas être jouée : "));
  EXPECT_EQ(absente.Lignes, 0);
}

}  // namespace
}  // namespace kalvo
