// The two score dialogs.
#include "EnvironnementQt.h"

#include "model/BaseDonnes.h"
#include "model/Reglages.h"
#include "table/FScores.h"
#include "table/ScoreGlobalDlg.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TCatalogue Catalogue(int n) {
  TCatalogue catalogue;
  for (int i = 1; i <= n; ++i) catalogue.Ajoute(1 + i % 4, i % 28);
  return catalogue;
}

QString Case(TFScores& dlg, int onglet, int ligne, int colonne) {
  return dlg.Grille(onglet)->item(ligne, colonne)->text();
}

TEST(FScores, TabsCoverTheWholeCatalogue) {
  EXPECT_EQ(NombreOnglets(0), 6);
  EXPECT_EQ(NombreOnglets(45), 6);
  EXPECT_EQ(NombreOnglets(120), 6);
  EXPECT_EQ(NombreOnglets(121), 7);
  EXPECT_EQ(NombreOnglets(130), 7);
  EXPECT_EQ(NombreOnglets(141), 8);
  EXPECT_EQ(TitreOnglet(1), "1-20");
  EXPECT_EQ(TitreOnglet(6), "101-120");
  EXPECT_EQ(TitreOnglet(7), "121-140");
  EXPECT_TRUE(OngletActif(3, 45));
  EXPECT_FALSE(OngletActif(4, 60));
  EXPECT_TRUE(OngletActif(4, 61));
  EXPECT_FALSE(OngletActif(1, 0));
}


TEST(ScoreGlobalDlg, TwoValuesAndTheReset) {
  TFScores detail;
  TScoreGlobalDlg dlg(&detail);
  EXPECT_EQ(dlg.windowTitle(), "Vos scores");
  EXPECT_EQ(dlg.BScores()->text(), "Scores détaillés");
  EXPECT_EQ(dlg.BEffaceScores()->text(), "Remise des scores à zéro");
  EXPECT_EQ(dlg.btn1()->text(), "Ok");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label1")->text(), "Votre score en pourcentage au jeu de la carte");
  EXPECT_EQ(dlg.findChild<QLabel*>("Label3")->text(), "Votre coefficient d'attention et de mémorisation");

  const TCatalogue catalogue = Catalogue(3);
  TScores jeu(3);
  TScores questions(3);
  jeu[1] = 100;
  jeu[3] = 87;
  questions[1] = 100;
  questions[2] = 85;
  dlg.Prepare(ScoresAffiches(jeu, questions, catalogue), ScoresAffiches(TScores(3), TScores(3), catalogue));
  EXPECT_EQ(dlg.ScoreLb()->text(), "93 %");
  EXPECT_EQ(dlg.Score2()->text(), "92 %");
  EXPECT_FALSE(dlg.ScoresRemisAZero());

  // Before the reset, the detailed dialog shows the marks as they stand.
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(detail.LGlobal()->text(), "94 %");  // rounded, where the dialog truncates
    EXPECT_EQ(Case(detail, 1, 0, 3), "100");
    detail.BoutonOk()->click();
  });
  dlg.BScores()->click();

  dlg.BEffaceScores()->click();
  EXPECT_EQ(dlg.ScoreLb()->text(), "---");
  EXPECT_EQ(dlg.Score2()->text(), "---");
  EXPECT_TRUE(dlg.ScoresRemisAZero());

  // After it, "Scores détaillés" shows the marks as they read once reset.
  bool ouvert = false;
  QTimer::singleShot(0, [&] {
    ouvert = detail.isVisible();
    EXPECT_EQ(detail.LGlobal()->text(), "—");
    EXPECT_EQ(Case(detail, 1, 0, 3), "—");
    detail.BoutonOk()->click();
  });
  dlg.BScores()->click();
  EXPECT_TRUE(ouvert);
}

