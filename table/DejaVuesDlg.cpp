#include "table/DejaVuesDlg.h"

#include "table/Palette.h"
#include "table/Polices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvo {

namespace {
constexpr std::array<T4Couleur, 4> OrdreColonne{clPique, clCoeur, clCarreau, clTrefle};
}

TDejaVuesDlg::TDejaVuesDlg(QWidget* parent) : TDialogueKalvo(parent) {
  setWindowTitle(QStringLiteral("Compte des cartes"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(12);

  auto* panneau = NouveauPanneau(this);
  auto* colonne = new QVBoxLayout(panneau);
  colonne->setContentsMargins(18, 14, 18, 14);
  colonne->setSpacing(6);
  question_ = NouvelleEtiquette(QStringLiteral("Combien de cartes dans chaque couleur"), PoliceTitre(),
                                QColor(CouleurTexteTapis), panneau);
  enonce_ = NouvelleEtiquette({}, PoliceTexte(), QColor(CouleurTexteTapis), panneau);
  question_->setAlignment(Qt::AlignCenter);
  enonce_->setAlignment(Qt::AlignCenter);
  colonne->addWidget(question_);
  colonne->addWidget(enonce_);
  colonne->addSpacing(10);

  auto* rangee = new QHBoxLayout;
  rangee->setSpacing(14);
  choix_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    auto* bloc = new QVBoxLayout;
    bloc->setSpacing(6);
    auto* cadre = new QWidget(panneau);
    cadre->setObjectName(QStringLiteral("Colonne"));
    cadre->setAttribute(Qt::WA_StyledBackground);
    cadre->setCursor(Qt::PointingHandCursor);
    cadre->installEventFilter(this);
    colonnes_[static_cast<std::size_t>(k)] = cadre;
    auto* grille = new QGridLayout(cadre);
    grille->setContentsMargins(14, 8, 14, 8);
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(2);
    for (std::size_t ligne = 0; ligne < 4; ++ligne) {
      const T4Couleur c = OrdreColonne[ligne];
      auto* symbole = NouvelleEtiquette(QString::fromUtf8(SymbolesCouleurs[c].data()),
                                        PoliceEnPixels(FamilleSymboles(), 20), CouleurSymbole(c), cadre);
      auto* compte = NouvelleEtiquette(QStringLiteral("0"), PoliceEnPixels(QStringLiteral("Verdana"), 18, true),
                                       QColor(CouleurTexteTapis), cadre);
      compte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      compte->setMinimumWidth(26);
      comptes_[static_cast<std::size_t>(k)][c] = compte;
      grille->addWidget(symbole, static_cast<int>(ligne), 0);
      grille->addWidget(compte, static_cast<int>(ligne), 1);
    }
    bloc->addWidget(cadre);
    auto* radio = new QRadioButton(panneau);
    choix_->addButton(radio, k);
    bloc->addWidget(radio, 0, Qt::AlignHCenter);
    rangee->addLayout(bloc);
  }
  colonne->addLayout(rangee);
  principal->addWidget(panneau);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 120);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (Choix() >= 0) accept();
  });
  connect(choix_, &QButtonGroup::idToggled, this, [this](int k, bool coche) {
    colonnes_[static_cast<std::size_t>(k)]->setStyleSheet(
        coche ? QStringLiteral("#Colonne { background: #fffbe6; border: 2px solid #c8a000; border-radius: 6px; }")
              : QStringLiteral("#Colonne { background: #f4fbf4; border: 1px solid #2e5a2e; border-radius: 6px; }"));
    ok_->setEnabled(Choix() >= 0);
  });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TDejaVuesDlg::Prepare(const TQuestionPosee& question) {
  FJoueur = question.Joueur;
  dejaJoue_ = question.isPlayed;
  enonce_->setText(QString::fromStdString(question.Libelle2));
  // No column is chosen at first: the exclusive group must let go to clear.
  choix_->setExclusive(false);
  for (int k = 0; k < 4; ++k) {
    const bool presente = k < question.NbPropositions;
    choix_->button(k)->setChecked(false);
    choix_->button(k)->setVisible(presente);
    colonnes_[static_cast<std::size_t>(k)]->setVisible(presente);
    colonnes_[static_cast<std::size_t>(k)]->setStyleSheet(
        QStringLiteral("#Colonne { background: #f4fbf4; border: 1px solid #2e5a2e; border-radius: 6px; }"));
    for (T4Couleur c : ToutesLesCouleurs) {
      comptes_[static_cast<std::size_t>(k)][c]->setText(
          QString::number(question.Repart[static_cast<std::size_t>(k)][c]));
    }
  }
  choix_->setExclusive(true);
  ok_->setEnabled(false);
}

std::optional<TReponseQuestion> TDejaVuesDlg::Pose(const TQuestionPosee& question) {
  Prepare(question);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Reponse();
}

TReponseQuestion TDejaVuesDlg::Reponse() const {
  TReponseQuestion reponse;
  reponse.Proposition = Choix();
  return reponse;
}

void TDejaVuesDlg::keyPressEvent(QKeyEvent* event) {
  // Enter keeps the choice made (the checked column) and leaves the dialog open.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  TDialogueKalvo::keyPressEvent(event);
}

bool TDejaVuesDlg::eventFilter(QObject* objet, QEvent* event) {
  // A click on a column chooses it, as its radio button does.
  if (event->type() == QEvent::MouseButtonPress) {
    for (int k = 0; k < 4; ++k) {
      if (objet == colonnes_[static_cast<std::size_t>(k)]) choix_->button(k)->click();
    }
  }
  return TDialogueKalvo::eventFilter(objet, event);
}

}  // namespace kalvo
