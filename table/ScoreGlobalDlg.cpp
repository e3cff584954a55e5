#include "table/ScoreGlobalDlg.h"

#include "table/FScores.h"
#include "table/Palette.h"
#include "table/Polices.h"
#include "table/ProgresDlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvo {

namespace {

// One felt panel: the caption on the left, the value in a lime-on-black box
// like the table's mark displays.
QLabel* Panneau(const QString& legende, const QString& nomLegende, const QString& nomValeur, QWidget* parent,
                QVBoxLayout* disposition) {
  QWidget* panneau = NouveauPanneau(parent);
  auto* rangee = new QHBoxLayout(panneau);
  rangee->setContentsMargins(16, 12, 16, 12);
  rangee->setSpacing(16);
  QLabel* texte = NouvelleEtiquette(legende, PoliceTexteGras(), QColor(CouleurTexteTapis), panneau);
  texte->setObjectName(nomLegende);
  texte->setWordWrap(true);
  texte->setFixedWidth(260);
  QLabel* valeur = NouvelleEtiquette(QStringLiteral("---"), PoliceEnPixels(QStringLiteral("Verdana"), 24, true),
                                     QColor(CouleurLime), panneau);
  valeur->setObjectName(nomValeur);
  valeur->setAlignment(Qt::AlignCenter);
  valeur->setFixedSize(100, 44);
  valeur->setStyleSheet(QStringLiteral("background: #000000; border: 2px solid #2e5a2e; border-radius: 6px;"));
  rangee->addWidget(texte, 1);
  rangee->addWidget(valeur, 0, Qt::AlignVCenter);
  disposition->addWidget(panneau);
  return valeur;
}

}  // namespace

TScoreGlobalDlg::TScoreGlobalDlg(TFScores* detail, QWidget* parent) : TDialogueKalvo(parent, false), fenetreScores_(detail) {
  setWindowTitle(QStringLiteral("Vos scores"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(10);
  principal->addWidget(NouveauBandeau(QStringLiteral("Vos scores"), this));
  scoreJeu_ = Panneau(QStringLiteral("Votre score en pourcentage au jeu de la carte"), QStringLiteral("Label1"),
                      QStringLiteral("ScoreLb"), this, principal);
  scoreQuestions_ = Panneau(QStringLiteral("Votre coefficient d'attention et de mémorisation"),
                            QStringLiteral("Label3"), QStringLiteral("Score2"), this, principal);

  auto* boutons = new QHBoxLayout;
  boutons->setSpacing(10);
  detail_ = NouveauBouton(QStringLiteral("Scores détaillés"), this, 170);
  detail_->setObjectName(QStringLiteral("BScores"));
  efface_ = NouveauBouton(QStringLiteral("Remise des scores à zéro"), this, 200);
  efface_->setObjectName(QStringLiteral("BEffaceScores"));
  progres_ = NouveauBouton(QStringLiteral("Progrès"), this, 120);
  progres_->setObjectName(QStringLiteral("BProgres"));
  fenetreProgres_ = new TProgresDlg(this);
  boutons->addWidget(detail_);
  boutons->addWidget(progres_);
  boutons->addWidget(efface_);
  principal->addSpacing(4);
  principal->addLayout(boutons);
  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 140);
  ok_->setObjectName(QStringLiteral("btn1"));
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(efface_, &QPushButton::clicked, this, &TScoreGlobalDlg::RemetAZero);
  connect(detail_, &QPushButton::clicked, this, [this] {
    if (fenetreScores_) fenetreScores_->Montre(Affiches());
  });
  // A theme chosen there closes this dialog too: back to the table to play.
  connect(progres_, &QPushButton::clicked, this, [this] {
    if (const std::optional<int> theme = fenetreProgres_->Montre(scores_.Progres)) {
      themeARevoir_ = theme;
      accept();
    }
  });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TScoreGlobalDlg::Prepare(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) {
  scores_ = scores;
  apresRemise_ = apresRemise;
  remisAZero_ = false;
  themeARevoir_.reset();
  Actualise();
  ok_->setFocus(Qt::OtherFocusReason);
}

bool TScoreGlobalDlg::Montre(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) {
  Prepare(scores, apresRemise);
  exec();
  return remisAZero_;
}

void TScoreGlobalDlg::Actualise() {
  scoreJeu_->setText(QString::fromStdString(Affiches().ScoreJeu));
  scoreQuestions_->setText(QString::fromStdString(Affiches().ScoreQuestions));
}

void TScoreGlobalDlg::RemetAZero() {
  remisAZero_ = true;
  Actualise();
}

}  // namespace kalvo
