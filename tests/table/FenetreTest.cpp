// The main window as built: its controls, dialogs and layout at real
// screen sizes, driven only by clicks on its own buttons and hands.
#include "FenetreDeTest.h"

#include "model/Encheres.h"
#include "table/AfficheurSegments.h"
#include "table/Aide.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/DialoguesQuiz.h"
#include "table/EtiquetteContour.h"
#include "table/Etui1024.h"
#include "table/FinDonne1024.h"
#include "table/Jeu1024.h"
#include "table/Palette.h"
#include "table/Polices.h"
#include "table/ReglagesDlg.h"
#include "table/StyleMnemoniques.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace kalvo {
namespace {

using test::ReglagesRapides;
using test::TTableDeTest;

// The auction replayed (no pauses) and, with jouer, the play started.
void Demarre(TFMain& f, bool jouer) {
  TPiloteTable pilote(f);
  pilote.CliqueBouton(f.BStart);
  ASSERT_TRUE(f.BNext->isVisible());
  if (jouer) pilote.CliqueBouton(f.BNext);
}

TEST(Fenetre, CreationActivationEtBoutons) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(), {1222, 900});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  EXPECT_EQ(f.size(), QSize(1222, 900));
  EXPECT_TRUE(f.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(f.maximumSize(), QSize(1222, 900));

  // The button row: G = 32, 12 points, w = 116.
  EXPECT_EQ(f.Bouton(brReglages)->geometry(), QRect(32, 900 - 59, 116, 43));
  EXPECT_EQ(f.Bouton(brScores)->x(), 180);
  EXPECT_EQ(f.Bouton(brReglages)->font().pixelSize(), PoliceEnPoints(QStringLiteral("Arial"), 12).pixelSize());
  // The captions as they read; their mnemonics are RaccourcisFenetre's.
  EXPECT_EQ(TexteSansMnemonique(f.Bouton(brLastLevee)->text()), QStringLiteral("Dernière levée"));
  EXPECT_EQ(TexteSansMnemonique(f.Bouton(brDonne)->text()), QStringLiteral("# donne"));
  EXPECT_EQ(TexteSansMnemonique(f.BStart->text()), QStringLiteral("Démarrer"));

  // Idle: "Démarrer" and the deal-stepping buttons; no hand, mark or counter.
  EXPECT_TRUE(f.BStart->isVisible());
  EXPECT_FALSE(f.BNext->isVisible());
  EXPECT_TRUE(f.Bouton(brPrecedente)->isVisible());
  EXPECT_FALSE(f.Bouton(brJeuAuto)->isVisible());
  EXPECT_FALSE(f.Bouton(brRevoirBids)->isVisible());
  EXPECT_FALSE(f.Bouton(brPoint)->isVisible());
  EXPECT_FALSE(f.Notation->isVisible());
  EXPECT_FALSE(f.LeveesNS->isVisible());
  for (const TJeu1024* jeu : f.Jeux) EXPECT_FALSE(jeu->Visible());
  EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("Donne 1 [")));
  EXPECT_EQ(f.LContrat->Caption(), f.windowTitle());
  EXPECT_EQ(f.LContrat->geometry(), QRect((1222 - 520) / 2, 0, 520, 22));
  EXPECT_EQ(f.LeveesNS->geometry(), QRect(1222 - 187, 24, 42, 33));
  EXPECT_EQ(f.LeveesEO->x(), 1222 - 187 + 73);
  EXPECT_EQ(f.NoteQuestions->geometry(), QRect(137, 24, 54, 33));

  // Every dialog exists once, owned by the main window.
  const QList<QDialog*> dialogues = f.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
  EXPECT_GE(dialogues.size(), 20);
  EXPECT_EQ(f.findChildren<TFinDonne1024*>().size(), 1);
  EXPECT_EQ(f.findChildren<TReglagesDlg*>().size(), 1);
  EXPECT_EQ(f.Quiz->CarteDlg()->parentWidget(), &f);

  // The activation steps do not run again: the auction on the table stays.
  Demarre(f, false);
  EXPECT_TRUE(f.PremiereActivation());
  EXPECT_TRUE(f.BNext->isVisible());
  EXPECT_TRUE(f.Etui->Visible());
  EXPECT_TRUE(f.Controleur().Etat().InEncheres || f.Controleur().Etat().FinEncheres ||
              f.Controleur().Etat().FeutreFinEncheres);
}

