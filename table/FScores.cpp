#include "table/FScores.h"

#include "model/BridgeTypes.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalvo {

namespace {

constexpr int HauteurLigne = 22;

QTableWidget* NouvelleGrille(int numero, QWidget* parent) {
  auto* grille = new QTableWidget(DonnesParOnglet, 5, parent);
  grille->setObjectName(QStringLiteral("SG%1").arg(numero));
  grille->setHorizontalHeaderLabels({QString(), QStringLiteral("Thème"), QStringLiteral("Force"),
                                     QStringLiteral("Jeu"), QStringLiteral("Questions")});
  grille->verticalHeader()->hide();
  grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grille->verticalHeader()->setDefaultSectionSize(HauteurLigne);
  grille->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grille->horizontalHeader()->setFixedHeight(24);
  grille->horizontalHeader()->setFont(PoliceEnPixels(QStringLiteral("Verdana"), 12, true));
  for (int k = 0; k < 5; ++k) grille->setColumnWidth(k, TFScores::LargeursColonnes[static_cast<std::size_t>(k)]);
  grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grille->setSelectionMode(QAbstractItemView::NoSelection);
  grille->setFocusPolicy(Qt::NoFocus);
  grille->setAlternatingRowColors(true);
  grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grille->setFont(PoliceEnPixels(QStringLiteral("Verdana"), 12));
  int largeur = 2;
  for (int l : TFScores::LargeursColonnes) largeur += l;
  grille->setFixedSize(largeur, 2 + 24 + DonnesParOnglet * HauteurLigne);
  for (int r = 0; r < DonnesParOnglet; ++r) {
    for (int k = 0; k < 5; ++k) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(k <= 1 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
      if (k == 0) item->setFont(PoliceEnPixels(QStringLiteral("Verdana"), 12, true));
      grille->setItem(r, k, item);
    }
  }
  return grille;
}

}  // namespace

int NombreOnglets(int nbDonnes) {
  const int necessaires = nbDonnes <= 0 ? 0 : (nbDonnes - 1) / DonnesParOnglet + 1;
  return Maximum(OngletsMinimum, necessaires);
}

std::string TitreOnglet(int onglet) {
  return std::to_string((onglet - 1) * DonnesParOnglet + 1) + "-" + std::to_string(onglet * DonnesParOnglet);
}

bool OngletActif(int onglet, int nbDonnes) { return onglet >= 1 && (onglet - 1) * DonnesParOnglet < nbDonnes; }

TFScores::TFScores(QWidget* parent) : TDialogueKalvo(parent, false) {
  setWindowTitle(QStringLiteral("Scores détaillés"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(10);

  auto* bandeau = new QWidget(this);
  FondUni(bandeau, QColor(CouleurVertFonce));
  auto* grille = new QGridLayout(bandeau);
  grille->setContentsMargins(16, 8, 16, 8);
  grille->setHorizontalSpacing(16);
  grille->setVerticalSpacing(2);
  const std::array<const char*, 3> legendes{"Score global", "Score global pondéré", "Nombre de donnes jouées"};
  const std::array<const char*, 3> nomsLegendes{"LScoreGlobal", "LScorePondere", "LNbreDonnes"};
  const std::array<const char*, 3> nomsValeurs{"LGlobal", "LPondere", "DonnesJouees"};
  std::array<QLabel*, 3> valeurs{};
  for (int i = 0; i < 3; ++i) {
    auto* legende = NouvelleEtiquette(QString::fromUtf8(legendes[static_cast<std::size_t>(i)]), PoliceTitre(),
                                      QColor(CouleurJaune), bandeau);
    legende->setObjectName(QString::fromLatin1(nomsLegendes[static_cast<std::size_t>(i)]));
    auto* valeur = NouvelleEtiquette(QStringLiteral("—"), PoliceEnPixels(QStringLiteral("Verdana"), 16, true),
                                     QColor(CouleurValeurBandeau), bandeau);
    valeur->setObjectName(QString::fromLatin1(nomsValeurs[static_cast<std::size_t>(i)]));
    grille->addWidget(legende, i, 0, Qt::AlignRight);
    grille->addWidget(valeur, i, 1, Qt::AlignLeft);
    valeurs[static_cast<std::size_t>(i)] = valeur;
  }
  grille->setColumnStretch(1, 1);
  global_ = valeurs[0];
  pondere_ = valeurs[1];
  donnesJouees_ = valeurs[2];
  principal->addWidget(bandeau);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("Pages"));
  pages_->setFont(PoliceEnPixels(QStringLiteral("Verdana"), 12));
  pages_->setUsesScrollButtons(true);
  principal->addWidget(pages_);
  AjusteOnglets(OngletsMinimum);

  ok_ = NouveauBouton(QStringLiteral("Ok"), this, 140);
  ok_->setDefault(true);
  principal->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(sizeHint().width(), Hauteur);
}

QTableWidget* TFScores::Grille(int onglet) const {
  if (onglet < 1 || onglet > static_cast<int>(grilles_.size())) return nullptr;
  return grilles_[static_cast<std::size_t>(onglet - 1)];
}

void TFScores::AjusteOnglets(int nombre) {
  while (static_cast<int>(grilles_.size()) < nombre) {
    const int numero = static_cast<int>(grilles_.size()) + 1;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page%1").arg(numero));
    auto* disposition = new QVBoxLayout(page);
    disposition->setContentsMargins(6, 6, 6, 6);
    QTableWidget* grille = NouvelleGrille(numero, page);
    disposition->addWidget(grille, 0, Qt::AlignHCenter | Qt::AlignTop);
    pages_->addTab(page, QString::fromStdString(TitreOnglet(numero)));
    grilles_.push_back(grille);
  }
  while (static_cast<int>(grilles_.size()) > nombre) {
    const int dernier = static_cast<int>(grilles_.size()) - 1;
    QWidget* page = pages_->widget(dernier);
    pages_->removeTab(dernier);
    delete page;
    grilles_.pop_back();
  }
}

void TFScores::Prepare(const TScoresAffiches& scores) {
  global_->setText(QString::fromStdString(scores.Global));
  pondere_->setText(QString::fromStdString(scores.Pondere));
  donnesJouees_->setText(QString::fromStdString(scores.DonnesJouees));

  const int nbDonnes = static_cast<int>(scores.Lignes.size());
  AjusteOnglets(NombreOnglets(nbDonnes));
  for (int t = 1; t <= static_cast<int>(grilles_.size()); ++t) {
    pages_->setTabEnabled(t - 1, OngletActif(t, nbDonnes));
    QTableWidget* grille = grilles_[static_cast<std::size_t>(t - 1)];
    for (int r = 0; r < DonnesParOnglet; ++r) {
      const int n = (t - 1) * DonnesParOnglet + r + 1;
      const std::array<std::string, 5> ligne =
          n <= nbDonnes ? scores.Lignes[static_cast<std::size_t>(n - 1)] : std::array<std::string, 5>{};
      for (int k = 0; k < 5; ++k) {
        grille->item(r, k)->setText(QString::fromStdString(ligne[static_cast<std::size_t>(k)]));
      }
    }
  }
  pages_->setCurrentIndex(0);
  ok_->setFocus(Qt::OtherFocusReason);
}

void TFScores::Montre(const TScoresAffiches& scores) {
  Prepare(scores);
  exec();
}

}  // namespace kalvo
