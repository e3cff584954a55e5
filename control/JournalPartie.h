// What happens in a deal, told as it happens: every card, every refusal
// with its cost, every question, every trick and change of regime. The
// controller tells an optional journal; kalvo-play writes it as JSON and the
// tests read it. The screen does not need it.
#pragma once

#include "coaching/Quiz.h"
#include "coaching/VerdictImprevu.h"
#include "engine/DefenseScript.h"
#include "model/BaseDonnes.h"
#include "model/BridgeTypes.h"

#include <string>
#include <string_view>

namespace kalvo {

// How the user's cards are judged (or not) at a given moment.
enum class TRegime : std::uint8_t {
  Aucun,           // no play: idle, auction, deal over
  Chaine,          // the script's chains
  Automatique,     // an automatic section of the script (programme mode with its exceptions)
  Pool,            // a pool section of the script
  Solution,        // the solutions the engine computed
  Revendication,   // the winning claim: programme mode to the end
  JeuAutomatique,  // "Jouer pour moi": nothing is judged
};

// "aucun", "chaine", "automatique", "pool", "solution", "revendication", "jouer_pour_moi".
std::string_view NomRegime(TRegime regime);

// How a refused card was told to the user.
enum class TSignalRefus : std::uint8_t { Commentaire, Avertissement, Bip };

struct TRefus {
  TJoueur Joueur = jrSud;
  TCard Carte;
  int Code = 0;     // 49: in no accepted line
  int Points = 0;   // marks actually taken (0 for the same code again, less near 0)
  TSignalRefus Signal = TSignalRefus::Bip;
  std::string Texte;  // the comment or warning shown; empty for a beep
  // Where the script foresees the refusal: the chain (or automatic node)
  // whose list names the card, or the pool of a pool section; 0 when the
  // trainer's own judge refused it.
  int Chaine = 0;
  int Pool = 0;
  // A card in no line: its double-dummy verdict, when the setting asks for
  // it and it came in time (shown in the warning window).
  std::optional<TVerdictImprevu> Verdict;
};

class TJournalPartie {
 public:
  virtual ~TJournalPartie() = default;

  virtual void DonneChargee(int /*numero*/, const TDonneLue& /*donne*/) {}
  virtual void CarteJouee(int /*levee*/, TJoueur /*joueur*/, TCard /*carte*/) {}
  // A defender's card in the chains, with where it came from (told before
  // CarteJouee): the script checks look for the fallbacks.
  virtual void ChoixDefense(TJoueur /*joueur*/, const TChoixDefense& /*choix*/) {}
  virtual void CarteRefusee(const TRefus& /*refus*/) {}
  // Every card the hand could play would have been refused: the clicked
  // one is played without charge.
  virtual void CarteSansIssue(TJoueur /*joueur*/, TCard /*carte*/) {}
  virtual void QuestionPosee(const TQuestionPosee& /*question*/, const TReponseQuestion& /*reponse*/, bool /*bonne*/,
                             int /*points*/) {}
  virtual void LeveeTerminee(int /*levee*/, TJoueur /*gagnant*/, int /*leveesNS*/, int /*leveesEO*/) {}
  virtual void ChangementRegime(TRegime /*regime*/) {}
  // A script node ended the deal by a claim.
  virtual void Revendication(int /*leveesNS*/, int /*leveesEO*/, const std::string& /*commentaire*/) {}
  // The end-of-deal screen is about to open.
  virtual void FinDonne(int /*leveesNS*/, int /*leveesEO*/, int /*notation*/, int /*noteQuestions*/) {}
  virtual void ChoixFinDonne(int /*action*/) {}
  virtual void ErreurDonnee(const std::string& /*message*/) {}
};

}  // namespace kalvo
