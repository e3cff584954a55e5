// Everything the game controller asks of the screen. The main window
// implements it on top of its table controls; the tests and kalvo-play
// implement it with a recorder that answers from a script, so a whole deal
// plays without a display.
//
// The controller decides, the screen shows: no operation here changes the
// state of the deal. Operations marked "modal" return once the user has
// closed the window; the others return at once, except PoseCarte (which
// waits the pause it is given) and RejoueEncheres (which blocks for the
// whole auction).
#pragma once

#include "coaching/Quiz.h"
#include "engine/SuiviMains.h"
#include "model/BaseDonnes.h"
#include "model/BridgeTypes.h"
#include "model/Reglages.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvo {

// The buttons whose visibility the controller decides. bjNavigation stands
// for the three deal-stepping buttons (previous, "# donne", next), which
// sit where "Jouer pour moi" sits: the controller shows one or the other.
enum TBoutonJeu : std::uint8_t {
  bjStart,       // BStart "Démarrer"
  bjNext,        // BNext "Jeu de la carte"
  bjJeuAuto,     // BJeuAuto "Jouer pour moi"
  bjLastLevee,   // BLastLevee "Dernière levée"
  bjRevoirBids,  // BRevoirBids "Enchères"
  bjPoint,       // BPoint "Le point"
  bjNavigation,  // BPrecedente, BDonne, BSuivante
};
inline constexpr int NbBoutonsJeu = 7;

// Cursor and turn arrow (IndiqueTour): 0 default cursor, no arrow;
// 1 "RAMASSE" (a finished trick waits), no arrow; 2 "MAINSUD" and the arrow
// beside South's hand; 3 "MAINNORD" and the arrow at North's height.
inline constexpr int TourAucun = 0;
inline constexpr int TourRamasse = 1;
inline constexpr int TourSud = 2;
inline constexpr int TourNord = 3;

// End-of-deal actions (the first parameter of window message 1549).
inline constexpr int ActionSuivante = 0;
inline constexpr int ActionRejouer = 1;
inline constexpr int ActionArreter = 99;

class TEcranJeu {
 public:
  virtual ~TEcranJeu() = default;

  // ---- The deal on the table ----

  // A deal has just been read and the engine set to it: the four hands get
  // their 13 cards (still hidden), the trump suit (clSA: none) for their
  // sorting, and the auction review window and the static part of the
  // end-of-deal screen are filled (the hands as dealt: suivi.s_GetCartes).
  virtual void PrepareDonne(const TDonneLue& donne, const TSuiviMains& suivi) = 0;
  // Shows a hand in the layout the controller chose from the settings
  // (South afjNormal/afjNormalDecale, North afjMort/afjMortDecale, West and
  // East afjCoteDecale), placing it and the played cards around it.
  virtual void AfficheJeu(TJoueur joueur, TAffichageJeu mode) = 0;
  virtual void CacheJeu(TJoueur joueur) = 0;
  // Waits pauseMs milliseconds (0: none) letting pending input through, then
  // puts the card on the table in front of the seat and takes it out of the
  // seat's hand. The controller computes the pause.
  virtual void PoseCarte(TJoueur joueur, TCard carte, int pauseMs) = 0;
  virtual void CacheCartesJouees() = 0;
  // CacheTable: the played cards, the four hands, the bidding rows, the
  // board and "Jeu de la carte" hidden.
  virtual void CacheTable() = 0;

  // ---- The auction ----

  // Replays the auction on the table (board, bidding rows, alert boxes):
  // each call waits vitesse x 500 ms, each closing pass vitesse x 100 ms,
  // with the table deaf to the user. Returns when it is over.
  virtual void RejoueEncheres(const TDonne& donne, int vitesse) = 0;
  // The bidding rows and the board leave the table (the play starts).
  virtual void CacheEncheres() = 0;
  // Modal: the auction review window of the deal prepared last.
  virtual void MontreRevueEncheres() = 0;

  // ---- Pointer, title, buttons ----

  virtual void IndiqueTour(int mode) = 0;  // TourAucun..TourNord
  // The hourglass over whatever IndiqueTour set, until Sablier(false).
  virtual void Sablier(bool actif) = 0;
  // The window title, also shown on the table's contract label.
  virtual void AfficheTitre(const std::string& titre) = 0;
  virtual void MontreBouton(TBoutonJeu bouton, bool visible) = 0;

  // ---- Marks and trick counters ----

  virtual void AfficheNotation(bool visible) = 0;        // "Jeu" and the play mark
  virtual void AfficheNoteQuestions(bool visible) = 0;   // "Questions" and its mark
  virtual void AfficheCompteurLevees(bool visible) = 0;  // "NS", "EO" and their counters
  virtual void ChangeNotation(int note) = 0;
  virtual void ChangeNoteQuestions(int note) = 0;
  virtual void ChangeLevees(int leveesNS, int leveesEO) = 0;

  // ---- Reviews (modal) ----

  virtual void MontreDerniereLevee(const TCartesJouees& levee) = 0;
  virtual void MontrePoint() = 0;  // "Le point": point.rtf of the data folder

  // ---- Coaching ----

  // Modal: the comment window (a deal's comment line or a trump message).
  virtual void AfficheCommentaire(const std::string& texte) = 0;
  // Modal: the one-line warning window (a built-in message 70..95).
  virtual void AfficheMessage(const std::string& texte) = 0;
  // The system's error sound (a refused card when comments are off, a card
  // in no accepted line).
  virtual void Bip() = 0;
  // Modal: the question's dialog; returns the user's answer.
  virtual TReponseQuestion PoseQuestion(const TQuestionPosee& question) = 0;
  // Modal: "Mauvaise réponse" with the expected answer.
  virtual void MontreReponseAttendue(const TTexteReponseAttendue& reponse) = 0;

  // ---- End of a deal, choice of a deal, closing ----

  // Modal: the end-of-deal screen (resume.rtf of the data folder, the
  // diagram prepared with the deal, theme and difficulty as the settings
  // say). Returns ActionSuivante, ActionRejouer or ActionArreter.
  virtual int MontreFinDonne(const TDonneLue& donne, const TReglages& reglages) = 0;
  // Modal: the "# donne" dialog; the number typed, nothing when cancelled.
  virtual std::optional<int> DemandeNumeroDonne(int maximum, int actuel) = 0;
  // Posts window message 1549: the screen calls the controller's
  // MessageFinDonne(action) once the handler running now has returned.
  virtual void PosteFinDonne(int action) = 0;
  // Closes the main window; its closing calls the controller's Ferme().
  virtual void FermeFenetre() = 0;

  // ---- Errors ----

  // The deal was stopped on broken data; the program goes on.
  virtual void AfficheErreurDonnee(const std::string& message) = 0;
  // A message box with an OK button: a file that could not be written, a
  // warning about damaged data.
  virtual void AfficheErreur(const std::string& message) = 0;
  // The messages are shown in order (the deals database is missing or
  // unreadable); the controller then ends the program: Active() returns
  // false (the program ends without its closing steps), or, during a deal,
  // FermeFenetre.
  virtual void AfficheErreurFatale(const std::vector<std::string>& messages) = 0;
};

}  // namespace kalvo
