#include "table/AboutBox.h"
#include "table/Aide.h"
#include "table/Carte1024.h"
#include "table/DelaiDlg.h"
#include "table/FDispJeux.h"
#include "table/GroupeRadio.h"
#include "table/ReglagesDlg.h"
#include "model/BridgeTypes.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kalvo {
namespace {

// Runs `action` on the modal dialog that the next call opens.
void DansLeProchainDialogue(std::function<void(QDialog&)> action) {
  QTimer::singleShot(0, [action] {
    auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialogue, nullptr);
    action(*dialogue);
  });
}

struct Dialogues {
  TDelaiDlg Delai;
  TDelaiCartesDlg DelaiCartes;
  TFDispJeux DispJeux;
  TAboutBox Infos;
  TAide Aide;
  TReglagesDlg Reglages;
  TReglages R;
  Dialogues() {
    Reglages.SetReglages(&R);
    Reglages.SetDialogues({&Delai, &DelaiCartes, &DispJeux, &Infos, &Aide});
  }
};

TEST(TReglagesDlg, ChaqueControleASaPlaceEtSonTexte) {
  TReglagesDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Reglages"));
  EXPECT_EQ(dlg.size(), QSize(889, 504));
  EXPECT_EQ(dlg.Panel1->geometry(), QRect(11, 12, 866, 385));
  EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Réglages"));
  EXPECT_EQ(dlg.Label1->pos(), QPoint(8, 4));
  const std::vector<std::pair<QCheckBox*, QString>> cases{
      {dlg.EWvisibles, "Est/Ouest visibles"}, {dlg.isQuestions, "Questions"},
      {dlg.ErreursCommentees, "Erreurs commentées"}, {dlg.isBids, "Enchères \"comme à la table\""},
      {dlg.isTheme, "Connaître le thème"}, {dlg.isForce, "Connaître la force"},
      {dlg.isCompteur, "Compteur de levées"}, {dlg.ModeNotation, "Notation"}};
  int haut = 32;
  for (const auto& [c, texte] : cases) {
    EXPECT_EQ(c->text(), texte);
    EXPECT_EQ(c->pos(), QPoint(8, haut));
    EXPECT_EQ(c->font().pixelSize(), 19);
    haut += 28;
  }
  EXPECT_EQ(dlg.BAspectMains->geometry(), QRect(18, 263, 270, 32));
  EXPECT_EQ(dlg.BVitesseBids->geometry(), QRect(18, 301, 270, 32));
  EXPECT_EQ(dlg.BVitesseCartes->geometry(), QRect(18, 339, 270, 32));
  EXPECT_EQ(dlg.BAspectMains->text(), QStringLiteral("Aspect des mains"));
  EXPECT_EQ(dlg.BVitesseBids->text(), QStringLiteral("Vitesse des enchères"));
  EXPECT_EQ(dlg.BVitesseCartes->text(), QStringLiteral("Vitesse des cartes"));
  EXPECT_EQ(dlg.OrdreDonnes->geometry(), QRect(328, 34, 345, 77));
  EXPECT_EQ(dlg.OrdreDonnes->title(), QStringLiteral("Donnes en ordre..."));
  EXPECT_EQ(dlg.OrdreDonnes->Bouton(1)->text(), QStringLiteral("Aléatoire"));
  EXPECT_EQ(dlg.TypeDonnes->geometry(), QRect(328, 122, 525, 235));
  EXPECT_EQ(dlg.TypeDonnes->NombreItems(), 4);
  EXPECT_EQ(dlg.TypeDonnes->Bouton(3)->text(), QStringLiteral("Déjà jouées de score inférieur à"));
  // The lists stand inside the group, at their places in the panel, each
  // beside its item.
  const auto dansPanneau = [&](QWidget* w) { return w->mapTo(dlg.Panel1, QPoint(0, 0)); };
  EXPECT_EQ(dansPanneau(dlg.CBThemes), QPoint(500, 208));
  EXPECT_EQ(dansPanneau(dlg.CBForces), QPoint(780, 261));
  EXPECT_EQ(dansPanneau(dlg.CBScores), QPoint(780, 310));
  EXPECT_EQ(dlg.CBThemes->width(), 345);
  EXPECT_EQ(dlg.CBForces->width(), 65);
  for (auto [liste, item] : {std::pair{dlg.CBThemes, 1}, {dlg.CBForces, 2}, {dlg.CBScores, 3}}) {
    const QRect bouton = dlg.TypeDonnes->Bouton(item)->geometry();
    EXPECT_NEAR(liste->geometry().center().y(), bouton.center().y(), 6) << item;
  }
  EXPECT_EQ(dlg.CBForces->count(), 9);
  EXPECT_EQ(dlg.CBForces->itemText(4), QStringLiteral("> 1"));
  EXPECT_EQ(dlg.CBScores->itemText(0), QStringLiteral("100"));
  EXPECT_EQ(dlg.CBScores->itemText(9), QStringLiteral("10"));
  EXPECT_EQ(dlg.CBThemes->itemText(0), QStringLiteral("Compter les gagnantes"));
  EXPECT_EQ(dlg.Panel2->geometry(), QRect(12, 403, 865, 50));
  EXPECT_EQ(dlg.BAide->geometry(), QRect(312, 9, 240, 32));
  EXPECT_EQ(dlg.BInfos->geometry(), QRect(604, 9, 240, 32));
  EXPECT_EQ(dlg.BInfos->text(), QStringLiteral("Informations"));
  EXPECT_EQ(dlg.BOk->geometry(), QRect(282, 464, 325, 32));
}

