#include "table/DonneDlg.h"

#include "table/HabillageDialogues.h"
#include "table/NumberEdit.h"
#include "table/Polices.h"
#include "table/UpDown.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace kalvo {

TDonneDlg::TDonneDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Donne N°..."));
  // A border and a caption, no system buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFont(PoliceDialogue());
  FixeTailleClient(this, 198, 153);
  FixeFondDegradeOrange(this);

  ND = new TNumberEdit(this);
  ND->setGeometry(16, 16, 123, 83);
  ND->setFont(PoliceEnPixels(QStringLiteral("Arial"), 64, true));
  ND->setAlignment(Qt::AlignCenter);
  FixeCouleurTexte(ND, QColor(CouleurBleuMarine));
  ND->setText(QStringLiteral("1"));

  UpDown1 = new TUpDown(this);
  UpDown1->setGeometry(139, 16, 36, 83);
  UpDown1->SetAssociate(ND);
  UpDown1->SetMin(1);
  UpDown1->SetPosition(1);

  btn1 = CreeBouton(this, QStringLiteral("Ok"), QRect(8, 120, 182, 25));
  btn1->setDefault(true);
  connect(btn1, &QPushButton::clicked, this, &TDonneDlg::OKBtnClick);
  connect(ND, &QLineEdit::textChanged, this, &TDonneDlg::NDChange);

  // The dialog sees the keys before its controls.
  ND->installEventFilter(this);
  btn1->installEventFilter(this);
}

std::optional<int> TDonneDlg::Choisit(int actuelle, int maxVal) {
  MaxVal = maxVal;
  UpDown1->SetMax(std::max(1, MaxVal));
  ND->SetValue(actuelle);
  UpDown1->SetPosition(actuelle);
  if (exec() != QDialog::Accepted) return std::nullopt;
  const int v = ND->Value();
  if (v < 1 || v > MaxVal) return std::nullopt;
  return v;
}

void TDonneDlg::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  UpDown1->SetMax(std::max(1, MaxVal));
  UpDown1->resize(36, UpDown1->height());
  ND->setFocus();
  ND->selectAll();
}

void TDonneDlg::Borne() {
  const int v = ND->Value();
  const int maximum = std::max(1, MaxVal);
  const int borne = v > maximum ? maximum : (v < 1 ? 1 : v);
  if (borne == v) return;
  UpDown1->SetPosition(borne);
  ND->SetValue(borne);
}

void TDonneDlg::NDChange() { Borne(); }

void TDonneDlg::OKBtnClick() {
  Borne();
  accept();
}

bool TDonneDlg::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::KeyPress) {
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
      OKBtnClick();
      return true;
    }
    if (objet == ND && (touche == Qt::Key_Up || touche == Qt::Key_Down)) {
      UpDown1->Pas(touche == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QDialog::eventFilter(objet, evenement);
}

}  // namespace kalvo
