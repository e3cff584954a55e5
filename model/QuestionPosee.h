// A quiz question as its dialog shows it, the user's answer and the
// expected-answer texts: plain values, in UTF-8, that the quiz prepares and
// the screen shows.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace kalvo {

enum TTypeQuestion : std::uint8_t {
  tqCarte,        // the opening lead or a defender's first discard
  tqPoints,       // honour points shown so far or held at the start
  tqDejaVues,     // cards in each suit, shown or held
  tqPCarte,       // who holds (or held) a card
  tqJ4MQ4,        // cards in one suit, shown or held
  tqRepartition,  // how a suit was divided between West and East
};

// Everything a question's dialog shows and what it expects. Texts are UTF-8.
struct TQuestionPosee {
  int Numero = 0;                 // 1..3, the entry of the deal's questions
  TTypeQuestion Type = tqCarte;
  int Penalite = 0;
  std::string Titre;              // the dialog's caption
  std::string Libelle1;           // first line of the question
  std::string Libelle2;           // second line (may be empty)
  TJoueur Joueur = jrSud;         // the seat asked about (kind 0: the discarder)
  bool isPlayed = false;          // kinds 1, 2, 4: what was shown rather than held
  bool isEntame = false;          // kind 0: the opening lead
  T4Couleur Couleur = clTrefle;   // kinds 4 and 5
  TCard Carte;                    // kind 3: the card asked about; kind 0: the expected card
  int NbPropositions = 0;         // kinds 2 and 5
  std::array<std::array<int, 4>, 4> Repart{};      // kind 2: proposal k, count by T4Couleur
  std::array<std::array<int, 2>, 4> repartProp{};  // kind 5: proposal k, (West, East)
  std::array<int, 2> repartReelle{};               // kind 5
  // The right answer: a card (0), a number (1, 4), a proposal index 0..3
  // (2, 5) or a seat (3).
  TCard CarteAttendue;
  int NombreAttendu = 0;
  int PropositionAttendue = -1;
  std::array<bool, 4> JoueursAttendus{};  // kind 3: the seat that held the card
};

// The user's answer, as the dialog returns it.
struct TReponseQuestion {
  TCard Carte;          // kind 0
  int Nombre = 0;       // kinds 1, 4
  int Proposition = -1; // kinds 2, 5: index 0..3
  TJoueur Joueur = jrSud;  // kind 3
};

struct TTexteReponseAttendue {
  std::string Enonce;   // LEnonce
  std::string Reponse;  // LReponse
};

// Item k (0..3) of the division dialog's radio group, "  4  -  1"; empty
// when the question has no such proposal.
std::string TexteProposition(const TQuestionPosee& question, int k);

}  // namespace kalvo
