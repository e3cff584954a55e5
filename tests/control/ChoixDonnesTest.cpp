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
  // The difficulty is the place of the choice in the dialog's list.
  choix.TypeDonnes = tdForce;
  choix.ForceChoisie = 1;  // "2"
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 3, 6));
  choix.ForceChoisie = 4;  // "> 1"
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 3, 4, 6));
  choix.ForceChoisie = 8;  // "< 3"
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(1, 2, 3, 5, 6));
  choix.ForceChoisie = -1;  // a hand-written file: no difficulty
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
  // "À revoir" on one theme: the weak and unplayed deals of theme 7 only.
  choix.ScoreInferieurA = 50;
  choix.NumeroTheme = 7;
  EXPECT_THAT(DonnesChoisies(choix, catalogue, notes), ElementsAre(2, 5, 6));
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
  // "À revoir" below 50: the weak deals 2 and 5 first, then the unplayed
  // 4 and 6, and round again (on every theme: NumeroTheme 0).
  choix.TypeDonnes = tdARevoir;
  choix.NumeroTheme = 0;
  choix.ScoreInferieurA = 50;
  EXPECT_THAT(Marche(6, +1, 5), ElementsAre(2, 5, 4, 6, 2));
  EXPECT_THAT(Marche(2, -1, 4), ElementsAre(6, 4, 5, 2));
  // The only chosen deal is the one shown: next gives it again.
  choix.TypeDonnes = tdForce;
  choix.ForceChoisie = 3;
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
  choix.ForceChoisie = 1;
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

// The weak deals come back first, in the drawn order when it is random, and
// the walk follows the marks as they change: a deal played well leaves the
// weak part (and the selection), a deal played badly joins it.
TEST_F(ChoixDonnesTest, ARevoirLesDonnesFaiblesDAbord) {
  choix.TypeDonnes = tdARevoir;
  choix.ScoreInferieurA = 60;
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, notes, {}), ElementsAre(2, 3, 5, 4, 6));
  choix.Aleatoire = true;
  const std::vector<int> aleatoire{4, 5, 6, 3, 1, 2};
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, notes, aleatoire), ElementsAre(5, 3, 2, 4, 6));
  // From an unplayed deal, next keeps going through the unplayed ones and
  // then comes back to the weak ones.
  EXPECT_THAT(Marche(4, +1, 3, aleatoire), ElementsAre(6, 5, 3));
  // Deal 1 (80, not chosen) is last in the walk: next wraps to the first
  // weak deal.
  EXPECT_EQ(Pas(1, +1, aleatoire).Donne, 5);
  TScores apres = notes;
  apres[3] = 90;  // deal 3 played well
  apres[4] = 10;  // deal 4 played badly
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, apres, aleatoire), ElementsAre(4, 5, 2, 6));
  // Ascending order and no "à revoir": the walk is the plain order.
  choix = TChoixDonnes{};
  EXPECT_THAT(ParcoursDonnes(choix, catalogue, notes, aleatoire), ElementsAre(1, 2, 3, 4, 5, 6));
}

// Each difficulty choice of the list against each difficulty 0..5 (0 and 5
// are out of the usual range and must not slip through a bound).
TEST(ChoixDonnesForces, ChaqueChoixDeLaListe) {
  const std::array<std::vector<int>, 9> attendus{{{1}, {2}, {3}, {4}, {2, 3, 4, 5}, {3, 4, 5}, {4, 5}, {0, 1, 2, 3}, {0, 1, 2}}};
  for (int choixForce = 0; choixForce < 9; ++choixForce) {
    std::vector<int> retenues;
    for (int force = 0; force <= 5; ++force)
      if (ForceConvient(choixForce, force)) retenues.push_back(force);
    EXPECT_EQ(retenues, attendus[static_cast<std::size_t>(choixForce)]) << ChoixForces[static_cast<std::size_t>(choixForce)];
  }
  for (const int horsListe : {-1, 9, 100})
    for (int force = 0; force <= 5; ++force) EXPECT_FALSE(ForceConvient(horsListe, force));
}

