// The figures of the progress window ("Progrès"), from the history: the
// average play mark and the deals played by theme and by difficulty, the
// trend of the last attempts, and the themes to work on first. Pure.
#pragma once

#include "model/BaseDonnes.h"
#include "model/Historique.h"

#include <span>
#include <string>
#include <vector>

namespace kalvo {

struct TMoyenneProgres {
  int Cle = 0;          // theme number, or difficulty
  std::string Nom;      // theme name, or "Force 2"
  int Moyenne = 0;      // average play mark of the marked attempts, rounded
  int Donnes = 0;       // distinct deals with a marked attempt
  int Tentatives = 0;   // marked attempts
  friend bool operator==(const TMoyenneProgres&, const TMoyenneProgres&) = default;
};

struct TPointTendance {
  std::string DateHeure;
  int Donne = 0;
  int Note = 0;
  friend bool operator==(const TPointTendance&, const TPointTendance&) = default;
};

struct TProgres {
  std::vector<TMoyenneProgres> ParTheme;  // by theme number, themes with an attempt only
  std::vector<TMoyenneProgres> ParForce;  // by difficulty, difficulties with an attempt only
  std::vector<TPointTendance> Tendance;   // the last marked attempts, oldest first
  std::vector<TMoyenneProgres> ATravailler;  // lowest averages first
  int TentativesNotees = 0;
  bool AvecHistorique = false;  // false: there is no history this session
};

inline constexpr int NbPointsTendance = 30;
inline constexpr int NbThemesATravailler = 3;

// Only the marked attempts of this base count (TentativeDeLaBase); an
// attempt whose play mark was not kept says nothing about the play.
TProgres CalculeProgres(std::span<const TTentative> historique, const TCatalogue& catalogue,
                        const TNumerosVolume& volume, int nbPoints = NbPointsTendance,
                        int nbATravailler = NbThemesATravailler);

}  // namespace kalvo