TEST(TReglagesDlg, LActivationMontreLesReglagesEtOkLesRend) {
  Dialogues d;
  d.R.QuatreJeux = true;
  d.R.Questions = false;
  d.R.Ordre = 1;
  d.R.Aleatoire = true;
  d.R.TypeDonnes = 2;
  d.R.NumeroTheme = 5;
  d.R.ForceChoisie = 3;
  d.R.ScoreInferieurA = 70;
  d.Reglages.open();
  EXPECT_TRUE(d.Reglages.EWvisibles->isChecked());
  EXPECT_FALSE(d.Reglages.isQuestions->isChecked());
  EXPECT_TRUE(d.Reglages.ModeNotation->isChecked());
  EXPECT_EQ(d.Reglages.OrdreDonnes->ItemIndex(), 1);
  // The kind of deals shows with its lists, each value at its place.
  EXPECT_TRUE(d.Reglages.TypeDonnes->isEnabled());
  EXPECT_EQ(d.Reglages.TypeDonnes->ItemIndex(), 2);
  EXPECT_EQ(d.Reglages.CBThemes->currentText(), QString::fromUtf8(NomsThemes[5]));
  EXPECT_EQ(d.Reglages.CBForces->currentText(), QStringLiteral("4"));
  EXPECT_EQ(d.Reglages.CBScores->currentText(), QStringLiteral("70"));

  d.Reglages.EWvisibles->setChecked(false);
  d.Reglages.isBids->setChecked(false);
  d.Reglages.isCompteur->setChecked(false);
  d.Reglages.OrdreDonnes->Bouton(0)->click();
  QTest::mouseClick(d.Reglages.BOk, Qt::LeftButton);
  EXPECT_FALSE(d.Reglages.isVisible());
  EXPECT_EQ(d.Reglages.result(), QDialog::Accepted);
  EXPECT_FALSE(d.R.QuatreJeux);
  EXPECT_FALSE(d.R.Encheres);
  EXPECT_FALSE(d.R.CompteLevees);
  EXPECT_FALSE(d.R.Questions);
  EXPECT_TRUE(d.R.Notation);
  EXPECT_EQ(d.R.Ordre, 0);
  EXPECT_FALSE(d.R.Aleatoire);
  // Ok keeps the kind chosen with its value and clears the others.
  EXPECT_EQ(d.R.TypeDonnes, 2);
  EXPECT_EQ(d.R.NumeroTheme, 0);
  EXPECT_EQ(d.R.ForceChoisie, 3);
  EXPECT_EQ(d.R.ScoreInferieurA, -1);

  // The user picks "à revoir" below 40: the threshold is written.
  d.Reglages.open();
  d.Reglages.TypeDonnes->Bouton(3)->click();
  d.Reglages.CBScores->setCurrentIndex(6);
  d.Reglages.BokClick();
  EXPECT_EQ(d.R.TypeDonnes, 3);
  EXPECT_EQ(d.R.ScoreInferieurA, 40);
  EXPECT_EQ(d.R.ForceChoisie, -1);

  d.Reglages.open();
  d.Reglages.OrdreDonnes->Bouton(1)->click();
  d.Reglages.BokClick();
  EXPECT_EQ(d.R.Ordre, 1);
  EXPECT_TRUE(d.R.Aleatoire);
}

