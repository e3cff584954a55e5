#include "table/ErreurDlg.h"
#include "table/FErreur.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace kalvo {
namespace {

const QRect FenetreTable(0, 0, 1280, 1024);

QString Lignes(int n) {
  QStringList lignes;
  for (int i = 1; i <= n; ++i) lignes << QStringLiteral("Ligne %1 du commentaire.").arg(i);
  return lignes.join(QLatin1Char('\n'));
}

TEST(TErreurDlg, CommentaireDeDixLignes) {
  TErreurDlg dlg;
  EXPECT_EQ(dlg.windowTitle(),
            QStringLiteral("Un commentaire pour se remettre sur la voie...! (Entrée ou Clic souris pour fermer)"));
  dlg.Prepare(Lignes(10), FenetreTable);
  EXPECT_EQ(dlg.NombreLignes(), 10);
  // Three fifths of 1280, centred; 22 × 10 + 10 for the panel, + 70.
  EXPECT_EQ(dlg.Geometrie(), QRect(256, 362, 768, 300));
  EXPECT_EQ(dlg.size(), QSize(768, 300));
  EXPECT_EQ(dlg.Fond->geometry(), QRect(8, 8, 752, 230));
  EXPECT_EQ(dlg.TexteErreur->geometry(), dlg.Fond->contentsRect());
  EXPECT_EQ(dlg.OkBtn->text(), QStringLiteral("Ok"));
  EXPECT_EQ(dlg.OkBtn->y(), 8 + 230 + 12);
  EXPECT_EQ(dlg.OkBtn->x(), (768 - dlg.OkBtn->width()) / 2);
  EXPECT_EQ(dlg.TexteErreur->font().pixelSize(), 19);
  EXPECT_EQ(dlg.TexteErreur->palette().color(QPalette::Base), dlg.palette().color(QPalette::ToolTipBase));
}

TEST(TErreurDlg, UnLongCommentaireSeReplieEtResteCentre) {
  TErreurDlg dlg;
  const QString texte = QStringLiteral(
      "Avant de tirer les atouts, il faut penser aux communications : le mort n'a qu'une seule rentrée, "
      "l'As de Carreau, et elle doit servir à encaisser les Trèfles affranchis. Si vous la prenez maintenant, "
      "les Trèfles resteront bloqués et le contrat chutera d'une levée.");
  dlg.Prepare(texte, FenetreTable);
  const int large = dlg.NombreLignes();
  EXPECT_GE(large, 2);
  EXPECT_EQ(dlg.Geometrie().height(), 22 * large + 10 + 70);
  EXPECT_EQ(dlg.Geometrie().top(), (1024 - dlg.Geometrie().height()) / 2);

  // A narrower table wraps the same text into more lines; the window grows
  // by 22 pixels a line and stays centred on the table, which need not be
  // at the screen's corner.
  const QRect etroite(100, 50, 1024, 768);
  dlg.Prepare(texte, etroite);
  EXPECT_GT(dlg.NombreLignes(), large);
  const QRect g = dlg.Geometrie();
  EXPECT_EQ(g.width(), 1024 * 3 / 5);
  EXPECT_EQ(g.left(), 100 + (1024 - g.width()) / 2);
  EXPECT_EQ(g.height(), 22 * dlg.NombreLignes() + 80);
  EXPECT_EQ(g.top(), 50 + (768 - g.height()) / 2);
}

TEST(TErreurDlg, CommentaireVideEtSautsDeLigneFinaux) {
  TErreurDlg dlg;
  dlg.Prepare(QString(), FenetreTable);
  EXPECT_EQ(dlg.NombreLignes(), 0);
  EXPECT_EQ(dlg.Fond->height(), 10);
  EXPECT_EQ(dlg.Geometrie().height(), 80);
  dlg.Prepare(QStringLiteral("Une ligne.\r\n\n"), FenetreTable);
  EXPECT_EQ(dlg.NombreLignes(), 1);
}

TEST(TErreurDlg, SeFermeSurUneToucheOuUnClic) {
  TErreurDlg dlg;
  dlg.Prepare(Lignes(2), FenetreTable);
  dlg.open();
  ASSERT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.TexteErreur->textInteractionFlags(), Qt::NoTextInteraction);
  // A key held down does not close it; a fresh key does, even a letter.
  QKeyEvent repetee(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
  QApplication::sendEvent(dlg.TexteErreur, &repetee);
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClick(dlg.TexteErreur, Qt::Key_A);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);

  dlg.open();
  QTest::mouseClick(dlg.TexteErreur->viewport(), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  dlg.open();
  QTest::mouseClick(&dlg, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(dlg.isVisible());
  dlg.open();
  QTest::keyClick(dlg.OkBtn, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(TFErreur, LargeurDeLaTableMoins120EtTexteRougeCentre) {
  TFErreur dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Attention !"));
  EXPECT_FALSE(dlg.pnl1->isVisibleTo(&dlg));
  dlg.Prepare(QStringLiteral("Attention au blocage !"), FenetreTable);
  EXPECT_TRUE(dlg.pnl1->isVisibleTo(&dlg));
  const QRect g = dlg.Geometrie();
  EXPECT_EQ(g.width(), 1160);
  EXPECT_EQ(g.left(), 60);
  EXPECT_EQ(g.top(), (1024 - g.height()) / 2);
  EXPECT_EQ(dlg.pnl1->x(), 14);
  EXPECT_EQ(dlg.pnl1->width(), 1160 - 28);
  EXPECT_EQ(dlg.btn1->x(), (1160 - dlg.btn1->width()) / 2);
  EXPECT_EQ(dlg.btn1->text(), QStringLiteral("Ok"));
  EXPECT_EQ(dlg.Lab->text(), QStringLiteral("Attention au blocage !"));
  EXPECT_EQ(dlg.Lab->alignment(), Qt::AlignCenter);
  EXPECT_EQ(dlg.Lab->font().pixelSize(), 19);
  EXPECT_EQ(dlg.Lab->palette().color(QPalette::WindowText), QColor(Qt::red));

  // The message stands in the middle of the window, drawn in red.
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  const QImage image = dlg.grab().toImage();
  int gauche = image.width();
  int droite = 0;
  for (int y = dlg.pnl1->y(); y < dlg.pnl1->geometry().bottom(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
        gauche = std::min(gauche, x);
        droite = std::max(droite, x);
      }
    }
  ASSERT_LT(gauche, droite);
  EXPECT_NEAR((gauche + droite) / 2, 1160 / 2, 6);
  dlg.hide();
}

TEST(TFErreur, MessageVideEtFermeture) {
  TFErreur dlg;
  dlg.Prepare(QString(), QRect(0, 0, 1024, 768));
  EXPECT_EQ(dlg.Geometrie().width(), 904);
  EXPECT_TRUE(dlg.Lab->text().isEmpty());
  dlg.open();
  QTest::keyClick(dlg.btn1, Qt::Key_X);
  EXPECT_FALSE(dlg.isVisible());
  dlg.open();
  QTest::mouseClick(dlg.Lab, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  dlg.open();
  QTest::mouseClick(dlg.btn1, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kalvo
