// The script as a graph: the links of each chain (the next trick, the
// equivalent chain, the branches of the nodes, the implicit returns to
// chain 1), which chains chain 1 reaches, and at which tricks. Reads the
// record's bytes without trusting them: a link out of range is kept as it
// is for the checks to report, and is not followed.
#pragma once

#include "model/Donne.h"

#include <array>
#include <set>
#include <vector>

namespace kalvo::redaction {

enum TGenreLien : std::uint8_t {
  lnSuivante,     // a trick chain's next chain: one trick later
  lnEquivalente,  // a trick chain's equivalent chain: the same trick
  lnBranche,      // a node's branch, an entry of a test: the same trick
  lnRetour,       // back to chain 1 (type 7, a length test without match)
  lnApresMode     // after an automatic or pool section: NbLevees later
};

struct TLien {
  TGenreLien Genre = lnBranche;
  std::int32_t Cible = 0;  // as stored
  int Decalage = 0;        // tricks between the chain and its target
};

struct TGrapheScript {
  std::array<std::vector<TLien>, NbChaines + 1> Liens;  // index = chain number
  std::array<bool, NbChaines + 1> Vide{};               // all 266 bytes zero
  std::array<bool, NbChaines + 1> Atteinte{};           // from chain 1
  std::array<std::set<int>, NbChaines + 1> Levees;      // tricks 1..13 at which it is reached
};

TGrapheScript AnalyseGraphe(const TDonne& donne);

// Raw reading of a chain's fields (no check).
std::int32_t Lit32Chaine(const TDonne& donne, int chaine, std::size_t decalage);
std::uint8_t Lit8Chaine(const TDonne& donne, int chaine, std::size_t decalage);

}  // namespace kalvo::redaction
