// The catalogue scan at start-up, on a generated database of 120 deals
// (24 MB): only the theme and difficulty of each record are read.
#include "model/BaseDonnes.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace kalvo;

class TBase120 {
 public:
  TBase120() {
    std::string modele = (std::filesystem::temp_directory_path() / "kalvo-bench-XXXXXX").string();
    dossier_ = ::mkdtemp(modele.data());
    std::ofstream flux(Fichier(), std::ios::binary);
    for (int n = 1; n <= 120; ++n) {
      TDonne d;
      d.SetForce(1 + n % 4);
      d.SetTheme(n % NbThemes);
      for (std::size_t i = 0; i < TDonne::Taille; i += 97) d.Octets()[i] |= static_cast<std::uint8_t>(n);
      d.SetForce(1 + n % 4);
      d.SetTheme(n % NbThemes);
      flux.write(reinterpret_cast<const char*>(d.Octets().data()), static_cast<std::streamsize>(TDonne::Taille));
    }
    flux.close();
    const int fd = ::open(Fichier().c_str(), O_RDONLY);
    ::fsync(fd);
    ::close(fd);
  }
  // Drops the file from the page cache, as on the first start after boot.
  void Refroidit() const {
    const int fd = ::open(Fichier().c_str(), O_RDONLY);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
  }
  ~TBase120() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier_, erreur);
  }
  std::filesystem::path Fichier() const { return dossier_ / "K01FR_DEMO.DAT"; }

 private:
  std::filesystem::path dossier_;
};

void ChargeCatalogue120(benchmark::State& etat) {
  static const TBase120 base;
  for (auto _ : etat) {
    TResultatCatalogue resultat = ChargeCatalogue(base.Fichier());
    if (!resultat.Ok() || resultat.Catalogue.NbDonnes() != 120) {
      etat.SkipWithError("catalogue incomplet");
      break;
    }
    benchmark::DoNotOptimize(resultat);
  }
}
BENCHMARK(ChargeCatalogue120)->Unit(benchmark::kMillisecond);

void ChargeCatalogue120Froid(benchmark::State& etat) {
  static const TBase120 base;
  for (auto _ : etat) {
    etat.PauseTiming();
    base.Refroidit();
    etat.ResumeTiming();
    TResultatCatalogue resultat = ChargeCatalogue(base.Fichier());
    benchmark::DoNotOptimize(resultat);
  }
}
BENCHMARK(ChargeCatalogue120Froid)->Unit(benchmark::kMillisecond);

}  // namespace
