// "Revoir le jeu" on the real main window: from the end-of-deal screen, the
// recorded play stepped through with the keys, then back to that screen.
#include "FenetreDeTest.h"

#include "table/Carte1024.h"
#include "table/FinDonne1024.h"
#include "table/Jeu1024.h"
#include "table/RevueJeu.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace kalvo {
namespace {

using test::ReglagesRapides;
using test::TTableDeTest;

// What the review shows of trick n agrees with the record: the four cards,
// the hands less the tricks before, the refusals with their comments.
void VerifieLevee(const TRevueJeu& revue, const TReleveJeu& releve, int n) {
  ASSERT_EQ(revue.Levee(), n);
  const TLeveeReleve& levee = releve.Levee(n);
  for (TJoueur j : TousLesJoueurs) {
    EXPECT_TRUE(revue.Carte(j)->isVisible()) << n;
    EXPECT_EQ(revue.Carte(j)->Value(), IndexCarte(levee.Cartes[j])) << "levée " << n << ", " << NomsJoueurs[j];
    EXPECT_EQ(revue.Jeu(j)->TotalCartesJouees(), n - 1) << "levée " << n << ", " << NomsJoueurs[j];
  }
  EXPECT_TRUE(revue.Titre()->text().contains(QStringLiteral("Levée %1 sur %2").arg(n).arg(releve.NbLevees())));
  const QString refus = revue.Refus()->toPlainText();
  if (levee.Refus.empty()) EXPECT_TRUE(refus.contains(QStringLiteral("Aucune carte refusée"))) << n;
  for (const TRefusReleve& r : levee.Refus) {
    EXPECT_TRUE(refus.contains(QString::fromStdString(TexteRefusReleve(r)))) << n;
    if (!r.Texte.empty()) EXPECT_TRUE(refus.contains(QString::fromStdString(r.Texte).simplified().left(20))) << n;
  }
  EXPECT_EQ(revue.BPrecedente()->isEnabled(), n > 1);
  EXPECT_EQ(revue.BSuivante()->isEnabled(), n < releve.NbLevees());
}

TEST(RevueJeuFenetre, LesLeveesAuClavierPuisRetourALaFinDeDonne) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(1, "ErreursComments=1\r\n"));
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TPiloteTable pilote(f);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);

  // The first showing asks for the review and drives it from inside its
  // loop; the second goes on with "Suivante".
  TReleveJeu vu;
  int revues = 0;
  bool activeDansLaRevue = false;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    auto* fin = static_cast<TFinDonne1024*>(w);
    if (revues++ > 0) {
      QTest::mouseClick(fin->BSuivante(), Qt::LeftButton, Qt::NoModifier, fin->BSuivante()->rect().center());
      return;
    }
    EXPECT_TRUE(fin->BRevoir()->isEnabled());
    vu = c.Releve();
    QTimer::singleShot(0, &f, [&] {
      TRevueJeu& revue = *f.Revue;
      activeDansLaRevue = revue.EnCours() && revue.isVisible() && QApplication::activeModalWidget() == nullptr;
      const int n = vu.NbLevees();
      VerifieLevee(revue, vu, 1);
      QTest::keyClick(&revue, Qt::Key_Left);  // nothing before the first trick
      VerifieLevee(revue, vu, 1);
      QTest::keyClick(&revue, Qt::Key_Right);
      VerifieLevee(revue, vu, 2);
      QTest::keyClick(&revue, Qt::Key_Left);
      VerifieLevee(revue, vu, 1);
      for (int k = 2; k <= n; ++k) {
        QTest::keyClick(&revue, Qt::Key_Right);
        VerifieLevee(revue, vu, k);
      }
      QTest::keyClick(&revue, Qt::Key_Right);  // nothing after the last one
      VerifieLevee(revue, vu, n);
      QTest::keyClick(&revue, Qt::Key_Home);
      VerifieLevee(revue, vu, 1);
      // The buttons step as the keys do.
      QTest::mouseClick(revue.BSuivante(), Qt::LeftButton, Qt::NoModifier, revue.BSuivante()->rect().center());
      VerifieLevee(revue, vu, 2);
      QTest::keyClick(&revue, Qt::Key_Escape);
    });
    QTest::mouseClick(fin->BRevoir(), Qt::LeftButton, Qt::NoModifier, fin->BRevoir()->rect().center());
  });

  pilote.CliqueBouton(f.BStart);
  pilote.CliqueTapis();
  ASSERT_TRUE(c.Etat().InJeu);
  ASSERT_TRUE(pilote.JoueJusquaLaFin(400));
  QApplication::processEvents();

  EXPECT_TRUE(activeDansLaRevue);
  EXPECT_EQ(revues, 2) << "back to the end-of-deal screen after Escape";
  EXPECT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 2);
  ASSERT_GE(vu.NbLevees(), 2);
  // The cards the user had refused are in the record the screen stepped through.
  EXPECT_GT(vu.NombreRefus(), 0);
  EXPECT_FALSE(f.Revue->isVisible());
  // "Suivante" went on as without a review.
  EXPECT_EQ(c.DonneActuelle(), c.NbDonnes() > 1 ? 2 : 1);
}

TEST(RevueJeuFenetre, RienARevoirAvantLaPremiereLevee) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(1));
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  TPiloteTable pilote(f);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  bool revoirActif = true;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    auto* fin = static_cast<TFinDonne1024*>(w);
    revoirActif = fin->BRevoir()->isEnabled();
    QTest::mouseClick(fin->BSuivante(), Qt::LeftButton, Qt::NoModifier, fin->BSuivante()->rect().center());
  });
  pilote.CliqueBouton(f.BStart);
  pilote.CliqueTapis();
  ASSERT_TRUE(f.Controleur().Etat().InJeu);
  // Ctrl+Alt+F9 during trick 1: no trick recorded, nothing to review.
  pilote.Touche(Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 1);
  EXPECT_FALSE(revoirActif);
  // Even asked directly, an empty review does not cover the table.
  f.Revue->Montre(1, Qt::darkGreen);
  EXPECT_FALSE(f.Revue->isVisible());
  EXPECT_FALSE(f.Revue->EnCours());
}

}  // namespace
}  // namespace kalvo
