// Everything the game controller asks of the screen, by the moment it
// happens. The main window implements it on top of its table controls; the
// tests and kalvo-play implement it with a recorder that answers from a
// script, so a whole deal plays without a display, and the script
// exploration with a screen that shows nothing.
//
// The screen only receives: every value it shows comes in these calls, in
// UTF-8, and it never asks the controller or the quiz for data. The
// controller decides, the screen shows: no operation here changes the state
// of the deal. Operations marked "modal" return once the user has closed the
// window; the others return at once, except PoseCarte (which waits the pause
// it is given) and RejoueEncheres (which blocks for the whole auction).
#pragma once

#include "control/DonneAffichee.h"
#include "control/FinDonne.h"
#include "control/ListeDonnes.h"
#include "control/ReleveJeu.h"
#include "control/ScoresAffiches.h"
#include "model/BridgeTypes.h"
#include "model/QuestionPosee.h"
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

// Which marks the table shows: "Jeu" and the play mark, "Questions" and the
// questions mark, "NS" and "EO" with their trick counters.
struct TMarquesVisibles {
  bool Jeu = false;
  bool Questions = false;
  bool Levees = false;
  friend bool operator==(const TMarquesVisibles&, const TMarquesVisibles&) = default;
};

// The values of the marks and trick counters.
struct TMarques {
  int Notation = 100;
  int NoteQuestions = 100;
  int LeveesNS = 0;
  int LeveesEO = 0;
  friend bool operator==(const TMarques&, const TMarques&) = default;
};

class TEcranJeu {
 public:
  virtual ~TEcranJeu() = default;

  // ---- The program: settings, title, buttons, pointer, windows ----

  // The settings the table is drawn with (card set, layout of South and
  // North, the settings dialog's record): told when the controller is made,
  // at the first activation and after the settings dialog. The screen keeps
  // its own copy.
  virtual void AppliqueReglages(const TReglages& reglages) = 0;
  // The window title, also shown on the table's contract label.
  virtual void AfficheTitre(const std::string& titre) = 0;
  virtual void MontreBouton(TBoutonJeu bouton, bool visible) = 0;
  virtual void IndiqueTour(int mode) = 0;  // TourAucun..TourNord
  // The cards the hand to play may be played now (following suit when it
  // must), told with each IndiqueTour; empty while the user plays no card.
  // The keyboard focus moves over these only.
  virtual void IndiqueCartesJouables(TJoueur joueur, const std::vector<TCard>& cartes) = 0;
  // The hourglass over whatever IndiqueTour set, until Sablier(false).
  virtual void Sablier(bool actif) = 0;
  // Modal: the score dialog and the detailed scores it opens, with the
  // figures as they stand and as they read once reset; true when the user
  // asked for "Remise des scores à zéro" (the controller then resets).
  virtual bool MontreScores(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) = 0;
  // Modal: the "# donne" dialog; the number typed, nothing when cancelled.
  virtual std::optional<int> DemandeNumeroDonne(int maximum, int actuel) = 0;
  // Modal: the deal chooser ("Choisir une donne") on these lines; the deal
  // chosen, nothing when closed without a choice.
  virtual std::optional<int> MontreChoixDonnes(const TListeDonnes& liste) = 0;
  // Posts window message 1549: the screen calls the controller's
  // MessageFinDonne(action) once the handler running now has returned.
  virtual void PosteFinDonne(int action) = 0;
  // Closes the main window; its closing calls the controller's Ferme().
  virtual void FermeFenetre() = 0;
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

  // ---- A deal on the table ----

  // A deal has just been read: the four hands get their 13 cards (still
  // hidden), sorted for the contract's strain; the reviews and the
  // end-of-deal screen keep the rest until the next deal.
  virtual void MontreDonne(const TDonneAffichee& donne) = 0;
  // Shows a hand in the layout the controller chose from the settings
  // (South afjNormal/afjNormalDecale, North afjMort/afjMortDecale, West and
  // East afjCoteDecale), placing it and the played cards around it.
  virtual void AfficheJeu(TJoueur joueur, TAffichageJeu mode) = 0;
  virtual void CacheJeu(TJoueur joueur) = 0;
  // The played cards, the four hands, the bidding rows, the board and "Jeu
  // de la carte" hidden.
  virtual void CacheTable() = 0;
  virtual void AfficheMarques(const TMarquesVisibles& visibles) = 0;
  virtual void ChangeMarques(const TMarques& marques) = 0;

  // ---- The auction ----

  // Replays the auction of the deal shown (board, bidding rows, alert
  // boxes), the marks hidden: each call waits vitesse x 500 ms, each closing
  // pass vitesse x 100 ms, with the table deaf to the user. Returns when it
  // is over.
  virtual void RejoueEncheres(int vitesse) = 0;
  // The bidding rows and the board leave the table (the play starts).
  virtual void CacheEncheres() = 0;
  // Modal: the auction review window; avantJeu: the play has not started,
  // so the window keeps clear of South's hand.
  virtual void MontreRevueEncheres(bool avantJeu) = 0;

  // ---- The play ----

  // Waits pauseMs milliseconds (0: none) letting pending input through, then
  // puts the card on the table in front of the seat and takes it out of the
  // seat's hand. The controller computes the pause.
  virtual void PoseCarte(TJoueur joueur, TCard carte, int pauseMs) = 0;
  virtual void CacheCartesJouees() = 0;
  // Modal reviews: the last trick, and "Le point" of the deal shown.
  virtual void MontreDerniereLevee(const TCartesJouees& levee) = 0;
  virtual void MontrePoint() = 0;
  // Modal: the comment window (a deal's comment line or a trump message).
  virtual void AfficheCommentaire(const std::string& texte) = 0;
  // Modal: the one-line warning window (a built-in message 70..95, or the
  // double-dummy verdict on a card in no line of the lesson).
  virtual void AfficheMessage(const std::string& texte) = 0;
  // The system's error sound (a refused card when comments are off, a card
  // in no accepted line).
  virtual void Bip() = 0;

  // ---- Questions ----

  // Modal: the question's dialog; returns the user's answer, which the quiz
  // judges.
  virtual TReponseQuestion PoseQuestion(const TQuestionPosee& question) = 0;
  // Modal: "Mauvaise réponse" with the expected answer.
  virtual void MontreReponseAttendue(const TTexteReponseAttendue& reponse) = 0;

  // ---- The end of the deal ----

  // The deal as played, in PBN, for "Exporter (PBN)…" of the end-of-deal
  // screen shown next; empty when there is nothing to export.
  virtual void PrepareExportPbn(const std::string& pbn) = 0;
  // The play of the deal for "Revoir le jeu" of the end-of-deal screen shown
  // next, which steps through it on the table by itself; no trick recorded:
  // nothing to review.
  virtual void PrepareRevueJeu(const TReleveJeu& releve) = 0;
  // Modal: the end-of-deal screen of the deal shown, its theme and strength
  // as visible says. Returns ActionSuivante, ActionRejouer or ActionArreter.
  virtual int MontreFinDonne(const TVisibiliteFinDonne& visible) = 0;
};

}  // namespace kalvo
