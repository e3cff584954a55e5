// The checks of a compiled deal: hands, auction, comments, the script's
// links and cards, the complete play, the questions and the double-dummy
// result. They read only the record (and the deal's questions), so that
// the compiler and "kalvo-deals check" find the same faults; each finding
// names the part of the deal it is about, which the compiler turns into a
// line of the source.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"
#include "tools/authoring/Diagnostics.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::redaction {

enum TGenreLieu : std::uint8_t {
  glDonne, glMains, glEncheres, glContrat, glAlerte, glCommentaire, glPoint, glResume,
  glChaine, glGroupe, glCompteur, glPool, glJeu, glQuestion
};

struct TLieu {
  TGenreLieu Genre = glDonne;
  int Indice = 0;  // the chain, group, comment, trick of the complete play, question...
};

struct TConstat {
  TGravite Gravite = grErreur;
  TLieu Lieu;
  std::string Message;
};

// What double-dummy analysis says of the deal.
struct TDoubleMortDonne {
  TCard Entame;              // West's scripted opening lead
  int LeveesApresEntame = 0; // declarer's tricks double dummy after that lead
  int LeveesJeuComplet = -1; // tricks of the complete play (-1: not legal)
  int LeveesRequises = 0;    // 6 + the level
  double Millisecondes = 0;  // time of the analysis
};

struct TResultatVerification {
  std::vector<TConstat> Constats;
  std::optional<TDoubleMortDonne> DoubleMort;
  bool Reussi() const;
};

struct TOptionsVerification {
  bool DoubleMort = true;
  // Names of the chains for the messages (index = chain number); a chain
  // without a name is called by its number.
  std::vector<std::string> NomsChaines;
  // The complete play could not be derived: its own checks would only
  // repeat why.
  bool JeuCompletInconnu = false;
};

// questions: the deal's record of the questions file, when there is one.
TResultatVerification VerifieDonne(const TDonne& donne, const TQuestionsDonne* questions,
                                   const TOptionsVerification& options = {});

// The hands hold the 52 cards once each, the cards of each suit together
// and in descending order: the play can be simulated.
bool MainsJouables(const TDonne& donne);

// "chaîne 3", or "chaîne « prise » (3)" when the chain has a name.
std::string NomChaine(int numero, const TOptionsVerification& options);

}  // namespace kalvo::redaction