TEST(Fenetre, RangeeDeBoutonsA1100) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(), {1100, 800});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  EXPECT_EQ(f.Bouton(brReglages)->geometry(), QRect(24, 800 - 59, 110, 43));
  EXPECT_EQ(f.Bouton(brQuitter)->font().pixelSize(), PoliceEnPoints(QStringLiteral("Arial"), 11).pixelSize());
  EXPECT_EQ(f.BStart->x() + f.BStart->width(), 1100 - 30);
  EXPECT_EQ(f.BStart->y() + f.BStart->height(), 800 - 100);
  EXPECT_EQ(f.BNext->geometry(), f.BStart->geometry());
}

TEST(Fenetre, TaillesEtPlacesDesMainsSelonModeEtJeu) {
  for (int set = 1; set <= 3; ++set) {
    for (bool decale : {false, true}) {
      SCOPED_TRACE(testing::Message() << "jeu " << set << (decale ? " décalé" : ""));
      const std::string dispo = decale ? "DispoSud=1\r\nDispoNord=1\r\n4Jeux=1\r\n" : "DispoSud=0\r\nDispoNord=0\r\n4Jeux=1\r\n";
      auto t = TTableDeTest::Ouvre(ReglagesRapides(set, dispo), {1600, 1024});
      ASSERT_TRUE(t);
      TFMain& f = *t->Fenetre;
      Demarre(f, true);
      const std::array<TAffichageJeu, 4> modes{decale ? afjNormalDecale : afjNormal, afjCoteDecale,
                                               decale ? afjMortDecale : afjMort, afjCoteDecale};
      for (TJoueur j : TousLesJoueurs) {
        const TJeu1024* jeu = f.Jeux[j];
        ASSERT_TRUE(jeu->Visible()) << j;
        EXPECT_EQ(jeu->Affichage(), modes[j]) << j;
        EXPECT_EQ(jeu->SetCartes(), set);
        // West has led: its longest suit may have shrunk, the others are whole.
        const TDispositionJeu d = CalculeDisposition(modes[j], set, jeu->PlusLongueCouleur());
        if (j != jrOuest) {
          EXPECT_EQ(jeu->size(), QSize(d.Largeur, d.Hauteur)) << j;
        }
        EXPECT_EQ(jeu->pos(), PlaceJeu(j, 1600, 1024, QSize(jeu->Largeur(), jeu->Hauteur()), f.Jeux[jrOuest]->y())) << j;
      }
      EXPECT_EQ(f.Cartes[jrOuest]->size(), QSize(TailleFace(set).W, TailleFace(set).H));
      EXPECT_TRUE(f.Cartes[jrOuest]->isVisible());
      EXPECT_EQ(f.Fleche->x(), f.Jeux[jrSud]->x() - 26 - 16);
    }
  }
}

