// Timings of the tracking engine: the trick-end update, the situation
// analysis and the solution search, with the memory the search allocates.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SuiviMains.h"
#include "model/NotationMains.h"

namespace {

// Counts what operator new hands out, to report the bytes one call allocates.
// The benchmarks run on one thread.
std::size_t OctetsAlloues = 0;
std::size_t Allocations = 0;

}  // namespace

// malloc and free pair up here; the compiler cannot see it.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t taille) {
  OctetsAlloues += taille;
  ++Allocations;
  if (void* p = std::malloc(taille == 0 ? 1 : taille)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t taille, const std::nothrow_t&) noexcept {
  OctetsAlloues += taille;
  ++Allocations;
  return std::malloc(taille == 0 ? 1 : taille);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace kalvo {
namespace {

// A hand of the cases below; a fault there stops the program, so that the
// test suite's run of the benchmarks fails.
std::vector<TCard> Cartes(std::string_view main) {
  std::string erreur;
  const std::optional<TRangsMain> rangs = LitMain(main, jrSud, erreur);
  if (!rangs) {
    std::fprintf(stderr, "%s\n", erreur.c_str());
    std::exit(EXIT_FAILURE);
  }
  return CartesDeMain(*rangs);
}

void Joue(TSuiviMains& suivi, TJoueur j, TCard carte) {
  suivi.s_SetCarteJouee(j, suivi.s_ChercheIndiceCarte(j, carte));
  suivi.s_Actualise(j, carte.Couleur());
}

// The engine at the end of trick 13 - n, each hand holding the n cards given
// (South, West, North, East); the other cards count as played.
TSuiviMains Position(const std::array<std::string_view, 4>& restantes, TCouleur atout = clSA) {
  std::array<std::vector<TCard>, 4> mains;
  std::array<bool, 53> tenues{};
  for (TJoueur j : TousLesJoueurs) {
    mains[j] = Cartes(restantes[j]);
    for (TCard c : mains[j]) tenues[static_cast<std::size_t>(IndexCarte(c))] = true;
  }
  std::array<std::vector<TCard>, 4> jouees;
  int index = 1;
  for (TJoueur j : TousLesJoueurs) {
    while (mains[j].size() + jouees[j].size() < 13) {
      while (tenues[static_cast<std::size_t>(index)]) ++index;
      jouees[j].push_back(CarteDeIndex(index++));
    }
  }
  T4Jeux jeux;
  for (TJoueur j : TousLesJoueurs) {
    std::vector<TCard> toutes = mains[j];
    toutes.insert(toutes.end(), jouees[j].begin(), jouees[j].end());
    RangeCommeLeMoteur(toutes);
    for (int i = 1; i <= 13; ++i) jeux(j, i) = toutes[static_cast<std::size_t>(i - 1)];
  }
  TSuiviMains suivi;
  suivi.s_Initialise(jeux, 1, atout);
  for (TJoueur j : TousLesJoueurs) {
    for (TCard c : jouees[j]) Joue(suivi, j, c);
  }
  const int levee = 13 - static_cast<int>(mains[jrSud].size());
  suivi.s_ActualiseSuiviJeux(levee, levee - 1);
  suivi.s_ActualiseCommunicationsBlocages(levee);
  return suivi;
}

// A deal after four tricks: every hand still holds nine cards.
TSuiviMains MilieuDeDonne() {
  return Position({"KQ.KJ3.A.K432", "T9.Q92.KQJ3.QJ9", "87.A84.T98.A76", "43.T765.7654.T8"});
}

void BM_FinDeLevee(benchmark::State& state) {
  TSuiviMains suivi = MilieuDeDonne();
  for (auto _ : state) {
    suivi.s_ActualiseSuiviJeux(4, 3);
    suivi.s_ActualiseCommunicationsBlocages(4);
    benchmark::DoNotOptimize(suivi);
  }
}
BENCHMARK(BM_FinDeLevee);

// Nine cards each in the middle of a deal (general rules), or six cards
// with South's spades blocked under North's ace-king (every test runs).
void BM_ExamineSituation(benchmark::State& state) {
  const TSuiviMains suivi = state.range(0) == 0 ? MilieuDeDonne()
                                                : Position({"Q432.A..2", "JT.KQJT..", "AK.2.32.3", "..AKQ.AKQ"});
  state.SetLabel(state.range(0) == 0 ? "milieu_de_donne" : "couleur_bloquee");
  for (auto _ : state) benchmark::DoNotOptimize(suivi.s_ExamineSituation(jrSud));
}
BENCHMARK(BM_ExamineSituation)->Arg(0)->Arg(1);

struct TCas {
  const char* nom;
  std::array<std::string_view, 4> mains;
};

// South to lead; n tricks left. "beaucoup" lists many solutions, "aucune"
// none, and "tardive" fails only when South's loser comes out, as late as
// the sixth trick.
const std::array<TCas, 7> Cas{{
    {"2_beaucoup", {"A.A..", "K...A", "...32", ".K..K"}},
    {"2_aucune", {"A..2.", "K..A.", "...32", ".A..K"}},
    {"4_beaucoup", {"AK.AK..", "QJ..AK.", "...5432", "..QJ.AK"}},
    {"4_aucune", {"AK.A.2.", "QJ..AK.", "...5432", ".K.Q.AK"}},
    {"6_beaucoup", {".Q.AK.AKQ", "..T98.876", ".J.QJ.JT9", "..76.5432"}},
    {"6_aucune_tardive", {"AKQ.AK.2.", "JT9..AKQ.", "...765432", ".QJT9.JT."}},
    {"6_partielle", {"AKQ.AKQ..", "JT9.JT9..", "2.2..5432", "..AKQJ.AK"}},
}};

void BM_CalculeSolutions(benchmark::State& state) {
  const TCas& cas = Cas[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(cas.nom);
  TSuiviMains suivi = Position(cas.mains);
  const int levee = 14 - suivi.s_nb_cartes_jouees(jrSud);
  std::size_t octets = 0;
  std::size_t allocations = 0;
  for (auto _ : state) {
    const std::size_t avant = OctetsAlloues;
    const std::size_t allocationsAvant = Allocations;
    suivi.s_CalculeSolutions(jrSud, levee);
    octets = OctetsAlloues - avant;
    allocations = Allocations - allocationsAvant;
    benchmark::DoNotOptimize(suivi.NbSolutions());
  }
  state.counters["solutions"] = suivi.NbSolutions();
  state.counters["octets_par_appel"] = static_cast<double>(octets);
  state.counters["allocations_par_appel"] = static_cast<double>(allocations);
}
BENCHMARK(BM_CalculeSolutions)->DenseRange(0, static_cast<int>(Cas.size()) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalvo
