// The walk previous/next take through the deals: each filter, each order,
// wrap-around, an empty selection, a filter changed while a deal is shown,
// and a random order that is damaged or restricted to the chosen deals.
#include "control/ChoixDonnes.h"

#include <gmock/gmock.h>

#include <initializer_list>
#include <numeric>
#include <random>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Six deals: (difficulty, theme) per deal, and play marks.
class ChoixDonnesTest : public ::testing::Test {
 protected:
  ChoixDonnesTest() {
    for (const auto& [force, theme] : std::initializer_list<std::pair<int, int>>{{1, 3}, {2, 7}, {2, 3}, {4, 1}, {1, 7}, {2, 7}})
      catalogue.Ajoute(force, theme);
    notes[1] = 80;
    notes[2] = 40;
    notes[3] = 50;
    notes[5] = 0;
    // deals 4 and 6 never played
  }
  TPasDonne Pas(int courante, int sens, std::span<const int> aleatoire = {}) const {
    return DonneVoisine(choix, catalogue, notes, aleatoire, courante, sens);
  }
  // The deals met by pressing "next" (or "previous") fois times.
  std::vector<int> Marche(int depart, int sens, int fois, std::span<const int> aleatoire = {}) const {
    std::vector<int> vues;
    int donne = depart;
    for (int k = 0; k < fois; ++k) {
      const TPasDonne pas = Pas(donne, sens, aleatoire);
      EXPECT_THAT(pas.Message, IsEmpty());
      donne = pas.Donne;
      vues.push_back(donne);
    }
    return vues;
  }
  TCatalogue catalogue;
  TScores notes{6};
  TChoixDonnes choix;
};

TEST_F(ChoixDonnesTest, ChaqueFiltreChoisitSesDonnes) {
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(1, 2, 3, 4, 5, 6));
  choix.TypeDonnes = tdTheme;
  choix.NumeroTheme = 7;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 5, 6));
  choix.NumeroTheme = 0;  // a theme no deal has
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), IsEmpty());
  choix.TypeDonnes = tdForce;
  choix.ForceChoisie = 2;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 3, 6));
  choix.ForceChoisie = -1;  // what the settings dialog's OK leaves
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), IsEmpty());
  // "À revoir": strictly below the threshold, or never played; a mark of 0
  // is a mark, not "never played".
  choix.TypeDonnes = tdARevoir;
  choix.ScoreInferieurA = 50;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 4, 5, 6));
  choix.ScoreInferieurA = -1;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(4, 6));
  choix.ScoreInferieurA = 100;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(1, 2, 3, 4, 5, 6));
  // Marks kept for fewer deals than the base holds: the others are unplayed.
  choix.ScoreInferieurA = 10;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, TScores{2}), ElementsAre(1, 2, 3, 4, 5, 6));
  // A filter type the program does not know filters nothing out.
  choix.TypeDonnes = 9;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(1, 2, 3, 4, 5, 6));
  EXPECT_FALSE(DonneChoisie(choix, catalogue, notes, 0));
  EXPECT_FALSE(DonneChoisie(choix, catalogue, notes, 7));
}

TEST_F(ChoixDonnesTest, OrdreAscendantAvecRetourAuDebut) {
  EXPECT_THAT(Marche(4, +1, 4), ElementsAre(5, 6, 1, 2));
  EXPECT_THAT(Marche(2, -1, 4), ElementsAre(1, 6, 5, 4));
  EXPECT_EQ(Pas(3, 0).Donne, 3);
  // The random order is ignored while the order is ascending.
  const std::vector<int> aleatoire{4, 1, 6, 2, 5, 3};
  EXPECT_THAT(Marche(6, +1, 2, aleatoire), ElementsAre(1, 2));
}

