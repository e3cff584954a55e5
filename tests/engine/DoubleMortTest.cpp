// The double-dummy analysis against a search of our own on small endings
// (every legal card, its value for North-South, seats and suits in the
// solver's numbering), on a whole deal, from several threads at once, and
// on positions the solver must refuse.
#include <gtest/gtest.h>

#include "engine/DoubleMort.h"
#include "engine/Levee.h"
#include "engine/PartieCartes.h"
#include "tests/engine/AideSuivi.h"

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <thread>

namespace kalvo {
namespace {

using test::C;

bool EstNS(TJoueur j) { return j == jrSud || j == jrNord; }

std::vector<TCard> CartesLegales(const TPositionDoubleMort& p) {
  const TJoueur j = p.JoueurActuel();
  std::vector<TCard> cartes;
  const bool fournit = p.NbSurTable > 0 && p.Mains[j][p.SurTable[0].c] != 0;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (fournit && s != p.SurTable[0].c) continue;
    for (int h = 14; h >= 2; --h)
      if (p.Mains[j][s] & (1u << h)) cartes.push_back({static_cast<std::uint8_t>(h), s});
  }
  return cartes;
}

TPositionDoubleMort Joue(TPositionDoubleMort p, TCard carte, int& leveeNS) {
  const TJoueur j = p.JoueurActuel();
  p.Mains[j][carte.c] = static_cast<std::uint16_t>(p.Mains[j][carte.c] & ~(1u << carte.h));
  leveeNS = 0;
  if (p.NbSurTable < 3) {
    p.SurTable[static_cast<std::size_t>(p.NbSurTable++)] = carte;
    return p;
  }
  TCartesJouees table{};
  TJoueur k = p.Entameur;
  for (int i = 0; i < 3; ++i, k = JoueurSuivant(k)) table[k] = p.SurTable[static_cast<std::size_t>(i)];
  table[j] = carte;
  const TJoueur gagnant = GagnantLevee(table, p.Entameur, p.Atout);
  leveeNS = EstNS(gagnant) ? 1 : 0;
  p.Entameur = gagnant;
  p.NbSurTable = 0;
  p.SurTable = {};
  return p;
}

// Plain minimax: North-South's tricks from the position.
int Valeur(const TPositionDoubleMort& p) {
  if (p.LeveesRestantes() == 0) return 0;
  const bool ns = EstNS(p.JoueurActuel());
  int meilleur = ns ? -1 : 99;
  for (TCard c : CartesLegales(p)) {
    int levee = 0;
    const TPositionDoubleMort suite = Joue(p, c, levee);
    const int v = levee + Valeur(suite);
    meilleur = ns ? std::max(meilleur, v) : std::min(meilleur, v);
  }
  return meilleur;
}

// Three cards a hand from a shuffled deck; the first seats of the trick
// (0 to 3 of them) have already put a card on the table.
TPositionDoubleMort FinDeDonne(std::mt19937& alea) {
  std::vector<int> jeu(52);
  for (int i = 0; i < 52; ++i) jeu[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(jeu.begin(), jeu.end(), alea);
  TPositionDoubleMort p;
  p.Atout = static_cast<TCouleur>(alea() % 5);
  p.Entameur = static_cast<TJoueur>(alea() % 4);
  for (int k = 0; k < 12; ++k) {
    const TCard c = CarteDeIndex(jeu[static_cast<std::size_t>(k)]);
    auto& couleur = p.Mains[static_cast<std::size_t>(k % 4)][c.c];
    couleur = static_cast<std::uint16_t>(couleur | (1u << c.h));
  }
  const int surTable = static_cast<int>(alea() % 4);
  for (int k = 0; k < surTable; ++k) {
    const std::vector<TCard> legales = CartesLegales(p);
    int levee = 0;
    p = Joue(p, legales[alea() % legales.size()], levee);
  }
  return p;
}

TEST(DoubleMort, ChaqueCarteLegaleAvecSaValeurExacte) {
  std::mt19937 alea(13);
  for (int essai = 0; essai < 40; ++essai) {
    const TPositionDoubleMort p = FinDeDonne(alea);
    const std::vector<TValeurCarte> valeurs = AnalyseDoubleMort(p);
    std::vector<TCard> vues;
    for (const TValeurCarte& v : valeurs) vues.push_back(v.Carte);
    std::vector<TCard> legales = CartesLegales(p);
    const auto ordre = [](TCard a, TCard b) { return IndexCarte(a) < IndexCarte(b); };
    std::sort(vues.begin(), vues.end(), ordre);
    std::sort(legales.begin(), legales.end(), ordre);
    ASSERT_EQ(vues, legales) << "essai " << essai;
    for (const TValeurCarte& v : valeurs) {
      int levee = 0;
      const TPositionDoubleMort suite = Joue(p, v.Carte, levee);
      EXPECT_EQ(v.LeveesNS, levee + Valeur(suite)) << "essai " << essai << ", " << CodeCarte(v.Carte);
    }
    // The best card for the side to play comes first.
    const bool ns = EstNS(p.JoueurActuel());
    EXPECT_TRUE(std::is_sorted(valeurs.begin(), valeurs.end(), [ns](const TValeurCarte& a, const TValeurCarte& b) {
      return ns ? a.LeveesNS > b.LeveesNS : a.LeveesNS < b.LeveesNS;
    }));
    EXPECT_EQ(LeveesNSDoubleMort(p), Valeur(p));
  }
}

// S: ♠AKQ2 ♥KJ3 ♦A2 ♣K432, W: ♠JT9 ♥Q92 ♦KQJ3 ♣QJ9,
// N: ♠8765 ♥A84 ♦T98 ♣A76, E: ♠43 ♥T765 ♦7654 ♣T85.
T4Jeux DonneD() {
  return test::Jeux({"AKQ2.KJ3.A2.K432", "JT9.Q92.KQJ3.QJ9", "8765.A84.T98.A76", "43.T765.7654.T85"});
}

TEST(DoubleMort, DonneEntiereDepuisLaPartieJouee) {
  TPartieCartes partie(DonneD(), clSA);
  ASSERT_EQ(partie.Joue(C("DK")), std::nullopt);
  // From the engine of a deal being played: the lead is on the table.
  const TPositionDoubleMort p = PositionDoubleMort(partie);
  EXPECT_EQ(p.JoueurActuel(), jrNord);
  EXPECT_EQ(p.LeveesRestantes(), 13);
  EXPECT_FALSE(p.Tient(jrOuest, C("DK")));
  EXPECT_TRUE(p.Tient(jrNord, C("D8")));
  const std::vector<TValeurCarte> valeurs = AnalyseDoubleMort(p);
  ASSERT_EQ(valeurs.size(), 3u);  // North follows with a diamond
  for (const TValeurCarte& v : valeurs) EXPECT_EQ(v.Carte.c, clCarreau);
  const int total = LeveesNSDoubleMort(partie);
  EXPECT_EQ(total, valeurs.front().LeveesNS);
  // The lowest of the best cards, and the same total once it is played.
  const TCard meilleure = MeilleureCarteDoubleMort(partie);
  EXPECT_EQ(meilleure, C("D8"));
  ASSERT_EQ(partie.Joue(meilleure), std::nullopt);
  EXPECT_EQ(LeveesNSDoubleMort(partie), total);
}

TEST(DoubleMort, PlusieursFilsALaFois) {
  std::mt19937 alea(7);
  std::vector<TPositionDoubleMort> positions;
  for (int i = 0; i < 12; ++i) positions.push_back(FinDeDonne(alea));
  TPartieCartes partie(DonneD(), clSA);
  ASSERT_EQ(partie.Joue(C("DK")), std::nullopt);
  positions.push_back(PositionDoubleMort(partie));
  std::vector<int> attendus;
  for (const TPositionDoubleMort& p : positions) attendus.push_back(LeveesNSDoubleMort(p));

  std::vector<std::vector<int>> trouves(4);
  std::vector<std::thread> fils;
  for (std::size_t f = 0; f < trouves.size(); ++f)
    fils.emplace_back([&, f] {
      for (int tour = 0; tour < 3; ++tour)
        for (const TPositionDoubleMort& p : positions) trouves[f].push_back(LeveesNSDoubleMort(p));
    });
  // Giving the memory back waits for the calls under way; the next calls
  // set it up again.
  LibereDoubleMort();
  for (std::thread& f : fils) f.join();
  for (const std::vector<int>& t : trouves) {
    ASSERT_EQ(t.size(), 3 * positions.size());
    for (std::size_t i = 0; i < t.size(); ++i) EXPECT_EQ(t[i], attendus[i % positions.size()]);
  }
  LibereDoubleMort();
  EXPECT_EQ(LeveesNSDoubleMort(positions.back()), attendus.back());
}

TEST(DoubleMort, PositionsRefusees) {
  std::mt19937 alea(3);
  TPositionDoubleMort p = FinDeDonne(alea);
  TPositionDoubleMort vide;
  EXPECT_TRUE(AnalyseDoubleMort(vide).empty());
  EXPECT_EQ(LeveesNSDoubleMort(vide), 0);

  // A hand with one card too many.
  TPositionDoubleMort trop = p;
  const TJoueur j = trop.JoueurActuel();
  for (int h = 2; h <= 14; ++h) {
    bool prise = false;
    for (TJoueur k : TousLesJoueurs) prise = prise || trop.Tient(k, TCard{static_cast<std::uint8_t>(h), clTrefle});
    if (!prise) {
      trop.Mains[j][clTrefle] = static_cast<std::uint16_t>(trop.Mains[j][clTrefle] | (1u << h));
      break;
    }
  }
  EXPECT_THROW(AnalyseDoubleMort(trop), ErreurDoubleMort);

  TPositionDoubleMort table = p;
  table.NbSurTable = 4;
  EXPECT_THROW(AnalyseDoubleMort(table), ErreurDoubleMort);
  table.NbSurTable = 1;
  table.SurTable[0] = TCard{15, clPique};
  EXPECT_THROW(AnalyseDoubleMort(table), ErreurDoubleMort);
  TPositionDoubleMort rang = p;
  rang.Mains[jrOuest][clPique] |= 1u << 15;
  EXPECT_THROW(AnalyseDoubleMort(rang), ErreurDoubleMort);
}

}  // namespace
}  // namespace kalvo
