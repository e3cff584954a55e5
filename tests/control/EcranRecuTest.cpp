// What the screen receives from the controller: the deal's record in UTF-8
// when it is read, the settings, the marks, the scores and the end-of-deal
// visibility; nothing the screen would have to read back.
#include "control/ScoresAffiches.h"
#include "model/Brouillage.h"
#include "model/Windows1252.h"
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"
#include "tests/model/DonnesDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

// The demo deal with an alerted opening and both commentaries.
TFabriqueDonne DemoCommentee() {
  TFabriqueDonne f = DonneDemo();
  TDonne& d = f.Donne();
  EcritEncheres(d, jrSud,
                {{1, clTrefle, 1}, {0, 1, 0}, {3, clSA, 0}, {NiveauFinEncheres, 0, 0}});
  d.SetAlerte(1, Utf8VersWindows1252("Trèfle préparé, à deux cartes"));
  d.SetTexteResume(BrouilleTexte("{\\rtf1\\ansi R\\'e9sum\\'e9 : laissez passer deux fois.}"));
  d.SetTextePoint(BrouilleTexte("{\\rtf1\\ansi Le point : sept lev\\'e9es s\\'fbres.}"));
  return f;
}

TEST(EcranRecu, LaDonneLueArriveEnUnEnregistrementEnUtf8) {
  TBaseDeTest base;
  TFabriqueDonne demo = DemoCommentee();
  base.Ecrit(demo);
  TPartieDeTest p(base);
  p.Demarre(1);
  ASSERT_TRUE(p.ecran.Donne);
  const TDonneAffichee& d = *p.ecran.Donne;
  EXPECT_EQ(p.ecran.Compte("MontreDonne 1"), 1);
  EXPECT_EQ(d.Numero, 1);
  EXPECT_EQ(d.Mains, p.controleur.Donne().Donne.Mains());
  EXPECT_EQ(d.Contrat.Niveau, 3);
  EXPECT_EQ(d.Contrat.Atout, clSA);
  EXPECT_EQ(d.Donneur, jrSud);
  ASSERT_EQ(d.Encheres.size(), 3u);
  EXPECT_EQ(d.Encheres[0].Enchere.Alerte, 1);
  // The alert text once converted, the same in the table's boxes, the
  // review and the end-of-deal screen.
  EXPECT_EQ(d.Alertes[0], "Trèfle préparé, à deux cartes");
  EXPECT_EQ(d.Alertes[1], "");
  ASSERT_EQ(d.Revue.Explications.size(), 1u);
  EXPECT_EQ(d.Revue.Explications[0].Texte, "(1) Trèfle préparé, à deux cartes");
  EXPECT_EQ(d.Revue.Donneur, "Sud");
  EXPECT_EQ(d.FinDonne.Encheres.LignesAlertes[0], "(1) Trèfle préparé, à deux cartes");
  EXPECT_EQ(d.FinDonne.Donne, "1");
  // The commentaries read from what the controller wrote, which stays on disk.
  EXPECT_EQ(d.Resume.Texte(), "Résumé : laissez passer deux fois.");
  EXPECT_EQ(d.Point.Texte(), "Le point : sept levées sûres.");
  EXPECT_EQ(LitRtf(LitOctets(base.Dossier() / NomFichierResume)).Texte(), d.Resume.Texte());
  EXPECT_EQ(LitRtf(LitOctets(base.Dossier() / NomFichierPoint)).Texte(), d.Point.Texte());
  EXPECT_EQ(p.controleur.Donne().Resume, LitOctets(base.Dossier() / NomFichierResume));

  // The reviews and the end of the deal name nothing: the screen has the deal.
  p.controleur.BPointClick();
  p.controleur.BRevoirBidsClick();
  EXPECT_EQ(p.ecran.Compte("MontrePoint"), 1);
  EXPECT_EQ(p.ecran.Compte("MontreRevueEncheres 0"), 1);
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  EXPECT_EQ(p.ecran.Compte("MontreFinDonne 1 0"), 1);
}

