// What the auction review shows of a deal, worked out without any widget:
// each call with its round and seat, its text and suit symbol, its alert
// mark, and the alert explanations, each listed once in the order the
// alerts first appear.
#pragma once

#include "model/BridgeTypes.h"

#include <string>
#include <vector>

namespace kalvo {

class TDonne;

struct TCaseRevue {
  int Ronde = 1;            // 1..7
  TJoueur Joueur = jrSud;
  std::string Texte;        // "—", "X", "XX", "FIN", "3 SA", or the level of a suit bid
  int Symbole = -1;         // suit of a suit bid (picture 990 + suit), −1 otherwise
  bool PleineColonne = true;  // centred across its column (all but suit bids)
  int Alerte = 0;           // alert number 1..4 of the call, 0 for none
  friend bool operator==(const TCaseRevue&, const TCaseRevue&) = default;
};

struct TExplicationRevue {
  int Alerte = 0;           // 1..4
  std::string Texte;        // "(2) " followed by the deal's alert text, UTF-8
  friend bool operator==(const TExplicationRevue&, const TExplicationRevue&) = default;
};

struct TRevueEncheres {
  std::string Donneur;        // "Nord"; empty for a value out of range
  std::string Vulnerabilite;  // "Nord-Sud"; empty for a value out of range
  std::vector<TCaseRevue> Cases;                 // in the order of the auction
  std::vector<TExplicationRevue> Explications;   // at most four
  int RondeAtteinte = 1;    // round of "FIN", or 8 when the table holds no end
  std::string Erreur;       // French, when the deal holds something that is no call
};

// Walks the deal's auction from the dealer, round by round, up to the end
// marker or the seventh round. Never throws: a call that is no call stops
// the walk and is reported in Erreur.
TRevueEncheres LitRevueEncheres(const TDonne& donne);

}  // namespace kalvo
