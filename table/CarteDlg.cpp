#include "table/CarteDlg.h"

#include "table/Carte1024.h"
#include "table/FocusClavier.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
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
  question_ = NouveauBandeau(windowTitle(), this);
  principal->addWidget(question_);

  auto* panneau = NouveauPanneau(this);
  auto* rangee = new QHBoxLayout(panneau);
  rangee->setContentsMargins(14, 14, 14, 14);
  rangee->setSpacing(18);
  carte_ = new TCarte1024(panneau);
  carte_->SetSetCartes(2);
  carte_->SetBackground(QColor(CouleurTapisPanneau));
  carte_->setFixedSize(carte_->size());
  rangee->addWidget(carte_, 0, Qt::AlignVCenter);

  auto* choix = new QVBoxLayout;
  choix->setSpacing(10);
  auto* couleurs = new QHBoxLayout;
  couleurs->setSpacing(6);
  couleurs_ = new QButtonGroup(this);
  for (int tag = clPique; tag >= clTrefle; --tag) {
    auto* b = NouveauBouton(QString::fromUtf8(SymbolesCouleurs[static_cast<std::size_t>(tag)].data()), panneau, 52);
    b->setCheckable(true);
    b->setFont(PoliceEnPixels(FamilleSymboles(), 24, false));
    // A chosen suit keeps its colour on a pale gold ground.
    b->setStyleSheet(QStringLiteral("QPushButton { color: %1; padding: 2px 8px; } "
                                    "QPushButton:checked { background: #fff1a8; border: 2px solid #c8a000; }")
                         .arg(CouleurSymbole(tag).name()));
    couleurs_->addButton(b, tag);
    couleurs->addWidget(b);
  }
  couleurs->addStretch();
  choix->addLayout(couleurs);

  auto* grille = new QGridLayout;
  grille->setSpacing(6);
  hauteurs_ = new QButtonGroup(this);
  int i = 0;
  for (int h = 14; h >= 2; --h, ++i) {
    auto* b = NouveauBouton(TexteHauteur(h), panneau, 62);
    b->setCheckable(true);
    b->setStyleSheet(QString::fromLatin1(StyleChoix));
    hauteurs_->addButton(b, h);
    grille->addWidget(b, i < 4 ? 0 : (i - 4) / 5 + 1, i < 4 ? i : (i - 4) % 5);
  }
  choix->addLayout(grille);
  choix->addStretch();
  rangee->addLayout(choix);
  principal->addWidget(panneau);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 120);
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);

  connect(couleurs_, &QButtonGroup::idClicked, this, &TCarteDlg::ChoisitCouleur);
  connect(hauteurs_, &QButtonGroup::idClicked, this, &TCarteDlg::ChoisitHauteur);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TCarteDlg::Prepare(const TQuestionPosee& question) {
  entame_ = question.isEntame;
  FJoueur = question.Joueur;
  setWindowTitle(QString::fromStdString(question.Titre));
  question_->setText(windowTitle());
  coul_ = clPique;
  haut_ = 14;
  couleurs_->button(coul_)->setChecked(true);
  hauteurs_->button(haut_)->setChecked(true);
  MontreCarte();
  ok_->setFocus(Qt::OtherFocusReason);
}

std::optional<TReponseQuestion> TCarteDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TCarteDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Carte = TCard{static_cast<std::uint8_t>(haut_), static_cast<std::uint8_t>(coul_)};
  return reponse;
}

void TCarteDlg::ChoisitCouleur(int tag) {
  coul_ = tag;
  MontreCarte();
  ok_->setFocus(Qt::OtherFocusReason);
}

void TCarteDlg::ChoisitHauteur(int tag) {
  haut_ = tag;
  MontreCarte();
  ok_->setFocus(Qt::OtherFocusReason);
}

void TCarteDlg::keyPressEvent(QKeyEvent* event) {
  using G = TToucheFocus::TGenre;
  // Arrows stay with the buttons; Ctrl and Alt combinations are no cards.
  const bool combinaison = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  const TToucheFocus touche = combinaison ? TToucheFocus{} : LitToucheFocus(-1, event->text());
  QAbstractButton* bouton = nullptr;
  if (touche.Genre == G::Couleur) bouton = couleurs_->button(touche.Valeur);
  if (touche.Genre == G::Rang) bouton = hauteurs_->button(touche.Valeur);
  if (bouton != nullptr) {
    bouton->click();
  } else if (touche.Genre != G::Ignoree) {
    TDialogueKalvo::keyPressEvent(event);
    return;
  }
  event->accept();
}

void TCarteDlg::MontreCarte() {
  carte_->SetValue(IndexCarte(TCard{static_cast<std::uint8_t>(haut_), static_cast<std::uint8_t>(coul_)}));
}

}  // namespace kalvo