TEST_F(ChoixDonnesTest, UnFiltreSauteLesAutresDonnes) {
  choix.TypeDonnes = tdTheme;
  choix.NumeroTheme = 7;
  EXPECT_THAT(Marche(2, +1, 4), ElementsAre(5, 6, 2, 5));
  EXPECT_THAT(Marche(2, -1, 3), ElementsAre(6, 5, 2));
  choix.TypeDonnes = tdARevoir;
  choix.ScoreInferieurA = 50;
  EXPECT_THAT(Marche(6, +1, 4), ElementsAre(2, 4, 5, 6));
  // The only chosen deal is the one shown: next gives it again.
  choix.TypeDonnes = tdForce;
  choix.ForceChoisie = 4;
  EXPECT_THAT(Marche(4, +1, 2), ElementsAre(4, 4));
  EXPECT_THAT(Marche(4, -1, 1), ElementsAre(4));
}

TEST_F(ChoixDonnesTest, FiltreChangeEnCoursDeVolume) {
  // Deal 3 is shown, then the filter turns to theme 7, which deal 3 is not
  // on: next goes to the first chosen deal after it, previous to the last
  // before it, both wrapping around.
  choix.TypeDonnes = tdTheme;
  choix.NumeroTheme = 7;
  EXPECT_EQ(Pas(3, +1).Donne, 5);
  EXPECT_EQ(Pas(3, -1).Donne, 2);
  choix.TypeDonnes = tdForce;
  choix.ForceChoisie = 2;
  EXPECT_EQ(Pas(5, +1).Donne, 6);
  EXPECT_EQ(Pas(1, -1).Donne, 6);
  EXPECT_EQ(Pas(4, -1).Donne, 3);
  // Replaying stays on the deal shown even when the filter leaves it out.
  EXPECT_EQ(Pas(4, 0).Donne, 4);
  // A current deal outside the base: next starts the walk, previous ends it.
  EXPECT_EQ(Pas(0, +1).Donne, 2);
  EXPECT_EQ(Pas(7, -1).Donne, 6);
}

TEST_F(ChoixDonnesTest, SelectionVideGardeLaDonneAvecUnMessage) {
  choix.TypeDonnes = tdTheme;
  choix.NumeroTheme = 12;
  for (const int sens : {+1, -1}) {
    const TPasDonne pas = Pas(3, sens);
    EXPECT_EQ(pas.Donne, 3);
    EXPECT_EQ(pas.Message, MessageSelectionVide);
  }
  EXPECT_THAT(std::string(MessageSelectionVide), ::testing::HasSubstr("Aucune donne"));
  choix.Aleatoire = true;
  const std::vector<int> aleatoire{4, 1, 6, 2, 5, 3};
  EXPECT_EQ(Pas(6, +1, aleatoire).Message, MessageSelectionVide);
  // An empty base: nothing to walk through, nothing read out of bounds.
  const TPasDonne vide = DonneVoisine(TChoixDonnes{}, TCatalogue{}, TScores{}, {}, 1, +1);
  EXPECT_EQ(vide.Donne, 1);
  EXPECT_EQ(vide.Message, MessageSelectionVide);
}

TEST_F(ChoixDonnesTest, OrdreAleatoireRestreintAuxDonnesChoisies) {
  choix.Aleatoire = true;
  const std::vector<int> aleatoire{4, 1, 6, 2, 5, 3};
  EXPECT_THAT(Marche(4, +1, 6, aleatoire), ElementsAre(1, 6, 2, 5, 3, 4));
  EXPECT_THAT(Marche(4, -1, 2, aleatoire), ElementsAre(3, 5));
  choix.TypeDonnes = tdTheme;
  choix.NumeroTheme = 7;
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, notes, aleatoire), ElementsAre(6, 2, 5));
  EXPECT_THAT(Marche(6, +1, 4, aleatoire), ElementsAre(2, 5, 6, 2));
  EXPECT_THAT(Marche(6, -1, 3, aleatoire), ElementsAre(5, 2, 6));
  // Deal 4 shown, not on the theme: next is the first chosen deal after it
  // in the random order, previous the last chosen one before it.
  EXPECT_EQ(Pas(4, +1, aleatoire).Donne, 6);
  EXPECT_EQ(Pas(4, -1, aleatoire).Donne, 5);
  // A new draw changes the walk over the same chosen deals.
  const std::vector<int> autre{5, 3, 2, 4, 1, 6};
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, notes, autre), ElementsAre(5, 2, 6));
}