// What the settings dialog writes is a filter the walk can meet: the kind
// chosen with its own value, never a kind whose value was cleared.
TEST(ChoixDonnesDialogue, LeFiltreSaisiEstCoherent) {
  EXPECT_EQ(FiltreSaisi(tdTheme, 4, 2, 3), (TFiltreDonnes{.TypeDonnes = tdTheme, .NumeroTheme = 5}));
  EXPECT_EQ(FiltreSaisi(tdForce, 4, 2, 3), (TFiltreDonnes{.TypeDonnes = tdForce, .ForceChoisie = 2}));
  EXPECT_EQ(FiltreSaisi(tdARevoir, -1, 2, 3), (TFiltreDonnes{.TypeDonnes = tdARevoir, .ScoreInferieurA = 70}));
  EXPECT_EQ(FiltreSaisi(tdARevoir, 6, -1, 0),
            (TFiltreDonnes{.TypeDonnes = tdARevoir, .NumeroTheme = 7, .ScoreInferieurA = 100}));
  EXPECT_EQ(FiltreSaisi(tdToutes, 4, 2, 3), TFiltreDonnes{});
  // A kind without its value, no kind, or values out of the lists: no
  // restriction at all rather than an empty walk.
  for (const auto& [type, theme, force, seuil] : std::initializer_list<std::array<int, 4>>{
           {tdTheme, -1, 2, 3}, {tdForce, 4, -1, 3}, {tdARevoir, 4, 2, -1}, {-1, 4, 2, 3},
           {tdTheme, 27, 0, 0}, {tdForce, 0, 9, 0}, {tdARevoir, 0, 0, 10}, {7, 0, 0, 0}})
    EXPECT_EQ(FiltreSaisi(type, theme, force, seuil), TFiltreDonnes{}) << type << ' ' << theme << ' ' << force << ' ' << seuil;

  // Every filter the dialog can write selects deals on a base that holds
  // every theme and difficulty, and shows again as it was chosen.
  TCatalogue catalogue;
  for (int theme = 1; theme < NbThemes; ++theme)
    for (int force = 1; force <= 4; ++force) catalogue.Ajoute(force, theme);
  const TScores notes{catalogue.NbDonnes()};
  for (int type = -1; type <= 4; ++type)
    for (int theme = -1; theme <= 27; theme += 7)
      for (int force = -1; force <= 9; ++force)
        for (int seuil = -1; seuil <= 10; seuil += 3) {
          const TFiltreDonnes f = FiltreSaisi(type, theme, force, seuil);
          TReglages r;
          r.TypeDonnes = f.TypeDonnes;
          r.NumeroTheme = f.NumeroTheme;
          r.ForceChoisie = f.ForceChoisie;
          r.ScoreInferieurA = f.ScoreInferieurA;
          ASSERT_THAT(DonnesChoisies(ChoixDonnes(r), catalogue, notes), ::testing::Not(IsEmpty()));
          const TSaisieFiltre vu = SaisieDuFiltre(r);
          EXPECT_EQ(FiltreSaisi(vu.TypeDonnes, vu.IndexTheme, vu.IndexForce, vu.IndexSeuil), f);
        }
  // Settings the dialog cannot show leave its lists without a choice.
  TReglages abime;
  abime.TypeDonnes = 3;
  abime.NumeroTheme = 0;
  abime.ForceChoisie = -1;
  abime.ScoreInferieurA = 55;
  const TSaisieFiltre vu = SaisieDuFiltre(abime);
  EXPECT_EQ(vu.TypeDonnes, tdARevoir);
  EXPECT_EQ(vu.IndexTheme, -1);
  EXPECT_EQ(vu.IndexForce, -1);
  EXPECT_EQ(vu.IndexSeuil, -1);
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
  const TChoixDonnes choix{.Aleatoire = true, .TypeDonnes = tdForce, .ForceChoisie = 2};
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
