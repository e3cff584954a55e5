// A whole deal of the delivered database played on the real main window
// with mouse clicks and keys, as a user plays it.
#include "FenetreDeTest.h"

#include "model/Encheres.h"
#include "table/AfficheurSegments.h"
#include "table/Carte1024.h"
#include "table/ErreurDlg.h"
#include "table/Etui1024.h"
#include "table/FinDonne1024.h"
#include "table/Jeu1024.h"
#include "table/ReglagesDlg.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>

namespace kalvo {
namespace {

using test::ReglagesRapides;
using test::TTableDeTest;

TEST(PartieFenetre, DonneEntiereALaSourisEtAuClavier) {
  if (qEnvironmentVariableIsSet("KALVO_EXIGE_X11") && test::AffichageX11Absent)
    GTEST_SKIP() << "aucun serveur X joignable";
  // A small card pause: the defenders' cards go through the real pauses.
  auto t = TTableDeTest::Ouvre("[Options]\r\nVitesse=0\r\nCartes=1\r\nQuestions=0\r\nErreursComments=1\r\n");
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TPiloteTable pilote(f);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  int fermeesParTouche = 0;
  gardien.Repond("kalvo::TErreurDlg", [&](QWidget* w) {
    ++fermeesParTouche;
    QTest::keyClick(w, Qt::Key_Return);
  });

  pilote.CliqueBouton(f.BStart);
  ASSERT_TRUE(f.BNext->isVisible());
  pilote.CliqueBouton(f.BNext);
  // West has led; North is to play, with the arrow at North's height.
  ASSERT_TRUE(c.Etat().InJeu);
  EXPECT_TRUE(f.Cartes[jrOuest]->isVisible());
  EXPECT_EQ(f.Cartes[jrOuest]->Value(), IndexCarte(c.Etat().OnTable[jrOuest]));
  EXPECT_EQ(f.Jeux[jrOuest]->TotalCartesJouees(), 1);
  EXPECT_TRUE(f.Fleche->isVisible());
  EXPECT_EQ(f.Fleche->y(), 80);

  int refus = 0;
  int levees = 0;
  bool fin = false;
  for (int geste = 0; geste < 300 && !fin; ++geste) {
    const TEtatControleur& e = c.Etat();
    ASSERT_FALSE(e.ErreurDetectee);
    if (e.LeveeComplete) {
      // The four cards of the trick are on the table, waiting for the gather
      // (a deal may also end by a claim, with no trick on the table).
      if (!e.DerniereLevee || e.Levee == 13) {
        for (TJoueur j : TousLesJoueurs) EXPECT_TRUE(f.Cartes[j]->isVisible()) << "levée " << e.Levee;
        EXPECT_EQ(f.LeveesNS->Value() + f.LeveesEO->Value(), e.Levee);
      }
      fin = e.DerniereLevee;
      const int levee = e.Levee;
      ++levees;
      // Tricks gathered in turn by a click on the felt and by a key.
      if (levees % 2 == 0) pilote.CliqueTapis();
      else pilote.Touche(Qt::Key_Space);
      // Trick 13 is played by itself once trick 12 is gathered.
      if (levee < 12) {
        EXPECT_FALSE(f.Cartes[jrSud]->isVisible() && f.Cartes[jrNord]->isVisible() && f.Cartes[jrEst]->isVisible() &&
                     f.Cartes[jrOuest]->isVisible());
      }
      continue;
    }
    ASSERT_TRUE(e.InJeu);
    if (!c.AttendCarteUtilisateur()) {
      QApplication::processEvents();
      continue;
    }
    const int n = pilote.JoueCarteAcceptee();
    ASSERT_GE(n, 0) << "aucune carte acceptée à la levée " << e.Levee;
    refus += n;
  }
  ASSERT_TRUE(fin);
  EXPECT_GE(levees, 1);
  // A refused card opened the comment window, closed by a key.
  ASSERT_GT(refus, 0);
  EXPECT_GT(fermeesParTouche, 0);
  EXPECT_LT(f.Notation->Value(), 100);
  // The end-of-deal screen showed, and "Suivante" starts the next deal.
  EXPECT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 1);
  QApplication::processEvents();
  const int attendue = c.NbDonnes() > 1 ? 2 : 1;
  EXPECT_EQ(c.DonneActuelle(), attendue);
  EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("Donne %1 [").arg(attendue)));
  EXPECT_TRUE(f.BNext->isVisible());
  EXPECT_TRUE(f.Etui->Visible());
}

