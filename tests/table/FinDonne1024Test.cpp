// The end-of-deal screen: layout numbers, the auction of a real deal with
// its alerts, the circled lead, the settings, the buttons.
#include "EnvironnementQt.h"

#include "model/Windows1252.h"
#include "table/FinDonne1024.h"
#include "table/VisionneuseRtf.h"
#include "tests/engine/AideSuivi.h"
#include "tests/model/DonnesDeTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using test::C;

TEnchere Appel(int niveau, int couleur, int alerte = 0) {
  return {static_cast<std::uint8_t>(niveau), static_cast<std::uint8_t>(couleur), static_cast<std::uint16_t>(alerte)};
}

// North deals: 1♣ (alerted), pass, 1♥, pass, 1 SA, pass, 2♣ (alerted), X,
// 2♦ (same alert), pass, 3 SA and three passes. West leads the king of diamonds.
TDonne Donne() {
  TDonne donne;
  donne.SetMains(test::Jeux({"AKQ2.KJ3.A32.K32", "JT98.AQT.KQJ.QJT", "765.9876.T98.A98", "43.542.7654.7654"}));
  donne.SetDonneur(jrNord);
  donne.SetVulnerabilite(vlnEO);
  donne.SetTheme(23);
  donne.SetForce(2);
  donne.SetAlerte(1, Utf8VersWindows1252("Trèfle préparé"));
  donne.SetAlerte(2, Utf8VersWindows1252("Demande d'arrêt"));
  const std::vector<TEnchere> appels{Appel(1, clTrefle, 1), Appel(0, 1), Appel(1, clCoeur), Appel(0, 1),
                                     Appel(1, clSA),        Appel(0, 1), Appel(2, clTrefle, 2), Appel(0, 2),
                                     Appel(2, clCarreau, 2), Appel(0, 1), Appel(3, clSA), Appel(0, 1),
                                     Appel(0, 1),           Appel(0, 1), Appel(NiveauFinEncheres, 0)};
  test::EcritEncheres(donne, jrNord, appels);
  donne.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, C("DK")});
  return donne;
}

// The summary as the controller reads it from the file.
TDocumentRtf Resume() { return LitRtf(test::LitOctets(std::filesystem::path(KALVO_TEST_DATA) / "commentaires/resume-exemple.rtf")); }

TEST(GeometrieFinDonne, WindowAndZones) {
  EXPECT_EQ(RectFenetreFinDonne(QRect(0, 0, 1024, 768)), QRect(11, 30, 964, 728));
  EXPECT_EQ(RectFenetreFinDonne(QRect(0, 0, 1025, 768)).width(), 1000);
  EXPECT_EQ(RectFenetreFinDonne(QRect(0, 24, 1600, 1176)), QRect(11, 54, 1000, 1136));

  const TGeometrieFinDonne g = GeometrieFinDonne(964, 728, 90, 180, 32);
  EXPECT_EQ(g.t, 110);
  EXPECT_EQ(g.dw, 578);
  EXPECT_EQ(g.dh, 291);
  EXPECT_EQ(g.a, 598);
  EXPECT_EQ(g.c, 411);
  EXPECT_EQ(g.cw, 192);
  EXPECT_EQ(g.rh, 97);
  EXPECT_EQ(g.sh, 24);
  EXPECT_EQ(g.Blocs[jrNord], QPoint(202, 110));
  EXPECT_EQ(g.Blocs[jrOuest], QPoint(10, 207));
  EXPECT_EQ(g.Blocs[jrEst], QPoint(394, 207));
  EXPECT_EQ(g.Blocs[jrSud], QPoint(202, 304));
  EXPECT_EQ(g.Xcol, (std::array<int, 5>{608, 694, 780, 866, 954}));
  EXPECT_EQ(g.XBoutons, (std::array<int, 3>{106, 392, 678}));
  EXPECT_EQ(g.YBoutons, 728 - 40);
  EXPECT_EQ(g.YRangee(1), 134);
  EXPECT_EQ(g.YAlerte(1), 278);
}

