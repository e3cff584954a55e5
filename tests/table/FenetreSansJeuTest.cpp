// The main window without a game: fed a deal's record and the events of its
// play by hand, as the controller hands them, it shows them and nothing
// else; and what the user does goes to the input it reports to.
#include "EnvironnementQt.h"

#include "control/DonneAffichee.h"
#include "table/AfficheurSegments.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/EtiquetteContour.h"
#include "table/Etui1024.h"
#include "table/FEncheres.h"
#include "table/FMain.h"
#include "table/FPoint.h"
#include "table/FinDonne1024.h"
#include "table/Jeu1024.h"
#include "table/ReglagesDlg.h"
#include "table/VisionneuseRtf.h"
#include "tests/engine/AideSuivi.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvo {
namespace {

using test::C;

TDocumentRtf Texte(const std::string& texte) {
  TDocumentRtf document;
  document.EstRtf = true;
  document.Paragraphes.push_back({{}, {{texte, {}}}, {}});
  return document;
}

// A deal as the controller would hand it, every text made up, so that what
// the window shows can only come from here.
TDonneAffichee Donne() {
  TDonneAffichee d;
  d.Numero = 7;
  d.Contrat = {4, clCoeur};
  d.Mains = test::Jeux({"AK4.AQ632.94.AQ3", "QT95.KJ.765.KJ97", "762.T974.AQJ.T85", "J83.85.KT832.642"});
  d.Donneur = jrOuest;
  d.Vulnerabilite = vlnEO;
  d.Encheres = {{1, jrOuest, {1, clPique, 0}}, {1, jrNord, {0, 2, 1}}, {1, jrEst, {2, clPique, 0}},
                {2, jrSud, {4, clCoeur, 0}}};
  d.Alertes[0] = "Contre d'appel : au moins 12 points, à Cœur";
  d.Revue.Donneur = "Ouest (revue)";
  d.Revue.Vulnerabilite = "Est-Ouest (revue)";
  d.Revue.Cases = {{1, jrOuest, "1", clPique, false, 0}, {1, jrNord, "X", -1, true, 1}};
  d.Revue.Explications = {{1, "(1) Contre d'appel, dans la revue"}};
  d.FinDonne.Donne = "7 bis";
  d.FinDonne.Donneur = "Ouest (fin)";
  d.FinDonne.Vulnerabilite = "Est-Ouest (fin)";
  d.FinDonne.Theme = "Un thème écrit à la main";
  d.FinDonne.Force = "3";
  for (TJoueur j : TousLesJoueurs)
    for (T4Couleur c : ToutesLesCouleurs) d.FinDonne.Diagramme[j][c] = " " + std::to_string(j) + std::to_string(c);
  d.FinDonne.Diagramme[jrOuest][clPique] = " D 10 9 5";
  d.FinDonne.Entame = C("ST");
  d.FinDonne.EntameDecoupee = TEntameDecoupee{"D ", "10", " 9 5"};
  d.FinDonne.Encheres.Cellules = {{1, jrOuest, "1 ", clPique, 0, 0}, {1, jrNord, "X", {}, 1, 1}, {1, jrEst, "FIN", {}, 0, 0}};
  d.FinDonne.Encheres.LignesAlertes[0] = "(1) Contre d'appel, en fin de donne";
  d.Resume = Texte("Le résumé de la donne 7.");
  d.Point = Texte("Le point de la donne 7.");
  return d;
}

// What the window reports, one line per input.
class TEntreesNotees : public TEntreesJeu {
 public:
  std::vector<std::string> Notes;
  TReglages Reglages;

  bool Active() override { return Note("Active"), true; }
  bool Ferme() override { return Note("Ferme"), true; }
  void MessageFinDonne(int action) override { Note("MessageFinDonne " + std::to_string(action)); }
  void FormMouseDown() override { Note("FormMouseDown"); }
  void CarteMouseDown() override { Note("CarteMouseDown"); }
  void FormKeyDown(TToucheJeu touche) override { Note(touche == TToucheJeu::CtrlAltF9 ? "CtrlAltF9" : "Touche"); }
  void JeuMouseDown(TJoueur joueur, int valeur, bool droit) override {
    Note("JeuMouseDown " + CodeCarte(CarteDeIndex(valeur)) + " " + std::to_string(joueur) + (droit ? " droit" : ""));
  }
  void BNextClick() override { Note("BNextClick"); }
  void Jouer2Click() override { Note("Jouer2Click"); }
  void Precedente1Click() override { Note("Precedente1Click"); }
  void Suivante1Click() override { Note("Suivante1Click"); }
  void NumDonne1Click() override { Note("NumDonne1Click"); }
  void ChoixDonneClick() override { Note("ChoixDonneClick"); }
  void RevoirTheme(int theme) override { Note("RevoirTheme " + std::to_string(theme)); }
  void RevoirLeveeClick() override { Note("RevoirLeveeClick"); }
  void BPointClick() override { Note("BPointClick"); }
  void BRevoirBidsClick() override { Note("BRevoirBidsClick"); }
  void BJeuAutoClick() override { Note("BJeuAutoClick"); }
  void BScoresClick() override { Note("BScoresClick"); }
  void ReglagesChoisis(const TReglages& reglages) override {
    Reglages = reglages;
    Note("ReglagesChoisis");
  }