TEST(PartieFenetre, CtrlAltF9EtBoutonsDeRevue) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(1, "ErreursComments=0\r\n"));
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TPiloteTable pilote(f);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  pilote.CliqueBouton(f.BStart);
  // After the auction only "Jeu de la carte" or the felt start the play.
  pilote.Touche(Qt::Key_Space);
  EXPECT_FALSE(c.Etat().InJeu);
  pilote.CliqueTapis();
  ASSERT_TRUE(c.Etat().InJeu);
  EXPECT_FALSE(f.BNext->isVisible());

  // "Dernière levée" does nothing in the first trick, then shows trick 1.
  pilote.CliqueBouton(f.Bouton(brLastLevee));
  EXPECT_EQ(gardien.Vues("kalvo::TFLastL"), 0);
  while (c.Etat().Levee < 2) {
    if (c.Etat().LeveeComplete) pilote.CliqueTapis();
    else ASSERT_GE(pilote.JoueCarteAcceptee(), 0);
  }
  ASSERT_TRUE(f.Bouton(brLastLevee)->isVisible());
  pilote.CliqueBouton(f.Bouton(brLastLevee));
  EXPECT_EQ(gardien.Vues("kalvo::TFLastL"), 1);
  pilote.CliqueBouton(f.Bouton(brRevoirBids));
  EXPECT_EQ(gardien.Vues("kalvo::TFEncheres"), 1);
  EXPECT_TRUE(c.Etat().InJeu);

  // Ctrl+Alt+F9 in the middle of a trick: the end-of-deal screen at once,
  // and its "Suivante" goes on to the next deal.
  pilote.Touche(Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 1);
  QApplication::processEvents();
  EXPECT_EQ(c.DonneActuelle(), c.NbDonnes() > 1 ? 2 : 1);

  // The deal-stepping buttons: back to deal 1.
  if (c.NbDonnes() > 1) {
    pilote.CliqueBouton(f.Bouton(brPrecedente));
    EXPECT_EQ(c.DonneActuelle(), 1);
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("Donne 1 [")));
  }
}