TEST(EcranRecu, ReglagesMarquesEtFinDeDonne) {
  TBaseDeTest base;
  TFabriqueDonne demo = DonneDemo();
  base.Ecrit(demo);
  TPartieDeTest p(base, "SetCartes=3\r\nThemes=0\r\nCompteLevees=0\r\nVitesse=0\r\nCartes=0\r\n");
  // Told as the controller is made, before any activation: the window sizes
  // its controls by them.
  EXPECT_EQ(p.ecran.Reglages.SetCartes, 3);
  EXPECT_EQ(p.ecran.Appels().front(), "AppliqueReglages");
  p.Demarre(1);
  EXPECT_EQ(p.ecran.MarquesVisibles, (TMarquesVisibles{true, true, false}));
  EXPECT_EQ(p.ecran.Marques, (TMarques{100, 100, 0, 0}));
  p.Joue("H4");
  p.Joue("HA");  // refused: comment 1, 40 marks
  EXPECT_EQ(p.ecran.Marques.Notation, p.Etat().Notation);
  EXPECT_EQ(p.ecran.Marques.Notation, 60);

  // The settings dialog's choice: kept, told back, and the table follows.
  TReglages r = p.controleur.Reglages();
  r.QuatreJeux = true;
  r.CompteLevees = true;
  p.controleur.ReglagesChoisis(r);
  EXPECT_TRUE(p.controleur.Reglages().QuatreJeux);
  EXPECT_TRUE(p.ecran.Reglages.QuatreJeux);
  EXPECT_TRUE(p.ecran.JeuxVisibles[jrOuest] && p.ecran.JeuxVisibles[jrEst]);
  EXPECT_TRUE(p.ecran.MarquesVisibles.Levees);

  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  ASSERT_TRUE(p.ecran.VisibiliteFin);
  EXPECT_FALSE(p.ecran.VisibiliteFin->Theme);
  EXPECT_TRUE(p.ecran.VisibiliteFin->Force);
}

TEST(EcranRecu, LesScoresEtLeurRemiseAZero) {
  TBaseDeTest base;
  TFabriqueDonne demo = DonneDemo();
  TFabriqueDonne maitres = DonneMaitres();
  base.Ecrit({demo.Termine(), maitres.Termine()});
  TPartieDeTest p(base, "Vitesse=0\r\n");
  p.controleur.BScoresClick();  // before the activation: nothing
  EXPECT_EQ(p.ecran.Compte("MontreScores"), 0);
  ASSERT_TRUE(p.controleur.Active());
  p.controleur.EtatReglages().ScoresJeu[2] = 80;
  p.controleur.EtatReglages().ScoresQuestions[2] = 90;

  p.controleur.BScoresClick();
  ASSERT_TRUE(p.ecran.Scores);
  EXPECT_EQ(p.ecran.Scores->ScoreJeu, "80 %");
  EXPECT_EQ(p.ecran.Scores->ScoreQuestions, "90 %");
  EXPECT_EQ(p.ecran.Scores->Lignes.size(), 2u);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[2], 80);

  p.ecran.RemetScoresAZero = [] { return true; };
  p.controleur.BScoresClick();
  EXPECT_EQ(p.ecran.Compte("MontreScores 80 % 90 % remise"), 1);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu, TScores(2));
  EXPECT_EQ(p.controleur.EtatReglages().ScoresQuestions, TScores(2));
}

TEST(ScoresAffiches, LesTextesDesDeuxDialogues) {
  TCatalogue catalogue;
  catalogue.Ajoute(2, 4);
  catalogue.Ajoute(1, 0);
  catalogue.Ajoute(3, 11);
  TScores jeu(3);
  TScores questions(3);
  jeu[1] = 100;
  jeu[3] = 87;
  questions[3] = 70;
  const TScoresAffiches s = ScoresAffiches(jeu, questions, catalogue);
  EXPECT_EQ(s.ScoreJeu, "93 %");
  EXPECT_EQ(s.ScoreQuestions, "70 %");
  EXPECT_EQ(s.DonnesJouees, "2");
  ASSERT_EQ(s.Lignes.size(), 3u);
  EXPECT_EQ(s.Lignes[0], (std::array<std::string, 5>{"Donne 1", "Prendre ou laisser-passer", "2", "100", "—"}));
  EXPECT_EQ(s.Lignes[1], (std::array<std::string, 5>{"Donne 2", "—", "—", "—", "—"}));
  EXPECT_EQ(s.Lignes[2][4], "70");
  const TScoresAffiches vides = ScoresAffiches(TScores(3), TScores(3), catalogue);
  EXPECT_EQ(vides.ScoreJeu, "---");
  EXPECT_EQ(vides.Global, "—");
  EXPECT_EQ(vides.DonnesJouees, "0");
}

}  // namespace
}  // namespace kalvo::test
