// The words of a deal source: what the compiler reads is what the
// decompiler writes.
#include "tools/authoring/Lexique.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace redaction;

TEST(Lexique, LignesEtMots) {
  const auto lignes = DecoupeLignesDonne("\xEF\xBB\xBFSud : HA  H3=2 # laisser passer\r\n\n  Nord: #tout\r\ncommentaire 1 : a # b");
  ASSERT_EQ(lignes.size(), 4u);
  EXPECT_EQ(lignes[0].Mots, (std::vector<std::string>{"Sud", "HA", "H3=2"}));
  EXPECT_EQ(lignes[0].Brut, "Sud : HA  H3=2 # laisser passer");
  EXPECT_TRUE(lignes[1].Mots.empty());
  EXPECT_EQ(lignes[2].Mots, (std::vector<std::string>{"Nord"}));
  EXPECT_EQ(lignes[3].Numero, 4);
  EXPECT_EQ(TexteApresDeuxPoints(lignes[3].Brut), "a # b");  // free text keeps its '#'
  EXPECT_EQ(Replie("Résumé"), "resume");
  EXPECT_EQ(Replie("CŒUR"), "coeur");
}

TEST(Lexique, CartesDuScript) {
  const struct {
    std::string Mot;
    TCard Carte;
    std::string Table;
  } cas[] = {
      {"HK", {13, clCoeur}, ""},        {"h10", {10, clCoeur}, ""},    {"\u2660A", {14, clPique}, ""},
      {"*A", {14, 7}, ""},              {"**", {15, 7}, ""},           {"S+", {16, clPique}, ""},
      {"D>", {32, clCarreau}, ""},      {"C^", {64, clTrefle}, ""},    {"groupe:deb", {48, 0}, "deb"},
      {"compteur:2", {128, 0}, "2"},    {"surprend", {80, 7}, ""},     {"surprend:\u2665", {80, clCoeur}, ""},
  };
  for (const auto& c : cas) {
    const auto lue = LitCarteScript(c.Mot);
    ASSERT_TRUE(lue) << c.Mot;
    EXPECT_EQ(lue->Carte, c.Carte) << c.Mot;
    EXPECT_EQ(lue->Table, c.Table) << c.Mot;
  }
  for (const std::string mot : {"H1", "X5", "H", "", "surprend:Z", "groupe:", "HKK", "S11"})
    EXPECT_FALSE(LitCarteScript(mot)) << mot;
  EXPECT_FALSE(LitCarteReelle("H*"));
  // Every card code the writer knows reads back as the same bytes.
  for (const std::uint8_t h : {2, 9, 10, 14, 15, 16, 32, 64})
    for (const std::uint8_t c : {0, 1, 2, 3, 7}) {
      const auto mot = EcritCarteScript(TCard{h, c});
      ASSERT_TRUE(mot) << int(h) << "," << int(c);
      EXPECT_EQ(LitCarteScript(*mot)->Carte, (TCard{h, c})) << *mot;
    }
  EXPECT_EQ(EcritCarteScript(TCard{48, 3}), "groupe:3");
  EXPECT_EQ(EcritCarteScript(TCard{128, 2}), "compteur:2");
  EXPECT_EQ(EcritCarteScript(TCard{80, 1}), "surprend:D");
  EXPECT_FALSE(EcritCarteScript(TCard{48, 5}));
  EXPECT_FALSE(EcritCarteScript(TCard{20, 1}));
  EXPECT_FALSE(EcritCarteScript(TCard{10, 5}));
  const TMotCode code = SepareCode("HA=12");
  EXPECT_EQ(code.Mot, "HA");
  EXPECT_EQ(code.Code, 12);
  EXPECT_TRUE(SepareCode("HA=x").Invalide);
}

TEST(Lexique, Appels) {
  for (std::uint8_t niveau = 1; niveau <= 7; ++niveau)
    for (std::uint8_t couleur = clTrefle; couleur <= clSA; ++couleur)
      for (std::uint16_t alerte = 0; alerte <= 4; ++alerte) {
        const TEnchere e{niveau, couleur, alerte};
        EXPECT_EQ(LitAppel(*EcritAppel(e)), e) << *EcritAppel(e);
      }
  EXPECT_EQ(LitAppel("Passe"), (TEnchere{0, 1, 0}));
  EXPECT_EQ(LitAppel("contre!2"), (TEnchere{0, 2, 2}));
  EXPECT_EQ(LitAppel("XX"), (TEnchere{0, 3, 0}));
  EXPECT_EQ(LitAppel("4\u2660"), (TEnchere{4, clPique, 0}));
  for (const std::string mot : {"8T", "1X", "2T!5", "0SA", "passe!0", ""}) EXPECT_FALSE(LitAppel(mot)) << mot;
  EXPECT_FALSE(EcritAppel(TEnchere{0, 0, 0}));  // a redouble written 0: the bytes are restored otherwise
  EXPECT_FALSE(EcritAppel(TEnchere{9, 0, 0}));
}

}  // namespace
}  // namespace kalvo
