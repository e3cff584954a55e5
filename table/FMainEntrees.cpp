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
  TControleur* c = controleur_.get();
  auto relie = [this](QPushButton* b, auto action) { connect(b, &QPushButton::clicked, this, action); };
  relie(rangee_[brReglages], [this] { BReglagesClick(); });
  relie(rangee_[brScores], [this] { BScoresClick(); });
  relie(rangee_[brRevoirBids], [c] { c->BRevoirBidsClick(); });
  relie(rangee_[brPoint], [c] { c->BPointClick(); });
  relie(rangee_[brLastLevee], [c] { c->RevoirLeveeClick(); });
  relie(rangee_[brJeuAuto], [c] { c->BJeuAutoClick(); });
  relie(rangee_[brPrecedente], [c] { c->Precedente1Click(); });
  relie(rangee_[brDonne], [c] { c->NumDonne1Click(); });
  relie(rangee_[brSuivante], [c] { c->Suivante1Click(); });
  relie(rangee_[brQuitter], [this] { Quitter1Click(); });
  relie(BStart, [c] { c->Jouer2Click(); });
  relie(BNext, [c] { c->BNextClick(); });

  for (TJoueur j : TousLesJoueurs) {
    connect(Jeux[j], &TJeu1024::OnMouseDown, this, [this, c, j](Qt::MouseButton bouton, Qt::KeyboardModifiers, int x, int y) {
      if (!actif_) return;
      c->JeuMouseDown(j, Jeux[j]->isCarteTouchee(x, y), bouton == Qt::RightButton);
    });
    connect(Cartes[j], &TCarte1024::OnMouseDown, this, [this, c] {
      if (actif_) c->CarteMouseDown();
    });
  }
}

void TFMain::mousePressEvent(QMouseEvent* event) {
  // The felt and everything drawn on it (frame, labels, displays, board,
  // bidding rows) hand their clicks here.
  event->accept();
  if (actif_) controleur_->FormMouseDown();
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
  controleur_->FormKeyDown(ctrlAltF9 ? TToucheJeu::CtrlAltF9 : TToucheJeu::Autre);
}

void TFMain::BReglagesClick() {
  Reglages->exec();
  const TReglages& r = controleur_->Reglages();
  Jeux[jrSud]->SetAffichage(r.DispoSud ? afjNormalDecale : afjNormal);
  Jeux[jrNord]->SetAffichage(r.DispoNord ? afjMortDecale : afjMort);
  PlaceEtui();
  for (TJoueur j : TousLesJoueurs) {
    PlaceJeu(j);
    Cartes[j]->SetSetCartes(SetCartes());
  }
  PlaceBids();
  // The hands, marks and counters of a deal under way follow the settings.
  controleur_->ApresReglages();
  if (controleur_->Etat().InJeu) PlaceCartesJouees();
  RetourTable();
}

void TFMain::BScoresClick() {
  if (!actif_) return;
  TEtatReglages& etat = controleur_->EtatReglages();
  ScoreGlobal->Montre(etat.ScoresJeu, etat.ScoresQuestions, controleur_->Catalogue());
  RetourTable();
}

}  // namespace kalvo
