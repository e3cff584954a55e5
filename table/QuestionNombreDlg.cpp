#include "table/QuestionNombreDlg.h"

#include "table/SaisieChiffres.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace kalvo {

TQuestionNombreDlg::TQuestionNombreDlg(const QString& titre, QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(titre);
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);

  auto* panneau = NouveauPanneau(this);
  auto* colonne = new QVBoxLayout(panneau);
  colonne->setContentsMargins(24, 16, 24, 18);
  colonne->setSpacing(6);
  label1_ = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurTexteTapis), panneau);
  label2_ = NouvelleEtiquette({}, PoliceTexte(), QColor(CouleurTexteTapis), panneau);
  label1_->setAlignment(Qt::AlignCenter);
  label2_->setAlignment(Qt::AlignCenter);
  colonne->addWidget(label1_);
  colonne->addWidget(label2_);
  colonne->addSpacing(10);
  nombre_ = new TSaisieChiffres(2, panneau);
  colonne->addWidget(nombre_, 0, Qt::AlignHCenter);
  panneau->setMinimumWidth(300);
  principal->addWidget(panneau);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 120);
  // Enter in the field presses the default button: it answers.
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TQuestionNombreDlg::Prepare(const TQuestionPosee& question) {
  FJoueur = question.Joueur;
  dejaJoue_ = question.isPlayed;
  couleur_ = question.Couleur;
  label1_->setText(QString::fromStdString(question.Libelle1));
  label2_->setText(QString::fromStdString(question.Libelle2));
  nombre_->Reinitialise(0);
}

std::optional<TReponseQuestion> TQuestionNombreDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TQuestionNombreDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Nombre = nombre_->Value();
  return reponse;
}

TPointsDlg::TPointsDlg(QWidget* parent) : TQuestionNombreDlg(QStringLiteral("Question points"), parent) {}

TJ4MQ4::TJ4MQ4(QWidget* parent) : TQuestionNombreDlg(QStringLiteral("Question nombre de cartes"), parent) {}

}  // namespace kalvo
