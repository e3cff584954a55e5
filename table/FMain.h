// TFMain: the main window, which is the card table. It owns the table
// controls, every dialog of the program (each created once) and the game
// controller. It shows what the controller hands it through TEcranJeu and
// reports the user's input through TEntreesJeu; it never reads the
// controller back.
// Its members are spread over files named after what they hold: creation
// and life (FMain.cpp), layout (FMainMiseEnPage.cpp), the screen interface
// (FMainEcran.cpp), the auction replay (FMainEncheres.cpp), buttons, mouse
// and keys (FMainEntrees.cpp).
#pragma once

#include "control/ConfigurationControleur.h"
#include "control/EcranJeu.h"
#include "control/EntreesJeu.h"
#include "table/GeometrieTable.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace kalvo {

class TControleur;

class TAboutBox;
class TAfficheurSegments;
class TAide;
class TBids1024;
class TCarte1024;
class TDelaiCartesDlg;
class TDelaiDlg;
class TDialoguesQuiz;
class TDonneDlg;
class TChoixDonneDlg;
class TErreurDlg;
class TEtiquetteContour;
class TEtui1024;
class TFDispJeux;
class TFEncheres;
class TFErreur;
class TFLastL;
class TFPoint;
class TFScores;
class TFinDonne1024;
class TJeu1024;
class TReglagesDlg;
class TRevueJeu;
class TScoreGlobalDlg;
class TStyleMnemoniques;

// An alert explanation box drawn on the felt during the auction replay.
struct TAlerteAffichee {
  int Numero = 0;  // 1, 2, ...: its place from the top
  int Niveau = 0;
  int Couleur = 0;
  QString Texte;
};

class TFMain : public QWidget, public TEcranJeu {
  Q_OBJECT

 public:
  // The program's window, with its game controller. zoneTravail: the
  // screen's work area the window is sized for; none: the primary screen's.
  explicit TFMain(TConfigurationControleur configuration, std::optional<QRect> zoneTravail = std::nullopt);
  // A window without a game: it shows what it is told through TEcranJeu and
  // reports the user's input to `entrees` (none: the input goes nowhere).
  TFMain(const TReglages& reglages, std::optional<QRect> zoneTravail, TEntreesJeu* entrees = nullptr);
  ~TFMain() override;

  // The controller the window owns, for its owner (the tools and tests);
  // only for the first constructor.
  TControleur& Controleur() { return *controleur_; }
  const TControleur& Controleur() const { return *controleur_; }
  // The first activation (runs once, when the window is first shown).
  // False when the program must end at once: the window then closes
  // without its closing steps.
  bool PremiereActivation();
  bool Active() const { return actif_; }
  bool EchecActivation() const { return echecActivation_; }

  // ---- Table controls, by seat ----
  std::array<TCarte1024*, 4> Cartes{};
  std::array<TJeu1024*, 4> Jeux{};
  std::array<TBids1024*, 4> BidsSurTable{};
  TEtui1024* Etui = nullptr;
  QLabel* Fleche = nullptr;
  TEtiquetteContour* LContrat = nullptr;
  TEtiquetteContour* LNotation = nullptr;
  TEtiquetteContour* LQuestions = nullptr;
  TEtiquetteContour* LNS = nullptr;
  TEtiquetteContour* LEO = nullptr;
  TAfficheurSegments* Notation = nullptr;
  TAfficheurSegments* NoteQuestions = nullptr;
  TAfficheurSegments* LeveesNS = nullptr;
  TAfficheurSegments* LeveesEO = nullptr;
  QPushButton* BStart = nullptr;
  QPushButton* BNext = nullptr;
  QPushButton* Bouton(TBoutonRangee bouton) const { return rangee_[bouton]; }

  // ---- Dialogs, created once ----
  TFinDonne1024* FinDonne = nullptr;
  TFDispJeux* DispJeux = nullptr;
  TFErreur* Avertissement = nullptr;
  TFScores* Scores = nullptr;
  TScoreGlobalDlg* ScoreGlobal = nullptr;
  TReglagesDlg* Reglages = nullptr;
  TFEncheres* Encheres = nullptr;
  TFLastL* LastL = nullptr;
  TAboutBox* Infos = nullptr;
  TDelaiDlg* Delai = nullptr;
  TDonneDlg* DonneDlg = nullptr;
  TChoixDonneDlg* ChoixDonne = nullptr;
  // "Choisir une donne", at the right end of "# donne"'s place.
  QPushButton* BChoixDonne = nullptr;
  std::unique_ptr<TDialoguesQuiz> Quiz;
  TErreurDlg* Commentaire = nullptr;
  TDelaiCartesDlg* DelaiCartes = nullptr;
  TFPoint* Point = nullptr;
  TAide* Aide = nullptr;
  // "Revoir le jeu": covers the table while the end-of-deal screen waits.
  TRevueJeu* Revue = nullptr;

  // ---- Layout ----
  int LargeurFenetre = 0;
  int HauteurFenetre = 0;
  const TRangeeBoutons& Rangee() const { return rangeeBoutons_; }
  const std::vector<TAlerteAffichee>& Alertes() const { return alertes_; }
  void PlaceJeu(TJoueur joueur);
  void PlaceJeux();
  void PlaceCartesJouees();
  void PlaceEtui();
  void PlaceBids();
  void PlaceFleche();

