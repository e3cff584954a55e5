// The main window's creation, first activation and closing.
#include "table/FMain.h"

#include "control/Controleur.h"
#include "table/AboutBox.h"
#include "table/AfficheurSegments.h"
#include "table/Aide.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/DecorTable.h"
#include "table/DelaiDlg.h"
#include "table/DialoguesQuiz.h"
#include "table/DonneDlg.h"
#include "table/ErreurDlg.h"
#include "table/EtiquetteContour.h"
#include "table/Etui1024.h"
#include "table/FDispJeux.h"
#include "table/FEncheres.h"
#include "table/FErreur.h"
#include "table/FLastL.h"
#include "table/FPoint.h"
#include "table/FScores.h"
#include "table/FinDonne1024.h"
#include "table/IconesTable.h"
#include "table/Jeu1024.h"
#include "table/JeuDeCartes.h"
#include "table/Palette.h"
#include "table/Polices.h"
#include "table/ReglagesDlg.h"
#include "table/RevueJeu.h"
#include "table/ScoreGlobalDlg.h"
#include "table/StyleMnemoniques.h"
#include "table/TextesAccessibles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace kalvo {

namespace {

QRect ZoneTravailEcran() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  return ecran ? ecran->availableGeometry() : QRect(0, 0, LargeurMaxFenetre, HauteurMaxFenetre);
}

}  // namespace

TFMain::TFMain(TConfigurationControleur configuration, std::optional<QRect> zoneTravail)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      CouleurTapis(QColor(CouleurTapisDefaut)),
      tapis_(TextureTapis(QColor(CouleurFondFenetre))) {
  // The controller tells its settings as it is made, so that the controls
  // take their card set.
  controleur_ = std::make_unique<TControleur>(*this, std::move(configuration));
  entrees_ = controleur_.get();
  Construit(zoneTravail.value_or(ZoneTravailEcran()));
}

TFMain::TFMain(const TReglages& reglages, std::optional<QRect> zoneTravail, TEntreesJeu* entrees)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      entrees_(entrees),
      reglages_(reglages),
      CouleurTapis(QColor(CouleurTapisDefaut)),
      tapis_(TextureTapis(QColor(CouleurFondFenetre))) {
  Construit(zoneTravail.value_or(ZoneTravailEcran()));
}

void TFMain::Construit(const QRect& zone) {
  DimensionneFenetre(zone);
  setObjectName(QStringLiteral("FMain"));
  setFont(PoliceEnPoints(QStringLiteral("Arial"), 10));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QStringLiteral("Table de jeu"));
  setAccessibleDescription(QString::fromStdString(DescriptionLevee({})));
  CreeControlesTable();
  CreeEtiquettes();
  CreeBoutons();
  CreeChoixDonne();
  PlaceElementsFixes();
  CreeDialogues(zone);
  Connecte();
}

// The faces go back to their usual style for whatever draws cards next.
TFMain::~TFMain() { TJeuDeCartes::Commun().ChoisitStyle({}); }

void TFMain::DimensionneFenetre(const QRect& zoneTravail) {
  const QSize taille = TailleFenetre(zoneTravail);
  LargeurFenetre = taille.width();
  HauteurFenetre = taille.height();
  setMinimumWidth(LargeurMinFenetre);
  setMaximumSize(taille);
  setGeometry(QRect(zoneTravail.topLeft(), taille));
}

int TFMain::SetCartes() const { return reglages_.GrandesCartes ? NbSetsCartes : reglages_.SetCartes; }

QRect TFMain::Geometrie() const { return QRect(mapToGlobal(QPoint(0, 0)), size()); }

