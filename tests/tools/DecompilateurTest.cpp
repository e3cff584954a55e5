// Records written back as sources: compiling the text gives the same
// bytes, readable where the format can say it, through "octets" lines
// where it cannot.
#include "model/Brouillage.h"
#include "tools/authoring/Decompilateur.h"
#include "tests/tools/SourcesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;
using ::testing::Not;

// The source text compiled back, without checks.
std::optional<TDonneCompilee> Relit(const std::string& texte, TDiagnostics& diagnostics) {
  const TSourceDonne source = AnalyseSource(texte, "relue.donne", diagnostics);
  if (diagnostics.AErreurs()) return std::nullopt;
  TOptionsConstruction options;
  options.DeduitJeu = false;
  return ConstruitDonne(source, diagnostics, options);
}

void AttendAllerRetour(const TDonne& donne, const TQuestionsDonne* questions, int octetsBrutsMax) {
  TOptionsDecompilation options;
  options.Ordre = 1;
  options.Collection = 21;
  const TSourceDecompilee source = DecompileDonne(donne, questions, options);
  EXPECT_TRUE(source.Exacte) << source.Texte;
  EXPECT_LE(source.NbOctetsBruts, octetsBrutsMax) << source.Texte;
  TDiagnostics diagnostics;
  const auto relue = Relit(source.Texte, diagnostics);
  ASSERT_TRUE(relue) << diagnostics.Texte() << source.Texte;
  EXPECT_TRUE(std::ranges::equal(relue->Donne.Octets(), donne.Octets()));
  EXPECT_EQ(relue->Questions, questions ? *questions : TQuestionsDonne{});
  EXPECT_EQ(relue->Collection->Valeur, 21);
}

TEST(Decompilateur, DonnesEcritesEnEntierEnTexte) {
  for (const std::string& texte : {test::SourceDemo(), test::ExempleDuReadme()}) {
    TDiagnostics diagnostics;
    const auto donne = test::Compile(texte, diagnostics, false);
    ASSERT_TRUE(donne) << diagnostics.Texte();
    AttendAllerRetour(donne->Donne, &donne->Questions, 0);
    // The text passes every check, as its source did.
    const TSourceDecompilee source = DecompileDonne(donne->Donne, &donne->Questions, {});
    TDiagnostics verification;
    EXPECT_TRUE(test::Compile(source.Texte, verification, false));
    EXPECT_EQ(verification.NbErreurs(), 0) << verification.Texte();
  }
}

TEST(Decompilateur, TexteLisible) {
  const TDonneCompilee demo = test::Demo();
  TOptionsDecompilation options;
  options.Origine = "Donne 1 de K01FR_DEMO.DAT";
  const std::string t = DecompileDonne(demo.Donne, &demo.Questions, options).Texte;
  EXPECT_THAT(t, HasSubstr("# Donne 1 de K01FR_DEMO.DAT\n"));
  EXPECT_THAT(t, HasSubstr("theme 4   # Prendre ou laisser-passer\n"));
  EXPECT_THAT(t, HasSubstr("mains S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\n"));
  EXPECT_THAT(t, HasSubstr("encheres 1SA passe 3SA passe passe passe\n"));
  EXPECT_THAT(t, HasSubstr("chaine 1 levee 1 entame Ouest suivante 2\n  Ouest : HK\n  Nord : H4 H7\n  Est : H2\n  Sud : H3 H6 HA=1\n"));
  EXPECT_THAT(t, HasSubstr("chaine 5 revendication ns 10 eo 3 commentaire 7\n"));
  EXPECT_THAT(t, HasSubstr("point\n{\\rtf1\\ansi"));
  EXPECT_THAT(t, HasSubstr("question levee 3 repartition H penalite 10\n"));
  EXPECT_THAT(t, Not(HasSubstr("octets")));
}

// Bytes no source writes: each goes back through an "octets" line.
TEST(Decompilateur, OctetsQueLeTexteNeDitPas) {
  TDiagnostics diagnostics;
  auto exemple = test::Compile(test::ExempleDuReadme(), diagnostics, false);
  ASSERT_TRUE(exemple) << diagnostics.Texte();
  TDonne d = exemple->Donne;
  d.Octets()[2313] = 5;                                             // a byte not used
  d.Chaine(4).SetEntameur(jrEst);                                   // a node's leader
  d.Chaine(4).SetEntreeDistribution(2, {5, {0xFFFF, 0xFFEF, 0xFFFF, 0xFFFF}});  // a count of 14
  d.Chaine(1).SetDeclarant(1, 6, TCarteDeclarant{TCard{14, clPique}, 3});      // after the end of the list
  d.Chaine(2).SetDefense(1, 1, TCarteDefense{7, 0, TCard{2, 2}, {}, TCard{RangPlusHaute, clCoeur}});  // odd flag
  d.SetEnchere(1, jrNord, TEnchere{0, 0, 0});                       // a redouble written 0
  d.SetAlerte(3, "fin ");                                           // a blank at the end
  d.SetCommentaires(BrouilleTexte("$01 a\x81$02 b"));               // a byte that is no character
  d.SetTexteResume(BrouilleTexte("pas du RTF"));
  d.SetJeuComplet(12, 4, TCard{});
  d.Chaine(30).SetTypeChaine(77);                                   // a type no one knows
  d.Pool(1).Entame(false, clPique, 3).SetRang(9);                   // a pool entry in third place
  TQuestionsDonne q = exemple->Questions;
  q.Octets()[20] = 9;                                               // a byte the quiz does not read
  AttendAllerRetour(d, &q, 2000);
  q.SetNbQuestions(5);
  AttendAllerRetour(d, &q, 2000);
  AttendAllerRetour(d, nullptr, 2000);
}

TEST(Decompilateur, FichesAuHasardRenduesALIdentique) {
  std::mt19937 hasard(11);
  TDiagnostics diagnostics;
  const auto exemple = test::Compile(test::ExempleDuReadme(), diagnostics, false);
  ASSERT_TRUE(exemple) << diagnostics.Texte();
  for (int essai = 0; essai < 12; ++essai) {
    TDonne d = exemple->Donne;
    auto octets = d.Octets();
    if (essai < 2) {
      for (auto& o : octets) o = static_cast<std::uint8_t>(hasard());
    } else {
      for (int k = 0; k < 60; ++k) octets[2312 + hasard() % 10000] = static_cast<std::uint8_t>(hasard() % 20);
      for (int k = 0; k < 20; ++k) octets[hasard() % octets.size()] = static_cast<std::uint8_t>(hasard());
    }
    TQuestionsDonne q;
    for (auto& o : q.Octets()) o = static_cast<std::uint8_t>(hasard() % 8);
    TOptionsDecompilation options;
    const TSourceDecompilee source = DecompileDonne(d, &q, options);
    EXPECT_TRUE(source.Exacte) << "essai " << essai;
  }
}

}  // namespace
}  // namespace kalvo