// A kind whose value the settings lack (an older file, a hand edit) is not
// written back as a filter no deal meets: Ok gives no restriction.
TEST(TReglagesDlg, OkNeLaissePasDeFiltreSansValeur) {
  Dialogues d;
  d.R.TypeDonnes = 1;
  d.R.NumeroTheme = 0;
  d.Reglages.open();
  EXPECT_EQ(d.Reglages.TypeDonnes->ItemIndex(), 1);
  EXPECT_EQ(d.Reglages.CBThemes->currentIndex(), -1);
  d.Reglages.BokClick();
  EXPECT_EQ(d.R.TypeDonnes, 0);
  EXPECT_EQ(d.R.NumeroTheme, 0);

  d.R.TypeDonnes = 3;
  d.R.ScoreInferieurA = -1;
  d.Reglages.open();
  d.Reglages.BokClick();
  EXPECT_EQ(d.R.TypeDonnes, 0);
  EXPECT_EQ(d.R.ScoreInferieurA, -1);
}

TEST(TReglagesDlg, FermerSansOkGardeLesCasesMaisPasLesSousDialogues) {
  Dialogues d;
  const TReglages avant = d.R;
  d.Reglages.open();
  d.Reglages.ErreursCommentees->setChecked(false);
  d.Reglages.isTheme->setChecked(false);
  d.Reglages.OrdreDonnes->Bouton(1)->click();

  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& delai = dynamic_cast<TDelaiDlg&>(dialogue);
    EXPECT_EQ(delai.Position(), 2);
    delai.TrackBar->setValue(7);
    QTest::mouseClick(delai.OkBtn, Qt::LeftButton);
  });
  d.Reglages.BVitesseBids->click();
  EXPECT_EQ(d.R.Vitesse, 7);

  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& disp = dynamic_cast<TFDispJeux&>(dialogue);
    EXPECT_TRUE(disp.RBS2->isChecked());
    EXPECT_TRUE(disp.RBN2->isChecked());
    EXPECT_TRUE(disp.RBCarteA->isChecked());
    disp.RBS1->click();
    disp.RBCarteC->click();
    disp.reject();  // the close box
  });
  d.Reglages.BAspectMains->click();
  EXPECT_TRUE(d.R.DispoSud);
  EXPECT_FALSE(d.R.DispoNord);
  EXPECT_EQ(d.R.SetCartes, 3);

  d.Reglages.reject();
  EXPECT_EQ(d.R.ErreursComments, avant.ErreursComments);
  EXPECT_EQ(d.R.Themes, avant.Themes);
  EXPECT_EQ(d.R.Ordre, avant.Ordre);
  EXPECT_EQ(d.R.Aleatoire, avant.Aleatoire);
  EXPECT_EQ(d.R.ForceChoisie, avant.ForceChoisie);
  EXPECT_EQ(d.R.Vitesse, 7);
  EXPECT_TRUE(d.R.DispoSud);
  EXPECT_EQ(d.R.SetCartes, 3);

  // Reopened, the dialog shows the settings again, not what was left in it.
  d.Reglages.open();
  EXPECT_TRUE(d.Reglages.ErreursCommentees->isChecked());
  EXPECT_EQ(d.Reglages.OrdreDonnes->ItemIndex(), 0);
  d.Reglages.reject();
}

