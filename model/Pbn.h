// Deals in Portable Bridge Notation (PBN 2.1), the text every bridge program
// exchanges: one game as plain values, written in the export format and
// read back from any PBN file. Reading checks what a lesson needs (the 52
// cards, an auction that ends and agrees with the contract, a play made of
// held cards) and names the faulty line in French.
#pragma once

#include "model/BridgeTypes.h"
#include "model/StructuresDonne.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvo {

struct TContratPbn {
  int Niveau = 0;  // 1..7; 0 when the deal was passed out
  TCouleur Atout = clSA;
  int Contre = 0;  // 0, 1 doubled, 2 redoubled
  friend bool operator==(const TContratPbn&, const TContratPbn&) = default;
};

// One game of a PBN file.
struct TPartiePbn {
  std::string Evenement;  // [Event]
  int Board = 0;          // [Board]; 0 when absent
  TJoueur Donneur = jrNord;
  TVulnerabilite Vulnerabilite = vlnPersonne;
  T4Jeux Mains;  // each hand spades first, highest first
  TJoueur Declarant = jrSud;
  TContratPbn Contrat;
  std::optional<int> Resultat;  // tricks won by the declarer
  // The calls from the dealer's, Alerte = the number of the note on the call
  // (0 none). Empty when the game has no [Auction].
  std::vector<TEnchere> Encheres;
  std::vector<std::pair<int, std::string>> Notes;  // [Note "n:text"] of the auction
  // The tricks as played, each card by seat (a zero card: not played). The
  // first is led by the declarer's left-hand opponent.
  std::vector<TCartesJouees> Levees;
  std::vector<std::pair<std::string, std::string>> AutresTags;  // written after the standard ones
  std::vector<std::string> Commentaires;  // UTF-8 commentary, each written between braces
  // Where the reader found things, for the later messages (0 when written).
  int LigneDebut = 0;
  int LigneContrat = 0;
  std::vector<int> LignesLevees;
};

// "3NT", "4SX", "Pass"; and the call tokens "1C", "X", "XX", "Pass".
std::string TexteContratPbn(const TContratPbn& contrat);
std::string TexteAppelPbn(const TEnchere& enchere);

// The file in export format: the "% PBN 2.1" and "% EXPORT" lines, then
// each game, the games separated by an empty line. UTF-8.
std::string EcritPbn(const std::vector<TPartiePbn>& parties);

// Every game of a PBN file (import format: free layout, commentary, escape
// lines, inherited tag values "#"). On the first fault, nothing and in
// erreur "ligne N : ..." in French.
std::optional<std::vector<TPartiePbn>> LitPbn(std::string_view texte, std::string& erreur);

// The contract an ended auction reaches and its declarer; nothing for an
// auction passed out. The calls must be legal (not checked here).
struct TIssueEncheres {
  TContratPbn Contrat;
  TJoueur Declarant = jrSud;
};
std::optional<TIssueEncheres> IssueEncheres(const std::vector<TEnchere>& appels, TJoueur donneur);

}  // namespace kalvo
