// The deal-type filter between the settings record and the dialog.
#include "control/FiltreDonnes.h"

#include "model/BridgeTypes.h"

#include <algorithm>

namespace kalvo {

TFiltreDonnes FiltreSaisi(int typeDonnes, int indexTheme, int indexForce, int indexSeuil) {
  const bool theme = indexTheme >= 0 && indexTheme + 1 < NbThemes;
  const bool force = indexForce >= 0 && indexForce < static_cast<int>(ChoixForces.size());
  const bool seuil = indexSeuil >= 0 && indexSeuil < static_cast<int>(SeuilsScores.size());
  switch (typeDonnes) {
    case tdTheme:
      if (theme) return {.TypeDonnes = tdTheme, .NumeroTheme = indexTheme + 1};
      break;
    case tdForce:
      if (force) return {.TypeDonnes = tdForce, .ForceChoisie = indexForce};
      break;
    case tdARevoir:
      if (seuil)
        return {.TypeDonnes = tdARevoir,
                .NumeroTheme = theme ? indexTheme + 1 : 0,
                .ScoreInferieurA = SeuilsScores[static_cast<std::size_t>(indexSeuil)]};
      break;
    default:
      break;
  }
  return {};
}

TSaisieFiltre SaisieDuFiltre(const TReglages& reglages) {
  TSaisieFiltre saisie;
  if (reglages.TypeDonnes >= tdToutes && reglages.TypeDonnes <= tdARevoir) saisie.TypeDonnes = reglages.TypeDonnes;
  if (reglages.NumeroTheme >= 1 && reglages.NumeroTheme < NbThemes) saisie.IndexTheme = reglages.NumeroTheme - 1;
  if (reglages.ForceChoisie >= 0 && reglages.ForceChoisie < static_cast<int>(ChoixForces.size()))
    saisie.IndexForce = reglages.ForceChoisie;
  const auto seuil = std::find(SeuilsScores.begin(), SeuilsScores.end(), reglages.ScoreInferieurA);
  if (seuil != SeuilsScores.end()) saisie.IndexSeuil = static_cast<int>(seuil - SeuilsScores.begin());
  return saisie;
}

}  // namespace kalvo