void TFMain::CreeControlesTable() {
  static constexpr std::array<const char*, 4> nomsCartes{"CarteS", "CarteO", "CarteN", "CarteE"};
  static constexpr std::array<const char*, 4> nomsJeux{"JeuSud", "JeuOuest", "JeuNord", "JeuEst"};
  static constexpr std::array<const char*, 4> nomsBids{"BidsSud", "BidsOuest", "BidsNord", "BidsEst"};
  const int k = SetCartes();
  for (TJoueur j : TousLesJoueurs) {
    auto* carte = new TCarte1024(this);
    carte->setObjectName(QString::fromLatin1(nomsCartes[j]));
    carte->SetTag(j);
    carte->SetSens(true);
    carte->SetSetCartes(k);
    carte->SetBackground(CouleurTapis);
    carte->hide();
    carte->setAccessibleDescription(QString::fromStdString(DescriptionCarteJouee(j)));
    Cartes[j] = carte;

    auto* jeu = new TJeu1024(this);
    jeu->setObjectName(QString::fromLatin1(nomsJeux[j]));
    jeu->SetTag(j);
    jeu->SetJoueur(j);
    jeu->SetSetCartes(k);
    jeu->SetColor(CouleurTapis);
    jeu->SetAffichage(j == jrSud ? afjNormal : j == jrNord ? afjMort : afjCoteDecale);
    Jeux[j] = jeu;

    auto* bids = new TBids1024(this);
    bids->setObjectName(QString::fromLatin1(nomsBids[j]));
    bids->SetTag(j);
    bids->SetJoueur(j);
    bids->SetColor(CouleurTapis);
    bids->SetDimension(k);
    BidsSurTable[j] = bids;
  }
  Jeux[jrSud]->raise();
  Etui = new TEtui1024(this);
  Etui->setObjectName(QStringLiteral("Etui"));
  Etui->SetColor(CouleurTapis);
  Etui->SetDimension(k);
  Etui->SetVisible(false);

  Fleche = new QLabel(this);
  Fleche->setObjectName(QStringLiteral("Fleche"));
  Fleche->setPixmap(ImageFleche());
  Fleche->resize(TailleFleche);
  Fleche->setAttribute(Qt::WA_TransparentForMouseEvents);
  Fleche->hide();
}

void TFMain::CreeEtiquettes() {
  auto etiquette = [this](const char* nom, const QString& texte) {
    auto* e = new TEtiquetteContour(texte, this);
    e->setObjectName(QString::fromLatin1(nom));
    return e;
  };
  LContrat = etiquette("LContrat", QString());
  LContrat->SetContour(false);
  LContrat->SetAlignement(Qt::AlignHCenter | Qt::AlignTop);
  LNotation = etiquette("LNotation", QStringLiteral("Jeu"));
  LQuestions = etiquette("LQuestions", QStringLiteral("Questions"));
  LNS = etiquette("LNS", QStringLiteral("NS"));
  LEO = etiquette("LEO", QStringLiteral("EO"));

  auto afficheur = [this](const char* nom, int chiffres, QRgb couleur) {
    auto* a = new TAfficheurSegments(chiffres, QColor(couleur), this);
    a->setObjectName(QString::fromLatin1(nom));
    a->resize(TailleAfficheur(chiffres));
    return a;
  };
  Notation = afficheur("Notation", 3, CouleurLime);
  NoteQuestions = afficheur("NoteQuestions", 3, CouleurLime);
  LeveesNS = afficheur("LeveesNS", 2, CouleurJaune);
  LeveesEO = afficheur("LeveesEO", 2, CouleurJaune);
  Notation->setAccessibleName(QStringLiteral("Note du jeu"));
  NoteQuestions->setAccessibleName(QStringLiteral("Note des questions"));
  LeveesNS->setAccessibleName(QStringLiteral("Levées Nord-Sud"));
  LeveesEO->setAccessibleName(QStringLiteral("Levées Est-Ouest"));
  DecritMarques();
}