TEST(TReglagesDlg, VitessesEnregistreesSeulementSurOk) {
  Dialogues d;
  d.R.Cartes = 4;
  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& delai = dynamic_cast<TDelaiCartesDlg&>(dialogue);
    EXPECT_EQ(delai.Position(), 4);
    delai.TrackBar->setValue(9);
    delai.reject();
  });
  d.Reglages.BVitesseCartes->click();
  EXPECT_EQ(d.R.Cartes, 4);

  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& delai = dynamic_cast<TDelaiCartesDlg&>(dialogue);
    delai.TrackBar->setValue(0);
    QTest::keyClick(&delai, Qt::Key_Return);
  });
  d.Reglages.BVitesseCartes->click();
  EXPECT_EQ(d.R.Cartes, 0);

  // A speed out of range shows at the end of the bar.
  d.R.Vitesse = 25;
  DansLeProchainDialogue([](QDialog& dialogue) {
    EXPECT_EQ(dynamic_cast<TDelaiDlg&>(dialogue).Position(), 10);
    dialogue.reject();
  });
  d.Reglages.BVitesseBids->click();
  EXPECT_EQ(d.R.Vitesse, 25);
}

TEST(TReglagesDlg, AspectDesMainsSansJeuChoisi) {
  Dialogues d;
  d.R.DispoNord = true;
  d.R.SetCartes = 7;  // no button for it
  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& disp = dynamic_cast<TFDispJeux&>(dialogue);
    EXPECT_TRUE(disp.RBN1->isChecked());
    EXPECT_EQ(disp.SetCartesChoisi(), 0);
    QTest::mouseClick(disp.BOk, Qt::LeftButton);
  });
  d.Reglages.BAspectMains->click();
  EXPECT_TRUE(d.R.DispoNord);
  EXPECT_EQ(d.R.SetCartes, 1);
}

TEST(TReglagesDlg, AideEtInformations) {
  Dialogues d;
  d.Reglages.open();
  DansLeProchainDialogue([](QDialog& dialogue) {
    auto& infos = dynamic_cast<TAboutBox&>(dialogue);
    EXPECT_EQ(infos.windowTitle(), QStringLiteral("Information produit"));
    infos.accept();
  });
  d.Reglages.BInfos->click();

  d.Reglages.BAide->click();
  EXPECT_TRUE(d.Aide.isVisible());
  EXPECT_EQ(d.Aide.windowModality(), Qt::ApplicationModal);
  d.Aide.close();
  d.Reglages.reject();

  // Without a record or dialogs, the buttons do nothing.
  TReglagesDlg seul;
  seul.open();
  seul.BVitesseBids->click();
  seul.BAspectMains->click();
  seul.BAide->click();
  seul.BokClick();
  EXPECT_FALSE(seul.isVisible());
}

