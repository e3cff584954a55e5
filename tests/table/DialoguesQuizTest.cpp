// The quiz dialogs: captions, what they show, how they are answered, and
// that the choice dialogs cannot be left without a choice.
#include "EnvironnementQt.h"

#include "table/Carte1024.h"
#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/DialoguesQuiz.h"
#include "table/PCarteDlg.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"
#include "table/SaisieChiffres.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TQuestionPosee QuestionEntame() {
  TQuestionPosee q;
  q.Type = tqCarte;
  q.Titre = "Quelle a été l'entame ?";
  q.isEntame = true;
  q.Joueur = jrOuest;
  q.CarteAttendue = TCard{13, clCoeur};
  q.Carte = q.CarteAttendue;
  return q;
}

TQuestionPosee QuestionDejaVues() {
  TQuestionPosee q;
  q.Type = tqDejaVues;
  q.Titre = "Compte des cartes";
  q.Libelle1 = "Combien de cartes dans chaque couleur";
  q.Libelle2 = "Ouest avait-il au départ ?";
  q.Joueur = jrOuest;
  q.NbPropositions = 4;
  q.Repart = {{{2, 3, 5, 3}, {2, 3, 6, 2}, {3, 2, 5, 3}, {2, 4, 4, 3}}};
  q.PropositionAttendue = 0;
  return q;
}

TQuestionPosee QuestionRepartition(int propositions) {
  TQuestionPosee q;
  q.Type = tqRepartition;
  q.Titre = "Question répartition";
  q.Libelle1 = "Comment étaient partagés";
  q.Libelle2 = "les Piques ?";
  q.Couleur = clPique;
  q.repartReelle = {3, 2};
  q.NbPropositions = propositions;
  q.repartProp = {{{1, 4}, {2, 3}, {3, 2}, {4, 1}}};
  q.PropositionAttendue = 2;
  return q;
}

// Shown without a modal loop, so the test can press keys and buttons.
void Affiche(QDialog& dialogue) {
  dialogue.show();
  dialogue.activateWindow();
  QApplication::processEvents();
}

TEST(CarteDlg, BuildsTheCardFromTheSuitAndRankButtons) {
  TCarteDlg dlg;
  dlg.Prepare(QuestionEntame());
  Affiche(dlg);
  EXPECT_EQ(dlg.windowTitle(), "Quelle a été l'entame ?");
  EXPECT_EQ(dlg.Carte()->Value(), 52) << "the ace of spades first";
  EXPECT_EQ(dlg.coul(), clPique);
  EXPECT_EQ(dlg.haut(), 14);
  const std::array<const char*, 13> textes{"As", "Roi", "Dame", "Valet", "10", "9", "8",
                                           "7",  "6",   "5",    "4",     "3",  "2"};
  for (int h = 14; h >= 2; --h) EXPECT_EQ(dlg.BoutonHauteur(h)->text(), textes[static_cast<std::size_t>(14 - h)]);
  EXPECT_EQ(dlg.BoutonCouleur(clCoeur)->text(), "♥");

  dlg.BoutonCouleur(clCoeur)->click();
  EXPECT_EQ(dlg.Carte()->Value(), IndexCarte(TCard{14, clCoeur}));
  dlg.BoutonHauteur(13)->click();
  EXPECT_EQ(dlg.Carte()->Value(), IndexCarte(TCard{13, clCoeur}));
  EXPECT_EQ(dlg.focusWidget(), dlg.BoutonOk()) << "each choice gives the focus to OK";
  EXPECT_EQ(dlg.Reponse().Carte, (TCard{13, clCoeur}));

  // Escape does not end the question; OK does.
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  dlg.BoutonOk()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);

  // Shown again for a discard: back to the ace of spades.
  TQuestionPosee defausse = QuestionEntame();
  defausse.Titre = "Quelle a été la première défausse d'Est ?";
  defausse.isEntame = false;
  defausse.Joueur = jrEst;
  dlg.Prepare(defausse);
  EXPECT_EQ(dlg.windowTitle(), "Quelle a été la première défausse d'Est ?");
  EXPECT_EQ(dlg.Carte()->Value(), 52);
  EXPECT_EQ(dlg.QJoueur(), jrEst);
  EXPECT_FALSE(dlg.isEntame());
}

