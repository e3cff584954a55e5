// Solution mode: which orders of the declarer side's last cards are kept,
// and in which order they are listed.
#include <gtest/gtest.h>

#include "engine/SuiviMains.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Position;

struct TLeveeAttendue {
  TJoueur entameur;
  std::string_view joueur, partenaire;
};

TSolution Solution(const std::vector<TLeveeAttendue>& levees) {
  TSolution s{};
  for (std::size_t t = 0; t < levees.size(); ++t) s[t] = {levees[t].entameur, C(levees[t].joueur), C(levees[t].partenaire)};
  return s;
}

std::vector<TSolution> Liste(const TSuiviMains& suivi) {
  std::vector<TSolution> liste;
  for (int c = 1; c <= suivi.NbSolutions(); ++c) liste.push_back(suivi.ListeSolutions().Solution(c));
  return liste;
}

// Orders of a list in candidate order, built independently: all orders starting with
// the first element, then the list rotated left in place, n rotations in all.
void Ordres(std::vector<int>& liste, std::size_t debut, std::vector<std::vector<int>>& sortie) {
  if (debut + 1 >= liste.size()) {
    sortie.push_back(liste);
    return;
  }
  for (std::size_t r = debut; r < liste.size(); ++r) {
    Ordres(liste, debut + 1, sortie);
    std::rotate(liste.begin() + static_cast<std::ptrdiff_t>(debut), liste.begin() + static_cast<std::ptrdiff_t>(debut) + 1,
                liste.end());
  }
}
std::vector<std::vector<int>> Ordres(int n) {
  std::vector<int> liste(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) liste[static_cast<std::size_t>(k)] = k;
  std::vector<std::vector<int>> sortie;
  Ordres(liste, 0, sortie);
  return sortie;
}

std::vector<TCard> Restantes(const TSuiviMains& suivi, TJoueur j) {
  std::vector<TCard> cartes;
  for (int i = 1; i <= 13; ++i) {
    if (!suivi.s_isCarteJouee(j, i)) cartes.push_back(suivi.Carte(j, i));
  }
  return cartes;
}

