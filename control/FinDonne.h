// What the end-of-deal screen shows, computed from the deal alone: the four
// hands as dealt, the auction in its grid with the alert notes, the circled
// opening lead and the header texts.
#pragma once

#include "model/Donne.h"
#include "model/Reglages.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

// A hand's cards of one suit, highest first, each after a blank, the ten
// written "10": " R V 10 4"; " —" for a void. Cards are taken wherever they
// lie among the 13, so a hand stored out of order lists all the same.
std::string TexteMainCouleur(const T4Jeux& mains, TJoueur joueur, T4Couleur couleur);

inline constexpr int NbLignesGrilleEncheres = 9;
inline constexpr int NbMarquesAlertes = 4;

// One filled cell of the auction grid. Column = seat ordinal (South first).
struct TCelluleEnchere {
  int Ligne = 1;                       // 1..7 (the grid has 9 rows)
  TJoueur Colonne = jrSud;
  std::string Texte;                   // "—", "X", "XX", "3 SA", "2 ", "FIN"
  std::optional<T4Couleur> Symbole;    // a suit bid: its symbol follows the text
  int Alerte = 0;                      // 0 or the alert number 1..4
  int Marque = 0;                      // 1..4: the marker "(n)" put after it; 0 none
  std::string TexteMarque() const { return Alerte > 0 ? "(" + std::to_string(Alerte) + ")" : std::string(); }
};

struct TEncheresFinDonne {
  std::vector<TCelluleEnchere> Cellules;
  // Line n (1..4) explains alert n: "(n) " + the deal's text; empty lines
  // stay hidden. Lines are placed by alert number.
  std::array<std::string, NbAlertes> LignesAlertes;
};

// The auction from the dealer's column in row 1, the row advancing when the
// turn comes back to South, ending with "FIN" (or after row 7). The first
// four alerted calls take the markers 1..4 in order; a fifth alerted call
// has no marker left and shows none, but its line is shown all the same.
// Throws ErreurDonnee when a call is no call.
TEncheresFinDonne EncheresFinDonne(const TDonne& donne);

// West's line of the lead's suit split around the lead, for the circle:
// " R 10 5" and the ten give Debut "R ", Entame "10", Fin " 5"; the lead as
// first card leaves Debut empty. Nothing when the lead is not in the line.
struct TEntameDecoupee {
  std::string Debut;
  std::string Entame;
  std::string Fin;
};
std::optional<TEntameDecoupee> DecoupeEntame(const std::string& ligne, TCard entame);

// Everything the screen shows for one deal, prepared when the deal is read.
struct TContenuFinDonne {
  std::string Donne;           // the deal number
  std::string Donneur;         // "Sud"
  std::string Vulnerabilite;   // "Personne", "Nord-Sud", "Est-Ouest", "Tous"
  std::string Theme;           // the theme name
  std::string Force;           // "1".."4"
  std::array<std::array<std::string, 4>, 4> Diagramme;  // [seat][suit]
  TEncheresFinDonne Encheres;
  TCard Entame;                // West's lead as the script gives it
  std::optional<TEntameDecoupee> EntameDecoupee;  // nothing: no circle
};

// Throws ErreurDonnee for a broken header or auction.
TContenuFinDonne PrepareFinDonne(const TDonne& donne, int numero);

// The theme and strength are shown only when their settings are on.
struct TVisibiliteFinDonne {
  bool Theme = true;
  bool Force = true;
};
TVisibiliteFinDonne VisibiliteFinDonne(const TReglages& reglages);

}  // namespace kalvo
