#include "coaching/PropositionsQuiz.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace kalvo {

namespace {

// Far more draws than four distinct proposals ever need (the rarest case
// finds its last one with a chance of 1 in 24 a draw); the bound only makes
// termination certain.
constexpr int MaxTirages = 10000;

// Spades, hearts, diamonds, clubs: the order of the texts and of the draws.
constexpr std::array<int, 4> OrdreTexte{3, 2, 1, 0};

bool ComptesValides(const TCompteCouleurs& comptes) {
  return std::all_of(comptes.begin(), comptes.end(), [](int n) { return n >= 0 && n <= 13; });
}

void AjouteSiNouveau(std::vector<std::string>& liste, std::string texte) {
  if (std::find(liste.begin(), liste.end(), texte) == liste.end()) liste.push_back(std::move(texte));
}

TCompteCouleurs LitDejaVues(const std::string& texte) {
  TCompteCouleurs comptes{};
  for (std::size_t i = 0; i < 4; ++i) {
    comptes[static_cast<std::size_t>(OrdreTexte[i])] = (texte[2 * i] - '0') * 10 + (texte[2 * i + 1] - '0');
  }
  return comptes;
}

std::string TextePartage(int ouest, int est) { return std::to_string(ouest) + "-" + std::to_string(est); }

TPartage LitPartage(const std::string& texte) {
  const auto tiret = texte.find('-');
  return {std::stoi(texte.substr(0, tiret)), std::stoi(texte.substr(tiret + 1))};
}

}  // namespace

int Tirage(std::mt19937& alea, int lo, int hi) {
  const auto n = static_cast<std::uint32_t>(hi - lo + 1);
  // Rejection keeps every value equally likely.
  const std::uint32_t limite = static_cast<std::uint32_t>((0x100000000ULL / n) * n - 1);
  std::uint32_t v = 0;
  do {
    v = static_cast<std::uint32_t>(alea());
  } while (v > limite);
  return lo + static_cast<int>(v % n);
}

std::string TexteDejaVues(const TCompteCouleurs& comptes) {
  std::string texte;
  for (int c : OrdreTexte) {
    const int n = comptes[static_cast<std::size_t>(c)];
    texte += static_cast<char>('0' + n / 10);
    texte += static_cast<char>('0' + n % 10);
  }
  return texte;
}

std::optional<std::vector<TCompteCouleurs>> PropositionsDejaVues(const TCompteCouleurs& vraies, std::mt19937& alea) {
  if (!ComptesValides(vraies) || std::all_of(vraies.begin(), vraies.end(), [](int n) { return n == 0; })) {
    return std::nullopt;
  }
  std::vector<std::string> liste{TexteDejaVues(vraies)};
  for (int tirage = 0; liste.size() < 4; ++tirage) {
    if (tirage == MaxTirages) return std::nullopt;
    TCompteCouleurs comptes = vraies;
    const auto a = static_cast<std::size_t>(OrdreTexte[static_cast<std::size_t>(Tirage(alea, 1, 4) - 1)]);
    std::size_t b = a;
    while (b == a) b = static_cast<std::size_t>(OrdreTexte[static_cast<std::size_t>(Tirage(alea, 1, 4) - 1)]);
    const int r = Tirage(alea, 1, 100);
    if (r > 50 && comptes[a] != 0) {
      --comptes[a];
      ++comptes[b];
    } else if (comptes[b] != 0) {
      ++comptes[a];
      --comptes[b];
    } else {
      continue;
    }
    AjouteSiNouveau(liste, TexteDejaVues(comptes));
  }
  std::sort(liste.begin(), liste.end());
  std::vector<TCompteCouleurs> propositions;
  for (const std::string& texte : liste) propositions.push_back(LitDejaVues(texte));
  return propositions;
}

std::optional<std::vector<TPartage>> PropositionsRepartition(int ouest, int est, std::mt19937& alea) {
  if (ouest < 0 || est < 0 || ouest + est > 13 || ouest + est == 0) return std::nullopt;
  const std::size_t voulues = static_cast<std::size_t>(std::min(4, ouest + est + 1));
  std::vector<std::string> liste{TextePartage(ouest, est)};
  int w = ouest;
  int e = est;
  for (int tirage = 0; liste.size() < voulues; ++tirage) {
    if (tirage == MaxTirages) return std::nullopt;
    if (Tirage(alea, 1, 100) > 50) {
      if (w == 0) continue;
      --w;
      ++e;
    } else {
      if (e == 0) continue;
      ++w;
      --e;
    }
    AjouteSiNouveau(liste, TextePartage(w, e));
  }
  std::sort(liste.begin(), liste.end());
  std::vector<TPartage> propositions;
  for (const std::string& texte : liste) propositions.push_back(LitPartage(texte));
  return propositions;
}

}  // namespace kalvo
