#include "model/BridgeTypes.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(Sieges, OrdreDeJeuEtPartenaires) {
  EXPECT_EQ(JoueurSuivant(jrEst), jrSud);
  EXPECT_EQ(JoueurSuivant(jrSud), jrOuest);
  EXPECT_EQ(JoueurPrecedent(jrSud), jrEst);
  EXPECT_EQ(JoueurPrecedent(jrOuest), jrSud);
  EXPECT_EQ(Partenaire(jrOuest), jrEst);
  EXPECT_EQ(Partenaire(jrNord), jrSud);
  EXPECT_TRUE(EstDefenseur(jrOuest));
  EXPECT_TRUE(EstDefenseur(jrEst));
  EXPECT_FALSE(EstDefenseur(jrNord));
}

TEST(Sieges, PositionsDansLeveeDonneLeRangDesPartenaires) {
  // Each partnership has exactly one seat playing first (1) and one second (2).
  for (TJoueur entameur : TousLesJoueurs) {
    for (TJoueur j : TousLesJoueurs) {
      EXPECT_NE(PositionsDansLevee[entameur][j], PositionsDansLevee[entameur][Partenaire(j)]);
    }
    EXPECT_EQ(PositionsDansLevee[entameur][entameur], 1);
    EXPECT_EQ(PositionsDansLevee[entameur][JoueurSuivant(entameur)], 1);
  }
  EXPECT_EQ(PositionsDansLevee[jrEst][jrSud], 1);
  EXPECT_EQ(PositionsDansLevee[jrEst][jrNord], 2);
}

TEST(Arithmetique, CentreNeBornePasEtTronqueVersZero) {
  EXPECT_EQ(Centre(10, 0, 20), 5);
  EXPECT_EQ(Centre(23, 100, 120), 99);  // remainder -3: half truncated toward zero
  EXPECT_EQ(Centre(40, 0, 20), -10);
  EXPECT_EQ(DemiEcart(10, 25), 7);
  EXPECT_EQ(DemiEcart(25, 10), -7);
  EXPECT_EQ(MulDivEntier(1000000, 3000, 7), 428571428);  // no 32-bit overflow inside
  EXPECT_EQ(Pourcentage(100, 300, 25), 50);
  EXPECT_EQ(Maximum(-3, 2), 2);
  EXPECT_EQ(Minimum(-3, 2), -3);
}

TEST(Cartes, IndexEtInverse) {
  EXPECT_EQ(IndexCarte(TCard{2, clTrefle}), 1);
  EXPECT_EQ(IndexCarte(TCard{14, clPique}), 52);
  for (int i = 1; i <= 52; ++i) EXPECT_EQ(IndexCarte(CarteDeIndex(i)), i);
  EXPECT_EQ(CarteDeIndex(27), (TCard{2, clCoeur}));
  EXPECT_EQ((TCard{13, clCoeur}).Mot(), 0x020D);
  EXPECT_EQ(TCard::DeMot(0x030E), (TCard{14, clPique}));
}

TEST(Cartes, NomsEnFrancais) {
  EXPECT_EQ(NomCarte(TCard{13, clPique}), "Roi de Pique");
  EXPECT_EQ(NomCarte(TCard{10, clCoeur}), "10 de Cœur");
  EXPECT_EQ(NomCarte(TCard{2, clTrefle}), "2 de Trèfle");
  EXPECT_EQ(NomCarte(TCard{11, clCarreau}), "Valet de Carreau");
  EXPECT_EQ(LettreRang(10), 'X');
  EXPECT_EQ(LettreRang(12), 'D');
  EXPECT_EQ(TexteRang(10), "10");
  EXPECT_EQ(TexteRang(13), "R");
  EXPECT_EQ(std::string(NomsThemes[27]), "Couper les communications adverses");
  EXPECT_EQ(std::string(NomsThemes[0]), "Pas de thème");
}

TEST(Cartes, CodesCourtsDesOutils) {
  TCard carte;
  ASSERT_TRUE(LitCodeCarte("HT", carte));
  EXPECT_EQ(carte, (TCard{10, clCoeur}));
  ASSERT_TRUE(LitCodeCarte("s10", carte));
  EXPECT_EQ(carte, (TCard{10, clPique}));
  EXPECT_EQ(CodeCarte(TCard{14, clPique}), "SA");
  EXPECT_EQ(CodeCarte(TCard{2, clTrefle}), "C2");
  EXPECT_FALSE(LitCodeCarte("X2", carte));
  EXPECT_FALSE(LitCodeCarte("S1", carte));
  EXPECT_FALSE(LitCodeCarte("S", carte));
  EXPECT_FALSE(LitCodeCarte("SAK", carte));
}

}  // namespace
}  // namespace kalvo