TEST_F(ChoixDonnesTest, OrdreAleatoireAbimeNePerdAucuneDonne) {
  choix.Aleatoire = true;
  // Repeated, out-of-range and missing entries: each deal once, the missing
  // ones last in ascending order.
  const std::vector<int> abime{3, 3, 9, 0, -2, 1};
  EXPECT_THAT(OrdreComplet(choix, 4, abime), ElementsAre(3, 1, 2, 4));
  EXPECT_THAT(OrdreComplet(choix, 4, {}), ElementsAre(1, 2, 3, 4));
  EXPECT_THAT(OrdreComplet(choix, 0, abime), IsEmpty());
  EXPECT_THAT(Marche(4, +1, 6, abime), ElementsAre(5, 6, 3, 1, 2, 4));
  choix.Aleatoire = false;
  EXPECT_THAT(OrdreComplet(choix, 4, abime), ElementsAre(1, 2, 3, 4));
}

TEST_F(ChoixDonnesTest, LesReglagesDecidentDeLOrdre) {
  TReglages reglages;
  EXPECT_FALSE(ChoixDonnes(reglages).Aleatoire);
  reglages.Ordre = 1;
  EXPECT_TRUE(ChoixDonnes(reglages).Aleatoire);
  reglages.Ordre = 0;
  reglages.Aleatoire = true;
  EXPECT_TRUE(ChoixDonnes(reglages).Aleatoire);
  reglages.TypeDonnes = tdForce;
  reglages.NumeroTheme = 5;
  reglages.ForceChoisie = 3;
  reglages.ScoreInferieurA = 60;
  const TChoixDonnes lu = ChoixDonnes(reglages);
  EXPECT_EQ(lu.TypeDonnes, tdForce);
  EXPECT_EQ(lu.NumeroTheme, 5);
  EXPECT_EQ(lu.ForceChoisie, 3);
  EXPECT_EQ(lu.ScoreInferieurA, 60);
}

// On a volume-sized base in a drawn order, a full turn of next meets every
// chosen deal once, in the walk's order, and comes back to the start;
// previous walks the same cycle backwards.
TEST(ChoixDonnesVolume, UnTourCompletParChaqueSens) {
  TCatalogue catalogue;
  for (int n = 1; n <= 120; ++n) catalogue.Ajoute(n % 5, n % 27);
  std::vector<int> aleatoire(120);
  std::iota(aleatoire.begin(), aleatoire.end(), 1);
  std::shuffle(aleatoire.begin(), aleatoire.end(), std::mt19937{16});
  const TScores notes{120};
  const TChoixDonnes choix{.Aleatoire = true, .TypeDonnes = tdForce, .ForceChoisie = 3};
  const std::vector<int> parcours = ParcoursDonnes(choix, catalogue, notes, aleatoire);
  ASSERT_EQ(parcours.size(), 24u);
  std::vector<int> avant, arriere;
  int donne = parcours.front();
  for (std::size_t k = 0; k < parcours.size(); ++k) {
    donne = DonneVoisine(choix, catalogue, notes, aleatoire, donne, +1).Donne;
    avant.push_back(donne);
  }
  for (std::size_t k = 0; k < parcours.size(); ++k) {
    arriere.push_back(donne);
    donne = DonneVoisine(choix, catalogue, notes, aleatoire, donne, -1).Donne;
  }
  std::vector<int> attendu(parcours.begin() + 1, parcours.end());
  attendu.push_back(parcours.front());
  EXPECT_EQ(avant, attendu);
  EXPECT_EQ(arriere, std::vector<int>(attendu.rbegin(), attendu.rend()));
}

}  // namespace
}  // namespace kalvo::test
