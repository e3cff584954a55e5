// The user's refused cards: what they cost, how they are told, and where
// the marks are kept.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;

// Trick 1 of the demo hands with the ♥7 of North and the ♥6 of South in no
// line and South's ♥A a foreseen error; North's ♥4 costs a built-in 71.
TFabriqueDonne DonneErreurs(std::string_view nord = "N:H4") {
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Commentaire(1, 40, "Laissez passer.");
  f.Levee(1, jrOuest, 2, std::string("O:HK E:H2 ") + std::string(nord) + " S:H3,HA=1");
  f.Levee(2, jrOuest, 3, "O:** E:** N:** S:**");
  return f;
}

class ErreursTest : public ::testing::Test {
 protected:
  TBaseDeTest base;
};

TEST_F(ErreursTest, HorsLigneUneFoisDeSuiteErreurPrevueEtNoteJamaisNegative) {
  TFabriqueDonne f = DonneErreurs();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("H7");
  p.Joue("H7");
  p.Joue("H4");
  p.Joue("HA");
  p.Joue("HA");
  p.Joue("H6");
  EXPECT_EQ(p.Etat().Notation, 0);  // 100 - 50 - 40 - 50
  p.Joue("H3");
  EXPECT_THAT(p.journal.Filtre("refus"), ElementsAre("refus N H7 49 50 bip", "refus N H7 49 0 bip",
                                                     "refus S HA 1 40 commentaire", "refus S HA 1 0 commentaire",
                                                     "refus S H6 49 10 bip"));
  EXPECT_THAT(p.ecran.Commentaires, ElementsAre("Laissez passer.", "Laissez passer."));
  EXPECT_EQ(p.ecran.Bips, 3);
  EXPECT_EQ(p.Etat().LastErreur, 0);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], 0);
  EXPECT_TRUE(p.Etat().LeveeComplete);
}

TEST_F(ErreursTest, MessageIntegreDansLAvertissement) {
  TFabriqueDonne f = DonneErreurs("N:H4=71,H7");
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("H4");
  EXPECT_THAT(p.ecran.Messages, ElementsAre("Vous allez chuter !"));
  EXPECT_EQ(p.Etat().Notation, 60);
}

TEST_F(ErreursTest, SansCommentairesUnBipEtLesPointsQuandMeme) {
  TFabriqueDonne f = DonneErreurs();
  base.Ecrit(f);
  TPartieDeTest p(base, "ErreursComments=0\r\n");
  p.Demarre();
  p.Joue("H4");
  p.Joue("HA");
  EXPECT_TRUE(p.ecran.Commentaires.empty());
  EXPECT_EQ(p.ecran.Bips, 1);
  EXPECT_EQ(p.Etat().Notation, 60);
  EXPECT_THAT(p.journal.Filtre("refus"), ElementsAre("refus S HA 1 40 bip"));
}

TEST_F(ErreursTest, NotationCoupeeRienNEstGarde) {
  TFabriqueDonne f = DonneErreurs();
  TQuestion q;
  q.NumLevee = 1;
  q.Penalite = 10;
  q.TypeQuestion = tqRepartition;
  q.Joueur = jrOuest;
  q.Couleur = clCoeur;
  f.Question(1, q);
  base.Ecrit(f);
  TPartieDeTest p(base, "Notation=0\r\n");
  p.Demarre();
  EXPECT_FALSE(p.ecran.MarquesVisibles.Jeu);
  EXPECT_FALSE(p.ecran.MarquesVisibles.Questions);
  p.Joue("H4");
  p.Joue("HA");
  p.Joue("H3");
  EXPECT_EQ(p.Etat().Notation, 60);
  EXPECT_EQ(p.journal.Filtre("question").size(), 1u);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresJeu[1], -1);
  EXPECT_EQ(p.controleur.EtatReglages().ScoresQuestions[1], -1);
}

// A question whose data is damaged is told when the deal is read and never
// asked, like one aimed at a trick that does not exist.
TEST_F(ErreursTest, QuestionAbimeeSignaleeEtJamaisPosee) {
  TFabriqueDonne f = DonneErreurs();
  TQuestion q;
  q.NumLevee = 1;
  q.Penalite = 10;
  q.TypeQuestion = tqRepartition;
  q.Couleur = 7;
  f.Question(1, q);
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  EXPECT_THAT(p.ecran.Erreurs,
              ElementsAre("Donne 1 : la question 1 est abîmée (couleur 7 hors des limites (0 à 3)) : elle est ignorée."));
  p.Joue("H4");
  p.Joue("H3");
  EXPECT_TRUE(p.journal.Filtre("question").empty());
  EXPECT_EQ(p.Etat().NoteQuestions, 100);
}