// The whole candidate table checked candidate by candidate from trick 1,
// with the four hands' counts: the plain reading that the search must match.
std::vector<TSolution> SolutionsLitterales(const TSuiviMains& suivi, TJoueur J, int levee) {
  const int n = 14 - levee;
  const TJoueur P = Partenaire(J);
  const std::array<TJoueur, 2> mains{J, P};
  std::array<std::vector<TCard>, 2> cartes{Restantes(suivi, J), Restantes(suivi, P)};
  auto record = [&](int cote, TCard c) -> const TSuiviCarte& {
    return suivi.Suivi(mains[static_cast<std::size_t>(cote)], suivi.s_ChercheIndiceCarte(mains[static_cast<std::size_t>(cote)], c));
  };
  int K = 0;
  std::array<std::array<int, 4>, 2> M0{}, E0{};
  for (int cote = 0; cote < 2; ++cote) {
    for (TCard c : cartes[static_cast<std::size_t>(cote)]) {
      const TSuiviCarte& x = record(cote, c);
      K += x.maitresse || x.affranchie;
      if (x.maitresse) ++M0[static_cast<std::size_t>(cote)][c.c];
      if (x.affranchie && !x.maitresse) ++E0[static_cast<std::size_t>(cote)][c.c];
    }
  }
  const TCouleur atout = suivi.CouleurAtout();
  auto estAtout = [&](TCard c) { return atout != clSA && c.c == atout; };
  const auto ordres = Ordres(n);
  std::vector<TSolution> solutions;
  for (const auto& oa : ordres) {
    for (const auto& ob : ordres) {
      std::array<std::array<int, 4>, 4> X{};
      for (TJoueur j : TousLesJoueurs)
        for (T4Couleur s : ToutesLesCouleurs) X[j][s] = suivi.SuiviCouleur(j, s).nombre;
      auto M = M0;
      auto E = E0;
      int W = 0;
      int entameur = 0;  // 0 = J, 1 = P
      TSolution solution{};
      bool valide = true;
      for (int m = 1; m <= n && valide; ++m) {
        const std::array<TCard, 2> jouees{cartes[0][static_cast<std::size_t>(oa[static_cast<std::size_t>(m - 1)])],
                                          cartes[1][static_cast<std::size_t>(ob[static_cast<std::size_t>(m - 1)])]};
        const int l = entameur;
        const int f = 1 - l;
        const TCard cL = jouees[static_cast<std::size_t>(l)];
        const TCard cF = jouees[static_cast<std::size_t>(f)];
        const TSuiviCarte& xL = record(l, cL);
        const TSuiviCarte& xF = record(f, cF);
        auto& ML = M[static_cast<std::size_t>(l)];
        auto& MF = M[static_cast<std::size_t>(f)];
        auto& EL = E[static_cast<std::size_t>(l)];
        auto& EF = E[static_cast<std::size_t>(f)];
        const bool estL = xL.affranchie && ML[cL.c] == 0;
        const bool estF = xF.affranchie && MF[cF.c] == 0;
        if (cL.c != cF.c) {
          if (X[mains[static_cast<std::size_t>(f)]][cL.c] != 0) {
            valide = false;
          } else if (estAtout(cL) || estAtout(cF)) {
          } else if (xL.maitresse && xF.maitresse) {
            if (EF[cF.c] != 0 || K < n || K - (W + 2) < n - m) {
              valide = false;
            } else {
              W += 2, --ML[cL.c], --MF[cF.c];
            }
          } else if (xL.maitresse) {
            W += 1, --ML[cL.c];
            if (estF) --EF[cF.c];
          } else if (!estL) {
            valide = false;
          } else {
            W += 1, --EL[cL.c];
            if (estF) W += 1, --EF[cF.c];
          }
        } else if (xL.maitresse && xF.maitresse) {
          if (K < n || K - (W + 2) < n - m) {
            valide = false;
          } else {
            W += 2, --ML[cL.c], --MF[cF.c];
          }
        } else if (xL.maitresse || xF.maitresse) {
          W += 1;
          --(xL.maitresse ? ML : MF)[cL.c];
          if (estL) --EL[cL.c];
          if (estF) --EF[cF.c];
        } else if (estL || estF) {
          if (estL) W += 1, --EL[cL.c];
          if (estF) W += 1, --EF[cF.c];
        } else {
          valide = false;
        }
        if (!valide) break;
        --X[mains[static_cast<std::size_t>(l)]][cL.c];
        --X[mains[static_cast<std::size_t>(f)]][cF.c];
        for (TJoueur d : {jrOuest, jrEst}) {
          if (X[d][cL.c] > 0) --X[d][cL.c];
        }
        solution[static_cast<std::size_t>(m - 1)] = {mains[static_cast<std::size_t>(l)], jouees[0], jouees[1]};
        if (jouees[0].c == jouees[1].c) {
          entameur = jouees[0].h > jouees[1].h ? 0 : 1;
        } else if (estAtout(jouees[0])) {
          entameur = 0;
        } else if (estAtout(jouees[1])) {
          entameur = 1;
        }
      }
      if (valide && solutions.size() < NbMaxSolutions) solutions.push_back(solution);
    }
  }
  return solutions;
}

TEST(Enumeration, DeuxLeveesDansLOrdreDesCandidats) {
  // Every candidate holds: South cashes its aces, North discards small clubs.
  TSuiviMains suivi = Position({"A.A..", "K...A", "...32", ".K..K"});
  suivi.s_CalculeSolutions(jrSud, 12);
  const std::vector<TSolution> attendu{
      Solution({{jrSud, "SA", "C3"}, {jrSud, "HA", "C2"}}),
      Solution({{jrSud, "SA", "C2"}, {jrSud, "HA", "C3"}}),
      Solution({{jrSud, "HA", "C3"}, {jrSud, "SA", "C2"}}),
      Solution({{jrSud, "HA", "C2"}, {jrSud, "SA", "C3"}}),
  };
  EXPECT_EQ(suivi.NbSolutions(), 4);
  EXPECT_EQ(Liste(suivi), attendu);
  // Tricks past n, and solutions past the count, stay zero.
  EXPECT_EQ(suivi.ListeSolutions().Levee(1, 3), TLeveeSolution{});
  EXPECT_EQ(suivi.ListeSolutions().Solution(5), TSolution{});
}

