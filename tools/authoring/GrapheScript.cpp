#include "tools/authoring/GrapheScript.h"

#include <algorithm>
#include <deque>

namespace kalvo::redaction {

namespace {

std::size_t Debut(int chaine) { return offsets::Chaines + TailleChaine * static_cast<std::size_t>(chaine - 1); }

std::vector<TLien> LiensDe(const TDonne& donne, int c) {
  std::vector<TLien> liens;
  const auto type = Lit8Chaine(donne, c, 17);
  switch (type) {
    case tcLevee:
      liens.push_back({lnSuivante, Lit32Chaine(donne, c, 4), 1});
      liens.push_back({lnEquivalente, Lit32Chaine(donne, c, 0), 0});
      break;
    case tcDistribution:
      for (int e = 0; e < 4; ++e) {
        const std::int32_t suite = Lit32Chaine(donne, c, 18 + 12 * static_cast<std::size_t>(e));
        if (suite == -1) break;  // the test stops at such an entry
        liens.push_back({lnBranche, suite, 0});
      }
      break;
    case tcLongueur:
      for (int e = 0; e < 4; ++e) {
        const std::size_t pos = 18 + 12 * static_cast<std::size_t>(e);
        const std::int32_t nombre = Lit32Chaine(donne, c, pos + 8);
        if (nombre >= 0 && nombre <= 13) liens.push_back({lnBranche, Lit32Chaine(donne, c, pos), 0});
      }
      liens.push_back({lnRetour, 1, 0});
      break;
    case tcCartesTenues:
    case tcHasard:
    case tcGagnantLevee:
    case tcPartenairePrend:
      liens.push_back({lnBranche, Lit32Chaine(donne, c, 18), 0});
      liens.push_back({lnBranche, Lit32Chaine(donne, c, 22), 0});
      break;
    case tcAutomatique:
    case tcPool: {
      const std::int32_t n = Lit32Chaine(donne, c, 26);
      const int decalage = n >= 1 && n <= 13 ? n : 13;
      liens.push_back({lnApresMode, Lit32Chaine(donne, c, 18), decalage});
      liens.push_back({lnApresMode, Lit32Chaine(donne, c, 22), decalage});
      break;
    }
    case tcRevendication:
    case tcSolution:
      break;
    default:  // type 7 and any unknown type start again at chain 1
      liens.push_back({lnRetour, 1, 0});
      break;
  }
  return liens;
}

}  // namespace

std::int32_t Lit32Chaine(const TDonne& donne, int chaine, std::size_t decalage) {
  const auto o = donne.Octets().subspan(Debut(chaine) + decalage, 4);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(o[0]) | (static_cast<std::uint32_t>(o[1]) << 8) |
                                   (static_cast<std::uint32_t>(o[2]) << 16) | (static_cast<std::uint32_t>(o[3]) << 24));
}

std::uint8_t Lit8Chaine(const TDonne& donne, int chaine, std::size_t decalage) {
  return donne.Octets()[Debut(chaine) + decalage];
}

TGrapheScript AnalyseGraphe(const TDonne& donne) {
  TGrapheScript graphe;
  for (int c = 1; c <= NbChaines; ++c) {
    const auto octets = donne.Octets().subspan(Debut(c), TailleChaine);
    graphe.Vide[static_cast<std::size_t>(c)] = std::all_of(octets.begin(), octets.end(), [](std::uint8_t o) { return o == 0; });
    if (!graphe.Vide[static_cast<std::size_t>(c)]) graphe.Liens[static_cast<std::size_t>(c)] = LiensDe(donne, c);
  }
  auto valide = [&](std::int32_t c) { return c >= 1 && c <= NbChaines && !graphe.Vide[static_cast<std::size_t>(c)]; };
  std::deque<int> aAtteindre{1};
  while (!aAtteindre.empty()) {
    const int c = aAtteindre.front();
    aAtteindre.pop_front();
    if (!valide(c) || graphe.Atteinte[static_cast<std::size_t>(c)]) continue;
    graphe.Atteinte[static_cast<std::size_t>(c)] = true;
    for (const TLien& lien : graphe.Liens[static_cast<std::size_t>(c)]) aAtteindre.push_back(lien.Cible);
  }
  // The tricks: (chain, trick) pairs from chain 1 at trick 1, up to the 13th.
  std::deque<std::pair<int, int>> aVoir{{1, 1}};
  while (!aVoir.empty()) {
    const auto [c, t] = aVoir.front();
    aVoir.pop_front();
    if (!valide(c) || t > 13 || !graphe.Levees[static_cast<std::size_t>(c)].insert(t).second) continue;
    for (const TLien& lien : graphe.Liens[static_cast<std::size_t>(c)]) aVoir.emplace_back(lien.Cible, t + lien.Decalage);
  }
  return graphe;
}

}  // namespace kalvo::redaction
