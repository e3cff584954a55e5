// Every kind of dialog answered by keys alone, in its modal loop, as a user
// without a mouse does: keys go where the focus is, Enter presses the
// default button, Escape closes where closing makes sense.
#include "EnvironnementQt.h"

#include "model/BaseDonnes.h"
#include "table/Aide.h"
#include "table/Carte1024.h"
#include "table/CarteDlg.h"
#include "table/FErreur.h"
#include "table/FScores.h"
#include "table/PCarteDlg.h"
#include "table/ReglagesDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ScoreGlobalDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kalvo {
namespace {

// Where a key typed now lands in the dialog: its focused control, or itself.
QWidget* Cible(QWidget& dlg) { return dlg.focusWidget() != nullptr ? dlg.focusWidget() : &dlg; }

void Tape(QWidget& dlg, Qt::Key touche) { QTest::keyClick(Cible(dlg), touche); }
void Tape(QWidget& dlg, const char* texte) {
  for (const char* c = texte; *c != '\0'; ++c) QTest::keyClick(Cible(dlg), *c);
}

// Tab until the control has the focus; false when it never gets it.
bool TabJusqua(QWidget& dlg, QWidget* controle) {
  for (int k = 0; k < 40 && dlg.focusWidget() != controle; ++k) Tape(dlg, Qt::Key_Tab);
  return dlg.focusWidget() == controle;
}

// Runs the gestures once the modal loop has started; a dialog still open
// afterwards is closed by the test's own hand so that the test ends.
void PendantLaBoucle(QDialog& dlg, std::function<void()> gestes, bool& resteOuvert) {
  QTimer::singleShot(0, &dlg, [&dlg, gestes = std::move(gestes), &resteOuvert] {
    gestes();
    resteOuvert = dlg.isVisible();
    if (resteOuvert) dlg.done(QDialog::Rejected);
  });
}

TQuestionPosee Question(TTypeQuestion type) {
  TQuestionPosee q;
  q.Type = type;
  q.Titre = "Question";
  q.Joueur = jrOuest;
  q.isEntame = true;
  q.Carte = TCard{12, clCoeur};
  q.Libelle1 = "Comment étaient partagés";
  q.Libelle2 = "les Piques ?";
  q.Couleur = clPique;
  q.repartReelle = {3, 2};
  q.NbPropositions = 3;
  q.repartProp = {{{1, 4}, {2, 3}, {3, 2}, {4, 1}}};
  return q;
}

TEST(DialoguesClavier, CarteTapeeCommeSurLaTable) {
  TCarteDlg dlg;
  bool ouvert = false;
  // Escape does not end a question; the card is typed, Enter gives it.
  PendantLaBoucle(dlg, [&] {
    Tape(dlg, Qt::Key_Escape);
    ASSERT_TRUE(dlg.isVisible());
    Tape(dlg, "cd");
    EXPECT_EQ(dlg.Carte()->accessibleName(), QStringLiteral("Dame de Cœur"));
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  std::optional<TReponseQuestion> r = dlg.Pose(Question(tqCarte));
  EXPECT_FALSE(ouvert);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Carte, (TCard{12, clCoeur}));

  // The ten as "1" then "0", or "X"; the rank first, then the suit.
  for (const char* frappe : {"k10", "xk", "K1"}) {
    PendantLaBoucle(dlg, [&] {
      Tape(dlg, frappe);
      Tape(dlg, Qt::Key_Enter);
    }, ouvert);
    r = dlg.Pose(Question(tqCarte));
    ASSERT_TRUE(r) << frappe;
    EXPECT_EQ(r->Carte, (TCard{10, clCarreau})) << frappe;
  }
  // A key that names no card changes nothing.
  PendantLaBoucle(dlg, [&] {
    Tape(dlg, "t2b");
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  r = dlg.Pose(Question(tqCarte));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Carte, (TCard{2, clTrefle}));
}

TEST(DialoguesClavier, JoueurParSonInitiale) {
  TPCarteDlg dlg;
  bool ouvert = false;
  PendantLaBoucle(dlg, [&] {
    // No seat chosen yet: Enter does not answer.
    Tape(dlg, Qt::Key_Return);
    ASSERT_TRUE(dlg.isVisible());
    Tape(dlg, "n");
    EXPECT_EQ(dlg.Choix(), jrNord);
    Tape(dlg, "e");
    EXPECT_EQ(dlg.Choix(), jrEst);
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  std::optional<TReponseQuestion> r = dlg.Pose(Question(tqPCarte));
  EXPECT_FALSE(ouvert);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Joueur, jrEst);
  // O for Ouest (West), S for Sud.
  for (auto [lettre, joueur] : {std::pair{"o", jrOuest}, std::pair{"S", jrSud}}) {
    PendantLaBoucle(dlg, [&] {
      Tape(dlg, lettre);
      Tape(dlg, Qt::Key_Return);
    }, ouvert);
    r = dlg.Pose(Question(tqPCarte));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Joueur, joueur);
  }
}

TEST(DialoguesClavier, RepartitionParSonNumero) {
  TRepartitionDlg dlg;
  bool ouvert = false;
  PendantLaBoucle(dlg, [&] {
    // Three propositions: "4" and "0" choose nothing.
    Tape(dlg, "40");
    EXPECT_EQ(dlg.Choix(), -1);
    Tape(dlg, Qt::Key_Return);
    ASSERT_TRUE(dlg.isVisible());
    Tape(dlg, "3");
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  std::optional<TReponseQuestion> r = dlg.Pose(Question(tqRepartition));
  EXPECT_FALSE(ouvert);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Proposition, 2);
  // Or moved to with the arrows, then Space and Enter.
  PendantLaBoucle(dlg, [&] {
    Tape(dlg, "1");
    Tape(dlg, Qt::Key_Down);
    Tape(dlg, Qt::Key_Space);
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  r = dlg.Pose(Question(tqRepartition));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Proposition, 1);
}

TEST(DialoguesClavier, ScoresEtRemiseAZero) {
  TCatalogue catalogue;
  catalogue.Ajoute(1, 1);
  TScores jeu(1);
  jeu[1] = 80;
  const TScoresAffiches scores = ScoresAffiches(jeu, TScores(1), catalogue);
  const TScoresAffiches vides = ScoresAffiches(TScores(1), TScores(1), catalogue);
  TFScores detail;
  TScoreGlobalDlg dlg(&detail);
  bool ouvert = false;
  // Enter: Ok, nothing reset. Escape closes too.
  for (Qt::Key touche : {Qt::Key_Return, Qt::Key_Escape}) {
    PendantLaBoucle(dlg, [&] { Tape(dlg, touche); }, ouvert);
    EXPECT_FALSE(dlg.Montre(scores, vides));
    EXPECT_FALSE(ouvert);
  }
  // Tab to "Scores détaillés", Space opens them, Escape closes them; then
  // Tab to the reset, Space, and Enter.
  bool detailVu = false;
  PendantLaBoucle(dlg, [&] {
    ASSERT_TRUE(TabJusqua(dlg, dlg.BScores()));
    QTimer::singleShot(0, &detail, [&] {
      detailVu = detail.isVisible();
      Tape(detail, Qt::Key_Escape);
    });
    Tape(dlg, Qt::Key_Space);
    ASSERT_TRUE(TabJusqua(dlg, dlg.BEffaceScores()));
    Tape(dlg, Qt::Key_Space);
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  EXPECT_TRUE(dlg.Montre(scores, vides));
  EXPECT_TRUE(detailVu);
  EXPECT_FALSE(detail.isVisible());
  EXPECT_FALSE(ouvert);
}

TEST(DialoguesClavier, ReglagesCochesAuClavier) {
  TReglages reglages;
  TReglagesDlg dlg;
  dlg.SetReglages(&reglages);
  bool ouvert = false;
  // Tab to a box, Space, Enter: kept. The same and Escape: not kept.
  PendantLaBoucle(dlg, [&] {
    ASSERT_TRUE(TabJusqua(dlg, dlg.isCompteur));
    Tape(dlg, Qt::Key_Space);
    ASSERT_TRUE(TabJusqua(dlg, dlg.ModeNotation));
    Tape(dlg, Qt::Key_Space);
    Tape(dlg, Qt::Key_Return);
  }, ouvert);
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  EXPECT_FALSE(ouvert);
  EXPECT_FALSE(reglages.CompteLevees);
  EXPECT_FALSE(reglages.Notation);
  PendantLaBoucle(dlg, [&] {
    ASSERT_TRUE(TabJusqua(dlg, dlg.isCompteur));
    Tape(dlg, Qt::Key_Space);
    Tape(dlg, Qt::Key_Escape);
  }, ouvert);
  EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  EXPECT_FALSE(ouvert);
  EXPECT_FALSE(reglages.CompteLevees);
}

TEST(DialoguesClavier, VerdictEtAideFermesAuClavier) {
  TFErreur verdict;
  bool ouvert = false;
  PendantLaBoucle(verdict, [&] { Tape(verdict, Qt::Key_Return); }, ouvert);
  verdict.Affiche(QStringLiteral("Le Roi de Trèfle coûte une levée."), QRect(0, 0, 1024, 768));
  EXPECT_FALSE(ouvert);

  TAide aide;
  aide.Ouvre();
  QApplication::processEvents();
  ASSERT_TRUE(aide.isVisible());
  Tape(aide, Qt::Key_Escape);
  EXPECT_FALSE(aide.isVisible());
}

}  // namespace
}  // namespace kalvo