TEST(Fenetre, CartesJoueesAvecBeaucoupOuPeuDePlace) {
  {
    auto t = TTableDeTest::Ouvre(ReglagesRapides(1), {1600, 1024});
    ASSERT_TRUE(t);
    TFMain& f = *t->Fenetre;
    Demarre(f, true);
    const int b = f.Jeux[jrSud]->y() - (f.Jeux[jrNord]->y() + f.Jeux[jrNord]->height());
    ASSERT_GE(b, 185);
    const QPoint nord = f.Cartes[jrNord]->pos();
    EXPECT_EQ(nord.y(), f.Cartes[jrSud]->y() - 103 + 10);
    EXPECT_EQ(f.Cartes[jrOuest]->y() - nord.y(), 36);
    EXPECT_EQ(f.Cartes[jrEst]->y() - nord.y(), 55);
    EXPECT_EQ(f.Cartes[jrSud]->x(), (1600 - 71) / 2 + 4);
    EXPECT_EQ(f.Cartes[jrSud]->y(), f.Jeux[jrSud]->y() - (b - 185) / 2 - 103);
  }
  {
    auto t = TTableDeTest::Ouvre(ReglagesRapides(3), {1024, 768});
    ASSERT_TRUE(t);
    TFMain& f = *t->Fenetre;
    Demarre(f, true);
    const int b = f.Jeux[jrSud]->y() - (f.Jeux[jrNord]->y() + f.Jeux[jrNord]->height());
    ASSERT_LT(b, 190);
    EXPECT_EQ(f.Cartes[jrSud]->y() + 190, f.Jeux[jrSud]->y() - 8);
    EXPECT_EQ(f.Cartes[jrNord]->y(), f.Cartes[jrSud]->y() - 190 + 95);
    EXPECT_EQ(f.Cartes[jrNord]->x(), f.Cartes[jrSud]->x() - 24);
  }
}

TEST(Fenetre, LaMainSudSeResserreQuandElleJoue) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(2, "ErreursComments=0\r\n"), {1600, 1024});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  Demarre(f, true);
  TPiloteTable pilote(f);
  TJeu1024* sud = f.Jeux[jrSud];
  const QSize taille = sud->size();
  const QPoint place = sud->pos();
  for (int geste = 0; geste < 60 && sud->TotalCartesJouees() < 2; ++geste) {
    if (f.Controleur().Etat().LeveeComplete) pilote.CliqueTapis();
    else ASSERT_GE(pilote.JoueCarteAcceptee(), 0);
  }
  ASSERT_EQ(sud->TotalCartesJouees(), 2);
  sud->repaint();
  // The control keeps its size and place; the row closes up by half a step
  // per card played on each side, so it stays centred.
  EXPECT_EQ(sud->size(), taille);
  EXPECT_EQ(sud->pos(), place);
  int gauche = sud->width();
  int droite = 0;
  int n = 0;
  for (const TWhereCarte& c : sud->WhereCartes()) {
    if (c.Value == 0) continue;
    ++n;
    gauche = std::min(gauche, c.Rect.Left);
    droite = std::max(droite, c.Rect.Right);
  }
  EXPECT_EQ(n, 11);
  EXPECT_EQ(gauche, sud->EcartX());
  EXPECT_EQ(sud->width() - droite, sud->EcartX());
}