TEST(Enumeration, TroisLeveesRotationsImbriquees) {
  TSuiviMains suivi = Position({"A.A.A.", "K.K.K.", "...432", "...AKQ"});
  suivi.s_CalculeSolutions(jrSud, 11);
  ASSERT_EQ(suivi.NbSolutions(), 36);
  // J's orders 123, 132, 231, 213, 312, 321, each with the six orders of P inside.
  const std::array<std::string_view, 3> a{"SA", "HA", "DA"};
  const std::array<std::string_view, 3> b{"C4", "C3", "C2"};
  const std::array<std::array<int, 3>, 6> ordres{{{0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}}};
  int c = 1;
  for (const auto& oa : ordres) {
    for (const auto& ob : ordres) {
      for (int t = 0; t < 3; ++t) {
        const TLeveeSolution& l = suivi.ListeSolutions().Levee(c, t + 1);
        EXPECT_EQ(l.carteJoueur, C(a[static_cast<std::size_t>(oa[static_cast<std::size_t>(t)])])) << c;
        EXPECT_EQ(l.cartePartenaire, C(b[static_cast<std::size_t>(ob[static_cast<std::size_t>(t)])])) << c;
      }
      ++c;
    }
  }
  EXPECT_EQ(Ordres(3).at(2), (std::vector<int>{1, 2, 0}));  // the reference generator agrees
}

TEST(Enumeration, LePartenaireNeDefaussePasQuandIlPeutFournir) {
  TSuiviMains suivi = Position({"A.A..", "K..A.", "2...2", "..K.A"});
  suivi.s_CalculeSolutions(jrSud, 12);
  const std::vector<TSolution> attendu{
      Solution({{jrSud, "SA", "S2"}, {jrSud, "HA", "C2"}}),
      Solution({{jrSud, "HA", "S2"}, {jrSud, "SA", "C2"}}),
      Solution({{jrSud, "HA", "C2"}, {jrSud, "SA", "S2"}}),
  };
  EXPECT_EQ(Liste(suivi), attendu);
}

TEST(Enumeration, UneCouleurAffranchieAttendQueSesMaitressesSoientJouees) {
  // ♠A-3-2 against West's lone ♠K: the small spades count once the ace is gone.
  TSuiviMains suivi = Position({"A32...", "K..AK.", "...432", "...AKQ"});
  suivi.s_CalculeSolutions(jrSud, 11);
  ASSERT_EQ(suivi.NbSolutions(), 12);
  for (int c = 1; c <= 12; ++c) EXPECT_EQ(suivi.ListeSolutions().Levee(c, 1).carteJoueur, C("SA"));
  EXPECT_EQ(suivi.ListeSolutions().Solution(1),
            Solution({{jrSud, "SA", "C4"}, {jrSud, "S3", "C3"}, {jrSud, "S2", "C2"}}));
}

TEST(Atouts, UneCoupeEstAccepteeSansVerifierLeGagnant) {
  // South's ♠2 is no winner, but North ruffs it and then leads trumps.
  const std::array<std::string_view, 4> mains{"2..A.", "AK...", ".32..", ".AK.."};
  TSuiviMains atoutCoeur = Position(mains, clCoeur);
  atoutCoeur.s_CalculeSolutions(jrSud, 12);
  const std::vector<TSolution> attendu{
      Solution({{jrSud, "S2", "H3"}, {jrNord, "DA", "H2"}}),
      Solution({{jrSud, "S2", "H2"}, {jrNord, "DA", "H3"}}),
      Solution({{jrSud, "DA", "H3"}, {jrNord, "S2", "H2"}}),
      Solution({{jrSud, "DA", "H2"}, {jrNord, "S2", "H3"}}),
  };
  EXPECT_EQ(Liste(atoutCoeur), attendu);

  TSuiviMains sansAtout = Position(mains, clSA);
  sansAtout.s_CalculeSolutions(jrSud, 12);
  EXPECT_EQ(sansAtout.NbSolutions(), 0);
  EXPECT_EQ(sansAtout.ListeSolutions().Solution(1), TSolution{});
}