 private:
  void Note(std::string ligne) { Notes.push_back(std::move(ligne)); }
};

TReglages ReglagesDeTest() {
  TReglages r;
  r.SetCartes = 2;
  r.DispoNord = true;
  return r;
}

TEST(FenetreSansJeu, UneDonneEtSesEvenementsDonnesALaMain) {
  TEntreesNotees entrees;
  TFMain f(ReglagesDeTest(), QRect(0, 0, 1280, 1024), &entrees);
  f.show();
  ASSERT_TRUE(f.PremiereActivation());
  EXPECT_EQ(entrees.Notes, std::vector<std::string>{"Active"});
  // As the controller does during its activation.
  f.AppliqueReglages(ReglagesDeTest());
  EXPECT_EQ(f.Jeux[jrSud]->SetCartes(), 2);
  EXPECT_EQ(f.Jeux[jrNord]->Affichage(), afjMortDecale);

  // The deal is read, its auction replayed.
  f.AfficheTitre("Une donne sans contrôleur");
  f.MontreDonne(Donne());
  f.AfficheJeu(jrSud, afjNormal);
  f.RejoueEncheres(0);
  EXPECT_EQ(f.windowTitle(), "Une donne sans contrôleur");
  EXPECT_EQ(f.LContrat->Caption(), "Une donne sans contrôleur");
  EXPECT_TRUE(f.Etui->Visible());
  EXPECT_EQ(f.Etui->NumeroDonne, 7);
  EXPECT_EQ(f.Etui->Donneur, jrOuest);
  EXPECT_EQ(f.Etui->Vulnerabilite, vlnEO);
  // Four calls and the three closing passes, from West on.
  EXPECT_EQ(f.BidsSurTable[jrOuest]->NumeroBid(), 2);
  EXPECT_EQ(f.BidsSurTable[jrNord]->NumeroBid(), 2);
  EXPECT_EQ(f.BidsSurTable[jrEst]->NumeroBid(), 2);
  EXPECT_EQ(f.BidsSurTable[jrSud]->NumeroBid(), 1);
  ASSERT_EQ(f.Alertes().size(), 1u);
  EXPECT_EQ(f.Alertes()[0].Texte, "Contre d'appel : au moins 12 points, à Cœur");
  EXPECT_FALSE(f.Notation->isVisible());

  // The play: the marks, dummy, West's lead, a refused card's mark.
  f.CacheEncheres();
  f.AfficheMarques({true, false, true});
  f.ChangeMarques({85, 100, 1, 0});
  f.AfficheJeu(jrNord, afjMortDecale);
  f.PoseCarte(jrOuest, C("HK"), 0);
  EXPECT_FALSE(f.Etui->Visible());
  EXPECT_TRUE(f.Notation->isVisible());
  EXPECT_FALSE(f.NoteQuestions->isVisible());
  EXPECT_TRUE(f.LeveesNS->isVisible());
  EXPECT_EQ(f.Notation->Value(), 85);
  EXPECT_EQ(f.LeveesNS->Value(), 1);
  EXPECT_TRUE(f.Cartes[jrOuest]->isVisible());
  EXPECT_EQ(f.Cartes[jrOuest]->Value(), IndexCarte(C("HK")));
  EXPECT_EQ(f.Jeux[jrOuest]->TotalCartesJouees(), 1);
  EXPECT_TRUE(f.Jeux[jrNord]->Visible());

  // The reviews and the end-of-deal screen show the record's texts.
  TGardienModales gardien;
  QString point;
  gardien.Repond("kalvo::TFPoint", [&](QWidget* w) {
    point = static_cast<TFPoint*>(w)->REPoint->toPlainText();
    QTest::keyClick(w, Qt::Key_Escape);
  });
  f.MontrePoint();
  EXPECT_EQ(point, "Le point de la donne 7.");

  QString donneurRevue;
  gardien.Repond("kalvo::TFEncheres", [&](QWidget* w) {
    donneurRevue = static_cast<TFEncheres*>(w)->LDonneur->text();
    QTest::keyClick(w, Qt::Key_Space);
  });
  f.MontreRevueEncheres(false);
  EXPECT_EQ(donneurRevue, "Ouest (revue)");

  std::vector<QString> fin;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    auto* ecran = static_cast<TFinDonne1024*>(w);
    fin = {ecran->findChild<QLabel*>("LDonne")->text(), ecran->findChild<QLabel*>("LDonneur")->text(),
           ecran->Theme()->isVisible() ? ecran->Theme()->text() : QString(), ecran->Force()->isVisible() ? "force" : "",
           ecran->stEntame()->text(), ecran->LigneAlerte(1)->text(), ecran->RECoup()->toPlainText()};
    ecran->BRejouer()->click();
  });
  EXPECT_EQ(f.MontreFinDonne({true, false}), ActionRejouer);
  EXPECT_EQ(fin, (std::vector<QString>{"7 bis", "Ouest (fin)", "Un thème écrit à la main", "", "10",
                                       "(1) Contre d'appel, en fin de donne", "Le résumé de la donne 7."}));
  EXPECT_EQ(gardien.Historique(), (std::vector<std::string>{"kalvo::TFPoint", "kalvo::TFEncheres", "kalvo::TFinDonne1024"}));
}

