// The user's input on the table: the buttons, clicks on the felt, the
// hands and the played cards, the keys; and the two dialogs the window
// opens by itself, the settings and the scores.
#include "table/FMain.h"

#include "table/Aide.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/Etui1024.h"
#include "table/Jeu1024.h"
#include "table/ReglagesDlg.h"
#include "table/ScoreGlobalDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace kalvo {

void TFMain::Connecte() {
  auto relie = [this](QPushButton* b, auto action) { connect(b, &QPushButton::clicked, this, action); };
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
  // A modifier pressed alone is the start of a combination, not a key.
  if (touche == Qt::Key_Control || touche == Qt::Key_Alt || touche == Qt::Key_Shift || touche == Qt::Key_Meta ||
      touche == Qt::Key_AltGr || !actif_) {
    return;
  }
  const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
  const bool ctrlAltF9 = touche == Qt::Key_F9 && (event->modifiers() & ctrlAlt) == ctrlAlt;
  if (entrees_ != nullptr) entrees_->FormKeyDown(ctrlAltF9 ? TToucheJeu::CtrlAltF9 : TToucheJeu::Autre);
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