TEST(PartieFenetre, ReglagesEnCoursDeDonne) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(1, "ErreursComments=0\r\n4Jeux=0\r\n"), {1600, 1024});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  TPiloteTable pilote(f);
  pilote.CliqueBouton(f.BStart);
  pilote.CliqueBouton(f.BNext);
  ASSERT_FALSE(f.Jeux[jrEst]->Visible());
  // The settings dialog closes at once (Escape); the settings were changed
  // meanwhile as its boxes would: the table follows them.
  TGardienModales gardien;
  gardien.Repond("kalvo::TReglagesDlg", [&](QWidget* w) {
    TReglages& r = *static_cast<TReglagesDlg*>(w)->Reglages();
    r.QuatreJeux = true;
    r.SetCartes = 2;
    r.DispoSud = true;
    QTest::keyClick(w, Qt::Key_Escape);
  });
  pilote.CliqueBouton(f.Bouton(brReglages));
  ASSERT_EQ(gardien.Vues("kalvo::TReglagesDlg"), 1);
  QApplication::processEvents();
  EXPECT_TRUE(f.Jeux[jrEst]->Visible());
  EXPECT_TRUE(f.Jeux[jrOuest]->Visible());
  EXPECT_EQ(f.Jeux[jrSud]->Affichage(), afjNormalDecale);
  EXPECT_EQ(f.Jeux[jrSud]->SetCartes(), 2);
  EXPECT_EQ(f.Cartes[jrOuest]->size(), QSize(90, 121));
  EXPECT_TRUE(f.Cartes[jrOuest]->isVisible());
  EXPECT_TRUE(f.Controleur().Etat().InJeu);
  // The window's edits reached the controller, which keeps them.
  EXPECT_TRUE(f.Controleur().Reglages().QuatreJeux);
  EXPECT_EQ(f.Controleur().Reglages().SetCartes, 2);
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST(PartieFenetre, PausesDesEncheresEtDesCartes) {
  // Speed 1: each call waits half a second, each closing pass a tenth; a
  // card that does not end its trick waits the card setting (3 tenths).
  auto t = TTableDeTest::Ouvre("[Options]\r\nVitesse=1\r\nCartes=3\r\nQuestions=0\r\nErreursComments=0\r\n");
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TPiloteTable pilote(f);
  QElapsedTimer chrono;
  chrono.start();
  pilote.CliqueBouton(f.BStart);
  const qint64 encheres = chrono.elapsed();
  const int appels = static_cast<int>(SuiteEncheres(c.Donne().Donne).size());
  EXPECT_GE(encheres, appels * 500 + 300);
  EXPECT_LT(encheres, appels * 500 + 300 + 3000);
  EXPECT_TRUE(f.BNext->isVisible());

  // West's lead waits its pause before it reaches the table.
  chrono.restart();
  pilote.CliqueBouton(f.BNext);
  EXPECT_GE(chrono.elapsed(), 300);
  ASSERT_TRUE(c.AttendCarteUtilisateur());
  // North's card, then East's after its pause; South plays last.
  chrono.restart();
  ASSERT_GE(pilote.JoueCarteAcceptee(), 0);
  EXPECT_GE(chrono.elapsed(), 300);
  EXPECT_TRUE(f.Cartes[jrEst]->isVisible());
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST(PartieFenetre, ArreterFermeCommeQuitterEtEcritLesReglages) {
  QTemporaryDir dossier;
  const std::filesystem::path base = std::filesystem::path(dossier.path().toStdString());
  TEmplacementBase emplacement{base};
  ASSERT_TRUE(InstalleDonnees(emplacement, {test::DossierBaseLivree()}).Ok);
  const std::filesystem::path ini = base / "kalvo.INI";
  {
    std::ofstream f(ini, std::ios::binary);
    f << "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nErreursComments=0\r\n";
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = emplacement;
  configuration.FichierReglages = ini;
  TFMain f(configuration, QRect(0, 0, 1024, 768));
  f.show();
  ASSERT_TRUE(f.PremiereActivation());
  TPiloteTable pilote(f);
  TGardienModales gardien;
  gardien.Repond("kalvo::TFinDonne1024", [](QWidget* w) {
    QPushButton* stop = static_cast<TFinDonne1024*>(w)->BStop();
    QTest::mouseClick(stop, Qt::LeftButton, Qt::NoModifier, stop->rect().center());
  });
  pilote.CliqueBouton(f.BStart);
  pilote.CliqueBouton(f.BNext);
  pilote.Touche(Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier);
  ASSERT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 1);
  // The choice is posted, then the close: both run once the handlers return.
  for (int i = 0; i < 5 && f.isVisible(); ++i) QApplication::processEvents();
  EXPECT_FALSE(f.isVisible());
  std::ifstream lu(ini, std::ios::binary);
  const std::string texte((std::istreambuf_iterator<char>(lu)), std::istreambuf_iterator<char>());
  // Written back by the closing steps: the keys the program keeps, CRLF.
  EXPECT_NE(texte.find("SetCartes=1\r\n"), std::string::npos) << texte;
  EXPECT_NE(texte.find("[Donne]"), std::string::npos) << texte;
}

}  // namespace
}  // namespace kalvo
