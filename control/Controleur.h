// The game controller: the state of the main window and everything that
// changes it, from the first activation to the close, through the deal's
// start, the trick loop and the judging of the user's cards. It never
// draws: the screen interface TEcranJeu shows what it decides, and the
// screen reports the user's input through TEntreesJeu.
//
// Entry points (the input handlers, Active, Ferme, MessageFinDonne) are
// safe at any moment: broken data met while they run stops the deal with a
// French message and the program goes on; an entry point called while
// another runs (input let through during a card pause) is either dropped
// (clicks and keys, which the flags of the trick would ignore anyway) or
// run once the first one has finished (deal changes, "Jouer pour moi", the
// end-of-deal message). The other public operations are the steps those
// handlers run, open for tests; they may throw ErreurDonnee.
#pragma once

#include "coaching/CoupUtilisateur.h"
#include "coaching/StatistiquesJeu.h"
#include "control/AnalyseurDoubleMort.h"
#include "control/ChoixDonnes.h"
#include "control/ConfigurationControleur.h"
#include "control/EcranJeu.h"
#include "control/EntreesJeu.h"
#include "control/EtatControleur.h"
#include "control/JournalPartie.h"
#include "control/ReleveJeu.h"
#include "engine/Defausse.h"
#include "engine/Levee.h"
#include "engine/NavigationScript.h"
#include "engine/SuiviMains.h"
#include "model/BaseDonnes.h"
#include "model/Historique.h"
#include "model/NumerosVolume.h"
#include "model/Reglages.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kalvo {

class TControleur : public TEntreesJeu {
 public:
  // The settings are read at once (without the marks, which need the
  // catalogue) and told to the screen, which sizes its controls by them
  // before Active().
  TControleur(TEcranJeu& ecran, TConfigurationControleur configuration);
  // The whole game as it stands, played on another screen and without a
  // journal: the script exploration follows every card from one position.
  // Only between two entry points (nothing may be running or deferred).
  TControleur(const TControleur& modele, TEcranJeu& ecran);
  // A copy that only tries cards (the right play searched) asks no
  // double-dummy verdict on a card in no line: nobody reads it.
  void SansAnalyseImprevues() { configuration_.AnalyseImprevues = false; }
  // The same into this controller, keeping its screen and journal and
  // reusing its storage (a deal's record is large).
  void Reprend(const TControleur& modele);
  TControleur(const TControleur&) = delete;
  TControleur& operator=(const TControleur&) = delete;

  // Told of every card, refusal, question, trick... ; null for none.
  void SetJournal(TJournalPartie* journal) { journal_ = journal; }
  // Where each deal that reaches the end-of-deal screen is recorded; null
  // for none. A copy of the controller records nothing.
  void SetHistorique(THistorique* historique) { carnet_ = historique; }
  // The attempt of the deal being played, as it would be recorded now.
  const TTentative& TentativeEnCours() const { return tentative_; }

  // ---- Life of the main window ----

  // First activation: catalogue, collection table, settings and marks, the
  // random order, the idle table with "Démarrer". False when the program
  // must end at once (the database is missing or unusable; the messages
  // have been shown).
  bool Active() override;
  // Closing: the settings and marks written back. False (the error shown)
  // when the file could not be written.
  bool Ferme() override;
  // Window message 1549: 0 next deal, 1 replay without the auction, 99 quit.
  void MessageFinDonne(int action) override;

  // ---- Choice of the deal ----

  void ChangeDonne(int sens);
  void AfficheTitre(int n, bool avecContrat);
  void TireOrdreAleatoire();
  // The window title of deal n, as AfficheTitre shows it.
  std::string TitreDonne(int n, bool avecContrat) const;

  // ---- A deal ----

  void DemarreDonne();
  void DemarreJeu();
  void Avance();
  void JoueCarte(int indice);
  void IndiqueTour(int mode);
  void ArretSurErreur(const std::string& message);
  void CacheTable();
  static constexpr bool EstDeclarant(TJoueur joueur) { return joueur == jrSud || joueur == jrNord; }

  // ---- Input handlers ----

  void FormMouseDown() override;    // the felt or the bottom frame
  void CarteMouseDown() override;   // a played card
  void FormKeyDown(TToucheJeu touche) override;
  void EndBidsMouseDown(); // the felt, right after the auction replay
  void BNextClick() override;       // "Jeu de la carte"
  void Jouer2Click() override;      // "Démarrer"
  void Precedente1Click() override;
  void Suivante1Click() override;
  void NumDonne1Click() override;    // asks the "# donne" dialog
  void NumDonne1Click(int valeur);   // the number the dialog gave
  void RevoirLeveeClick() override;  // "Dernière levée"
  void BPointClick() override;       // "Le point"
  void BRevoirBidsClick() override;  // "Enchères"
  void BJeuAutoClick() override;     // "Jouer pour moi"
  // "Scores": the score dialogs, and the reset of the marks when asked there.
  void BScoresClick() override;
  void ChoixDonneClick() override;
  void RevoirTheme(int theme) override;
  // A click on a hand: the seat, the value (IndexCarte, 1..52) of the card
  // under the pointer or 0, and whether the right button was pressed.
  void JeuMouseDown(TJoueur joueur, int valeurCarte, bool boutonDroit) override;
  // The settings dialog has been closed on these settings: they are kept,
  // told to the screen, and the table follows them (ApresReglages).
  void ReglagesChoisis(const TReglages& reglages) override;
  // The table follows the settings: hands, marks, the order of the deals.
  void ApresReglages();
  // "Remise des scores à zéro".
  void EffaceScores();

