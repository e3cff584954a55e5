// The written reasons of deliberate refusals: read from the source, checked
// against the refusals of their chain or pool and against the comment the
// user reads, written into the table beside the database and read back.
// Also the check of West's opening lead, which must be a card.
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/authoring/Decompilateur.h"
#include "tools/authoring/Raisons.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::string ApresLImpasse = "  Est   : DK\n";

std::pair<std::optional<TDonneCompilee>, std::string> Compile(const std::string& texte) {
  TDiagnostics diagnostics;
  auto donne = CompileDonne(texte, "essai.donne", diagnostics, false);
  if (diagnostics.AErreurs()) donne.reset();
  return {std::move(donne), diagnostics.Texte()};
}

TEST(Raisons, LaRaisonDuSourceVaDansLaDonneCompilee) {
  const auto [donne, texte] =
      Compile(test::Remplace(test::Source, ApresLImpasse, ApresLImpasse + "  raison 5 : FAITES  l'impasse\n"));
  ASSERT_TRUE(donne) << texte;
  EXPECT_EQ(texte, "");
  EXPECT_THAT(donne->Raisons, ElementsAre(TRaison{0, false, 4, 5, "FAITES  l'impasse"}));
  EXPECT_THAT(donne->LignesRaisons, ElementsAre(35));
}

TEST(Raisons, RaisonQuiNeTientPas) {
  const std::vector<std::pair<std::string, std::string>> fautes{
      {"  raison 5 : le Roi est sec",
       "essai.donne, ligne 35 : le commentaire 5 ne dit pas la raison du refus voulu de la chaîne 4 (« le Roi est "
       "sec ») : l'utilisateur doit la lire."},
      {"  raison 6 : Prenez de l'As",
       "essai.donne, ligne 35 : raison d'un refus voulu : aucune carte de la chaîne 4 ne vaut le commentaire 6."},
      {"  raison 5", "essai.donne, ligne 35 : il faut « raison N : texte » (N : le commentaire du refus voulu)."},
      {"  raison 19 : x", "essai.donne, ligne 35 : numéro de commentaire « 19 » invalide (1 à 18)."},
      {"chaine x hasard alors fin sinon fin\n  raison 5 : Faites l'impasse",
       "essai.donne, ligne 36 : « raison » se donne dans une chaîne de levée, un mode automatique ou un pool."},
  };
  for (const auto& [ligne, attendu] : fautes) {
    const auto [donne, texte] = Compile(test::Remplace(test::Source, ApresLImpasse, ApresLImpasse + ligne + "\n"));
    EXPECT_FALSE(donne) << ligne;
    EXPECT_THAT(texte, HasSubstr(attendu + "\n")) << ligne;
  }
}

// An overtaking check (surprend) is refused with the program's own
// "Il faut surprendre..." (91): its reason is checked against that text,
// and only in a chain that has such a check.
TEST(Raisons, LeMessageDuProgrammeQuiFaitSurprendre) {
  const std::string nord = "  Nord  : DT DJ DQ D3=5 DA=5\n";
  const std::string surprend = test::Remplace(test::Source, nord, "  Nord  : DT DJ DQ D3=5 DA=5 surprend:D\n");
  const auto [donne, texte] =
      Compile(test::Remplace(surprend, ApresLImpasse, ApresLImpasse + "  raison 91 : il faut SURPRENDRE\n"));
  ASSERT_TRUE(donne) << texte;
  EXPECT_THAT(donne->Raisons, ElementsAre(TRaison{0, false, 4, 91, "il faut SURPRENDRE"}));
  std::vector<TRaison> dansLaBase = donne->Raisons;
  dansLaBase.front().Donne = 3;
  EXPECT_EQ(LitRaisons(EcritRaisons(dansLaBase), "B.RAI").Raisons, dansLaBase);

  const auto [sansSurprendre, faute] =
      Compile(test::Remplace(test::Source, ApresLImpasse, ApresLImpasse + "  raison 91 : il faut surprendre\n"));
  EXPECT_FALSE(sansSurprendre);
  EXPECT_THAT(faute, HasSubstr("raison d'un refus voulu : aucune carte de la chaîne 4 ne vaut le commentaire 91."));
  const auto [autreRaison, autreFaute] =
      Compile(test::Remplace(surprend, ApresLImpasse, ApresLImpasse + "  raison 91 : Faites l'impasse\n"));
  EXPECT_FALSE(autreRaison);
  EXPECT_THAT(autreFaute, HasSubstr("le commentaire 91 ne dit pas la raison du refus voulu de la chaîne 4"));
}

