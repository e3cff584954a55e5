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
  FLabel1 = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurTexteTapis), panneau);
  FLabel2 = NouvelleEtiquette({}, PoliceTexte(), QColor(CouleurTexteTapis), panneau);
  FLabel1->setAlignment(Qt::AlignCenter);
  FLabel2->setAlignment(Qt::AlignCenter);
  colonne->addWidget(FLabel1);
  colonne->addWidget(FLabel2);
  colonne->addSpacing(10);
  FNombre = new TSaisieChiffres(2, panneau);
  colonne->addWidget(FNombre, 0, Qt::AlignHCenter);
  panneau->setMinimumWidth(300);
  principal->addWidget(panneau);

  FOk = NouveauBouton(QStringLiteral("Ok"), this, 120);
  // Enter in the field presses the default button: it answers.
  FOk->setDefault(true);
  principal->addWidget(FOk, 0, Qt::AlignHCenter);
  connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TQuestionNombreDlg::Prepare(const TQuestionPosee& question) {
  FJoueur = question.Joueur;
  FPlayed = question.isPlayed;
  FCouleur = question.Couleur;
  FLabel1->setText(QString::fromStdString(question.Libelle1));
  FLabel2->setText(QString::fromStdString(question.Libelle2));
  FNombre->Reinitialise(0);
}

std::optional<TReponseQuestion> TQuestionNombreDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TQuestionNombreDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Nombre = FNombre->Value();
  return reponse;
}

TPointsDlg::TPointsDlg(QWidget* parent) : TQuestionNombreDlg(QStringLiteral("Question points"), parent) {}

TJ4MQ4::TJ4MQ4(QWidget* parent) : TQuestionNombreDlg(QStringLiteral("Question nombre de cartes"), parent) {}

}  // namespace kalvo
