#include "table/PCarteDlg.h"

#include "table/Carte1024.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvo {

TPCarteDlg::TPCarteDlg(QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(QStringLiteral("Qui possède cette carte ?"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);
  FQuestion = NouveauBandeau(windowTitle(), this);
  principal->addWidget(FQuestion);

  // The seats where they sit at the table, round the card.
  auto* panneau = NouveauPanneau(this);
  auto* grille = new QGridLayout(panneau);
  grille->setContentsMargins(18, 14, 18, 14);
  grille->setHorizontalSpacing(22);
  grille->setVerticalSpacing(10);
  FCarte = new TCarte1024(panneau);
  FCarte->SetSetCartes(2);
  FCarte->SetBackground(QColor(CouleurTapisPanneau));
  FCarte->setFixedSize(FCarte->size());
  grille->addWidget(FCarte, 1, 1, Qt::AlignCenter);
  FJoueurs = new QButtonGroup(this);
  struct TPlace {
    TJoueur joueur;
    int ligne;
    int colonne;
  };
  for (const TPlace& p : {TPlace{jrNord, 0, 1}, TPlace{jrOuest, 1, 0}, TPlace{jrEst, 1, 2}, TPlace{jrSud, 2, 1}}) {
    auto* radio = new QRadioButton(QString::fromUtf8(NomsJoueurs[p.joueur].data()), panneau);
    radio->setFont(PoliceTexteGras());
    FJoueurs->addButton(radio, p.joueur);
    grille->addWidget(radio, p.ligne, p.colonne, Qt::AlignCenter);
  }
  principal->addWidget(panneau);

  FOk = NouveauBouton(QStringLiteral("Ok"), this, 120);
  FOk->setDefault(true);
  principal->addWidget(FOk, 0, Qt::AlignHCenter);
  connect(FOk, &QPushButton::clicked, this, [this] {
    if (Choix() >= 0) accept();
  });
  connect(FJoueurs, &QButtonGroup::idToggled, this, [this] { FOk->setEnabled(Choix() >= 0); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TPCarteDlg::Prepare(const TQuestionPosee& question) {
  setWindowTitle(QString::fromStdString(question.Titre));
  FQuestion->setText(windowTitle());
  FCarteDemandee = question.Carte;
  FCarte->SetValue(question.Carte.EstReelle() ? IndexCarte(question.Carte) : 0);
  FJoueurs->setExclusive(false);
  for (QAbstractButton* b : FJoueurs->buttons()) b->setChecked(false);
  FJoueurs->setExclusive(true);
  FOk->setEnabled(false);
}

std::optional<TReponseQuestion> TPCarteDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TPCarteDlg::Reponse() const {
  TReponseQuestion reponse;
  if (Choix() >= 0) reponse.Joueur = static_cast<TJoueur>(Choix());
  return reponse;
}

}  // namespace kalvo
