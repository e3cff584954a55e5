#include "tests/fuzz/Cible.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace kalvo::fuzz {

namespace {

class TDossier {
 public:
  TDossier() {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string modele = (base / "kalvo-fuzz-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) Echec("pas de dossier provisoire");
    chemin_ = modele;
  }
  ~TDossier() {
    std::error_code erreur;
    std::filesystem::remove_all(chemin_, erreur);
  }
  TDossier(const TDossier&) = delete;
  TDossier& operator=(const TDossier&) = delete;
  const std::filesystem::path& Chemin() const { return chemin_; }

 private:
  std::filesystem::path chemin_;
};

}  // namespace

const std::filesystem::path& Dossier() {
  static const TDossier dossier;
  return dossier.Chemin();
}

void Echec(std::string_view message) {
  std::fprintf(stderr, "Promesse rompue : %.*s\n", static_cast<int>(message.size()), message.data());
  std::abort();
}

}  // namespace kalvo::fuzz
