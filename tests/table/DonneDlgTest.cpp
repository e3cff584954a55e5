#include "table/DonneDlg.h"
#include "table/NumberEdit.h"
#include "table/UpDown.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <limits>

namespace kalvo {
namespace {

TEST(TNumberEdit, LectureDuTexte) {
  TNumberEdit edit;
  EXPECT_TRUE(edit.text().isEmpty());
  const std::vector<std::pair<QString, int>> lisibles{
      {" 12 ", 12}, {"007", 7}, {"-5", -5}, {"0", 0}, {"99999999999", std::numeric_limits<int>::max()},
      {"-99999999999", std::numeric_limits<int>::min()}};
  for (const auto& [texte, valeur] : lisibles) {
    edit.setText(texte);
    EXPECT_EQ(edit.Value(), valeur) << texte.toStdString();
    EXPECT_EQ(edit.text(), texte);  // a readable text is left as it is
  }
  // Anything that is no whole number becomes "0".
  for (const QString texte : {"", "   ", "1a", "a", "1 2", "1-2", "-", "--3", "3-", "+4", "١٢"}) {
    edit.setText(texte);
    EXPECT_EQ(edit.Value(), 0) << texte.toStdString();
    EXPECT_EQ(edit.text(), QStringLiteral("0")) << texte.toStdString();
  }
  edit.SetValue(-42);
  EXPECT_EQ(edit.text(), QStringLiteral("-42"));
  EXPECT_EQ(edit.property("Value").toInt(), -42);
}

TEST(TNumberEdit, SeulsLesChiffresSeTapent) {
  TNumberEdit edit;
  edit.show();
  QTest::keyClicks(&edit, "1a-2 b.3");
  EXPECT_EQ(edit.text(), QStringLiteral("123"));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("12"));
  QTest::keyClick(&edit, Qt::Key_Left);
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_EQ(edit.text(), QStringLiteral("1"));
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClick(&edit, Qt::Key_9);
  EXPECT_EQ(edit.text(), QStringLiteral("91"));
  // Pasting by the keyboard is a typing like any other: refused.
  QGuiApplication::clipboard()->setText(QStringLiteral("1-2"));
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.text(), QStringLiteral("91"));
  // Enter reaches the edit.
  bool entree = false;
  QObject::connect(&edit, &QLineEdit::returnPressed, [&] { entree = true; });
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_TRUE(entree);
}

TEST(TDonneDlg, ControlesEtTitre) {
  TDonneDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Donne N°..."));
  EXPECT_EQ(dlg.size(), QSize(198, 153));
  EXPECT_EQ(dlg.ND->geometry(), QRect(16, 16, 123, 83));
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));
  EXPECT_EQ(dlg.ND->font().pixelSize(), 64);
  EXPECT_TRUE(dlg.ND->font().bold());
  EXPECT_EQ(dlg.ND->palette().color(QPalette::Text), QColor(0, 0, 128));
  EXPECT_EQ(dlg.UpDown1->geometry(), QRect(139, 16, 36, 83));
  EXPECT_EQ(dlg.UpDown1->Min(), 1);
  EXPECT_EQ(dlg.UpDown1->Position(), 1);
  EXPECT_EQ(dlg.btn1->geometry(), QRect(8, 120, 182, 25));
  EXPECT_EQ(dlg.btn1->text(), QStringLiteral("Ok"));
  EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(TDonneDlg, LeNumeroResteEntreUnEtMaxVal) {
  TDonneDlg dlg;
  dlg.MaxVal = 4;
  dlg.ND->SetValue(2);
  dlg.open();
  EXPECT_EQ(dlg.UpDown1->Max(), 4);
  EXPECT_EQ(dlg.ND->selectedText(), QStringLiteral("2"));
  QTest::keyClick(dlg.ND, Qt::Key_9);
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("4"));
  EXPECT_EQ(dlg.UpDown1->Position(), 4);
  dlg.ND->selectAll();
  QTest::keyClick(dlg.ND, Qt::Key_0);
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));
  EXPECT_EQ(dlg.UpDown1->Position(), 1);
  // Erasing the number leaves 1, never an empty box.
  QTest::keyClick(dlg.ND, Qt::Key_Backspace);
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));
  // A number pasted from elsewhere is brought into range too.
  dlg.ND->setText(QStringLiteral("-3"));
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));
  dlg.ND->setText(QStringLiteral("1-2"));
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));

  // The arrows step within 1..4.
  dlg.UpDown1->Haut->click();
  dlg.UpDown1->Haut->click();
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("3"));
  QTest::keyClick(dlg.ND, Qt::Key_Up);
  QTest::keyClick(dlg.ND, Qt::Key_Up);
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("4"));
  for (int i = 0; i < 6; ++i) dlg.UpDown1->Bas->click();
  EXPECT_EQ(dlg.ND->text(), QStringLiteral("1"));
  EXPECT_EQ(dlg.UpDown1->Position(), 1);

  // Enter confirms, from the edit or from the button.
  dlg.ND->SetValue(3);
  QTest::keyClick(dlg.ND, Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.ND->Value(), 3);
  dlg.open();
  QTest::keyClick(dlg.btn1, Qt::Key_Enter);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(TDonneDlg, ChoixDuNumeroParLAppelant) {
  TDonneDlg dlg;
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(dlg.ND->text(), QStringLiteral("7"));
    EXPECT_EQ(dlg.UpDown1->Position(), 7);
    QTest::keyClicks(dlg.ND, "15");
    QTest::mouseClick(dlg.btn1, Qt::LeftButton);
  });
  EXPECT_EQ(dlg.Choisit(7, 20), std::optional<int>(15));

  QTimer::singleShot(0, [&] {
    QTest::keyClicks(dlg.ND, "99");
    QTest::keyClick(dlg.ND, Qt::Key_Enter);
  });
  EXPECT_EQ(dlg.Choisit(7, 20), std::optional<int>(20));

  QTimer::singleShot(0, [&] { QTest::keyClick(dlg.ND, Qt::Key_Escape); });
  EXPECT_EQ(dlg.Choisit(7, 20), std::nullopt);
}

}  // namespace
}  // namespace kalvo
