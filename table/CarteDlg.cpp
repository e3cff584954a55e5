#include "table/CarteDlg.h"

#include "table/Carte1024.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvo {

namespace {

QString TexteHauteur(int h) {
  return h >= 11 ? QString::fromUtf8(NomsHonneurs[static_cast<std::size_t>(h - 11)].data()) : QString::number(h);
}

// Checked buttons show the choice made; the suit ones carry their symbol.
const char* const StyleChoix =
    "QPushButton:checked { background: #004200; color: #ffff00; border: 2px solid #c8a000; }";

}  // namespace

TCarteDlg::TCarteDlg(QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(QStringLiteral("Quelle a été l'entame ?"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);
  FQuestion = NouveauBandeau(windowTitle(), this);
  principal->addWidget(FQuestion);

  auto* panneau = NouveauPanneau(this);
  auto* rangee = new QHBoxLayout(panneau);
  rangee->setContentsMargins(14, 14, 14, 14);
  rangee->setSpacing(18);
  FCarte = new TCarte1024(panneau);
  FCarte->SetSetCartes(2);
  FCarte->SetBackground(QColor(CouleurTapisPanneau));
  FCarte->setFixedSize(FCarte->size());
  rangee->addWidget(FCarte, 0, Qt::AlignVCenter);

  auto* choix = new QVBoxLayout;
  choix->setSpacing(10);
  auto* couleurs = new QHBoxLayout;
  couleurs->setSpacing(6);
  FCouleurs = new QButtonGroup(this);
  for (int tag = clPique; tag >= clTrefle; --tag) {
    auto* b = NouveauBouton(QString::fromUtf8(SymbolesCouleurs[static_cast<std::size_t>(tag)].data()), panneau, 52);
    b->setCheckable(true);
    b->setFont(PoliceEnPixels(FamilleSymboles(), 24, false));
    // A chosen suit keeps its colour on a pale gold ground.
    b->setStyleSheet(QStringLiteral("QPushButton { color: %1; padding: 2px 8px; } "
                                    "QPushButton:checked { background: #fff1a8; border: 2px solid #c8a000; }")
                         .arg(CouleurSymbole(tag).name()));
    FCouleurs->addButton(b, tag);
    couleurs->addWidget(b);
  }
  couleurs->addStretch();
  choix->addLayout(couleurs);

  auto* grille = new QGridLayout;
  grille->setSpacing(6);
  FHauteurs = new QButtonGroup(this);
  int i = 0;
  for (int h = 14; h >= 2; --h, ++i) {
    auto* b = NouveauBouton(TexteHauteur(h), panneau, 62);
    b->setCheckable(true);
    b->setStyleSheet(QString::fromLatin1(StyleChoix));
    FHauteurs->addButton(b, h);
    grille->addWidget(b, i < 4 ? 0 : (i - 4) / 5 + 1, i < 4 ? i : (i - 4) % 5);
  }
  choix->addLayout(grille);
  choix->addStretch();
  rangee->addLayout(choix);
  principal->addWidget(panneau);

  FOk = NouveauBouton(QStringLiteral("Ok"), this, 120);
  FOk->setDefault(true);
  principal->addWidget(FOk, 0, Qt::AlignHCenter);

  connect(FCouleurs, &QButtonGroup::idClicked, this, &TCarteDlg::ChoisitCouleur);
  connect(FHauteurs, &QButtonGroup::idClicked, this, &TCarteDlg::ChoisitHauteur);
  connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TCarteDlg::Prepare(const TQuestionPosee& question) {
  FEntame = question.isEntame;
  FJoueur = question.Joueur;
  setWindowTitle(QString::fromStdString(question.Titre));
  FQuestion->setText(windowTitle());
  FCoul = clPique;
  FHaut = 14;
  FCouleurs->button(FCoul)->setChecked(true);
  FHauteurs->button(FHaut)->setChecked(true);
  MontreCarte();
  FOk->setFocus(Qt::OtherFocusReason);
}

std::optional<TReponseQuestion> TCarteDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TCarteDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Carte = TCard{static_cast<std::uint8_t>(FHaut), static_cast<std::uint8_t>(FCoul)};
  return reponse;
}

void TCarteDlg::ChoisitCouleur(int tag) {
  FCoul = tag;
  MontreCarte();
  FOk->setFocus(Qt::OtherFocusReason);
}

void TCarteDlg::ChoisitHauteur(int tag) {
  FHaut = tag;
  MontreCarte();
  FOk->setFocus(Qt::OtherFocusReason);
}

void TCarteDlg::MontreCarte() {
  FCarte->SetValue(IndexCarte(TCard{static_cast<std::uint8_t>(FHaut), static_cast<std::uint8_t>(FCoul)}));
}

}  // namespace kalvo
