#include "table/FPoint.h"

#include "table/HabillageDialogues.h"
#include "table/Polices.h"
#include "table/VisionneuseRtf.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kalvo {

TFPoint::TFPoint(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Le Point"));
  setModal(true);
  setFont(PoliceDialogue());
  FondUni(this, QColor(CouleurVertFonce));

  REPoint = new VisionneuseRtf(this);
  REPoint->setFrameShape(QFrame::NoFrame);
  REPoint->document()->setDocumentMargin(Marges);
  REPoint->setFont(PoliceEnPixels(QStringLiteral("Trebuchet MS"), HauteurPolice));
  REPoint->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  REPoint->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette palette = REPoint->palette();
  palette.setColor(QPalette::Base, QColor(CouleurVertPale));
  palette.setColor(QPalette::Text, QColor(CouleurVert));
  REPoint->setPalette(palette);
  REPoint->setGeometry(8, 8, Largeur - 16, HauteurVisionneuse(0));
  // Read only, no caret; a click closes the window.
  REPoint->setTextInteractionFlags(Qt::NoTextInteraction);
  connect(REPoint, &VisionneuseRtf::Clique, this, &QDialog::accept);

  BOk = CreeBouton(this, QStringLiteral("Ok"), QRect((Largeur - 504) / 2, 0, 504, 29));
  QFont gras = font();
  gras.setBold(true);
  BOk->setFont(gras);
  BOk->setDefault(true);
  connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
  Dimensionne();
}

void TFPoint::ChargePoint(const TDocumentRtf& point) {
  REPoint->ChargeDocument(point);
  Dimensionne();
}

void TFPoint::Dimensionne() {
  REPoint->resize(Largeur - 16, REPoint->height());
  lignes_ = REPoint->NombreLignes();
  // A text longer than the screen scrolls rather than push "Ok" out of sight.
  int hauteur = HauteurVisionneuse(lignes_);
  if (const QScreen* ecran = QApplication::primaryScreen())
    hauteur = std::min(hauteur, std::max(HauteurVisionneuse(1), ecran->availableGeometry().height() - 2 * SupplementHauteur));
  REPoint->setGeometry(8, 8, Largeur - 16, hauteur);
  BOk->move(BOk->x(), REPoint->geometry().bottom() + 1 + 8);
  FixeTailleClient(this, Largeur, hauteur + SupplementHauteur);
}

int TFPoint::Affiche(const TDocumentRtf& point) {
  ChargePoint(point);
  return exec();
}

void TFPoint::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  BOk->setFocus();
}

void TFPoint::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace kalvo
