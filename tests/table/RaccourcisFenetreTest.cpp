// The main window's buttons from the keyboard: their mnemonics, drawn only
// while Alt is held, the tab order, and the keys going back to the table
// after a button was pressed.
#include "FenetreDeTest.h"

#include "table/StyleMnemoniques.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QKeySequence>
#include <QPushButton>
#include <QTest>

#include <set>

namespace kalvo {
namespace {

std::vector<QPushButton*> BoutonsTable(TFMain& f) {
  std::vector<QPushButton*> boutons{f.BStart, f.BNext};
  for (int i = 0; i < NbBoutonsRangee; ++i) {
    boutons.push_back(f.Bouton(static_cast<TBoutonRangee>(i)));
    // The chooser's button comes right after "# donne".
    if (i == brDonne) boutons.push_back(f.BChoixDonne);
  }
  return boutons;
}

TEST(RaccourcisFenetre, MnemoniquesDistinctsEtSansEffetSurLesLegendes) {
  EXPECT_EQ(TexteSansMnemonique(QStringLiteral("Dernière &levée")), QStringLiteral("Dernière levée"));
  EXPECT_EQ(TexteSansMnemonique(QStringLiteral("A && B&")), QStringLiteral("A & B&"));

  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides());
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  std::set<QString> touches;
  for (QPushButton* b : BoutonsTable(f)) {
    const QKeySequence touche = b->text().isEmpty() ? b->shortcut() : QKeySequence::mnemonic(b->text());
    ASSERT_FALSE(touche.isEmpty()) << b->objectName().toStdString();
    EXPECT_TRUE(touches.insert(touche.toString()).second) << "deux boutons sur " << touche.toString().toStdString();
    // What a screen reader says: the caption without its "&".
    if (!b->text().isEmpty()) {
      EXPECT_FALSE(b->accessibleName().contains(QLatin1Char('&')));
    }
  }

  // The underline appears while Alt is held, and the caption is drawn as
  // before once it is released.
  QPushButton* reglages = f.Bouton(brReglages);
  const QImage avant = test::Rendu(*reglages);
  QTest::keyPress(&f, Qt::Key_Alt, Qt::AltModifier);
  EXPECT_NE(test::Rendu(*reglages), avant);
  QTest::keyRelease(&f, Qt::Key_Alt);
  EXPECT_EQ(test::Rendu(*reglages), avant);
}

TEST(RaccourcisFenetre, DonneDemarreeEtChangeeParAltLettre) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides());
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  f.activateWindow();
  f.setFocus();

  ASSERT_TRUE(f.BStart->isVisible());
  QTest::keyClick(&f, Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(f.BNext->isVisible());
  QTest::keyClick(&f, Qt::Key_C, Qt::AltModifier);
  QTRY_VERIFY(c.Etat().InJeu);
  // The shortcut's button gave the keys back: a card letter moves the focus.
  QTRY_VERIFY(f.hasFocus());
  // A mnemonic of a hidden button does nothing.
  ASSERT_FALSE(f.BStart->isVisible());
  QTest::keyClick(&f, Qt::Key_D, Qt::AltModifier);
  QTest::qWait(150);
  EXPECT_TRUE(c.Etat().InJeu);

  // Alt+S opens the scores, closed by Escape.
  QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(gardien.Vues("kalvo::TScoreGlobalDlg"), 1);
  QTRY_VERIFY(f.hasFocus());
}

TEST(RaccourcisFenetre, DonnesParcouruesParAltPage) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides());
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  f.activateWindow();
  f.setFocus();
  const int premiere = c.DonneActuelle();
  QTest::keyClick(&f, Qt::Key_PageDown, Qt::AltModifier);
  QTRY_COMPARE(c.DonneActuelle(), premiere + 1);
  QTest::keyClick(&f, Qt::Key_PageUp, Qt::AltModifier);
  QTRY_COMPARE(c.DonneActuelle(), premiere);
}

TEST(RaccourcisFenetre, OrdreDeTabulation) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides());
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  f.activateWindow();
  f.setFocus();
  ASSERT_TRUE(f.hasFocus());

  // From the table: the visible buttons in their order, then the table.
  std::vector<QWidget*> attendus;
  for (QPushButton* b : BoutonsTable(f))
    if (b->isVisible()) attendus.push_back(b);
  ASSERT_GE(attendus.size(), 5U);
  EXPECT_EQ(attendus.front(), f.BStart);
  attendus.push_back(&f);
  for (QWidget* attendu : attendus) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), attendu) << attendu->objectName().toStdString();
  }
  // Shift+Tab goes back along the same way.
  QTest::keyClick(&f, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), f.Bouton(brQuitter));

  // Space on a button reached by Tab presses it; the focus then goes back
  // to the table. "Démarrer" hides itself: the focus does not fall on the
  // next button, where a Space would press it.
  f.setFocus();
  QTest::keyClick(&f, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), f.BStart);
  QTest::keyClick(f.BStart, Qt::Key_Space);
  ASSERT_TRUE(f.BNext->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &f);
  QTest::keyClick(&f, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), f.BNext);
  QTest::keyClick(f.BNext, Qt::Key_Space);
  EXPECT_TRUE(f.Controleur().Etat().InJeu);
  EXPECT_EQ(QApplication::focusWidget(), &f);
}

}  // namespace
}  // namespace kalvo
