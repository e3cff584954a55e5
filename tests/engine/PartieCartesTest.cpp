// The trick rule and the card-by-card driver every tool plays through:
// the winner, the refusals, the tricks recorded, and an engine kept as the
// trainer keeps it.
#include <gtest/gtest.h>

#include "engine/PartieCartes.h"
#include "tests/engine/AideSuivi.h"

#include <algorithm>

namespace kalvo {
namespace {

using test::C;

// S: ♠AKQ2 ♥KJ3 ♦A2 ♣K432, W: ♠JT9 ♥Q92 ♦KQJ3 ♣QJ9,
// N: ♠8765 ♥A84 ♦T98 ♣A76, E: ♠43 ♥T765 ♦7654 ♣T85.
T4Jeux DonneD() {
  return test::Jeux({"AKQ2.KJ3.A2.K432", "JT9.Q92.KQJ3.QJ9", "8765.A84.T98.A76", "43.T765.7654.T85"});
}

TEST(GagnantLevee, CouleurEntameeOuAtout) {
  TCartesJouees t{C("S2"), C("SK"), C("SA"), C("H3")};
  EXPECT_EQ(GagnantLevee(t, jrSud, clSA), jrNord);
  EXPECT_EQ(GagnantLevee(t, jrSud, clCoeur), jrEst);
  EXPECT_EQ(GagnantLevee(t, jrSud, clCarreau), jrNord);
  const TCartesJouees atouts{C("H2"), C("HK"), C("HA"), C("H3")};
  EXPECT_EQ(GagnantLevee(atouts, jrOuest, clCoeur), jrNord);
  // The record lists the cards from the leader.
  const TLeveeJouee levee = LeveeJouee(t, jrEst, clCoeur);
  EXPECT_EQ(levee.Cartes, (std::array<TCard, 4>{C("H3"), C("S2"), C("SK"), C("SA")}));
  EXPECT_EQ(levee.Gagnant, jrEst);
}

// Following suit: the leader may play anything it holds, a follower with
// cards of the suit led only those, a follower without any card; played
// cards are never offered.
TEST(CartesPermises, FournirQuandOnPeut) {
  TSuiviMains suivi;
  suivi.s_Initialise(DonneD(), 0, clSA);
  EXPECT_EQ(CartesPermises(suivi, jrOuest, TCard{}).size(), 13u);
  const std::vector<TCard> carreaux = CartesPermises(suivi, jrNord, C("DK"));
  ASSERT_EQ(carreaux.size(), 3u);
  for (TCard c : carreaux) EXPECT_EQ(c.Couleur(), clCarreau);
  test::Joue(suivi, jrEst, C("S4"));
  test::Joue(suivi, jrEst, C("S3"));
  // East has no spade left: any of his eleven other cards.
  const std::vector<TCard> defausses = CartesPermises(suivi, jrEst, C("SA"));
  EXPECT_EQ(defausses.size(), 11u);
  EXPECT_EQ(std::count(defausses.begin(), defausses.end(), C("S4")), 0);
}

TEST(PartieCartes, RefusNommesEtRienNeChange) {
  TPartieCartes partie(DonneD(), clSA);
  EXPECT_EQ(partie.Joue(C("SA")), "Ouest n'a pas l'As de Pique");
  ASSERT_EQ(partie.Joue(C("DK")), std::nullopt);
  EXPECT_EQ(partie.Joue(C("C6")), "Nord doit fournir à Carreau");
  EXPECT_EQ(partie.Joue(C("DK")), "Nord n'a pas le Roi de Carreau");
  EXPECT_EQ(partie.JoueurActuel(), jrNord);
  EXPECT_EQ(partie.Cartes().size(), 1u);
  ASSERT_EQ(partie.Joue(C("D8")), std::nullopt);
  ASSERT_EQ(partie.Joue(C("D4")), std::nullopt);
  ASSERT_EQ(partie.Joue(C("D2")), std::nullopt);
  EXPECT_EQ(partie.JoueurActuel(), jrOuest);  // West won and leads again
  EXPECT_EQ(partie.Joue(C("DK")), "Ouest a déjà joué le Roi de Carreau");
}

// Thirteen tricks against a hand-driven engine: the same winners, counts
// and flags after every trick.
TEST(PartieCartes, TreizeLeveesCommeLeMoteurLesVoit) {
  const T4Jeux jeux = DonneD();
  TPartieCartes partie(jeux, clCoeur);
  TSuiviMains suivi;
  suivi.s_Initialise(jeux, 0, clCoeur);
  std::mt19937 alea(7);
  TJoueur entameur = jrOuest;
  int ns = 0;
  for (int levee = 1; levee <= 13; ++levee) {
    TCartesJouees table{};
    for (int k = 0; k < 4; ++k) {
      const TJoueur j = partie.JoueurActuel();
      ASSERT_EQ(j, static_cast<TJoueur>((entameur + k) % 4));
      std::vector<TCard> permises;
      for (T4Couleur s : ToutesLesCouleurs)
        for (TCard c : partie.Restantes(j, s))
          if (partie.PeutJouer(c)) permises.push_back(c);
      ASSERT_FALSE(permises.empty());
      const TCard carte = permises[alea() % permises.size()];
      ASSERT_EQ(partie.Joue(carte), std::nullopt);
      table[j] = carte;
      test::Joue(suivi, j, carte);
    }
    test::FinDeLevee(suivi, levee);
    entameur = GagnantLevee(table, entameur, clCoeur);
    ns += entameur == jrSud || entameur == jrNord ? 1 : 0;
    ASSERT_EQ(partie.Levees().size(), static_cast<std::size_t>(levee));
    EXPECT_EQ(partie.GagnantDerniere(), entameur);
    EXPECT_EQ(partie.Entameur(), entameur);
    EXPECT_EQ(partie.LeveesNS(), ns);
    EXPECT_EQ(partie.LeveesEO(), levee - ns);
    EXPECT_TRUE(partie.FinDeLevee());
    for (TJoueur j : {jrSud, jrNord}) {
      EXPECT_EQ(partie.Suivi().s_GetMaitressesRealisables(j), suivi.s_GetMaitressesRealisables(j));
      for (int i = 1; i <= 13; ++i) EXPECT_EQ(partie.Suivi().Suivi(j, i).rang, suivi.Suivi(j, i).rang);
    }
  }
  EXPECT_TRUE(partie.Terminee());
  EXPECT_EQ(partie.Cartes().size(), 52u);
  EXPECT_EQ(partie.Joue(C("SA")), "les treize levées sont déjà jouées");
}

}  // namespace
}  // namespace kalvo
