// The deal chooser and the progress window as the user meets them: sorting,
// filters and search, Enter and double click, Escape; the charts drawn from
// known figures and the "À revoir" button that closes with its theme.
#include "table/ChoixDonneDlg.h"
#include "table/ProgresDlg.h"
#include "table/ScoreGlobalDlg.h"
#include "table/FScores.h"

#include <gtest/gtest.h>

#include <functional>

#include "EnvironnementQt.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace kalvo {
namespace {

TListeDonnes Liste() {
  TListeDonnes liste;
  liste.Actuelle = 3;
  liste.Seuil = 50;
  liste.AvecHistorique = true;
  // (theme, name, difficulty, play mark, attempts)
  const std::vector<std::tuple<int, std::string, int, int, int>> donnes{
      {4, "Prendre ou laisser-passer", 1, 80, 2}, {8, "Contretemps", 2, 30, 1}, {3, "Blocage-déblocage", 3, -1, 0},
      {4, "Prendre ou laisser-passer", 2, 100, 5}, {8, "Contretemps", 1, 9, 3}};
  int n = 0;
  for (const auto& [theme, nom, force, note, tentatives] : donnes) {
    ++n;
    liste.Lignes.push_back({.Donne = n, .Collection = 20 + n, .Theme = theme, .NomTheme = nom, .Force = force,
                            .NoteJeu = note, .NoteQuestions = -1, .Tentatives = tentatives,
                            .ARevoir = note < 0 || note < 50});
  }
  return liste;
}

// Runs the user's gestures inside the dialog's own loop, once exec() has
// started. A dialog the gestures should have closed but left open is a
// failure, closed here so that the test ends instead of waiting forever.
void Pendant(QDialog& d, std::function<void()> gestes) {
  QTimer::singleShot(0, &d, [&d, gestes = std::move(gestes)] {
    gestes();
    if (d.isVisible()) {
      ADD_FAILURE() << d.windowTitle().toStdString() << " : toujours ouvert après les gestes";
      d.done(QDialog::Rejected);
    }
  });
}

// A double click as the window system delivers it: press, release, then
// the double click and its release. QTest's mouseDClick sends the double
// click alone, which an item view takes for a plain press.
void DoubleClic(QWidget* w, QPoint position) {
  QTest::mousePress(w, Qt::LeftButton, {}, position);
  QTest::mouseRelease(w, Qt::LeftButton, {}, position);
  QTest::mouseEvent(QTest::MouseDClick, w, Qt::LeftButton, {}, position);
  QTest::mouseRelease(w, Qt::LeftButton, {}, position);
}

std::vector<int> DonnesVisibles(const TChoixDonneDlg& d) {
  std::vector<int> donnes;
  for (int r = 0; r < d.Table->rowCount(); ++r)
    if (!d.Table->isRowHidden(r)) donnes.push_back(d.DonneDeLaLigne(r));
  return donnes;
}

TEST(ChoixDonneDlg, TriFiltresEtRecherche) {
  TChoixDonneDlg d;
  d.Prepare(Liste());
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Choisir une donne"));
  EXPECT_EQ(d.Table->rowCount(), 5);
  EXPECT_EQ(d.DonneDeLaLigne(d.Table->currentRow()), 3);  // the deal shown
  EXPECT_EQ(d.Table->item(2, TChoixDonneDlg::colJeu)->text(), QStringLiteral("—"));
  EXPECT_EQ(d.Compte->text(), QStringLiteral("5 donnes sur 5"));

  // Sorted by play mark as numbers ("—" lowest), then by attempts descending.
  d.Table->sortItems(TChoixDonneDlg::colJeu, Qt::AscendingOrder);
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{3, 5, 2, 1, 4}));
  d.Table->sortItems(TChoixDonneDlg::colTentatives, Qt::DescendingOrder);
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{4, 5, 1, 2, 3}));

  d.CBTheme->setCurrentIndex(d.CBTheme->findText(QStringLiteral("Contretemps")));
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{5, 2}));
  d.CBForce->setCurrentIndex(d.CBForce->findText(QStringLiteral("1")));
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{5}));
  d.CBTheme->setCurrentIndex(0);
  d.CBForce->setCurrentIndex(0);
  d.CARevoir->setChecked(true);
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{5, 2, 3}));
  d.CARevoir->setChecked(false);
  QTest::keyClicks(d.Recherche, QStringLiteral("DEBLOC"));
  EXPECT_EQ(DonnesVisibles(d), (std::vector<int>{3}));
  EXPECT_EQ(d.Compte->text(), QStringLiteral("1 donne sur 5"));
  // The current line follows the filter: Enter plays what is shown.
  EXPECT_EQ(d.DonneDeLaLigne(d.Table->currentRow()), 3);

  // Reopened: the filters the user left still apply to the new lines.
  d.Recherche->clear();
  d.CBForce->setCurrentIndex(d.CBForce->findText(QStringLiteral("2")));
  d.Prepare(Liste());
  EXPECT_EQ(d.CBForce->currentText(), QStringLiteral("2"));
  EXPECT_EQ(DonnesVisibles(d).size(), 2u);
}

