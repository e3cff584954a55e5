// The deal-type filter as the settings dialog shows and writes it: the
// kinds of deals, the lists of difficulties and thresholds, and the
// translation between the settings record and the dialog's choices. Values
// only; the walk itself is in ChoixDonnes.h.
#pragma once

#include "model/Reglages.h"

#include <array>
#include <string_view>

namespace kalvo {

enum TTypeDonnes : int {
  tdToutes = 0,      // "Aucun en particulier"
  tdTheme = 1,       // "Sur le thème :" NumeroTheme
  tdForce = 2,       // "De force :" ForceChoisie
  tdARevoir = 3,     // play mark below ScoreInferieurA, or never played
};

// ForceChoisie is the place of the choice in the settings dialog's list
// "De force :": an exact difficulty (1 to 4) or a bound.
inline constexpr std::array<std::string_view, 9> ChoixForces{"1", "2", "3", "4", "> 1", "> 2", "> 3", "< 4", "< 3"};
// ScoreInferieurA is one of these thresholds when the dialog sets it.
inline constexpr std::array<int, 10> SeuilsScores{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
// The threshold "à revoir" uses when the settings hold none (the chooser,
// the progress window's button).
inline constexpr int SeuilARevoirParDefaut = 50;

// The deal-type filter as the settings dialog's OK writes it, from the kind
// chosen and the three lists (theme number, index in ChoixForces, index in
// SeuilsScores; -1 for no choice). The kind's own value is kept and the
// others cleared (theme 0, difficulty and threshold -1); a kind whose list
// has no choice becomes "Aucun en particulier", so that the walk is never
// left with a filter no deal can meet. "À revoir" keeps the theme list's
// choice: the weak deals of one theme.
struct TFiltreDonnes {
  int TypeDonnes = tdToutes;
  int NumeroTheme = 0;
  int ForceChoisie = -1;
  int ScoreInferieurA = -1;
  friend bool operator==(const TFiltreDonnes&, const TFiltreDonnes&) = default;
};
TFiltreDonnes FiltreSaisi(int typeDonnes, int indexTheme, int indexForce, int indexSeuil);
// What the dialog shows for the settings: the inverse of FiltreSaisi (-1
// where a value has no place in its list).
struct TSaisieFiltre {
  int TypeDonnes = -1;
  int IndexTheme = -1;
  int IndexForce = -1;
  int IndexSeuil = -1;
};
TSaisieFiltre SaisieDuFiltre(const TReglages& reglages);

}  // namespace kalvo
