#include "coaching/VerdictImprevu.h"

#include <algorithm>

namespace kalvo {

std::optional<TVerdictImprevu> VerdictImprevu(const std::vector<TValeurCarte>& valeurs, TCard carte, int leveesFaites,
                                              int leveesRequises) {
  const auto trouvee = std::find_if(valeurs.begin(), valeurs.end(), [carte](const TValeurCarte& v) { return v.Carte == carte; });
  if (trouvee == valeurs.end()) return std::nullopt;
  int meilleure = trouvee->LeveesNS;
  for (const TValeurCarte& v : valeurs) meilleure = std::max(meilleure, v.LeveesNS);
  TVerdictImprevu verdict;
  verdict.LeveesCarte = leveesFaites + trouvee->LeveesNS;
  verdict.LeveesMeilleure = leveesFaites + meilleure;
  verdict.LeveesRequises = leveesRequises;
  if (verdict.LeveesCarte >= verdict.LeveesMeilleure) {
    verdict.Genre = TVerdictImprevu::NeCouteRien;
  } else if (verdict.LeveesCarte < leveesRequises && verdict.LeveesMeilleure >= leveesRequises) {
    verdict.Genre = TVerdictImprevu::CouteLeContrat;
  } else {
    verdict.Genre = TVerdictImprevu::CouteDesLevees;
  }
  return verdict;
}

std::string TexteVerdictImprevu(const TVerdictImprevu& v) {
  const std::string debut = "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle ";
  switch (v.Genre) {
    case TVerdictImprevu::CouteLeContrat:
      return debut + "fait chuter le contrat, qu'une autre carte gagne.";
    case TVerdictImprevu::CouteDesLevees: {
      const int perte = v.LeveesMeilleure - v.LeveesCarte;
      return debut + "coûte " + (perte == 1 ? std::string("une levée") : std::to_string(perte) + " levées") + " (" +
             std::to_string(v.LeveesCarte) + " au lieu de " + std::to_string(v.LeveesMeilleure) + ").";
    }
    case TVerdictImprevu::NeCouteRien:
      break;
  }
  return debut + "ne coûte rien, mais la leçon suit une autre ligne.";
}

}  // namespace kalvo