TEST(FenetreSansJeu, LesGestesVontAuxEntrees) {
  TEntreesNotees entrees;
  TFMain f(ReglagesDeTest(), QRect(0, 0, 1280, 1024), &entrees);
  f.show();
  ASSERT_TRUE(f.PremiereActivation());
  f.MontreDonne(Donne());
  f.AfficheJeu(jrSud, afjNormal);
  f.MontreBouton(bjStart, true);
  QApplication::processEvents();
  entrees.Notes.clear();

  TPiloteTable pilote(f);
  ASSERT_TRUE(pilote.CliqueCarte(jrSud, IndexCarte(C("HQ"))));
  ASSERT_TRUE(pilote.CliqueCarte(jrSud, IndexCarte(C("C3")), Qt::RightButton));
  pilote.CliqueTapis();
  pilote.Touche(Qt::Key_Space);
  pilote.Touche(Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier);
  pilote.CliqueBouton(f.BStart);
  pilote.CliqueBouton(f.Bouton(brScores));
  f.PosteFinDonne(ActionSuivante);
  QApplication::processEvents();

  // The settings dialog edits the window's copy, which goes to the input.
  TGardienModales gardien;
  gardien.Repond("kalvo::TReglagesDlg", [](QWidget* w) {
    static_cast<TReglagesDlg*>(w)->Reglages()->QuatreJeux = true;
    QTest::keyClick(w, Qt::Key_Escape);
  });
  pilote.CliqueBouton(f.Bouton(brReglages));
  EXPECT_EQ(entrees.Notes,
            (std::vector<std::string>{"JeuMouseDown HQ 0", "JeuMouseDown C3 0 droit", "FormMouseDown", "Touche", "CtrlAltF9",
                                      "Jouer2Click", "BScoresClick", "MessageFinDonne 0", "ReglagesChoisis"}));
  EXPECT_TRUE(entrees.Reglages.QuatreJeux);
  EXPECT_EQ(entrees.Reglages.SetCartes, 2);
  f.close();
  EXPECT_EQ(entrees.Notes.back(), "Ferme");
}

TEST(FenetreSansJeu, SansEntreesLesGestesNeVontNullePart) {
  TFMain f(TReglages{}, QRect(0, 0, 1024, 768));
  f.show();
  ASSERT_TRUE(f.PremiereActivation());
  f.MontreDonne(Donne());
  f.AfficheJeu(jrSud, afjNormal);
  QApplication::processEvents();
  TPiloteTable pilote(f);
  EXPECT_TRUE(pilote.CliqueCarte(jrSud, IndexCarte(C("HQ"))));
  pilote.CliqueTapis();
  f.PosteFinDonne(ActionArreter);
  QApplication::processEvents();
  EXPECT_EQ(f.Jeux[jrSud]->TotalCartesJouees(), 0);
  EXPECT_TRUE(f.isVisible());
}

}  // namespace
}  // namespace kalvo
