#include "table/RepartitionDlg.h"

#include "table/Polices.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvo {

TRepartitionDlg::TRepartitionDlg(QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(QStringLiteral("Question répartition"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);

  auto* panneau = NouveauPanneau(this);
  auto* colonne = new QVBoxLayout(panneau);
  colonne->setContentsMargins(24, 14, 24, 16);
  colonne->setSpacing(6);
  FLabel = NouvelleEtiquette(QStringLiteral("Comment étaient partagés"), PoliceTitre(), QColor(CouleurTexteTapis),
                             panneau);
  FCouleur = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurTexteTapis), panneau);
  FLabel->setAlignment(Qt::AlignCenter);
  FCouleur->setAlignment(Qt::AlignCenter);
  colonne->addWidget(FLabel);
  colonne->addWidget(FCouleur);
  colonne->addSpacing(8);

  FGroupe = new QGroupBox(QStringLiteral("Ouest-Est"), panneau);
  FGroupe->setFont(PoliceTexteGras());
  auto* items = new QVBoxLayout(FGroupe);
  items->setContentsMargins(18, 14, 18, 8);
  items->setSpacing(4);
  FItems = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    auto* radio = new QRadioButton(FGroupe);
    // Monospaced figures keep the dashes of the four items in one column.
    radio->setFont(PoliceEnPixels(QStringLiteral("Courier New"), 18, true));
    FItems->addButton(radio, k);
    items->addWidget(radio);
  }
  colonne->addWidget(FGroupe, 0, Qt::AlignHCenter);
  principal->addWidget(panneau);

  FOk = NouveauBouton(QStringLiteral("Ok"), this, 120);
  FOk->setDefault(true);
  principal->addWidget(FOk, 0, Qt::AlignHCenter);
  connect(FOk, &QPushButton::clicked, this, [this] {
    if (Choix() >= 0) accept();
  });
  connect(FItems, &QButtonGroup::idToggled, this, [this] { FOk->setEnabled(Choix() >= 0); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TRepartitionDlg::Prepare(const TQuestionPosee& question) {
  FCouleur->setText(QString::fromStdString(question.Libelle2));
  FReelle = question.repartReelle;
  FPropositions = question.repartProp;
  FItems->setExclusive(false);
  for (int k = 0; k < 4; ++k) {
    QAbstractButton* item = FItems->button(k);
    item->setChecked(false);
    item->setText(QString::fromStdString(TexteProposition(question, k)));
    item->setVisible(k < question.NbPropositions);
  }
  FItems->setExclusive(true);
  FOk->setEnabled(false);
}

std::optional<TReponseQuestion> TRepartitionDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TRepartitionDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Proposition = Choix();
  return reponse;
}

}  // namespace kalvo