  // ---- Reading ----

  const TEtatControleur& Etat() const { return etat_; }
  bool DonneLue() const { return donneLue_; }
  const TDonneLue& Donne() const { return donne_; }
  const TSuiviMains& Suivi() const { return suivi_; }
  // The tricks completed in the deal being played.
  const std::vector<TLeveeJouee>& Historique() const { return historique_; }
  // The play of the deal as the review shows it: tricks, refusals, comments.
  const TReleveJeu& Releve() const { return releve_; }
  const TCatalogue& Catalogue() const { return catalogue_; }
  int NbDonnes() const { return catalogue_.NbDonnes(); }
  const TNumerosVolume& NumerosVolume() const { return volume_; }
  const TEtatReglages& EtatReglages() const { return reglages_; }
  TEtatReglages& EtatReglages() { return reglages_; }
  const TReglages& Reglages() const { return reglages_.Reglages; }
  TReglages& Reglages() { return reglages_.Reglages; }
  int DonneActuelle() const { return reglages_.DonneActuelle; }
  const TStatistiquesJeu& Statistiques() const { return statistiques_; }
  const std::vector<int>& OrdreAleatoire() const { return OrdreAleatoire_; }
  const TConfigurationControleur& Configuration() const { return configuration_; }
  // The regime the user's cards are judged by now.
  TRegime Regime() const;
  // True when a click on a card of JoueurActuel's hand would be judged now;
  // for scripted users.
  bool AttendCarteUtilisateur() const;
  // The deal previous (-1) or next (+1) would lead to under the order and
  // filter of the settings, without leaving the current one; for tools that
  // step through the selection without a table.
  TPasDonne PasSelection(int sens);

 private:
  // ---- Entry points ----
  enum class TDifferable : bool { Non, Oui };
  void Execute(TDifferable differable, const std::function<void()>& action);
  void Protege(const std::function<void()>& action);

  // ---- Steps of the deal ----
  void MontreBouton(TBoutonJeu bouton, bool visible);
  void MontreJeuAuto(bool visible);
  TAffichageJeu ModeAffichage(TJoueur joueur) const;
  void AfficheJeu(TJoueur joueur);
  void AfficheMarques();
  void ChangeMarques();
  bool LitDonneActuelle();
  int PauseCarte(TJoueur joueur) const;
  TCard VerifieIndice(TJoueur joueur, int indice);
  TPositionDefense PositionDefense() const;
  TCoupUtilisateur Coup() const;
  int CarteDefenseur();
  int CarteDefenseurModeProgramme() const;
  void FinDeLevee();
  bool ParcourtScript();
  bool EntreEnMode(const TResolutionNoeud& resolution);
  void Revendique(const TResolutionNoeud& resolution);
  void LanceSolutions();
  void FinDuMode();
  void ChoisitDonne(int valeur);
  void CommenceTentative();
  void NoteRefusTentative(TCard carte, int code);
  void EnregistreTentative();
  void Navigue(int sens);
  void JoueDerniereLevee();
  bool TireHasard();
  void SignaleRegime();

  // ---- The user's cards ----
  bool VerifieCarte(TCard carte);
  struct TJugement;
  TJugement Juge(TCard carte, std::mt19937& alea) const;
  bool SansIssue(TCard carte) const;
  void AppliqueJugement(const TJugement& jugement, bool sansIssue);
  // lieu: where the script foresees the refusal (its Chaine and Pool).
  void Refuse(TCard carte, int code, const TRefus& lieu);
  void RefuseHorsLigne(TCard carte);
  void NoteRefus(const TRefus& refus);
  std::optional<TVerdictImprevu> AnalyseImprevue(TCard carte);
  void TermineLevee();
  bool JoueCarteForcee();
  void CompteLevee(TJoueur gagnant);
  void InviteApresLevee();
  void JoueLeveeAuto(int levee);
  bool JeuCompletSuivi() const;
  void RetireNotation(int n);
  void RetireNoteQuestions(int n);
  void PoseQuestion(int numero);
  void MontreFinDonne();
  std::string PbnDonneJouee() const;

  TEcranJeu& ecran_;
  TConfigurationControleur configuration_;
  TJournalPartie* journal_ = nullptr;
  THistorique* carnet_ = nullptr;

  TEtatControleur etat_;
  TEtatReglages reglages_;
  TCatalogue catalogue_;
  TNumerosVolume volume_;
  TDonneLue donne_;
  // Changes with each deal read: Reprend copies the large record only when
  // the stamps differ, and otherwise the counter tables, the only bytes
  // the play changes.
  std::uint64_t versionDonne_ = 0;
  void NouvelleVersionDonne();
  bool donneLue_ = false;
  TSuiviMains suivi_;
  std::vector<TLeveeJouee> historique_;
  TReleveJeu releve_;
  bool actif_ = false;
  TStatistiquesJeu statistiques_;
  std::vector<int> OrdreAleatoire_;
  std::mt19937 alea_;
  // The order and filter of the last step, to draw the random order again
  // when the filter changes.
  std::optional<TChoixDonnes> choixVu_;
  TRegime regimeSignale_ = TRegime::Aucun;
  TTentative tentative_;  // the deal being played, for the history

  int profondeur_ = 0;
  std::deque<std::function<void()>> differes_;
  // Made at the first unforeseen card; a copy of the controller has none.
  std::unique_ptr<TAnalyseurDoubleMort> analyseur_;
};

}  // namespace kalvo
