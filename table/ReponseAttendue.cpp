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
  enonce_ = NouvelleEtiquette({}, PoliceTexte(), QColor(Qt::white), this);
  reponse_ = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurJaune), this);
  bouton_ = NouveauBouton(QStringLiteral("Ok"), this, 90);
  bouton_->setDefault(true);
  bouton_->setFixedSize(90, 25);
  bouton_->setStyleSheet(QStringLiteral("QPushButton { padding: 0px 10px; min-height: 0px; }"));
  connect(bouton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TReponseAttendue::Prepare(const TTexteReponseAttendue& texte, int largeurFenetrePrincipale) {
  largeurFenetrePrincipale_ = largeurFenetrePrincipale;
  enonce_->setText(QString::fromStdString(texte.Enonce));
  reponse_->setText(QString::fromStdString(texte.Reponse));
  enonce_->adjustSize();
  reponse_->adjustSize();
  const int largeurEnonce = enonce_->text().isEmpty() ? 0 : enonce_->width();
  // Both labels on one baseline, the answer's larger font included.
  const int ascentEnonce = QFontMetrics(enonce_->font()).ascent();
  const int ascentReponse = QFontMetrics(reponse_->font()).ascent();
  const int hauteurTexte = std::max(enonce_->height(), reponse_->height());
  const int ligneDeBase = (HauteurClient - 31 - hauteurTexte) / 2 + std::max(ascentEnonce, ascentReponse);
  enonce_->move(8, ligneDeBase - ascentEnonce);
  reponse_->move(8 + largeurEnonce + 2, ligneDeBase - ascentReponse);
  // The button always fits, even under a very short answer.
  const int largeur = std::max(largeurEnonce + reponse_->width() + 20, bouton_->width() + 40);
  setFixedSize(largeur, HauteurClient);
  bouton_->move((largeur - bouton_->width()) / 2, HauteurClient - 31);
  if (largeurFenetrePrincipale > 0) {
    const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const int hauteurEcran = ecran ? ecran->availableGeometry().height() : 768;
    move((largeurFenetrePrincipale - largeur) / 2, (hauteurEcran - HauteurClient) / 2);
  }
  bouton_->setFocus(Qt::OtherFocusReason);
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
