// The state of the deal being played, as the main window holds it. The
// controller alone changes it; the screen and the tests read it.
#pragma once

#include "coaching/VerificationSolution.h"
#include "control/EcranJeu.h"
#include "model/BridgeTypes.h"

#include <array>

namespace kalvo {

struct TEtatControleur {
  TCartesJouees OnTable{};    // the cards of the current trick by seat
  TCartesJouees LastLevee{};  // the cards of the last completed trick

  int CompteCartesJouees = 0;  // cards played to the current trick, 0..4
  int CompteurLevees = 0;      // tricks left in the current automatic or pool section
  int ChaineActuelle = 0;      // the current chain of the deal script
  int FirstChaine = 0;         // chain the last equivalent-chain search started from, 0 none
  int LastChaine = 0;          // chain of the previous trick
  int indiceSolution = 0;      // solution mode: solution last matched
  int indiceCouplesJoues = 0;  // solution mode: completed tricks recorded in CouplesJoues
  int NumeroPool = 0;          // pool mode: the pool in use, 1..4
  int numero_carte = 0;        // pool mode: entry the user's lead matched
  int Levee = 0;               // the current trick, 1..13 (0 before the play)
  int LastErreur = 0;          // code of the user's last refused card, 0 none, 49 in no line

  TJoueur PremierJoueurSolution = jrSud;  // the hand the solutions were computed for
  TJoueur Gagnant = jrSud;                // winner of the last completed trick
  TJoueur JoueurActuel = jrOuest;         // the seat to play
  TJoueur LastEntameur = jrOuest;         // leader of the previous trick
  TJoueur Entameur = jrOuest;             // leader of the current trick

  bool JeuAutomatique = false;       // "Jouer pour moi" is playing the deal
  bool isJ1Maitresse = false;        // the user's lead to the trick was a master card
  bool ModeProgramme = false;        // a programmed section, or the winning claim
  bool EnAutomatique = false;        // an automatic section of the script, or solution mode
  bool ModeSolution = false;         // solution mode
  bool PoolJeuEnCours = false;       // a pool section of the script
  bool ErreurDetectee = false;       // the deal was stopped on broken data
  bool PeutJouerDirectement = false; // the next card click also gathers the finished trick
  bool InJeu = false;                // a deal is being played
  bool FinEncheres = false;          // the auction is over: the next Avance starts the play
  bool InEncheres = false;           // the auction is on the table, the play has not started
  bool NoBids = false;               // the next deal start skips the auction replay
  bool LastLeveeVisible = false;     // the last trick was shown since the last gathering
  bool DerniereLevee = false;        // the 13th trick has been played
  bool BoutonGaucheDown = false;     // a click on a hand is being processed
  bool LeveeComplete = false;        // the trick is complete and waits to be gathered

  TCard Carte1;                      // the user's lead to the trick (pool and programme checks)
  TCouplesJoues CouplesJoues{};      // solution mode: the user's pairs of cards by trick

  int Notation = 100;       // the play mark of the deal
  int NoteQuestions = 100;  // the questions mark of the deal
  int LeveesNS = 0;         // tricks won by North-South
  int LeveesEO = 0;         // tricks won by East-West

  bool FeutreFinEncheres = false;               // a click on the felt ends the auction (EndBidsMouseDown)
  std::array<bool, NbBoutonsJeu> Boutons{};     // visibility of the buttons, by TBoutonJeu
};

}  // namespace kalvo