TEST(Limites, AuDelaDe3000LesPremieresSontGardees) {
  TSuiviMains suivi = Position({"AKQ.AKQ..", "JT9.JT9..", "...765432", "..AKQJ.AK"});
  suivi.s_CalculeSolutions(jrSud, 8);
  ASSERT_EQ(suivi.NbSolutions(), NbMaxSolutions);
  const std::vector<TCard> a = Restantes(suivi, jrSud);
  const std::vector<TCard> b = Restantes(suivi, jrNord);
  const auto ordres = Ordres(6);
  for (int c = 1; c <= NbMaxSolutions; ++c) {
    const auto& oa = ordres[static_cast<std::size_t>((c - 1) / 720)];
    const auto& ob = ordres[static_cast<std::size_t>((c - 1) % 720)];
    for (int t = 1; t <= 6; ++t) {
      const TLeveeSolution& l = suivi.ListeSolutions().Levee(c, t);
      ASSERT_EQ(l.carteJoueur, a[static_cast<std::size_t>(oa[static_cast<std::size_t>(t - 1)])]) << c;
      ASSERT_EQ(l.cartePartenaire, b[static_cast<std::size_t>(ob[static_cast<std::size_t>(t - 1)])]) << c;
      ASSERT_EQ(l.entameur, jrSud);
    }
  }
}

TEST(Limites, HorsDeDeuxASixLeveesLaListeEstVide) {
  TSuiviMains suivi = Position({"A.A..", "K...A", "...32", ".K..K"});
  suivi.s_CalculeSolutions(jrSud, 12);
  ASSERT_EQ(suivi.NbSolutions(), 4);
  suivi.s_CalculeSolutions(jrSud, 13);  // one trick left
  EXPECT_EQ(suivi.NbSolutions(), 0);
  EXPECT_EQ(suivi.ListeSolutions().Solution(1), TSolution{});

  TSuiviMains sept = Position({"AKQ.AKQ.2.", "JT9.JT9.3.", "...8765432", "..AKQJ4.AK"});
  sept.s_CalculeSolutions(jrSud, 7);
  EXPECT_EQ(sept.NbSolutions(), 0);
}

// End positions where the declarer side holds rather high cards, so that
// many of them have solutions.
std::array<std::vector<TCard>, 4> FinAuHasard(std::mt19937& alea, int n) {
  std::vector<std::pair<unsigned, int>> paquet;
  for (int i = 1; i <= 52; ++i) {
    const unsigned bonus = CarteDeIndex(i).h >= 10 ? 600u : 0u;
    paquet.emplace_back(alea() % 1000u + bonus, i);
  }
  std::sort(paquet.begin(), paquet.end(), std::greater<>());
  std::array<std::vector<TCard>, 4> mains;
  for (int k = 0; k < 2 * n; ++k) mains[k % 2 == 0 ? jrSud : jrNord].push_back(CarteDeIndex(paquet[static_cast<std::size_t>(k)].second));
  std::shuffle(paquet.begin() + 2 * n, paquet.end(), alea);
  for (int k = 0; k < 2 * n; ++k) mains[k % 2 == 0 ? jrOuest : jrEst].push_back(CarteDeIndex(paquet[static_cast<std::size_t>(2 * n + k)].second));
  return mains;
}

TEST(Reference, LaRechercheElagueeDonneLaListeDeLEnumerationComplete) {
  std::mt19937 alea(1549);
  int avecSolutions = 0;
  for (int n = 2; n <= 6; ++n) {
    const int essais = n == 6 ? 3 : 40;
    for (int essai = 0; essai < essais; ++essai) {
      const TCouleur atout = static_cast<TCouleur>(alea() % 5);
      TSuiviMains suivi = test::PositionCartes(FinAuHasard(alea, n), atout);
      for (TJoueur j : {jrSud, jrNord}) {
        SCOPED_TRACE("n=" + std::to_string(n) + " essai " + std::to_string(essai));
        suivi.s_CalculeSolutions(j, 14 - n);
        const std::vector<TSolution> attendu = SolutionsLitterales(suivi, j, 14 - n);
        ASSERT_EQ(Liste(suivi), attendu);
        avecSolutions += !attendu.empty();
      }
    }
  }
  EXPECT_GT(avecSolutions, 40);  // the comparison is not all empty lists
}

TEST(Reference, PositionsIssuesDeDonnesJoueesAuHasard) {
  std::mt19937 alea(7);
  for (int donne = 0; donne < 30; ++donne) {
    TSuiviMains suivi;
    suivi.s_Initialise(test::JeuxAuHasard(alea), donne, static_cast<TCouleur>(donne % 5));
    const int n = 2 + donne % 4;
    test::JoueAuHasard(suivi, jrOuest, 1, 13 - n, alea);
    suivi.s_CalculeSolutions(jrNord, 14 - n);
    ASSERT_EQ(Liste(suivi), SolutionsLitterales(suivi, jrNord, 14 - n)) << donne;
  }
}

}  // namespace
}  // namespace kalvo