TEST_F(ErreursTest, QuestionDeLaLeveeBonneOuFausse) {
  TFabriqueDonne f = DonneErreurs();
  TQuestion q;
  q.NumLevee = 1;
  q.Penalite = 10;
  q.TypeQuestion = tqRepartition;
  q.Joueur = jrOuest;
  q.Couleur = clCoeur;
  f.Question(1, q);
  base.Ecrit(f);
  {
    TPartieDeTest p(base);
    p.ecran.RepondQuestion = [](const TQuestionPosee& question) {
      TReponseQuestion r;
      r.Proposition = question.PropositionAttendue == 0 ? 1 : 0;
      return r;
    };
    p.Demarre();
    p.Joue("H4");
    p.Joue("H3");
    EXPECT_THAT(p.journal.Filtre("question"), ElementsAre("question 1 fausse 10"));
    EXPECT_EQ(p.ecran.Compte("MontreReponseAttendue La réponse attendue était : 5-3"), 1);
    EXPECT_EQ(p.Etat().NoteQuestions, 90);
    EXPECT_EQ(p.controleur.EtatReglages().ScoresQuestions[1], 90);
    EXPECT_TRUE(p.ecran.MarquesVisibles.Questions);
  }
  {
    TPartieDeTest p(base);
    p.ecran.RepondQuestion = [](const TQuestionPosee& question) {
      TReponseQuestion r;
      r.Proposition = question.PropositionAttendue;
      return r;
    };
    p.Demarre();
    p.Joue("H4");
    p.Joue("H3");
    EXPECT_THAT(p.journal.Filtre("question"), ElementsAre("question 1 bonne 0"));
    EXPECT_EQ(p.controleur.EtatReglages().ScoresQuestions[1], 100);
  }
  {
    TPartieDeTest p(base, "Questions=0\r\n");
    p.Demarre();
    p.Joue("H4");
    p.Joue("H3");
    EXPECT_TRUE(p.journal.Filtre("question").empty());
    EXPECT_FALSE(p.ecran.MarquesVisibles.Questions);
  }
}

TEST_F(ErreursTest, AucuneCarteAdmiseLaCarteCliqueePasseSansFrais) {
  // The script wants a club from South, who must follow in hearts.
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4,H7 S:C*");
  f.Levee(2, jrOuest, 3, "O:** E:** N:** S:**");
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("H4");
  p.Joue("H6");
  EXPECT_THAT(p.journal.Filtre("sans_issue"), ElementsAre("sans_issue S H6"));
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_EQ(p.Etat().Notation, 100);
  EXPECT_TRUE(p.Etat().LeveeComplete);
}

TEST_F(ErreursTest, FournirEstObligatoireSansRienCouter) {
  TFabriqueDonne f = DonneErreurs();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("D2");   // North is not to play
  p.Joue("C5");   // North holds hearts
  p.controleur.JeuMouseDown(jrNord, 0, false);  // no card under the pointer
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_EQ(p.Etat().Notation, 100);
  EXPECT_EQ(p.ecran.Bips, 0);
  EXPECT_TRUE(p.Etat().OnTable[jrNord].EstVide());
  EXPECT_FALSE(p.Etat().BoutonGaucheDown);
}

TEST_F(ErreursTest, CompteurDecompteDansLaDonneEtRestaureAuRejeu) {
  TFabriqueDonne f(MainsDemo, "3SA");
  f.Donne().SetCompteur(1, clCoeur, TCompteur{1, 2, {RangQuelconque}});
  f.Commentaire(2, 30, "Plus de Cœur.");
  f.Levee(1, jrOuest, 2, "O:HK E:H2 N:128/1 S:H3");
  f.Levee(2, jrOuest, 3, "O:HQ E:H8 N:128/1 S:H6");
  f.Levee(3, jrOuest, 4, "O:** E:** N:** S:**");
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.ecran.ChoisitFinDonne = [] { return ActionRejouer; };
  p.Demarre();
  p.Joue("H4");
  EXPECT_EQ(p.controleur.Donne().Donne.Compteur(1, clCoeur).Reste, 0);
  p.Joue("H3");
  p.Clic();
  // The counter is spent, but the ♥7 is the only card North may play.
  p.Joue("H7");
  EXPECT_TRUE(p.journal.Filtre("refus").empty());
  EXPECT_THAT(p.journal.Filtre("sans_issue"), ElementsAre("sans_issue N H7"));
  // Replayed: the deal is read again, the counter with it.
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  p.ecran.TraiteMessages(p.controleur);
  EXPECT_TRUE(p.Etat().InJeu);
  EXPECT_EQ(p.controleur.Donne().Donne.Compteur(1, clCoeur).Reste, 1);
}

}  // namespace
}  // namespace kalvo::test