void TFMain::CreeBoutons() {
  static constexpr std::array<const char*, NbBoutonsRangee> noms{
      "BReglages", "BScores", "BRevoirBids", "BPoint", "BLastLevee",
      "BJeuAuto",  "BPrecedente", "BDonne", "BSuivante", "BQuitter"};
  // Each caption's mnemonic (Alt+letter) differs from every other button's,
  // "Démarrer" and "Jeu de la carte" included.
  static constexpr std::array<const char*, NbBoutonsRangee> textes{
      "&Réglages", "&Scores", "&Enchères", "Le &point", "Dernière &levée", "&Jouer pour moi", "", "# do&nne", "", "&Quitter"};
  auto bouton = [this](const char* nom, const char* texte) {
    auto* b = new QPushButton(QString::fromUtf8(texte), this);
    b->setObjectName(QString::fromLatin1(nom));
    // Reached by Tab only: a click leaves the keys with the table, and a
    // button pressed from the keyboard gives them back (RetourTable).
    b->setFocusPolicy(Qt::TabFocus);
    return b;
  };
  for (int i = 0; i < NbBoutonsRangee; ++i) rangee_[static_cast<std::size_t>(i)] = bouton(noms[static_cast<std::size_t>(i)], textes[static_cast<std::size_t>(i)]);
  rangee_[brPrecedente]->setIcon(QIcon(ImageEtapeDonne(false)));
  rangee_[brSuivante]->setIcon(QIcon(ImageEtapeDonne(true)));
  // The arrows have no caption to take a letter from.
  rangee_[brPrecedente]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageUp));
  rangee_[brSuivante]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageDown));
  rangee_[brPrecedente]->setToolTip(QStringLiteral("Donne précédente (Alt+Page précédente)"));
  rangee_[brSuivante]->setToolTip(QStringLiteral("Donne suivante (Alt+Page suivante)"));
  static constexpr std::array<const char*, NbBoutonsRangee> descriptions{
      "Ouvre les réglages (Alt+R)",
      "Montre vos scores (Alt+S)",
      "Revoit les enchères de la donne (Alt+E)",
      "Affiche le bilan de la donne : levées sûres, perdantes, plan (Alt+P)",
      "Montre la dernière levée jouée (Alt+L)",
      "Le programme joue la suite de la donne selon le bon plan (Alt+J)",
      "Va à la donne précédente (Alt+Page précédente)",
      "Choisit la donne par son numéro (Alt+N)",
      "Va à la donne suivante (Alt+Page suivante)",
      "Ferme le programme (Alt+Q)"};
  for (std::size_t i = 0; i < rangee_.size(); ++i)
    rangee_[i]->setAccessibleDescription(QString::fromUtf8(descriptions[i]));
  rangee_[brPrecedente]->setAccessibleName(QStringLiteral("Donne précédente"));
  rangee_[brSuivante]->setAccessibleName(QStringLiteral("Donne suivante"));
  BStart = bouton("BStart", "&Démarrer");
  BNext = bouton("BNext", "Jeu de la &carte");
  BStart->setAccessibleDescription(QStringLiteral("Démarre la donne (Alt+D)"));
  BNext->setAccessibleDescription(QStringLiteral("Passe au jeu de la carte (Alt+C)"));
  BStart->hide();
  BNext->hide();
  // "Jouer pour moi" and the deal-stepping buttons take turns in one place.
  rangee_[brJeuAuto]->hide();
  // Tab goes from the table to the button that starts the deal or the play,
  // then along the row, and back to the table; hidden buttons are passed.
  QWidget* precedent = this;
  for (QPushButton* b : {BStart, BNext}) {
    setTabOrder(precedent, b);
    precedent = b;
  }
  for (QPushButton* b : rangee_) {
    setTabOrder(precedent, b);
    precedent = b;
  }
  // Made after the buttons, so that it is deleted after them.
  styleMnemoniques_ = new TStyleMnemoniques;
  styleMnemoniques_->setParent(this);
  for (QPushButton* b : rangee_) b->setStyle(styleMnemoniques_);
  for (QPushButton* b : {BStart, BNext}) b->setStyle(styleMnemoniques_);
}