TEST(SaisieChiffres, DigitsOnly) {
  TSaisieChiffres champ(2);
  champ.clear();
  QTest::keyClicks(&champ, "a-1 x2");
  EXPECT_EQ(champ.text(), "12");
  EXPECT_EQ(champ.Value(), 12);
  QTest::keyClicks(&champ, "7");
  EXPECT_EQ(champ.text(), "12") << "two digits at most";
  champ.clear();
  EXPECT_EQ(champ.Value(), 0);
  EXPECT_EQ(champ.text(), "0") << "an empty field reads, and then shows, 0";
}

TEST(QuestionNombreDlg, PointsAnsweredWithEnter) {
  TPointsDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "Question points");
  TQuestionPosee q;
  q.Type = tqPoints;
  q.Libelle1 = "Combien de points";
  q.Libelle2 = "Ouest a-t-il montrés ?";
  q.Joueur = jrOuest;
  q.isPlayed = true;
  std::optional<TReponseQuestion> reponse;
  QTimer::singleShot(0, &dlg, [&] {
    EXPECT_EQ(dlg.Nombre()->text(), "0");
    EXPECT_EQ(dlg.Nombre()->selectedText(), "0") << "the field starts at 0, selected";
    EXPECT_EQ(dlg.focusWidget(), dlg.Nombre());
    QTest::keyClicks(dlg.Nombre(), "12");
    QTest::keyClick(dlg.Nombre(), Qt::Key_Return);
  });
  reponse = dlg.Pose(q);
  ASSERT_TRUE(reponse);
  EXPECT_EQ(reponse->Nombre, 12);
  EXPECT_EQ(dlg.Label1()->text(), "Combien de points");
  EXPECT_EQ(dlg.Label2()->text(), "Ouest a-t-il montrés ?");
  EXPECT_TRUE(dlg.isPlayed());

  TJ4MQ4 cartes;
  EXPECT_EQ(cartes.windowTitle(), "Question nombre de cartes");
}

TEST(DejaVuesDlg, CannotCloseWithoutAChoiceAndEnterDoesNotClose) {
  TDejaVuesDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "Compte des cartes");
  dlg.Prepare(QuestionDejaVues());
  Affiche(dlg);
  EXPECT_EQ(dlg.Question()->text(), "Combien de cartes dans chaque couleur");
  EXPECT_EQ(dlg.Enonce()->text(), "Ouest avait-il au départ ?");
  EXPECT_EQ(dlg.R(1, clTrefle)->text(), "2");
  EXPECT_EQ(dlg.R(1, clCarreau)->text(), "3");
  EXPECT_EQ(dlg.R(1, clCoeur)->text(), "6");
  EXPECT_EQ(dlg.Choix(), -1);
  EXPECT_FALSE(dlg.BoutonOk()->isEnabled());

  QTest::keyClick(&dlg, Qt::Key_Escape);
  dlg.close();
  dlg.BoutonOk()->click();
  EXPECT_TRUE(dlg.isVisible()) << "no choice yet: nothing closes it";

  dlg.Radio(3)->click();
  EXPECT_TRUE(dlg.BoutonOk()->isEnabled());
  QTest::keyClick(&dlg, Qt::Key_Return);
  EXPECT_TRUE(dlg.isVisible()) << "Enter keeps the choice without closing";
  EXPECT_EQ(dlg.Choix(), 3);
  dlg.close();
  EXPECT_TRUE(dlg.isVisible()) << "only OK closes it";
  dlg.BoutonOk()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.Reponse().Proposition, 3);

  // Shown again: no column chosen.
  dlg.Prepare(QuestionDejaVues());
  EXPECT_EQ(dlg.Choix(), -1);
  EXPECT_FALSE(dlg.BoutonOk()->isEnabled());
}

TEST(PCarteDlg, ShowsTheCardAndWaitsForASeat) {
  TPCarteDlg dlg;
  TQuestionPosee q;
  q.Type = tqPCarte;
  q.Titre = "Qui possédait cette carte ?";
  q.Carte = TCard{12, clCarreau};
  dlg.Prepare(q);
  Affiche(dlg);
  EXPECT_EQ(dlg.windowTitle(), "Qui possédait cette carte ?");
  EXPECT_EQ(dlg.CarteMontree()->Value(), IndexCarte(q.Carte));
  for (TJoueur j : TousLesJoueurs) EXPECT_EQ(dlg.Radio(j)->text().toStdString(), NomsJoueurs[j]);
  dlg.BoutonOk()->click();
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  dlg.Radio(jrEst)->click();
  dlg.BoutonOk()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.Reponse().Joueur, jrEst);
}

