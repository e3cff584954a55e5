#include "table/PCarteDlg.h"

#include "table/Carte1024.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvo {

TPCarteDlg::TPCarteDlg(QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(QStringLiteral("Qui possède cette carte ?"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);
  question_ = NouveauBandeau(windowTitle(), this);
  principal->addWidget(question_);

  // The seats where they sit at the table, round the card.
  auto* panneau = NouveauPanneau(this);
  auto* grille = new QGridLayout(panneau);
  grille->setContentsMargins(18, 14, 18, 14);
  grille->setHorizontalSpacing(22);
  grille->setVerticalSpacing(10);
  carte_ = new TCarte1024(panneau);
  carte_->SetSetCartes(2);
  carte_->SetBackground(QColor(CouleurTapisPanneau));
  carte_->setFixedSize(carte_->size());
  grille->addWidget(carte_, 1, 1, Qt::AlignCenter);
  joueurs_ = new QButtonGroup(this);
  struct TPlace {
    TJoueur joueur;
    int ligne;
    int colonne;
  };
  for (const TPlace& p : {TPlace{jrNord, 0, 1}, TPlace{jrOuest, 1, 0}, TPlace{jrEst, 1, 2}, TPlace{jrSud, 2, 1}}) {
    auto* radio = new QRadioButton(QString::fromUtf8(NomsJoueurs[p.joueur].data()), panneau);
    radio->setFont(PoliceTexteGras());
    joueurs_->addButton(radio, p.joueur);
    grille->addWidget(radio, p.ligne, p.colonne, Qt::AlignCenter);
  }
  principal->addWidget(panneau);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 120);
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (Choix() >= 0) accept();
  });
  connect(joueurs_, &QButtonGroup::idToggled, this, [this] { ok_->setEnabled(Choix() >= 0); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TPCarteDlg::Prepare(const TQuestionPosee& question) {
  setWindowTitle(QString::fromStdString(question.Titre));
  question_->setText(windowTitle());
  carteDemandee_ = question.Carte;
  carte_->SetValue(question.Carte.EstReelle() ? IndexCarte(question.Carte) : 0);
  joueurs_->setExclusive(false);
  for (QAbstractButton* b : joueurs_->buttons()) b->setChecked(false);
  joueurs_->setExclusive(true);
  ok_->setEnabled(false);
}

std::optional<TReponseQuestion> TPCarteDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

void TPCarteDlg::keyPressEvent(QKeyEvent* event) {
  const QString texte = event->text().toUpper();
  const bool combinaison = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  for (TJoueur j : TousLesJoueurs) {
    // The seat's initial: S, O, N, E.
    if (combinaison || texte.size() != 1 || texte.at(0) != QLatin1Char(NomsJoueurs[j].front())) continue;
    joueurs_->button(j)->click();
    joueurs_->button(j)->setFocus(Qt::ShortcutFocusReason);
    event->accept();
    return;
  }
  TDialogueKalvo::keyPressEvent(event);
}

TReponseQuestion TPCarteDlg::Reponse() const {
  TReponseQuestion reponse;
  if (Choix() >= 0) reponse.Joueur = static_cast<TJoueur>(Choix());
  return reponse;
}

}  // namespace kalvo