TEST(Fenetre, EncheresSurLaTable) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(1), {1024, 768});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  Demarre(f, false);
  const TDonne& donne = f.Controleur().Donne().Donne;

  // The board: dealer, vulnerability and number of the deal, its disc blue.
  const TEtui1024* etui = f.Etui;
  EXPECT_EQ(etui->Donneur, donne.Donneur());
  EXPECT_EQ(etui->Vulnerabilite, donne.Vulnerabilite());
  EXPECT_EQ(etui->NumeroDonne, 1);
  EXPECT_EQ(etui->pos(), PlaceEtui(1024, 768, 90));
  const TRectangle disque = GeometrieEtui(90).DisqueDonneur(donne.Donneur());
  const QImage image = test::Rendu(*const_cast<TEtui1024*>(etui));
  EXPECT_EQ(image.pixelColor((disque.Left + disque.Right) / 2, (disque.Top + disque.Bottom) / 2), QColor(CouleurDonneur));

  // Every call in its row, then three closing passes; one box per alert.
  std::array<int, 4> appels{};
  int alertes = 0;
  TJoueur dernier = donne.Donneur();
  for (const TAppel& a : SuiteEncheres(donne)) {
    ++appels[a.Joueur];
    alertes += a.Enchere.Alerte != 0;
    dernier = a.Joueur;
  }
  for (int i = 0; i < 3; ++i) {
    dernier = JoueurSuivant(dernier);
    ++appels[dernier];
  }
  for (TJoueur j : TousLesJoueurs) EXPECT_EQ(f.BidsSurTable[j]->NumeroBid(), appels[j]) << j;
  EXPECT_EQ(static_cast<int>(f.Alertes().size()), alertes);
  const TBids1024* ouest = f.BidsSurTable[jrOuest];
  EXPECT_EQ(ouest->x(), etui->x() - ouest->Largeur() - 16);
  EXPECT_EQ(f.BidsSurTable[jrSud]->y(), etui->y() + etui->Cote() + 16);
  const TRectangle troisieme = BoiteBid(3, BidPasse, 1);
  EXPECT_EQ(troisieme, (TRectangle{60, 8, 141, 62}));

  // The play starts: rows and board leave the table, the marks appear.
  TPiloteTable(f).CliqueTapis();
  EXPECT_FALSE(f.Etui->Visible());
  EXPECT_FALSE(f.BidsSurTable[jrSud]->Visible());
  EXPECT_TRUE(f.Alertes().empty());
  EXPECT_TRUE(f.Notation->isVisible());
  EXPECT_EQ(f.Notation->Value(), 100);
  EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("Contrat : ")));
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST(Fenetre, BaseEndommageeFermeSansEcrire) {
  // A database that is no database: the messages are shown, the window
  // closes at once and the settings file is not written.
  QTemporaryDir dossier;
  const std::filesystem::path base = std::filesystem::path(dossier.path().toStdString());
  {
    std::ofstream f(base / NomFichierDonnes, std::ios::binary);
    f << "pas une base de donnes";
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = TEmplacementBase{base};
  configuration.FichierReglages = base / "kalvo.INI";
  TFMain f(configuration, QRect(0, 0, 1024, 768));
  f.show();
  TGardienModales gardien;
  EXPECT_FALSE(f.PremiereActivation());
  EXPECT_TRUE(f.EchecActivation());
  EXPECT_GE(gardien.Vues("QMessageBox"), 1);
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(std::filesystem::exists(base / "kalvo.INI"));
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST(Fenetre, AideEtTailleImposee) {
  auto t = TTableDeTest::Ouvre(ReglagesRapides(), {1600, 1024});
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  // F1: the manual at its table of contents.
  TPiloteTable(f).Touche(Qt::Key_F1);
  EXPECT_TRUE(f.Aide->isVisible());
  EXPECT_EQ(f.Aide->Navigateur->source(), TAide::Sommaire());
  f.Aide->close();

  // A window manager that gives a smaller window: the row and the hands
  // follow, so that nothing is left outside.
  f.setMaximumSize(1280, 800);
  f.resize(1280, 800);
  QApplication::processEvents();
  ASSERT_EQ(f.size(), QSize(1280, 800));
  EXPECT_EQ(f.Bouton(brReglages)->geometry(), RangeeBoutons(1280, 800).Boutons[brReglages]);
  // The chooser's square stands between "# donne", which keeps its width,
  // and the next-deal button, clear of "Quitter".
  EXPECT_EQ(f.Bouton(brDonne)->geometry(), RangeeBoutons(1280, 800).Boutons[brDonne]);
  EXPECT_GT(f.BChoixDonne->x(), f.Bouton(brDonne)->geometry().right());
  EXPECT_GT(f.Bouton(brSuivante)->x(), f.BChoixDonne->geometry().right());
  EXPECT_LT(f.Bouton(brSuivante)->geometry().right(), f.Bouton(brQuitter)->x());
  EXPECT_EQ(f.LeveesEO->x(), 1280 - 187 + 73);
  TPiloteTable(f).CliqueBouton(f.BStart);
  TPiloteTable(f).CliqueBouton(f.BNext);
  const TJeu1024* sud = f.Jeux[jrSud];
  EXPECT_EQ(sud->y() + sud->height(), 800 - 75 - 16);
}

}  // namespace
}  // namespace kalvo
