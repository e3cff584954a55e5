#include "model/Brouillage.h"
#include "model/Commentaires.h"

#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace kalvo {
namespace {

TEST(Brouillage, ExemplesDeDebrouillage) {
  EXPECT_EQ(DebrouilleTexte("\x80"), std::string(1, '\0'));
  EXPECT_EQ(DebrouilleTexte("\xC1\x20"), "\x41\xE1");
  EXPECT_EQ(DebrouilleTexte(""), "");
  // Each byte is decoded with the previous stored byte, not the plain one.
  EXPECT_EQ(DebrouilleTexte("\xC1\x20\x20"), "\x41\xE1\x00"s);
}

TEST(Brouillage, AllerRetourSurTousLesOctets) {
  std::string clair;
  for (int i = 0; i < 600; ++i) clair += static_cast<char>((i * 37 + 11) & 0xFF);
  EXPECT_EQ(DebrouilleTexte(BrouilleTexte(clair)), clair);
  EXPECT_EQ(BrouilleTexte("\x41\xE1"), "\xC1\x20");
}

TEST(Commentaires, ExempleDeLaLigneDeCommentaires) {
  const TCommentairesLus lus = DecoupeCommentaires("$01 Bravo$02 Non", 1);
  EXPECT_EQ(lus.Comment[1], "Bravo");
  EXPECT_EQ(lus.Comment[2], "Non");
  for (int n = 3; n <= 18; ++n) EXPECT_EQ(lus.Comment[n], "");
  EXPECT_TRUE(lus.Avertissements.empty());
}

TEST(Commentaires, NumeroDeCommentaireVerifie) {
  const TCommentairesLus lus = DecoupeCommentaires("$18 Dernier", 3);
  EXPECT_EQ(CommentaireNumero(lus.Comment, 18, 3), "Dernier");
  try {
    CommentaireNumero(lus.Comment, 25, 3);
    FAIL();
  } catch (const ErreurDonnee& e) {
    EXPECT_STREQ(e.what(), "Donne 3 : commentaire 25 hors des limites (1 à 18).");
  }
  EXPECT_THROW(CommentaireNumero(lus.Comment, 0, 3), ErreurDonnee);
}

TEST(Commentaires, MorceauxVidesBlancsEtTexteCourt) {
  // Surrounding blanks and control characters go, then the first character.
  const TCommentairesLus lus = DecoupeCommentaires("\r\n $01 Un$$ 3 Trois$18$7 \t", 1);
  EXPECT_EQ(lus.Comment[1], "Un");
  EXPECT_EQ(lus.Comment[3], "Trois");  // leading blank allowed in the number
  EXPECT_EQ(lus.Comment[18], "");      // a piece of two characters: empty text
  EXPECT_EQ(lus.Comment[7], "");
  EXPECT_TRUE(lus.Avertissements.empty());
  EXPECT_TRUE(DecoupeCommentaires("", 1).Avertissements.empty());
  // A later line of the same number replaces the earlier one.
  EXPECT_EQ(DecoupeCommentaires("$05 a$05 b", 1).Comment[5], "b");
}

TEST(Commentaires, TexteEnWindows1252RenduEnUtf8) {
  EXPECT_EQ(DecoupeCommentaires("$04 C\x9Cur \xE0 l'As", 1).Comment[4], "Cœur à l'As");
}

TEST(Commentaires, NumeroHorsLimitesIgnoreEtSignale) {
  const TCommentairesLus lus = DecoupeCommentaires("$25 Trop$00 Zéro$-1 Moins$02 Bon", 6);
  EXPECT_EQ(lus.Comment[2], "Bon");
  ASSERT_EQ(lus.Avertissements.size(), 3u);
  EXPECT_EQ(lus.Avertissements[0], "Donne 6 : commentaire numéro 25 ignoré : les numéros vont de 1 à 18.");
}

TEST(Commentaires, NumeroQuiNEstPasUnNombre) {
  try {
    DecoupeCommentaires("$01 Bon$x2 Mauvais", 4);
    FAIL();
  } catch (const ErreurDonnee& e) {
    EXPECT_STREQ(e.what(), "Donne 4 : le numéro de commentaire « x2 » n'est pas un nombre.");
  }
  EXPECT_THROW(DecoupeCommentaires("$1 Bravo", 4), ErreurDonnee);  // "1 " is no number
  EXPECT_THROW(DecoupeCommentaires("$-", 4), ErreurDonnee);
}

TEST(Commentaires, LongueursDesChampsDeLaFiche) {
  TDonne d = test::DonneValide();
  d.SetNumero(2);
  d.SetLgCommentaires(0);
  TCommentairesLus lus = LitCommentaires(d);
  EXPECT_EQ(lus.Comment[1], "");
  EXPECT_TRUE(lus.Avertissements.empty());

  d.SetCommentaires(BrouilleTexte("$01 Bravo$02 Non"));
  d.SetLgCommentaires(5000);  // beyond the field: clamped to 2204 and reported
  lus = LitCommentaires(d);
  EXPECT_EQ(lus.Comment[1], "Bravo");
  ASSERT_FALSE(lus.Avertissements.empty());
  EXPECT_EQ(lus.Avertissements[0],
            "Donne 2 : longueur des commentaires (5000) hors de son champ (0 à 2204 octets) : ramenée à 2204.");
  d.SetLgCommentaires(-3);
  lus = LitCommentaires(d);
  EXPECT_EQ(lus.Comment[1], "");
  EXPECT_EQ(lus.Avertissements.size(), 1u);
}

TEST(Commentaires, CompositionPourLesOutils) {
  const std::string clair = ComposeCommentaires({{1, "Cœur"}, {12, "Deux"}});
  EXPECT_EQ(clair, "$01 C\x9Cur$12 Deux");
  EXPECT_EQ(DecoupeCommentaires(clair, 1).Comment[1], "Cœur");
  EXPECT_THROW(ComposeCommentaires({{19, "x"}}), ErreurDonnee);
  EXPECT_THROW(ComposeCommentaires({{3, "a $ b"}}), ErreurDonnee);
}

}  // namespace
}  // namespace kalvo
