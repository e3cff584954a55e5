#include "table/ProgresDlg.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace kalvo {

namespace {

QChartView* NouvelleVue(QWidget* parent, const QString& nom) {
  auto* vue = new QChartView(parent);
  vue->setObjectName(nom);
  vue->setRenderHint(QPainter::Antialiasing);
  vue->setMinimumSize(400, 260);
  return vue;
}

QChart* NouveauGraphique(const QString& titre) {
  auto* graphique = new QChart;
  graphique->setTitle(titre);
  graphique->setTitleFont(PoliceTexteGras());
  graphique->legend()->hide();
  graphique->setBackgroundBrush(QColor(CouleurTapisPanneau));
  graphique->setMargins(QMargins(6, 6, 6, 6));
  return graphique;
}

QValueAxis* AxeNotes() {
  auto* axe = new QValueAxis;
  axe->setRange(0, 100);
  axe->setTickCount(6);
  axe->setLabelFormat(QStringLiteral("%d"));
  return axe;
}

// Bars of the average mark, one per category, its label naming the deals
// played ("Force 2 — 5 donnes").
QChart* Barres(const QString& titre, const std::vector<TMoyenneProgres>& moyennes, bool horizontales) {
  QChart* graphique = NouveauGraphique(titre);
  auto* barres = new QBarSet(QStringLiteral("Moyenne"));
  barres->setColor(QColor(46, 90, 46));
  barres->setLabelColor(QColor(255, 255, 255));
  QStringList categories;
  for (const TMoyenneProgres& m : moyennes) {
    *barres << m.Moyenne;
    categories << QStringLiteral("%1 — %2 donne%3")
                      .arg(QString::fromStdString(m.Nom))
                      .arg(m.Donnes)
                      .arg(m.Donnes > 1 ? QStringLiteral("s") : QString());
  }
  QAbstractBarSeries* serie = horizontales ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                           : static_cast<QAbstractBarSeries*>(new QBarSeries);
  serie->append(barres);
  serie->setLabelsVisible(true);
  serie->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
  graphique->addSeries(serie);
  auto* axeCategories = new QBarCategoryAxis;
  axeCategories->append(categories);
  QValueAxis* axeNotes = AxeNotes();
  graphique->addAxis(axeCategories, horizontales ? Qt::AlignLeft : Qt::AlignBottom);
  graphique->addAxis(axeNotes, horizontales ? Qt::AlignBottom : Qt::AlignLeft);
  serie->attachAxis(axeCategories);
  serie->attachAxis(axeNotes);
  return graphique;
}

QChart* Tendance(const std::vector<TPointTendance>& points) {
  QChart* graphique = NouveauGraphique(QStringLiteral("Note au jeu des %1 dernières donnes").arg(points.size()));
  auto* ligne = new QLineSeries;
  ligne->setColor(QColor(160, 0, 0));
  ligne->setPointsVisible(true);
  for (std::size_t i = 0; i < points.size(); ++i) ligne->append(static_cast<qreal>(i + 1), points[i].Note);
  graphique->addSeries(ligne);
  auto* axeX = new QValueAxis;
  axeX->setRange(1, std::max<qreal>(2, static_cast<qreal>(points.size())));
  axeX->setLabelFormat(QStringLiteral("%d"));
  axeX->setTickCount(std::min<int>(std::max<int>(2, static_cast<int>(points.size())), 11));
  QValueAxis* axeY = AxeNotes();
  graphique->addAxis(axeX, Qt::AlignBottom);
  graphique->addAxis(axeY, Qt::AlignLeft);
  ligne->attachAxis(axeX);
  ligne->attachAxis(axeY);
  return graphique;
}

}  // namespace