TEST(ChoixDonneDlg, EntreeDoubleClicEtEchap) {
  TChoixDonneDlg d;
  Pendant(d, [&d] {
    d.Table->setCurrentCell(1, TChoixDonneDlg::colTheme);
    QTest::keyClick(d.Table, Qt::Key_Return);
  });
  EXPECT_EQ(d.Montre(Liste()), std::optional<int>(2));

  Pendant(d, [&d] {
    const QRect cellule = d.Table->visualItemRect(d.Table->item(3, TChoixDonneDlg::colDonne));
    DoubleClic(d.Table->viewport(), cellule.center());
  });
  EXPECT_EQ(d.Montre(Liste()), std::optional<int>(4));

  Pendant(d, [&d] { QTest::keyClick(d.Table, Qt::Key_Escape); });
  EXPECT_EQ(d.Montre(Liste()), std::nullopt);
  EXPECT_FALSE(d.isVisible());

  // A line hidden by the filter cannot be played.
  QTimer::singleShot(0, &d, [&d] {
    QTest::keyClicks(d.Recherche, QStringLiteral("zzz"));
    QTest::keyClick(d.Table, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    d.reject();
  });
  EXPECT_EQ(d.Montre(Liste()), std::nullopt);
  d.Recherche->clear();
}

TProgres Progres() {
  TProgres p;
  p.AvecHistorique = true;
  p.TentativesNotees = 6;
  p.ParTheme = {{4, "Prendre ou laisser-passer", 57, 2, 3}, {8, "Contretemps", 31, 1, 2}};
  p.ParForce = {{1, "Force 1", 50, 2, 3}, {2, "Force 2", 30, 2, 3}};
  p.Tendance = {{"a", 1, 60}, {"b", 2, 20}, {"c", 1, 81}};
  p.ATravailler = {{8, "Contretemps", 31, 1, 2}, {4, "Prendre ou laisser-passer", 57, 2, 3}};
  return p;
}

// The "À revoir" buttons on the screen, those of earlier showings included.
int BoutonsARevoirALEcran(const TProgresDlg& d) {
  int n = 0;
  for (const QPushButton* b : d.findChildren<QPushButton*>())
    n += b->text() == QStringLiteral("À revoir") ? 1 : 0;
  return n;
}

TEST(ProgresDlg, GraphiquesEtThemesATravailler) {
  TProgresDlg d;
  d.Prepare(Progres());
  EXPECT_EQ(d.Resume->text(), QStringLiteral("6 donnes notées dans l'historique."));
  auto* themes = qobject_cast<QHorizontalBarSeries*>(d.GraphiqueThemes->chart()->series().value(0));
  ASSERT_NE(themes, nullptr);
  ASSERT_EQ(themes->barSets().size(), 1);
  EXPECT_EQ(themes->barSets()[0]->count(), 2);
  EXPECT_EQ(themes->barSets()[0]->at(1), 31);
  // Each theme's label names the deals played.
  auto* nomsThemes = qobject_cast<QBarCategoryAxis*>(d.GraphiqueThemes->chart()->axes(Qt::Vertical).value(0));
  ASSERT_NE(nomsThemes, nullptr);
  EXPECT_EQ(nomsThemes->categories(),
            (QStringList{QStringLiteral("Prendre ou laisser-passer (2)"), QStringLiteral("Contretemps (1)")}));
  auto* forces = qobject_cast<QAbstractBarSeries*>(d.GraphiqueForces->chart()->series().value(0));
  ASSERT_NE(forces, nullptr);
  EXPECT_EQ(forces->barSets()[0]->at(0), 50);
  auto* tendance = qobject_cast<QLineSeries*>(d.GraphiqueTendance->chart()->series().value(0));
  ASSERT_NE(tendance, nullptr);
  ASSERT_EQ(tendance->count(), 3);
  EXPECT_EQ(tendance->at(1), QPointF(2, 20));
  ASSERT_EQ(d.BoutonsARevoir().size(), 2u);

  // Shown again with other figures: the old charts and buttons are gone.
  TProgres moins = Progres();
  moins.ATravailler.resize(1);
  moins.Tendance.clear();
  d.Prepare(moins);
  EXPECT_EQ(d.BoutonsARevoir().size(), 1u);
  EXPECT_EQ(BoutonsARevoirALEcran(d), 1);
  EXPECT_EQ(qobject_cast<QLineSeries*>(d.GraphiqueTendance->chart()->series().value(0))->count(), 0);

  Pendant(d, [&d] { d.BoutonsARevoir()[1]->click(); });
  EXPECT_EQ(d.Montre(Progres()), std::optional<int>(4));
  Pendant(d, [&d] { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BOk")), Qt::LeftButton); });
  EXPECT_EQ(d.Montre(Progres()), std::nullopt);

  TProgres sans;
  d.Prepare(sans);
  EXPECT_TRUE(d.Resume->text().contains(QStringLiteral("pas disponible")));
  EXPECT_TRUE(d.BoutonsARevoir().empty());
  EXPECT_EQ(BoutonsARevoirALEcran(d), 0);
  // No theme left from the last figures, neither bar nor label.
  themes = qobject_cast<QHorizontalBarSeries*>(d.GraphiqueThemes->chart()->series().value(0));
  EXPECT_EQ(themes->barSets()[0]->count(), 0);
  auto* noms = qobject_cast<QBarCategoryAxis*>(d.GraphiqueThemes->chart()->axes(Qt::Vertical).value(0));
  ASSERT_NE(noms, nullptr);
  EXPECT_EQ(noms->count(), 0);
}

// From the score dialog: "Progrès" opens the window; a theme chosen there
// closes both and is handed back.
TEST(ProgresDlg, DepuisLeDialogueDesScores) {
  TFScores detail;
  TScoreGlobalDlg scores(&detail);
  TScoresAffiches affiches;
  affiches.ScoreJeu = "50 %";
  affiches.Progres = Progres();
  Pendant(scores, [&scores] {
    // Posted to the progress window, whose own loop runs it.
    Pendant(*scores.Progres(), [&scores] { scores.Progres()->BoutonsARevoir()[0]->click(); });
    scores.BProgres()->click();
  });
  EXPECT_FALSE(scores.Montre(affiches, TScoresAffiches{}));
  EXPECT_EQ(scores.ThemeARevoir(), std::optional<int>(8));
  EXPECT_FALSE(scores.isVisible());
  // The next showing starts without a theme.
  Pendant(scores, [&scores] { scores.btn1()->click(); });
  EXPECT_FALSE(scores.Montre(affiches, TScoresAffiches{}));
  EXPECT_EQ(scores.ThemeARevoir(), std::nullopt);
}

}  // namespace
}  // namespace kalvo