TEST(FScores, NothingPlayed) {
  TFScores dlg;
  EXPECT_EQ(dlg.height(), TFScores::Hauteur);
  const TCatalogue catalogue = Catalogue(45);
  const TScores vides(45);
  dlg.Prepare(ScoresAffiches(vides, vides, catalogue));
  EXPECT_EQ(dlg.LGlobal()->text(), "—");
  EXPECT_EQ(dlg.LPondere()->text(), "—");
  EXPECT_EQ(dlg.DonnesJouees()->text(), "0");
  ASSERT_EQ(dlg.Pages()->count(), 6);
  const std::array<const char*, 6> titres{"1-20", "21-40", "41-60", "61-80", "81-100", "101-120"};
  for (int t = 0; t < 6; ++t) {
    EXPECT_EQ(dlg.Pages()->tabText(t), titres[static_cast<std::size_t>(t)]);
    EXPECT_EQ(dlg.Pages()->isTabEnabled(t), t < 3) << t;
  }
  EXPECT_EQ(dlg.Pages()->currentIndex(), 0);
  QTableWidget* g = dlg.Grille(1);
  EXPECT_EQ(g->columnCount(), 5);
  EXPECT_EQ(g->rowCount(), 20);
  EXPECT_EQ(g->horizontalHeaderItem(1)->text(), "Thème");
  EXPECT_EQ(g->horizontalHeaderItem(2)->text(), "Force");
  EXPECT_EQ(g->horizontalHeaderItem(3)->text(), "Jeu");
  EXPECT_EQ(g->horizontalHeaderItem(4)->text(), "Questions");
  EXPECT_EQ(g->columnWidth(0), 90);
  EXPECT_EQ(g->columnWidth(1), 300);
  EXPECT_EQ(g->columnWidth(2), 56);
  EXPECT_EQ(Case(dlg, 1, 0, 0), "Donne 1");
  EXPECT_EQ(Case(dlg, 1, 0, 1), "Compter les gagnantes");
  EXPECT_EQ(Case(dlg, 1, 0, 2), "2");
  EXPECT_EQ(Case(dlg, 1, 0, 3), "—");
  EXPECT_EQ(Case(dlg, 1, 0, 4), "—");
  EXPECT_EQ(Case(dlg, 3, 4, 0), "Donne 45");
  EXPECT_EQ(Case(dlg, 3, 5, 0), "") << "past the last deal";
}

TEST(FScores, ADatabaseOfMoreThan120DealsIsShownWhole) {
  TFScores dlg;
  const TCatalogue catalogue = Catalogue(130);
  TScores jeu(130);
  TScores questions(130);
  jeu[130] = 75;
  jeu[28] = 60;  // theme 0: dashes all the same
  questions[121] = 90;
  dlg.Prepare(ScoresAffiches(jeu, questions, catalogue));
  ASSERT_EQ(dlg.Pages()->count(), 7);
  EXPECT_EQ(dlg.Pages()->tabText(6), "121-140");
  EXPECT_TRUE(dlg.Pages()->isTabEnabled(6));
  EXPECT_EQ(dlg.Grille(7)->objectName(), "SG7");
  EXPECT_EQ(Case(dlg, 7, 9, 0), "Donne 130");
  EXPECT_EQ(Case(dlg, 7, 9, 3), "75");
  EXPECT_EQ(Case(dlg, 7, 9, 4), "—");
  EXPECT_EQ(Case(dlg, 7, 0, 4), "90");
  EXPECT_EQ(Case(dlg, 2, 7, 0), "Donne 28");
  EXPECT_EQ(Case(dlg, 2, 7, 1), "—");
  EXPECT_EQ(Case(dlg, 2, 7, 3), "—");
  EXPECT_EQ(dlg.DonnesJouees()->text(), "2");
  for (int n = 1; n <= 130; ++n) {
    EXPECT_EQ(Case(dlg, (n - 1) / 20 + 1, (n - 1) % 20, 0), QStringLiteral("Donne %1").arg(n));
  }
  // A smaller database afterwards gives back the six tabs.
  dlg.Prepare(ScoresAffiches(TScores(10), TScores(10), Catalogue(10)));
  EXPECT_EQ(dlg.Pages()->count(), 6);
  EXPECT_FALSE(dlg.Pages()->isTabEnabled(1));
}

}  // namespace
}  // namespace kalvo