void TFMain::CreeDialogues(const QRect& zoneTravail) {
  FinDonne = new TFinDonne1024(this);
  FinDonne->Dimensionne(zoneTravail);
  Revue = new TRevueJeu(this);
  DispJeux = new TFDispJeux(this);
  Avertissement = new TFErreur(this);
  // The score dialog opens the detailed scores, which must exist first.
  Scores = new TFScores(this);
  ScoreGlobal = new TScoreGlobalDlg(Scores, this);
  Reglages = new TReglagesDlg(this);
  Encheres = new TFEncheres(this);
  LastL = new TFLastL(this);
  Infos = new TAboutBox(this);
  Delai = new TDelaiDlg(this);
  DonneDlg = new TDonneDlg(this);
  Quiz = std::make_unique<TDialoguesQuiz>(this);
  Commentaire = new TErreurDlg(this);
  DelaiCartes = new TDelaiCartesDlg(this);
  Point = new TFPoint(this);
  Aide = new TAide(this);
  Reglages->SetReglages(&reglages_);
  Reglages->SetDialogues({Delai, DelaiCartes, DispJeux, Infos, Aide});
}

void TFMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (dejaMontree_) return;
  dejaMontree_ = true;
  // Once the window is on the screen, so that the messages of a damaged
  // database stand in front of it.
  QTimer::singleShot(0, this, [this] { PremiereActivation(); });
}

bool TFMain::PremiereActivation() {
  if (actif_ || echecActivation_) return actif_;
  // The controller tells its settings during its activation; a window
  // without a game follows those it was made with.
  if (entrees_ == nullptr) {
    SuitReglages();
  } else if (!entrees_->Active()) {
    echecActivation_ = true;
    fermee_ = true;  // ends without writing the settings back
    close();
    return false;
  }
  actif_ = true;
  setFocus(Qt::ActiveWindowFocusReason);
  return true;
}

void TFMain::AppliqueReglages(const TReglages& reglages) {
  reglages_ = reglages;
  // Told once before the controls exist, when the controller is made.
  if (Etui != nullptr) SuitReglages();
}

void TFMain::SuitReglages() {
  TJeuDeCartes::Commun().ChoisitStyle({reglages_.GrandesCartes, reglages_.ContrasteEleve});
  // High contrast: the felt in one colour, the same as the controls' ground.
  const bool feutreUni = reglages_.ContrasteEleve;
  if (feutreUni != feutreUni_) {
    feutreUni_ = feutreUni;
    if (feutreUni) {
      QPixmap uni(8, 8);
      uni.fill(CouleurTapis);
      tapis_ = uni;
    } else {
      tapis_ = TextureTapis(QColor(CouleurFondFenetre));
    }
  }
  Jeux[jrSud]->SetAffichage(reglages_.DispoSud ? afjNormalDecale : afjNormal);
  Jeux[jrNord]->SetAffichage(reglages_.DispoNord ? afjMortDecale : afjMort);
  PlaceEtui();
  for (TJoueur j : TousLesJoueurs) {
    PlaceJeu(j);
    Cartes[j]->SetSetCartes(SetCartes());
    BidsSurTable[j]->SetColor(CouleurTapis);
    BidsSurTable[j]->SetDimension(SetCartes());
  }
  PlaceBids();
  PlaceCartesJouees();
  update();
}

void TFMain::Quitter1Click() { close(); }

void TFMain::FermeFenetre() {
  // Asked from inside a handler: the window closes once it has returned.
  QTimer::singleShot(0, this, [this] { close(); });
}

void TFMain::closeEvent(QCloseEvent* event) {
  // The review runs while the end-of-deal screen waits for its choice: the
  // window goes back to that screen, where "Arrêter" ends the program.
  if (Revue->EnCours()) {
    Revue->Ferme();
    event->ignore();
    return;
  }
  if (!fermee_) {
    fermee_ = true;
    if (actif_ && entrees_ != nullptr) entrees_->Ferme();
  }
  Aide->close();
  event->accept();
}

}  // namespace kalvo
