// The attempt each finished deal leaves in the history: its marks, the
// refused cards with their codes, "Jouer pour moi", once per deal, and a
// history that fails to write told once and then left aside.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// The history as the core sees it, kept in memory; it refuses to write
// once `panne` is set, like a file gone read-only.
class THistoriqueMemoire : public THistorique {
 public:
  bool Ajoute(const TTentative& tentative) override {
    ++essais;
    if (panne) return false;
    tentatives.push_back(tentative);
    return true;
  }
  std::vector<TTentative> Tentatives() const override { return tentatives; }
  std::vector<TTentative> tentatives;
  bool panne = false;
  int essais = 0;
};

// Trick 1 of the demo hands: North's ♥7 in no line (49), South's ♥A a
// foreseen error (comment 1).
TFabriqueDonne DonneAvecErreurs() {
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Commentaire(1, 40, "Laissez passer.");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4 S:H3,HA=1");
  f.Levee(2, jrOuest, 3, "O:** E:** N:** S:**");
  return f;
}

// The end-of-deal screen reached by the shortcut, "Rejouer" chosen there.
void Rejoue(TPartieDeTest& p) {
  p.ecran.ChoisitFinDonne = [] { return ActionRejouer; };
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  p.ecran.TraiteMessages(p.controleur);
  p.ecran.ChoisitFinDonne = nullptr;
  if (p.Etat().InEncheres) p.controleur.BNextClick();
}

TEST(Tentative, UneFinDeDonneUneTentative) {
  TBaseDeTest base;
  TFabriqueDonne donne = DonneAvecErreurs();
  base.Ecrit(donne);
  std::ofstream(base.Dossier() / "K01FR_DEMO.VOL") << "37\n";
  TPartieDeTest p(base);
  THistoriqueMemoire historique;
  p.controleur.SetHistorique(&historique);
  p.Demarre();
  p.Joue("H7");
  p.Joue("H4");
  p.Joue("HA");
  p.Joue("H3");
  EXPECT_TRUE(historique.tentatives.empty());  // nothing before the end
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  ASSERT_EQ(historique.tentatives.size(), 1u);
  const TTentative& t = historique.tentatives[0];
  EXPECT_EQ(t.Donne, 1);
  EXPECT_EQ(t.Collection, 37);
  EXPECT_EQ(t.NoteJeu, 10);  // 100 - 50 - 40
  EXPECT_EQ(t.NoteJeu, p.controleur.EtatReglages().ScoresJeu[1]);
  EXPECT_EQ(t.NoteQuestions, 100);
  EXPECT_THAT(t.Refusees, ElementsAre(TCarteRefusee{"H7", 49}, TCarteRefusee{"HA", 1}));
  EXPECT_FALSE(t.JouePourMoi);
  EXPECT_THAT(t.DateHeure, MatchesRegex("20[0-9][0-9]-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]:[0-5][0-9]"));

  // The end-of-deal screen shown again records nothing more; replaying the
  // deal starts a fresh attempt, without the refusals of the first.
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  EXPECT_EQ(historique.tentatives.size(), 1u);
  Rejoue(p);
  ASSERT_EQ(historique.tentatives.size(), 1u);
  p.Joue("H4");
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  ASSERT_EQ(historique.tentatives.size(), 2u);
  EXPECT_TRUE(historique.tentatives[1].Refusees.empty());
  EXPECT_EQ(historique.tentatives[1].NoteJeu, 100);
}

TEST(Tentative, JouerPourMoiEtNotationCoupee) {
  TBaseDeTest base;
  TFabriqueDonne demo = DonneDemo();
  base.Ecrit(demo);
  TPartieDeTest p(base, "Notation=0\r\n");
  THistoriqueMemoire historique;
  p.controleur.SetHistorique(&historique);
  p.Demarre();
  p.controleur.BJeuAutoClick();
  for (int garde = 0; garde < 40 && historique.tentatives.empty(); ++garde) p.Clic();
  ASSERT_EQ(historique.tentatives.size(), 1u);
  EXPECT_TRUE(historique.tentatives[0].JouePourMoi);
  // The play was not marked: no mark goes into the history either.
  EXPECT_EQ(historique.tentatives[0].NoteJeu, -1);
  EXPECT_EQ(historique.tentatives[0].NoteQuestions, -1);
}