  // ---- Handlers of the window's own buttons ----
  void BReglagesClick();
  void BScoresClick();
  void Quitter1Click();

 private:
  // The deal chooser's button and dialog (FMainChoix.cpp).
  void CreeChoixDonne();
  void PlaceChoixDonne();

 public:

  // ---- TEcranJeu ----
  void AppliqueReglages(const TReglages& reglages) override;
  void AfficheTitre(const std::string& titre) override;
  void MontreBouton(TBoutonJeu bouton, bool visible) override;
  void IndiqueTour(int mode) override;
  void IndiqueCartesJouables(TJoueur joueur, const std::vector<TCard>& cartes) override;
  void Sablier(bool actif) override;
  bool MontreScores(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) override;
  std::optional<int> DemandeNumeroDonne(int maximum, int actuel) override;
  std::optional<int> MontreChoixDonnes(const TListeDonnes& liste) override;
  void PosteFinDonne(int action) override;
  void FermeFenetre() override;
  void AfficheErreurDonnee(const std::string& message) override;
  void AfficheErreur(const std::string& message) override;
  void AfficheErreurFatale(const std::vector<std::string>& messages) override;
  void MontreDonne(const TDonneAffichee& donne) override;
  void AfficheJeu(TJoueur joueur, TAffichageJeu mode) override;
  void CacheJeu(TJoueur joueur) override;
  void CacheTable() override;
  void AfficheMarques(const TMarquesVisibles& visibles) override;
  void ChangeMarques(const TMarques& marques) override;
  void RejoueEncheres(int vitesse) override;
  void CacheEncheres() override;
  void MontreRevueEncheres(bool avantJeu) override;
  void PoseCarte(TJoueur joueur, TCard carte, int pauseMs) override;
  void CacheCartesJouees() override;
  void MontreDerniereLevee(const TCartesJouees& levee) override;
  void MontrePoint() override;
  void AfficheCommentaire(const std::string& texte) override;
  void AfficheMessage(const std::string& texte) override;
  void Bip() override;
  TReponseQuestion PoseQuestion(const TQuestionPosee& question) override;
  void MontreReponseAttendue(const TTexteReponseAttendue& reponse) override;
  void PrepareExportPbn(const std::string& pbn) override;
  void PrepareRevueJeu(const TReleveJeu& releve) override;
  int MontreFinDonne(const TVisibiliteFinDonne& visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Creation, in order.
  void Construit(const QRect& zoneTravail);
  void DimensionneFenetre(const QRect& zoneTravail);
  void CreeControlesTable();
  void CreeEtiquettes();
  void CreeBoutons();
  void CreeDialogues(const QRect& zoneTravail);
  void Connecte();
  // Layout of the frame-bound elements for the current client size.
  void PlaceElementsFixes();
  void DessineAlerte(QPainter& p, const TAlerteAffichee& alerte) const;
  void EcritTexteAlerte(QPainter& p, int x, int y, const QString& texte) const;
  // The table drawn with the settings kept: hands, played cards, board and
  // bidding rows take their card set and places.
  void SuitReglages();
  // After a modal window: the focus back to the table, which repaints.
  void RetourTable();
  // The mnemonics underlined (Alt held) or not.
  void SoulignesMnemoniques(bool visibles);
  // The counters' and the trick's descriptions for a screen reader, as they
  // stand now.
  void DecritMarques();
  void DecritLevee();
  // Shows or hides a button; a hidden button's keyboard focus goes back
  // to the table rather than to the next button.
  void MontreBoutonTable(QPushButton* bouton, bool visible);
  // A key for the focus over the playable cards; false when it is none.
  bool ToucheFocus(QKeyEvent* event);
  QRect Geometrie() const;
  int SetCartes() const;

  std::unique_ptr<TControleur> controleur_;
  TEntreesJeu* entrees_ = nullptr;
  TReglages reglages_;
  // The deal shown, as the controller handed it; none before the first.
  std::optional<TDonneAffichee> donne_;
  QColor CouleurTapis;
  QPixmap tapis_;
  bool feutreUni_ = false;
  TRangeeBoutons rangeeBoutons_;
  std::array<QPushButton*, NbBoutonsRangee> rangee_{};
  TStyleMnemoniques* styleMnemoniques_ = nullptr;  // the buttons' style, a child of the window
  QSize tailleMiseEnPage_;
  std::vector<TAlerteAffichee> alertes_;
  bool dejaMontree_ = false;
  bool actif_ = false;
  bool echecActivation_ = false;
  bool fermee_ = false;
  int sabliers_ = 0;
  // The hand to play and its playable cards in the hand's order; the focus
  // is drawn only once the keyboard has moved it, so a mouse user sees none.
  TJoueur joueurJouable_ = jrSud;
  std::vector<int> jouables_;
  bool focusClavier_ = false;
  // The cards on the felt in the order they were played.
  std::vector<std::pair<TJoueur, TCard>> levee_;
};

}  // namespace kalvo
