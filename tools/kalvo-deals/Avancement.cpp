#include "tools/kalvo-deals/Avancement.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace kalvo::outil_donnes {

namespace {

std::string Nombre(long n) {
  std::string chiffres = std::to_string(n), texte;
  for (std::size_t i = 0; i < chiffres.size(); ++i) {
    if (i > 0 && (chiffres.size() - i) % 3 == 0) texte += ' ';
    texte += chiffres[i];
  }
  return texte;
}

}  // namespace

TAvancement::TAvancement(std::ostream& terminal)
    : terminal_(terminal), actif_(&terminal == &std::cerr && ::isatty(STDERR_FILENO) == 1) {}

std::function<void(const TAvancementExploration&)> TAvancement::Pour(int n, int nb) {
  if (!actif_) return {};
  return [this, n, nb](const TAvancementExploration& a) {
    char secondes[16];
    std::snprintf(secondes, sizeof secondes, "%.0f", a.Secondes);
    terminal_ << "\r\033[Kdonne " << n << '/' << nb << " : " << Nombre(a.Lignes) << " lignes, " << Nombre(a.Positions)
              << " positions (" << secondes << " s)…" << std::flush;
    ecrit_ = true;
  };
}

void TAvancement::Efface() {
  if (!ecrit_) return;
  terminal_ << "\r\033[K" << std::flush;
  ecrit_ = false;
}

}  // namespace kalvo::outil_donnes
