// Which deals previous/next walk through, and in which order: the order and
// the deal-type filter of the settings, applied to the catalogue and the
// play marks. Pure: no window, no controller.
#pragma once

#include "control/FiltreDonnes.h"
#include "model/BaseDonnes.h"
#include "model/Reglages.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// Whether a deal of difficulty force meets the choice forceChoisie (an
// index of ChoixForces; any other value meets nothing).
bool ForceConvient(int forceChoisie, int force);

// A deal "à revoir": never played (no play mark), or played below the
// threshold. The walk and the chooser's lines both ask here.
inline bool ARevoir(int noteJeu, int seuil) { return noteJeu == TScores::SansNote || noteJeu < seuil; }

// The part of the settings that decides the walk.
struct TChoixDonnes {
  bool Aleatoire = false;
  int TypeDonnes = tdToutes;
  int NumeroTheme = 0;
  int ForceChoisie = 0;
  int ScoreInferieurA = 0;
  friend bool operator==(const TChoixDonnes&, const TChoixDonnes&) = default;
};

// Random order when either of the two order settings asks for it (they are
// meant to agree; a hand-edited file may not).
TChoixDonnes ChoixDonnes(const TReglages& reglages);

// Whether deal n of the catalogue passes the filter. A deal without a play
// mark is "à revoir" (restricted to NumeroTheme when it names a theme); an
// unknown filter type lets every deal through.
bool DonneChoisie(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu, int n);
// The chosen deals, in ascending order.
std::vector<int> DonnesChoisies(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu);

// The order every deal takes in the walk: ascending, or the random order
// (its valid entries once each, then any deal it lacks, ascending).
std::vector<int> OrdreComplet(const TChoixDonnes& choix, int nbDonnes, std::span<const int> ordreAleatoire);

// The order of the walk: OrdreComplet, except that with "à revoir" the
// deals played with a mark below the threshold come first, then the others
// (the never played among them), each part in OrdreComplet's order, so that
// the weak deals come back before the new ones.
std::vector<int> OrdreParcours(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                               std::span<const int> ordreAleatoire);

// The chosen deals in the order of the walk.
std::vector<int> ParcoursDonnes(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                                std::span<const int> ordreAleatoire);

struct TPasDonne {
  int Donne = 0;        // the deal to play
  std::string Message;  // French, for the user; empty when the walk moved
};

inline constexpr const char* MessageSelectionVide =
    "Aucune donne ne correspond au type de donnes choisi dans les réglages : la donne actuelle reste affichée.";

// One step (sens +1 next, -1 previous, 0 the same deal) from the current
// deal: the nearest chosen deal in the walk's order, wrapping around. The
// current deal need not be chosen (the filter may just have changed): the
// step starts from its place in the full order. No chosen deal: the current
// deal stays, with MessageSelectionVide.
TPasDonne DonneVoisine(const TChoixDonnes& choix, const TCatalogue& catalogue, const TScores& scoresJeu,
                       std::span<const int> ordreAleatoire, int courante, int sens);

}  // namespace kalvo