TEST(GeometrieFinDonne, CommentarySizeFollowsTheWorkArea) {
  EXPECT_EQ(TaillePoliceCommentaire(1024, 768), 12);
  EXPECT_EQ(TaillePoliceCommentaire(1280, 800), 12);
  EXPECT_EQ(TaillePoliceCommentaire(1280, 801), 13);
  EXPECT_EQ(TaillePoliceCommentaire(1440, 900), 13);
  EXPECT_EQ(TaillePoliceCommentaire(1920, 1080), 14);  // capped at 1600 x 1024
  EXPECT_EQ(TaillePoliceCommentaire(800, 1200), 12);
  EXPECT_EQ(TaillePoliceCommentaire(900, 1200), 13);
}

class FinDonne1024Test : public ::testing::Test {
 protected:
  void SetUp() override {
    fin.Dimensionne(QRect(0, 0, 1024, 768));
    fin.Prepare(PrepareFinDonne(Donne(), 12));
  }
  TFinDonne1024 fin;
};

TEST_F(FinDonne1024Test, BorderlessWindowWithItsButtons) {
  EXPECT_TRUE(fin.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(fin.geometry(), QRect(11, 30, 964, 728));
  EXPECT_EQ(fin.BStop()->text(), "Arrêter");
  EXPECT_EQ(fin.BRejouer()->text(), "Rejouer la donne");
  EXPECT_EQ(fin.BSuivante()->text(), "Suivante");
  const TGeometrieFinDonne& g = fin.Geometrie();
  EXPECT_EQ(fin.BStop()->pos(), QPoint(g.XBoutons[0], g.YBoutons));
  EXPECT_EQ(fin.BSuivante()->pos(), QPoint(g.XBoutons[2], g.YBoutons));
  EXPECT_EQ(fin.RECoup()->geometry().bottom() + 1, g.YBoutons - 16);
  EXPECT_EQ(fin.findChild<QLabel*>("TitreCommentaireJeu")->text(), "Jeu de la carte");
  EXPECT_EQ(fin.findChild<QLabel*>("LDonne")->text(), "12");
  for (const char* nom : {"LSud", "LOuest", "LNord", "LEst"}) EXPECT_NE(fin.findChild<QLabel*>(nom), nullptr);
  // West's hand: the suit images and lines of the diagram, spades on top.
  EXPECT_EQ(fin.Main(jrOuest, clPique)->text(), " V 10 9 8");
  EXPECT_EQ(fin.Main(jrOuest, clPique)->objectName(), "COP");
  EXPECT_EQ(fin.findChild<QLabel*>("OP")->pos(), g.Blocs[jrOuest]);
  EXPECT_EQ(fin.findChild<QLabel*>("OT")->y(), g.Blocs[jrOuest].y() + 3 * g.sh);
  EXPECT_EQ(fin.Main(jrOuest, clPique)->x(), g.Blocs[jrOuest].x() + 24);
}

TEST_F(FinDonne1024Test, AuctionCellsMarkersAndAlertLines) {
  fin.Remplit(Resume(), TVisibiliteFinDonne{});
  fin.show();
  QApplication::processEvents();
  // Row 1: North and East only.
  EXPECT_FALSE(fin.Cellule(1)->isVisible());
  EXPECT_FALSE(fin.Cellule(2)->isVisible());
  EXPECT_EQ(fin.Cellule(3)->text(), "1 ");
  EXPECT_TRUE(fin.Image(3)->isVisible());
  EXPECT_EQ(fin.Cellule(4)->text(), "—");
  EXPECT_FALSE(fin.Image(4)->isVisible());
  EXPECT_EQ(fin.Cellule(7)->text(), "1 SA");
  EXPECT_EQ(fin.Cellule(10)->text(), "X");
  EXPECT_EQ(fin.Cellule(13)->text(), "3 SA");
  EXPECT_EQ(fin.Cellule(17)->text(), "FIN");
  EXPECT_FALSE(fin.Cellule(18)->isVisible());
  const TGeometrieFinDonne& g = fin.Geometrie();
  EXPECT_EQ(fin.Cellule(13)->y(), g.YRangee(4));
  // A call with a symbol is centred with the symbol's width.
  const int largeur = fin.Cellule(3)->width() + fin.Image(3)->width();
  EXPECT_EQ(fin.Cellule(3)->x(), g.Xcol[jrNord] + (g.LargeurColonne() - largeur) / 2);
  EXPECT_EQ(fin.Image(3)->x(), fin.Cellule(3)->geometry().right() + 1);
  // Three alerted calls, three markers in order, two explanation lines.
  EXPECT_EQ(fin.Note(1)->text(), "(1)");
  EXPECT_EQ(fin.Note(1)->x(), fin.Image(3)->geometry().right() + 2);
  EXPECT_EQ(fin.Note(2)->text(), "(2)");
  EXPECT_EQ(fin.Note(3)->text(), "(2)");
  EXPECT_FALSE(fin.Note(4)->isVisible());
  EXPECT_EQ(fin.LigneAlerte(1)->text(), "(1) Trèfle préparé");
  EXPECT_EQ(fin.LigneAlerte(2)->text(), "(2) Demande d'arrêt");
  EXPECT_EQ(fin.LigneAlerte(1)->pos(), QPoint(g.a, g.YAlerte(1)));
  EXPECT_FALSE(fin.LigneAlerte(3)->isVisible());
  EXPECT_EQ(fin.focusWidget(), fin.BSuivante());
}

TEST_F(FinDonne1024Test, TheLeadIsCircledInWestsLine) {
  fin.Remplit(Resume(), TVisibiliteFinDonne{});
  fin.show();
  QApplication::processEvents();
  EXPECT_FALSE(fin.Main(jrOuest, clCarreau)->isVisible());
  EXPECT_TRUE(fin.Main(jrOuest, clPique)->isVisible());
  EXPECT_EQ(fin.stDebut()->text(), "");
  EXPECT_EQ(fin.stEntame()->text(), "R");
  EXPECT_EQ(fin.stFin()->text(), " D V");
  EXPECT_TRUE(fin.Entame()->isVisible());
  EXPECT_EQ(fin.Entame()->x(), fin.stEntame()->x() - 5);
  EXPECT_GE(fin.Entame()->width(), 22);
  EXPECT_EQ(fin.stEntame()->y(), fin.Main(jrOuest, clCarreau)->y());
  // The next deal's diagram brings the line back until the next showing.
  fin.Prepare(PrepareFinDonne(Donne(), 13));
  EXPECT_TRUE(fin.Main(jrOuest, clCarreau)->isVisible());
  EXPECT_FALSE(fin.Entame()->isVisible());
  EXPECT_FALSE(fin.Cellule(3)->isVisible());
}

TEST_F(FinDonne1024Test, SettingsHideThemeAndStrength) {
  TVisibiliteFinDonne visible;
  fin.Remplit(Resume(), visible);
  fin.show();
  QApplication::processEvents();
  EXPECT_EQ(fin.Theme()->text(), "Impasses");
  EXPECT_EQ(fin.Force()->text(), "2");
  EXPECT_TRUE(fin.Theme()->isVisible());
  visible.Theme = false;
  visible.Force = false;
  fin.Remplit(Resume(), visible);
  EXPECT_FALSE(fin.Theme()->isVisible());
  EXPECT_FALSE(fin.findChild<QLabel*>("LTheme")->isVisible());
  EXPECT_FALSE(fin.Force()->isVisible());
  EXPECT_EQ(fin.findChild<QLabel*>("LDonneur")->text(), "Nord");
  EXPECT_EQ(fin.findChild<QLabel*>("LVuln")->text(), "Est-Ouest");
}

TEST_F(FinDonne1024Test, CommentaryInTheSizeOfTheScreen) {
  fin.Remplit(Resume(), TVisibiliteFinDonne{});
  EXPECT_EQ(fin.RECoup()->TailleUniforme(), 12);
  EXPECT_FALSE(fin.RECoup()->toPlainText().isEmpty());
  fin.show();
  QApplication::processEvents();
  EXPECT_EQ(fin.RECoup()->verticalScrollBar()->value(), 0);
  fin.hide();
  fin.Dimensionne(QRect(0, 0, 1280, 1024));
  fin.Remplit(Resume(), TVisibiliteFinDonne{});
  EXPECT_EQ(fin.RECoup()->TailleUniforme(), 14);
  // An empty summary leaves the viewer empty, nothing else.
  fin.Remplit(TDocumentRtf{}, TVisibiliteFinDonne{});
  EXPECT_TRUE(fin.RECoup()->toPlainText().isEmpty());
}

TEST_F(FinDonne1024Test, EachButtonGivesItsAction) {
  for (auto [bouton, action] : {std::pair{&TFinDonne1024::BStop, 99}, std::pair{&TFinDonne1024::BRejouer, 1},
                                std::pair{&TFinDonne1024::BSuivante, 0}}) {
    QTimer::singleShot(0, [&, bouton = bouton] {
      QTest::keyClick(&fin, Qt::Key_Escape);  // the screen is left through its buttons only
      EXPECT_TRUE(fin.isVisible());
      (fin.*bouton)()->click();
    });
    EXPECT_EQ(fin.Montre(Resume(), TVisibiliteFinDonne{}), action);
    EXPECT_EQ(fin.Action(), action);
  }
}

// By keys alone: Enter is "Suivante"; Tab and Space reach the others.
TEST_F(FinDonne1024Test, ButtonsFromTheKeyboard) {
  QTimer::singleShot(0, [&] { QTest::keyClick(fin.focusWidget(), Qt::Key_Return); });
  EXPECT_EQ(fin.Montre(Resume(), TVisibiliteFinDonne{}), 0);
  for (auto [bouton, action] : {std::pair{&TFinDonne1024::BRejouer, 1}, std::pair{&TFinDonne1024::BStop, 99}}) {
    QTimer::singleShot(0, [&, bouton = bouton] {
      for (int k = 0; k < 10 && fin.focusWidget() != (fin.*bouton)(); ++k) QTest::keyClick(fin.focusWidget(), Qt::Key_Tab);
      ASSERT_EQ(fin.focusWidget(), (fin.*bouton)());
      QTest::keyClick(fin.focusWidget(), Qt::Key_Space);
      if (fin.isVisible()) fin.done(0);
    });
    EXPECT_EQ(fin.Montre(Resume(), TVisibiliteFinDonne{}), action);
  }
}

// "Exporter (PBN)…" is greyed until the controller hands a deal; it writes
// the text as given, and a file it cannot write gives a French message and
// leaves nothing behind. It does not end the screen.
TEST_F(FinDonne1024Test, ExportPbnWritesTheTextItWasGiven) {
  ASSERT_NE(fin.BExportPbn(), nullptr);
  EXPECT_EQ(fin.BExportPbn()->text(), "Exporter (PBN)…");
  EXPECT_FALSE(fin.BExportPbn()->isEnabled());
  const QRect bouton = fin.BExportPbn()->geometry();
  EXPECT_LE(bouton.right(), fin.width());
  EXPECT_LT(bouton.bottom(), fin.Geometrie().t);  // above the diagram and the auction
  for (QPushButton* autre : {fin.BStop(), fin.BRejouer(), fin.BSuivante()}) EXPECT_FALSE(bouton.intersects(autre->geometry()));

  const std::string pbn = "% PBN 2.1\n% EXPORT\n[Event \"Démo\"]\n";
  fin.PrepareExportPbn(pbn);
  EXPECT_TRUE(fin.BExportPbn()->isEnabled());
  const QString dossier = QDir::temp().filePath(QStringLiteral("kalvo-export-%1").arg(QCoreApplication::applicationPid()));
  QDir().mkpath(dossier);
  QString erreur;
  ASSERT_TRUE(fin.EnregistrePbn(dossier + "/donne.pbn", erreur)) << erreur.toStdString();
  QFile lu(dossier + "/donne.pbn");
  ASSERT_TRUE(lu.open(QIODevice::ReadOnly));
  EXPECT_EQ(lu.readAll().toStdString(), pbn);
  EXPECT_FALSE(fin.EnregistrePbn(dossier + "/absent/donne.pbn", erreur));
  EXPECT_TRUE(erreur.startsWith(QStringLiteral("Impossible d'écrire le fichier « "))) << erreur.toStdString();
  EXPECT_FALSE(QFile::exists(dossier + "/absent/donne.pbn"));
  QDir(dossier).removeRecursively();
  fin.PrepareExportPbn("");
  EXPECT_FALSE(fin.BExportPbn()->isEnabled());
}

}  // namespace
}  // namespace kalvo
