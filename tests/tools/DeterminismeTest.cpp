// The same deals give the same bytes: whatever the order of the files on
// the command line when each says where it goes, with or without the
// double-dummy analysis, and however the source writes its keywords,
// players and colons.
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace redaction;

struct TOctets {
  std::string Base, Questions, Volume;
  friend bool operator==(const TOctets&, const TOctets&) = default;
};

TOctets Octets(const std::vector<TFichierSource>& sources, bool doubleMort) {
  TDiagnostics diagnostics;
  const auto base = CompileSources(sources, diagnostics, doubleMort);
  if (!base) throw std::runtime_error(diagnostics.Texte());
  return {OctetsBase(*base), OctetsQuestions(*base), TexteVolume(*base)};
}

TEST(Determinisme, OrdreDesFichiersEtDoubleMort) {
  const std::string a = test::Remplace(test::Source, "collection 1\n", "collection 1\nordre 2\n");
  const std::string b = test::Remplace(test::Source, "collection 1\n", "collection 7\nordre 1\n");
  const TOctets ab = Octets({{"a.donne", a}, {"b.donne", b}}, false);
  EXPECT_EQ(ab, Octets({{"b.donne", b}, {"a.donne", a}}, false));
  // The analysis reports; it never changes what is written.
  EXPECT_EQ(ab, Octets({{"a.donne", a}, {"b.donne", b}}, true));
  EXPECT_EQ(ab.Base.size(), 2 * TDonne::Taille);
  EXPECT_EQ(ab.Questions.size(), 7u * 148u);
}

TEST(Determinisme, EcrituresEquivalentesDeLaSource) {
  const TOctets reference = Octets({{"a.donne", test::Source}}, false);
  std::string texte = test::Remplace(test::Source, "chaine roi levee 1 entame Ouest suivante dame",
                                     "CHAINE roi Levée 1 ENTAME O suivante dame   # la première levée");
  texte = test::Remplace(texte, "  Nord  : H4 H7\n", "\tN: H4\n  Nord H7\n");  // two lines of one player add up
  texte = test::Remplace(texte, "  Sud   : H3 H6 HA=1\n", "  S : ♥3 H6 ♥A=1\n");
  texte = test::Remplace(texte, "donneur Sud", "Donneur   sud");
  texte = test::Remplace(texte, "theme 4", "thème 4");
  texte = test::Remplace(texte, "question levee 3 repartition H", "question levée 3 répartition Cœur");
  EXPECT_EQ(Octets({{"a.donne", texte}}, false), reference);
}

}  // namespace
}  // namespace kalvo