TEST(Tentative, HistoriqueEnPanneDitUneFoisPuisLaisseDeCote) {
  TBaseDeTest base;
  TFabriqueDonne donne = DonneAvecErreurs();
  base.Ecrit(donne);
  TPartieDeTest p(base);
  THistoriqueMemoire historique;
  historique.panne = true;
  p.controleur.SetHistorique(&historique);
  p.Demarre();
  for (int fois = 0; fois < 2; ++fois) {
    p.Joue("H7");
    Rejoue(p);
  }
  EXPECT_EQ(historique.essais, 1);
  ASSERT_EQ(p.ecran.Erreurs.size(), 1u);
  EXPECT_THAT(p.ecran.Erreurs[0], HasSubstr("historique"));
  // The marks of the settings are kept all the same.
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], 50);

  // A copy of the controller (the exploration's) records nothing.
  THistoriqueMemoire autre;
  p.controleur.SetHistorique(&autre);
  TEcranEnregistreur ecranCopie;
  TControleur copie(p.controleur, ecranCopie);
  copie.FormKeyDown(TToucheJeu::CtrlAltF9);
  EXPECT_TRUE(autre.tentatives.empty());
  EXPECT_EQ(copie.TentativeEnCours().Donne, 0);
}

// The chooser and the score dialog get the history's figures; the deal
// chosen is played; the progress window's theme turns the filter to
// "à revoir" on it.
TEST(Tentative, ChoixEtProgresLisentLHistorique) {
  TBaseDeTest base;
  TFabriqueDonne premiere = DonneAvecErreurs();
  premiere.Donne().SetTheme(5);
  TFabriqueDonne seconde = DonneDemo();
  seconde.Donne().SetTheme(9);
  base.Ecrit({premiere.Termine(), seconde.Termine()});
  TPartieDeTest p(base);
  THistoriqueMemoire historique;
  p.controleur.SetHistorique(&historique);
  p.Demarre();
  p.Joue("H7");
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);  // deal 1 recorded at 50
  ASSERT_EQ(historique.tentatives.size(), 1u);
  // The next session, at the table before "Démarrer", where the deal
  // buttons (and the chooser beside them) are shown.
  TPartieDeTest suite(base);
  suite.controleur.SetHistorique(&historique);
  ASSERT_TRUE(suite.controleur.Active());
  suite.controleur.EtatReglages().ScoresJeu[1] = 40;  // the marks of the settings, not the history's
  TPartieDeTest& q = suite;
  std::optional<TListeDonnes> vue;
  q.ecran.ChoisitDansListe = [&](const TListeDonnes& liste) {
    vue = liste;
    return std::optional<int>(2);
  };
  q.controleur.ChoixDonneClick();
  ASSERT_TRUE(vue);
  ASSERT_EQ(vue->Lignes.size(), 2u);
  EXPECT_TRUE(vue->AvecHistorique);
  EXPECT_EQ(vue->Actuelle, 1);
  EXPECT_EQ(vue->Lignes[0].Tentatives, 1);
  EXPECT_EQ(vue->Lignes[0].NoteJeu, 40);
  EXPECT_EQ(vue->Lignes[1].Theme, 9);
  EXPECT_EQ(q.controleur.DonneActuelle(), 2);
  EXPECT_EQ(q.journal.Filtre("donne").back(), "donne 2");
  // Closed without a choice: the deal stays.
  q.ecran.ChoisitDansListe = nullptr;
  q.controleur.ChoixDonneClick();
  EXPECT_EQ(q.controleur.DonneActuelle(), 2);

  q.controleur.BScoresClick();
  ASSERT_TRUE(q.ecran.Scores);
  const TProgres& progres = q.ecran.Scores->Progres;
  EXPECT_TRUE(progres.AvecHistorique);
  ASSERT_EQ(progres.ParTheme.size(), 1u);
  EXPECT_EQ(progres.ParTheme[0].Cle, 5);
  EXPECT_EQ(progres.ParTheme[0].Moyenne, 50);

  q.controleur.RevoirTheme(5);
  EXPECT_EQ(q.controleur.Reglages().TypeDonnes, tdARevoir);
  EXPECT_EQ(q.controleur.Reglages().NumeroTheme, 5);
  EXPECT_EQ(q.controleur.Reglages().ScoreInferieurA, SeuilARevoirParDefaut);
  // Next now goes to deal 1, the weak one of theme 5, from deal 2.
  q.controleur.Suivante1Click();
  EXPECT_EQ(q.controleur.DonneActuelle(), 1);
  // A theme out of the table changes nothing.
  q.controleur.RevoirTheme(40);
  EXPECT_EQ(q.controleur.Reglages().NumeroTheme, 5);
}

}  // namespace
}  // namespace kalvo::test
