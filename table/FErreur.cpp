#include "table/FErreur.h"

#include "table/HabillageDialogues.h"
#include "table/Polices.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kalvo {

namespace {

constexpr int HautPanneau = 14;
constexpr int HauteurPanneau = 56;
constexpr int LargeurOk = 100;
constexpr int HauteurOk = 30;

}  // namespace

TFErreur::TFErreur(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Attention !"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFont(PoliceDialogue());

  pnl1 = new QFrame(this);
  pnl1->setFrameShape(QFrame::Panel);
  pnl1->setFrameShadow(QFrame::Raised);
  pnl1->hide();
  Lab = new QLabel(pnl1);
  Lab->setAlignment(Qt::AlignCenter);
  Lab->setWordWrap(true);
  Lab->setFont(PoliceEnPixels(QStringLiteral("Arial"), 19));
  FixeCouleurTexte(Lab, Qt::red);
  Lab->installEventFilter(this);

  btn1 = CreeBouton(this, QStringLiteral("Ok"), QRect(0, 0, LargeurOk, HauteurOk));
  btn1->setDefault(true);
  connect(btn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TFErreur::Prepare(const QString& message, const QRect& fenetrePrincipale) {
  const int largeur = std::max(fenetrePrincipale.width() - RetraitLargeur, 2 * LargeurOk);
  pnl1->setGeometry(14, HautPanneau, largeur - 28, HauteurPanneau);
  Lab->setGeometry(pnl1->contentsRect());
  Lab->setText(message);
  pnl1->show();
  btn1->move((largeur - LargeurOk) / 2, HautPanneau + HauteurPanneau + 14);

  const int gauche = fenetrePrincipale.left() + (fenetrePrincipale.width() - largeur) / 2;
  const int haut = fenetrePrincipale.top() + (fenetrePrincipale.height() - HauteurClient) / 2;
  geometrie_ = QRect(gauche, haut, largeur, HauteurClient);
  FixeTailleClient(this, largeur, HauteurClient);
  setGeometry(geometrie_);
  btn1->setFocus();
}

int TFErreur::Affiche(const QString& message, const QRect& fenetrePrincipale) {
  Prepare(message, fenetrePrincipale);
  return exec();
}

void TFErreur::keyPressEvent(QKeyEvent* evenement) {
  if (evenement->isAutoRepeat()) return;
  accept();
}

void TFErreur::mousePressEvent(QMouseEvent*) { accept(); }

bool TFErreur::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Lab && evenement->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(objet, evenement);
}

}  // namespace kalvo
