// The trainer's verdict on a card in no line of the lesson: the double-dummy
// result told in the warning window (the contract lost, or nothing lost),
// the marks and the beep as before; the beep alone when the setting or the
// comments are off, or when the solver is late.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

const std::string Chute =
    "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle fait chuter le contrat, qu'une "
    "autre carte gagne.";
const std::string Gratuite =
    "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle ne coûte rien, mais la leçon suit "
    "une autre ligne.";

// The demo hands in 3SA: at trick 1 the lesson ducks West's King of hearts
// with the 3. Taking the ace lets East, in with the King of diamonds,
// return a heart: the contract goes down. The 6 ducks as well as the 3.
TFabriqueDonne DonneVerdict() {
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4 S:H3");
  f.Levee(2, jrOuest, 3, "O:** E:** N:** S:**");
  return f;
}

std::function<void(TConfigurationControleur&)> Analyse(std::optional<std::chrono::milliseconds> delai) {
  return [delai](TConfigurationControleur& c) {
    c.AnalyseImprevues = true;
    c.DelaiAnalyse = delai;
  };
}

class VerdictImprevuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TFabriqueDonne donne = DonneVerdict();
    base.Ecrit(donne);
  }
  TBaseDeTest base;
};

TEST_F(VerdictImprevuTest, ChuteOuRienDansLAvertissementLesNotesInchangees) {
  TPartieDeTest p(base, "", 1, Analyse(std::nullopt));
  p.Demarre();
  p.Joue("H4");
  p.Joue("HA");
  p.Joue("H6");
  EXPECT_THAT(p.ecran.Messages, ElementsAre(Chute, Gratuite));
  // Never the card the lesson expects.
  for (const std::string& m : p.ecran.Messages) EXPECT_THAT(m, Not(HasSubstr("Cœur")));
  EXPECT_EQ(p.ecran.Bips, 2);
  EXPECT_EQ(p.Etat().Notation, 50);  // 50 once in a row, as without the verdict
  EXPECT_THAT(p.journal.Filtre("refus"), ElementsAre("refus S HA 49 50 bip", "refus S H6 49 0 bip"));
  EXPECT_EQ(p.ecran.Sabliers, 0);
  EXPECT_GE(p.ecran.Compte("Sablier"), 2);
  p.Joue("H3");
  EXPECT_EQ(p.Etat().OnTable[jrSud], CarteScript("H3"));
}

TEST_F(VerdictImprevuTest, LeBipSeulSansLeReglageSansLesCommentairesOuQuandLeSolveurTarde) {
  for (const std::string& reglages : {std::string("AnalyseImprevues=0\r\n"), std::string("ErreursComments=0\r\n")}) {
    TPartieDeTest p(base, reglages, 1, Analyse(std::nullopt));
    p.Demarre();
    p.Joue("H4");
    p.Joue("HA");
    EXPECT_THAT(p.ecran.Messages, IsEmpty()) << reglages;
    EXPECT_EQ(p.ecran.Bips, 1) << reglages;
    EXPECT_EQ(p.Etat().Notation, 50) << reglages;
  }
  // No time at all: the solver of a thirteen-card position cannot answer.
  TPartieDeTest tard(base, "", 1, Analyse(std::chrono::milliseconds(0)));
  tard.Demarre();
  tard.Joue("H4");
  tard.Joue("HA");
  EXPECT_THAT(tard.ecran.Messages, IsEmpty());
  EXPECT_EQ(tard.ecran.Bips, 1);
  EXPECT_EQ(tard.ecran.Sabliers, 0);
}

}  // namespace
}  // namespace kalvo::test
