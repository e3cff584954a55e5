#include "table/RepartitionDlg.h"

#include "table/Polices.h"

#include <QGroupBox>
#include <QKeyEvent>
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
  label_ = NouvelleEtiquette(QStringLiteral("Comment étaient partagés"), PoliceTitre(), QColor(CouleurTexteTapis),
                             panneau);
  couleur_ = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurTexteTapis), panneau);
  label_->setAlignment(Qt::AlignCenter);
  couleur_->setAlignment(Qt::AlignCenter);
  colonne->addWidget(label_);
  colonne->addWidget(couleur_);
  colonne->addSpacing(8);

  groupe_ = new QGroupBox(QStringLiteral("Ouest-Est"), panneau);
  groupe_->setFont(PoliceTexteGras());
  auto* items = new QVBoxLayout(groupe_);
  items->setContentsMargins(18, 14, 18, 8);
  items->setSpacing(4);
  items_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    auto* radio = new QRadioButton(groupe_);
    // Monospaced figures keep the dashes of the four items in one column.
    radio->setFont(PoliceEnPixels(QStringLiteral("Courier New"), 18, true));
    items_->addButton(radio, k);
    items->addWidget(radio);
  }
  colonne->addWidget(groupe_, 0, Qt::AlignHCenter);
  principal->addWidget(panneau);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 120);
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (Choix() >= 0) accept();
  });
  connect(items_, &QButtonGroup::idToggled, this, [this] { ok_->setEnabled(Choix() >= 0); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TRepartitionDlg::Prepare(const TQuestionPosee& question) {
  couleur_->setText(QString::fromStdString(question.Libelle2));
  reelle_ = question.repartReelle;
  propositions_ = question.repartProp;
  items_->setExclusive(false);
  for (int k = 0; k < 4; ++k) {
    QAbstractButton* item = items_->button(k);
    item->setChecked(false);
    item->setText(QString::fromStdString(TexteProposition(question, k)));
    item->setVisible(k < question.NbPropositions);
  }
  items_->setExclusive(true);
  ok_->setEnabled(false);
}

std::optional<TReponseQuestion> TRepartitionDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

void TRepartitionDlg::keyPressEvent(QKeyEvent* event) {
  const QString texte = event->text();
  const bool combinaison = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  const int k = texte.size() == 1 && !combinaison ? texte.at(0).digitValue() - 1 : -1;
  QAbstractButton* item = k >= 0 && k < 4 ? items_->button(k) : nullptr;
  // Only the propositions shown can be chosen.
  if (item == nullptr || item->isHidden()) {
    TDialogueKalvo::keyPressEvent(event);
    return;
  }
  item->click();
  item->setFocus(Qt::ShortcutFocusReason);
  event->accept();
}

TReponseQuestion TRepartitionDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Proposition = Choix();
  return reponse;
}

}  // namespace kalvo