TProgresDlg::TProgresDlg(QWidget* parent) : TDialogueKalvo(parent, false) {
  setWindowTitle(QStringLiteral("Progrès"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(8);
  principal->addWidget(NouveauBandeau(QStringLiteral("Progrès"), this));
  Resume = NouvelleEtiquette(QString(), PoliceTexte(), QColor(CouleurValeurBandeau), this);
  Resume->setObjectName(QStringLiteral("Resume"));
  Resume->setWordWrap(true);
  principal->addWidget(Resume);

  auto* haut = new QHBoxLayout;
  GraphiqueThemes = NouvelleVue(this, QStringLiteral("GraphiqueThemes"));
  GraphiqueForces = NouvelleVue(this, QStringLiteral("GraphiqueForces"));
  haut->addWidget(GraphiqueThemes, 3);
  haut->addWidget(GraphiqueForces, 2);
  principal->addLayout(haut, 3);

  auto* bas = new QHBoxLayout;
  GraphiqueTendance = NouvelleVue(this, QStringLiteral("GraphiqueTendance"));
  bas->addWidget(GraphiqueTendance, 3);
  panneauATravailler_ = NouveauPanneau(this);
  auto* cadre = new QVBoxLayout(panneauATravailler_);
  cadre->setContentsMargins(12, 10, 12, 10);
  bas->addWidget(panneauATravailler_, 2);
  principal->addLayout(bas, 2);

  QPushButton* ok = NouveauBouton(QStringLiteral("Ok"), this, 140);
  ok->setObjectName(QStringLiteral("BOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  principal->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedSize(1000, 720);
}

void TProgresDlg::Prepare(const TProgres& progres) {
  themeChoisi_.reset();
  if (!progres.AvecHistorique) {
    Resume->setText(QStringLiteral("L'historique des donnes jouées n'est pas disponible pendant cette séance."));
  } else if (progres.TentativesNotees == 0) {
    Resume->setText(QStringLiteral("Aucune donne notée n'est encore dans l'historique : jouez une donne jusqu'au bout."));
  } else {
    Resume->setText(QStringLiteral("%1 donne%2 notée%2 dans l'historique.")
                        .arg(progres.TentativesNotees)
                        .arg(progres.TentativesNotees > 1 ? QStringLiteral("s") : QString()));
  }
  // Each chart is made anew; the view deletes the one it showed.
  for (auto [vue, graphique] :
       {std::pair{GraphiqueThemes, Barres(QStringLiteral("Moyenne par thème"), progres.ParTheme, true)},
        std::pair{GraphiqueForces, Barres(QStringLiteral("Moyenne par force"), progres.ParForce, false)},
        std::pair{GraphiqueTendance, Tendance(progres.Tendance)}}) {
    QChart* ancien = vue->chart();
    vue->setChart(graphique);
    delete ancien;
  }

  delete listeATravailler_;
  listeATravailler_ = new QWidget(panneauATravailler_);
  listeATravailler_->setObjectName(QStringLiteral("ListeATravailler"));
  auto* liste = new QVBoxLayout(listeATravailler_);
  liste->setContentsMargins(0, 0, 0, 0);
  boutonsARevoir_.clear();
  liste->addWidget(NouvelleEtiquette(QStringLiteral("À travailler d'abord"), PoliceTitre(), QColor(CouleurTexteTapis),
                                     listeATravailler_));
  if (progres.ATravailler.empty())
    liste->addWidget(NouvelleEtiquette(QStringLiteral("Rien pour l'instant."), PoliceTexte(), QColor(CouleurTexteTapis),
                                       listeATravailler_));
  for (const TMoyenneProgres& m : progres.ATravailler) {
    auto* rangee = new QHBoxLayout;
    QLabel* texte = NouvelleEtiquette(QStringLiteral("%1 : %2 en moyenne").arg(QString::fromStdString(m.Nom)).arg(m.Moyenne),
                                      PoliceTexte(), QColor(CouleurTexteTapis), listeATravailler_);
    texte->setWordWrap(true);
    QPushButton* bouton = NouveauBouton(QStringLiteral("À revoir"), listeATravailler_, 100);
    bouton->setToolTip(QStringLiteral("« Suivante » et « Précédente » passeront par les donnes de ce thème à revoir."));
    const int theme = m.Cle;
    connect(bouton, &QPushButton::clicked, this, [this, theme] {
      themeChoisi_ = theme;
      accept();
    });
    rangee->addWidget(texte, 1);
    rangee->addWidget(bouton);
    liste->addLayout(rangee);
    boutonsARevoir_.push_back(bouton);
  }
  liste->addStretch(1);
  panneauATravailler_->layout()->addWidget(listeATravailler_);
}

std::optional<int> TProgresDlg::Montre(const TProgres& progres) {
  Prepare(progres);
  exec();
  return themeChoisi_;
}

}  // namespace kalvo
