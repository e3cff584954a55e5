// The quiz: turning a question of the deal into what its dialog shows,
// judging the answer, and the expected-answer texts. Pure functions of the
// position: the dialogs and the trick loop share them.
#pragma once

#include "coaching/StatistiquesJeu.h"
#include "engine/SuiviMains.h"
#include "model/Questions.h"

#include <array>
#include <optional>
#include <random>
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

// Question `numero` (1..3) of the deal, asked after the fourth card of its
// trick. Nothing (no dialog, no mark) when the question gives up: a
// first-discard question nobody can answer yet, a who-holds question whose
// card is not in the expected state, a division question about a suit the
// defenders do not hold, or a question whose data is out of range (kind
// above 5, a seat or suit the kind reads above 3, a card that is no card,
// a who-holds Option other than 0 or 1). Kind 0 writes the expected card
// into the stored question, as the record keeps it.
//
// Kind 2 offers four proposals: the truth and three counts one card away.
// Kind 5 offers four divisions, or all n + 1 when the defenders hold
// n < 3 cards of the suit (NbPropositions says how many). Kind 2 reads any
// nonzero Depart as the holding at the start.
std::optional<TQuestionPosee> PrepareQuestion(TQuestionsDonne& questions, int numero, const TSuiviMains& suivi,
                                              const TStatistiquesJeu& stats,
                                              const std::array<int, 4>& PointsHonneurs, std::mt19937& alea);

bool EstBonneReponse(const TQuestionPosee& question, const TReponseQuestion& reponse);

TTexteReponseAttendue ReponseAttendue(const TQuestionPosee& question);

// Item k (0..3) of the division dialog's radio group, "  4  -  1"; empty
// when the question has no such proposal.
std::string TexteProposition(const TQuestionPosee& question, int k);

}  // namespace kalvo