TEST(RepartitionDlg, ItemsOfTheRadioGroup) {
  TRepartitionDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "Question répartition");
  EXPECT_EQ(dlg.Groupe()->title(), "Ouest-Est");
  dlg.Prepare(QuestionRepartition(4));
  Affiche(dlg);
  EXPECT_EQ(dlg.Label()->text(), "Comment étaient partagés");
  EXPECT_EQ(dlg.LabelCouleur()->text(), "les Piques ?");
  EXPECT_EQ(dlg.Item(0)->text(), "  1  -  4");
  EXPECT_EQ(dlg.Item(3)->text(), "  4  -  1");
  EXPECT_EQ(dlg.repartReelle(), (std::array<int, 2>{3, 2}));
  dlg.BoutonOk()->click();
  EXPECT_TRUE(dlg.isVisible());
  dlg.Item(2)->click();
  dlg.BoutonOk()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.Reponse().Proposition, 2);

  // Two cards between the defenders: three divisions, the fourth item hidden.
  dlg.Prepare(QuestionRepartition(3));
  Affiche(dlg);
  EXPECT_TRUE(dlg.Item(2)->isVisible());
  EXPECT_FALSE(dlg.Item(3)->isVisible());
  EXPECT_EQ(dlg.Choix(), -1);
  dlg.Item(0)->click();
  dlg.BoutonOk()->click();
}

TEST(ReponseAttendue, LaidOutByTheLabelsAndClosedByAnyKey) {
  TReponseAttendue dlg;
  EXPECT_EQ(dlg.windowTitle(), "Mauvaise réponse");
  dlg.Prepare({"L'entame était : ", "Roi de Cœur"}, 1024);
  Affiche(dlg);
  EXPECT_EQ(dlg.LEnonce()->x(), 8);
  EXPECT_EQ(dlg.LReponse()->x(), 8 + dlg.LEnonce()->width() + 2);
  EXPECT_EQ(dlg.width(), dlg.LEnonce()->width() + dlg.LReponse()->width() + 20);
  EXPECT_EQ(dlg.Bouton()->x(), (dlg.width() - dlg.Bouton()->width()) / 2);
  EXPECT_EQ(dlg.Bouton()->y(), dlg.height() - 31);
  EXPECT_EQ(dlg.x(), (1024 - dlg.width()) / 2);
  EXPECT_EQ(dlg.LReponse()->text(), "Roi de Cœur");
  QTest::keyClick(&dlg, Qt::Key_A);
  EXPECT_FALSE(dlg.isVisible());

  // The division kind has no lead-in: the whole text is the answer.
  dlg.Prepare({"", "La réponse attendue était : 3-2"}, 1280);
  EXPECT_EQ(dlg.width(), dlg.LReponse()->width() + 20);
  EXPECT_EQ(dlg.LReponse()->x(), 10);
  Affiche(dlg);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(DialoguesQuiz, PoseShowsTheDialogOfTheKindAndReturnsTheAnswer) {
  QWidget fenetre;
  TDialoguesQuiz quiz(&fenetre);
  // A division question answered with the first proposal: only its dialog opens.
  std::vector<QString> titres;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<TRepartitionDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    titres.push_back(dlg->windowTitle());
    dlg->Item(0)->click();
    dlg->BoutonOk()->click();
  });
  const std::optional<TReponseQuestion> repartition = quiz.Pose(QuestionRepartition(4));
  ASSERT_TRUE(repartition);
  EXPECT_EQ(repartition->Proposition, 0);
  EXPECT_EQ(titres, (std::vector<QString>{"Question répartition"}));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  QTimer::singleShot(0, [&] {
    quiz.CarteDlg()->BoutonCouleur(clCoeur)->click();
    quiz.CarteDlg()->BoutonHauteur(13)->click();
    quiz.CarteDlg()->BoutonOk()->click();
  });
  const std::optional<TReponseQuestion> carte = quiz.Pose(QuestionEntame());
  ASSERT_TRUE(carte);
  EXPECT_EQ(carte->Carte, (TCard{13, clCoeur}));
  EXPECT_EQ(quiz.CarteDlg()->parentWidget(), &fenetre);
}

}  // namespace
}  // namespace kalvo
