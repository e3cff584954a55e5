#include "table/ReponseAttendue.h"

#include "table/Palette.h"

#include <QGuiApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <QPushButton>

namespace kalvo {

TReponseAttendue::TReponseAttendue(QWidget* parent) : TDialogueKalvo(parent, false) {
  setWindowTitle(QStringLiteral("Mauvaise réponse"));
  FEnonce = NouvelleEtiquette({}, PoliceTexte(), QColor(Qt::white), this);
  FReponse = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurJaune), this);
  FBouton = NouveauBouton(QStringLiteral("Ok"), this, 90);
  FBouton->setDefault(true);
  FBouton->setFixedSize(90, 25);
  FBouton->setStyleSheet(QStringLiteral("QPushButton { padding: 0px 10px; min-height: 0px; }"));
  connect(FBouton, &QPushButton::clicked, this, &QDialog::accept);
}

void TReponseAttendue::Prepare(const TTexteReponseAttendue& texte, int largeurFenetrePrincipale) {
  FLargeurFenetrePrincipale = largeurFenetrePrincipale;
  FEnonce->setText(QString::fromStdString(texte.Enonce));
  FReponse->setText(QString::fromStdString(texte.Reponse));
  FEnonce->adjustSize();
  FReponse->adjustSize();
  const int largeurEnonce = FEnonce->text().isEmpty() ? 0 : FEnonce->width();
  // Both labels on one baseline, the answer's larger font included.
  const int ascentEnonce = QFontMetrics(FEnonce->font()).ascent();
  const int ascentReponse = QFontMetrics(FReponse->font()).ascent();
  const int hauteurTexte = std::max(FEnonce->height(), FReponse->height());
  const int ligneDeBase = (HauteurClient - 31 - hauteurTexte) / 2 + std::max(ascentEnonce, ascentReponse);
  FEnonce->move(8, ligneDeBase - ascentEnonce);
  FReponse->move(8 + largeurEnonce + 2, ligneDeBase - ascentReponse);
  // The button always fits, even under a very short answer.
  const int largeur = std::max(largeurEnonce + FReponse->width() + 20, FBouton->width() + 40);
  setFixedSize(largeur, HauteurClient);
  FBouton->move((largeur - FBouton->width()) / 2, HauteurClient - 31);
  if (largeurFenetrePrincipale > 0) {
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const int hauteurEcran = ecran ? ecran->availableGeometry().height() : 768;
    move((largeurFenetrePrincipale - largeur) / 2, (hauteurEcran - HauteurClient) / 2);
  }
  FBouton->setFocus(Qt::OtherFocusReason);
}

void TReponseAttendue::Montre(const TTexteReponseAttendue& texte, int largeurFenetrePrincipale) {
  Prepare(texte, largeurFenetrePrincipale);
  exec();
}

void TReponseAttendue::keyPressEvent(QKeyEvent* event) {
  event->accept();
  accept();
}

}  // namespace kalvo