TEST(TDelaiDlg, TitresEtGraduations) {
  TDelaiDlg bids;
  EXPECT_EQ(bids.windowTitle(), QStringLiteral("Vitesse d'affichage des enchères"));
  EXPECT_EQ(bids.size(), QSize(320, 140));
  EXPECT_EQ(bids.TrackBar->geometry(), QRect(16, 24, 289, 41));
  EXPECT_EQ(bids.TrackBar->maximum(), 10);
  ASSERT_EQ(bids.Graduations.size(), 6u);
  const std::array<int, 6> gauches{25, 78, 130, 182, 236, 288};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(bids.Graduations[i]->text(), QString::number(i));
    EXPECT_EQ(bids.Graduations[i]->pos(), QPoint(gauches[i], 68));
  }
  EXPECT_EQ(bids.Graduations[0]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_TRUE(bids.Graduations[0]->font().bold());
  EXPECT_EQ(bids.OkBtn->geometry(), QRect(79, 103, 162, 29));

  TDelaiCartesDlg cartes;
  EXPECT_EQ(cartes.windowTitle(), QStringLiteral("Vitesse d'apparition des cartes"));
  ASSERT_EQ(cartes.Graduations.size(), 3u);
  EXPECT_EQ(cartes.Graduations[1]->text(), QStringLiteral("0.5"));
  EXPECT_EQ(cartes.Graduations[1]->x(), 150);
  EXPECT_EQ(cartes.Graduations[2]->x(), 286);
}

TEST(TFDispJeux, CartesExemplesEtGroupes) {
  TFDispJeux dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Présentation des jeux"));
  EXPECT_EQ(dlg.size(), QSize(762, 363));
  EXPECT_EQ(dlg.GBNord->title(), QStringLiteral("Main du mort"));
  EXPECT_EQ(dlg.GBSud->title(), QStringLiteral("Main du déclarant"));
  EXPECT_EQ(dlg.GBCarte->title(), QStringLiteral("Cartes"));
  EXPECT_EQ(dlg.GBNord->geometry(), QRect(12, 14, 169, 341));
  EXPECT_EQ(dlg.GBSud->geometry(), QRect(187, 14, 190, 261));
  EXPECT_EQ(dlg.GBCarte->geometry(), QRect(383, 14, 368, 261));
  EXPECT_EQ(dlg.GBNord->palette().color(QPalette::Window), QColor(152, 187, 152));
  EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(128, 0, 0));
  EXPECT_EQ(dlg.font().pixelSize(), 16);
  EXPECT_EQ(dlg.Cart[0]->parentWidget(), dlg.GBNord);
  EXPECT_EQ(dlg.Cart[2]->pos(), QPoint(64, 60));
  EXPECT_EQ(dlg.Cart[5]->pos(), QPoint(28, 226));
  EXPECT_EQ(dlg.Cart[0]->Value(), 13);
  EXPECT_EQ(dlg.Cart[6]->parentWidget(), dlg.GBSud);
  EXPECT_EQ(dlg.Cart[8]->pos(), QPoint(64, 28));
  EXPECT_EQ(dlg.Cart[11]->pos(), QPoint(64, 152));
  EXPECT_EQ(dlg.Cart[11]->Value(), 24);
  for (TCarte1024* c : dlg.Cart) EXPECT_EQ(c->SetCartes(), 1);
  EXPECT_EQ(dlg.CarteA->SetCartes(), 1);
  EXPECT_EQ(dlg.CarteB->SetCartes(), 2);
  EXPECT_EQ(dlg.CarteC->SetCartes(), 3);
  EXPECT_EQ(dlg.CarteC->Value(), 38);
  EXPECT_EQ(dlg.CarteC->pos(), QPoint(200, 48));
  EXPECT_EQ(dlg.RBN1->pos(), QPoint(12, 76));
  EXPECT_EQ(dlg.RBCarteC->pos(), QPoint(258, 24));
  EXPECT_EQ(dlg.BOk->geometry(), QRect(426, 312, 325, 35));
  // Each group's buttons exclude each other only.
  dlg.RBN1->click();
  dlg.RBS2->click();
  dlg.RBCarteB->click();
  EXPECT_TRUE(dlg.RBN1->isChecked());
  EXPECT_TRUE(dlg.RBS2->isChecked());
  EXPECT_EQ(dlg.SetCartesChoisi(), 2);
  dlg.ChoisitSetCartes(0);
  EXPECT_EQ(dlg.SetCartesChoisi(), 0);
  EXPECT_TRUE(dlg.RBN1->isChecked());
}

}  // namespace
}  // namespace kalvo
