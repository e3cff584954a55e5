#include "table/ProgresDlg.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace kalvo {

namespace {

QChartView* NouvelleVue(QWidget* parent, const QString& nom, QChart* graphique) {
  auto* vue = new QChartView(graphique, parent);
  vue->setObjectName(nom);
  vue->setRenderHint(QPainter::Antialiasing);
  // One felt panel with the chart, no white frame around it.
  vue->setFrameShape(QFrame::NoFrame);
  vue->setBackgroundBrush(QColor(CouleurTapisPanneau));
  vue->setMinimumSize(240, 220);
  return vue;
}

QChart* NouveauGraphique(const QString& titre) {
  auto* graphique = new QChart;
  graphique->setTitle(titre);
  graphique->setTitleFont(PoliceTexteGras());
  graphique->legend()->hide();
  graphique->setBackgroundBrush(QColor(CouleurTapisPanneau));
  graphique->setBackgroundRoundness(0);
  graphique->setMargins(QMargins(6, 6, 6, 6));
  return graphique;
}

// The widest category label, in pixels, that the narrowest chart still
// shows whole.
constexpr int LargeurEtiquette = 200;

QFont PetitePolice() {
  QFont police = PoliceTexte();
  police.setPixelSize(11);
  return police;
}

QValueAxis* AxeNotes() {
  auto* axe = new QValueAxis;
  axe->setRange(0, 100);
  axe->setTickCount(6);
  axe->setLabelFormat(QStringLiteral("%d"));
  return axe;
}

// Up to some thirty themes share the height: a smaller type keeps every
// name whole, and the axis does not cut its labels (a line a little taller
// than its bar would lose its whole text).
QBarCategoryAxis* AxeCategories(const QStringList& categories = {}) {
  auto* axe = new QBarCategoryAxis;
  axe->setLabelsFont(PetitePolice());
  axe->setTruncateLabels(false);
  axe->append(categories);
  return axe;
}

// Horizontal bars of the average mark, one per category, each label on a
// line of its own; filled by RemplitBarres.
QChart* Barres(const QString& titre, QBarSet*& barres, QBarCategoryAxis*& axeCategories) {
  QChart* graphique = NouveauGraphique(titre);
  barres = new QBarSet(QStringLiteral("Moyenne"));
  barres->setColor(QColor(46, 90, 46));
  barres->setLabelColor(QColor(255, 255, 255));
  barres->setLabelFont(PetitePolice());
  auto* serie = new QHorizontalBarSeries;
  serie->append(barres);
  serie->setBarWidth(0.8);
  serie->setLabelsVisible(true);
  serie->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
  graphique->addSeries(serie);
  axeCategories = AxeCategories();
  QValueAxis* axeNotes = AxeNotes();
  graphique->addAxis(axeCategories, Qt::AlignLeft);
  graphique->addAxis(axeNotes, Qt::AlignBottom);
  serie->attachAxis(axeCategories);
  serie->attachAxis(axeNotes);
  return graphique;
}

// The averages, each category's label naming the deals played ("Force 2
// (5)", as the chart's title says); values and labels replaced in one call
// each.
void RemplitBarres(QChart* graphique, QBarSet* barres, QBarCategoryAxis*& axeCategories,
                   const std::vector<TMoyenneProgres>& moyennes) {
  // A name too long for the chart is cut here, alone.
  const QFontMetrics mesure(PetitePolice());
  QList<qreal> valeurs;
  QStringList categories;
  valeurs.reserve(static_cast<qsizetype>(moyennes.size()));
  for (const TMoyenneProgres& m : moyennes) {
    valeurs << m.Moyenne;
    const QString donnes = QStringLiteral(" (%1)").arg(m.Donnes);
    const QString nomEntier = QString::fromStdString(m.Nom);
    const int largeur = LargeurEtiquette - mesure.horizontalAdvance(donnes);
    // An axis keeps one bar per distinct label: two names cut alike at
    // their end are cut in their middle instead, or kept whole.
    QString etiquette = mesure.elidedText(nomEntier, Qt::ElideRight, largeur) + donnes;
    if (categories.contains(etiquette)) etiquette = mesure.elidedText(nomEntier, Qt::ElideMiddle, largeur) + donnes;
    if (categories.contains(etiquette)) etiquette = nomEntier + donnes;
    categories << etiquette;
  }
  barres->remove(0, barres->count());
  barres->append(valeurs);
  // Laying out the labels is the dearest part: skipped when they stay.
  // New labels go on a new axis: a chart already drawn keeps showing the
  // old labels of an axis whose categories are changed or cleared.
  if (axeCategories->categories() != categories) {
    QAbstractSeries* serie = graphique->series().value(0);
    graphique->removeAxis(axeCategories);
    delete axeCategories;
    axeCategories = AxeCategories(categories);
    graphique->addAxis(axeCategories, Qt::AlignLeft);
    serie->attachAxis(axeCategories);
  }
}

QChart* Tendance(QLineSeries*& ligne, QValueAxis*& axeX) {
  QChart* graphique = NouveauGraphique(QString());
  ligne = new QLineSeries;
  ligne->setColor(QColor(160, 0, 0));
  ligne->setPointsVisible(true);
  graphique->addSeries(ligne);
  axeX = new QValueAxis;
  axeX->setLabelFormat(QStringLiteral("%d"));
  QValueAxis* axeY = AxeNotes();
  graphique->addAxis(axeX, Qt::AlignBottom);
  graphique->addAxis(axeY, Qt::AlignLeft);
  ligne->attachAxis(axeX);
  ligne->attachAxis(axeY);
  return graphique;
}

void RemplitTendance(QChart* graphique, QLineSeries* ligne, QValueAxis* axeX, const std::vector<TPointTendance>& points) {
  graphique->setTitle(points.empty() ? QStringLiteral("Note au jeu des dernières donnes")
                                     : QStringLiteral("Note au jeu des %1 dernières donnes").arg(points.size()));
  QList<QPointF> suite;
  suite.reserve(static_cast<qsizetype>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) suite.append(QPointF(static_cast<qreal>(i + 1), points[i].Note));
  ligne->replace(suite);
  axeX->setRange(1, std::max<qreal>(2, static_cast<qreal>(points.size())));
  axeX->setTickCount(std::min<int>(std::max<int>(2, static_cast<int>(points.size())), 11));
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

  // The themes take the whole height on the left: some thirty names must
  // each keep a readable line. The difficulties, the trend and the themes
  // to work on are stacked on the right. The charts are made once; each
  // showing replaces their figures, which costs far less than new charts.
  auto* corps = new QHBoxLayout;
  GraphiqueThemes = NouvelleVue(this, QStringLiteral("GraphiqueThemes"),
                                Barres(QStringLiteral("Note moyenne par thème (donnes jouées)"), barresThemes_,
                                       categoriesThemes_));
  corps->addWidget(GraphiqueThemes, 3);
  auto* droite = new QVBoxLayout;
  GraphiqueForces = NouvelleVue(this, QStringLiteral("GraphiqueForces"),
                                Barres(QStringLiteral("Par force (donnes jouées)"), barresForces_, categoriesForces_));
  droite->addWidget(GraphiqueForces, 4);
  GraphiqueTendance = NouvelleVue(this, QStringLiteral("GraphiqueTendance"), Tendance(tendance_, axeTendance_));
  droite->addWidget(GraphiqueTendance, 5);
  panneauATravailler_ = NouveauPanneau(this);
  auto* cadre = new QVBoxLayout(panneauATravailler_);
  cadre->setContentsMargins(12, 8, 12, 8);
  droite->addWidget(panneauATravailler_, 4);
  corps->addLayout(droite, 2);
  principal->addLayout(corps, 1);

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
  RemplitBarres(GraphiqueThemes->chart(), barresThemes_, categoriesThemes_, progres.ParTheme);
  RemplitBarres(GraphiqueForces->chart(), barresForces_, categoriesForces_, progres.ParForce);
  RemplitTendance(GraphiqueTendance->chart(), tendance_, axeTendance_, progres.Tendance);

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
