// The user's input on the table: the buttons, clicks on the felt, the
// hands and the played cards, the keys; and the two dialogs the window
// opens by itself, the settings and the scores.
#include "table/FMain.h"

#include "table/Aide.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/Etui1024.h"
#include "table/FocusClavier.h"
#include "table/Jeu1024.h"
#include "table/ReglagesDlg.h"
#include "table/ScoreGlobalDlg.h"
#include "table/StyleMnemoniques.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace kalvo {

void TFMain::Connecte() {
  // Whatever the button did, the keys go back to the table (a button
  // reached by Tab keeps them otherwise).
  auto relie = [this](QPushButton* b, auto action) {
    connect(b, &QPushButton::clicked, this, [this, action] {
      action();
      if (isVisible()) setFocus(Qt::OtherFocusReason);
    });
  };
  // The buttons of the game go to the controller; none goes anywhere
  // while the window is not active.
  auto signale = [this, relie](QPushButton* b, void (TEntreesJeu::*entree)()) {
    relie(b, [this, entree] {
      if (entrees_ != nullptr) (entrees_->*entree)();
    });
  };
  relie(rangee_[brReglages], [this] { BReglagesClick(); });
  relie(rangee_[brScores], [this] { BScoresClick(); });
  signale(rangee_[brRevoirBids], &TEntreesJeu::BRevoirBidsClick);
  signale(rangee_[brPoint], &TEntreesJeu::BPointClick);
  signale(rangee_[brLastLevee], &TEntreesJeu::RevoirLeveeClick);
  signale(rangee_[brJeuAuto], &TEntreesJeu::BJeuAutoClick);
  signale(rangee_[brPrecedente], &TEntreesJeu::Precedente1Click);
  signale(rangee_[brDonne], &TEntreesJeu::NumDonne1Click);
  signale(rangee_[brSuivante], &TEntreesJeu::Suivante1Click);
  signale(BChoixDonne, &TEntreesJeu::ChoixDonneClick);
  relie(rangee_[brQuitter], [this] { Quitter1Click(); });
  signale(BStart, &TEntreesJeu::Jouer2Click);
  signale(BNext, &TEntreesJeu::BNextClick);

  for (TJoueur j : TousLesJoueurs) {
    connect(Jeux[j], &TJeu1024::OnMouseDown, this, [this, j](Qt::MouseButton bouton, Qt::KeyboardModifiers, int x, int y) {
      if (actif_ && entrees_ != nullptr) entrees_->JeuMouseDown(j, Jeux[j]->isCarteTouchee(x, y), bouton == Qt::RightButton);
    });
    connect(Cartes[j], &TCarte1024::OnMouseDown, this, [this] {
      if (actif_ && entrees_ != nullptr) entrees_->CarteMouseDown();
    });
  }
}

void TFMain::mousePressEvent(QMouseEvent* event) {
  // The felt and everything drawn on it (frame, labels, displays, board,
  // bidding rows) hand their clicks here.
  event->accept();
  if (actif_ && entrees_ != nullptr) entrees_->FormMouseDown();
}

void TFMain::keyPressEvent(QKeyEvent* event) {
  event->accept();
  const int touche = event->key();
  if (touche == Qt::Key_F1) {
    Aide->Ouvre();
    update();
    return;
  }
  if (touche == Qt::Key_Alt) SoulignesMnemoniques(true);
  // A modifier pressed alone is the start of a combination, not a key.
  if (touche == Qt::Key_Control || touche == Qt::Key_Alt || touche == Qt::Key_Shift || touche == Qt::Key_Meta ||
      touche == Qt::Key_AltGr || !actif_) {
    return;
  }
  if (ToucheFocus(event)) return;
  const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
  const bool ctrlAltF9 = touche == Qt::Key_F9 && (event->modifiers() & ctrlAlt) == ctrlAlt;
  if (entrees_ != nullptr) entrees_->FormKeyDown(ctrlAltF9 ? TToucheJeu::CtrlAltF9 : TToucheJeu::Autre);
}

void TFMain::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Alt) SoulignesMnemoniques(false);
  QWidget::keyReleaseEvent(event);
}

void TFMain::focusOutEvent(QFocusEvent* event) {
  // Alt+letter may open a dialog, which gets the release of Alt.
  SoulignesMnemoniques(false);
  QWidget::focusOutEvent(event);
}

void TFMain::SoulignesMnemoniques(bool visibles) {
  if (styleMnemoniques_ == nullptr || styleMnemoniques_->SoulignesVisibles() == visibles) return;
  styleMnemoniques_->MontreSoulignes(visibles);
  for (QPushButton* b : rangee_) b->update();
  for (QPushButton* b : {BStart, BNext}) b->update();
}

bool TFMain::ToucheFocus(QKeyEvent* event) {
  if (jouables_.empty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
    return false;
  TJeu1024* jeu = Jeux[joueurJouable_];
  const int touche = event->key();
  if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space) {
    // A finished trick on the felt is gathered first, as a click there does.
    const bool leveeSurTable = std::all_of(Cartes.begin(), Cartes.end(), [](const TCarte1024* c) { return c->isVisible(); });
    if (leveeSurTable || jeu->FocusCarte() == 0) return false;
    if (entrees_ != nullptr) entrees_->JeuMouseDown(joueurJouable_, jeu->FocusCarte(), false);
    return true;
  }
  const TToucheFocus lue = LitToucheFocus(touche, event->text());
  if (lue.Genre == TToucheFocus::TGenre::Aucune) return false;
  focusClavier_ = true;
  const int cible = DeplaceFocus(jouables_, jeu->FocusCarte(), lue);
  jeu->SetFocusCarte(cible != 0 ? cible : jouables_.front());
  return true;
}

void TFMain::BReglagesClick() {
  // The dialog edits the window's copy, which goes to the controller; the
  // controller tells the settings back, and the table follows them.
  Reglages->exec();
  if (entrees_ != nullptr) entrees_->ReglagesChoisis(reglages_);
  else AppliqueReglages(reglages_);
  RetourTable();
}

void TFMain::BScoresClick() {
  if (actif_ && entrees_ != nullptr) entrees_->BScoresClick();
}

bool TFMain::MontreScores(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) {
  const bool remise = ScoreGlobal->Montre(scores, apresRemise);
  RetourTable();
  if (const std::optional<int> theme = ScoreGlobal->ThemeARevoir(); theme && entrees_ != nullptr)
    entrees_->RevoirTheme(*theme);
  return remise;
}

}  // namespace kalvo