TEST(Raisons, LeCommentaireDitLaRaisonAuxMajusculesAccentsEtPonctuationPres) {
  const std::string commentaire = "Coupez : une coupe, c'est sûr ; l'impasse est un pari.";
  EXPECT_TRUE(CommentaireDitLaRaison(commentaire, "une coupe c'est SUR"));
  EXPECT_TRUE(CommentaireDitLaRaison(commentaire, "« l'impasse est un pari »"));
  EXPECT_FALSE(CommentaireDitLaRaison(commentaire, "c'est sûr une coupe"));  // another order
  EXPECT_FALSE(CommentaireDitLaRaison(commentaire, "une coupe sûre"));
  EXPECT_FALSE(CommentaireDitLaRaison(commentaire, " ; "));
}

TEST(Raisons, LaTableSEcritEtSeRelitEtSignaleSesLignesIllisibles) {
  const std::vector<TRaison> raisons{{1, false, 12, 13, "une coupe sûre vaut mieux qu'une impasse"},
                                     {3, true, 2, 10, "le mort garde son entrée"}};
  const std::string texte = EcritRaisons(raisons);
  const TRaisonsLues lues = LitRaisons(texte, "K01FR_DEMO.RAI");
  EXPECT_EQ(lues.Raisons, raisons);
  EXPECT_THAT(lues.Avertissements, IsEmpty());

  const TRaisonsLues abimee = LitRaisons(texte + "2 chaine 12 40 trop\nx pool 1 2 y\n4 chaine 3 2\n", "B.RAI");
  EXPECT_EQ(abimee.Raisons, raisons);
  ASSERT_EQ(abimee.Avertissements.size(), 3u);
  EXPECT_EQ(abimee.Avertissements[0],
            "Table des raisons B.RAI, ligne 4 : « 2 chaine 12 40 trop » n'est pas lisible ; elle est ignorée.");
  EXPECT_EQ(NomTableRaisons("data/K01FR_DEMO.DAT"), "data/K01FR_DEMO.RAI");
  EXPECT_THAT(ChargeRaisons("/nulle/part/ABSENTE.RAI").Raisons, IsEmpty());
}

TEST(Raisons, VerifieesSurLaDonneCompilee) {
  const TDonneCompilee demo = test::Demo();
  const TComments commentaires = LitCommentaires(demo.Donne).Comment;
  // Chain 4 of the demo refuses ♦3 and ♦A with comment 5.
  EXPECT_THAT(VerifieRaisons(demo.Donne, commentaires, {{1, false, 4, 5, "si Ouest a le Roi"}}), IsEmpty());
  EXPECT_THAT(VerifieRaisons(demo.Donne, commentaires, {{1, true, 1, 5, "si Ouest a le Roi"}}),
              ElementsAre("raison d'un refus voulu : aucune carte de la pool 1 ne vaut le commentaire 5."));
  EXPECT_THAT(VerifieRaisons(demo.Donne, commentaires, {{1, false, 401, 5, "x"}}),
              ElementsAre("raison d'un refus voulu pour la chaîne 401, commentaire 5 : ce lieu ou ce commentaire "
                          "n'existe pas."));
  const std::vector<TRaison> raisons{{1, false, 4, 5, "x"}, {1, true, 2, 5, "y"}};
  EXPECT_EQ(RaisonDuRefus(raisons, 4, 0, 5), &raisons[0]);
  EXPECT_EQ(RaisonDuRefus(raisons, 0, 2, 5), &raisons[1]);
  EXPECT_EQ(RaisonDuRefus(raisons, 4, 0, 6), nullptr);
  EXPECT_EQ(RaisonDuRefus(raisons, 3, 0, 5), nullptr);
}

// The table's reasons go back into their chain when the database is
// written back as sources, and compile to the same reasons.
TEST(Raisons, LaSourceRecriteRendSesRaisons) {
  const auto [donne, texte] =
      Compile(test::Remplace(test::Source, ApresLImpasse, ApresLImpasse + "  raison 5 : Faites l'impasse\n"));
  ASSERT_TRUE(donne) << texte;
  TOptionsDecompilation options;
  options.Raisons = donne->Raisons;
  const TSourceDecompilee recrite = DecompileDonne(donne->Donne, &donne->Questions, options);
  EXPECT_TRUE(recrite.Exacte);
  EXPECT_THAT(recrite.Texte, HasSubstr("  raison 5 : Faites l'impasse\n"));
  const auto [recompilee, diagnostics] = Compile(recrite.Texte);
  ASSERT_TRUE(recompilee) << diagnostics;
  EXPECT_EQ(recompilee->Raisons, donne->Raisons);
}

TEST(Raisons, LEntreeDOuestDoitEtreUneCarte) {
  const auto [donne, texte] = Compile(test::Remplace(test::Source, "  Ouest : HK\n", "  Ouest : H+\n"));
  EXPECT_FALSE(donne);
  EXPECT_THAT(texte, HasSubstr("essai.donne, ligne 15 : l'entame d'Ouest est écrite « H+ » : l'écran de fin de donne "
                               "ne sait pas quelle carte entourer ; écrivez la carte elle-même.\n"));
}

}  // namespace
}  // namespace kalvo
