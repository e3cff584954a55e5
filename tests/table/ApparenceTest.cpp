// The two looks of the settings: "Grandes cartes" and "Contraste élevé", on
// the table and in the settings dialog.
#include "FenetreDeTest.h"

#include "table/Carte1024.h"
#include "table/JeuDeCartes.h"
#include "table/Jeu1024.h"
#include "table/Palette.h"
#include "table/ReglagesDlg.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

#include <set>

namespace kalvo {
namespace {

// The colours of a patch of felt left of South's hand, where nothing lies.
std::set<QRgb> CouleursDuTapis(TFMain& f) {
  const QImage image = f.grab().toImage();
  const QPoint sud = f.Jeux[jrSud]->pos();
  std::set<QRgb> couleurs;
  for (int y = sud.y() + 10; y < sud.y() + 34; ++y)
    for (int x = sud.x() - 90; x < sud.x() - 60; ++x) couleurs.insert(image.pixel(x, y) & 0xFFFFFFu);
  return couleurs;
}

TEST(Apparence, GrandesCartesEtContrasteSurLaTable) {
  {
    auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides(1));
    ASSERT_TRUE(t);
    EXPECT_EQ(TJeuDeCartes::Commun().Style(), TStyleFaces{});
    EXPECT_GT(CouleursDuTapis(*t->Fenetre).size(), 1U) << "le tapis habituel a sa texture";
  }
  {
    // Card set 1 asked for, the largest drawn.
    auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides(1, "GrandesCartes=1\r\nContrasteEleve=1\r\n"));
    ASSERT_TRUE(t);
    TFMain& f = *t->Fenetre;
    TPiloteTable pilote(f);
    pilote.CliqueBouton(f.BStart);
    pilote.CliqueBouton(f.BNext);
    for (TJoueur j : TousLesJoueurs) {
      EXPECT_EQ(f.Jeux[j]->SetCartes(), 3);
      EXPECT_EQ(f.Cartes[j]->SetCartes(), 3);
    }
    EXPECT_EQ(TJeuDeCartes::Commun().Style(), (TStyleFaces{true, true}));
    EXPECT_EQ(CouleursDuTapis(f), std::set<QRgb>{CouleurTapisDefaut & 0xFFFFFFu});

    // Both taken back from the settings: the table is as before.
    TControleur& c = f.Controleur();
    TReglages r = c.Reglages();
    r.GrandesCartes = false;
    r.ContrasteEleve = false;
    c.ReglagesChoisis(r);
    EXPECT_EQ(f.Jeux[jrSud]->SetCartes(), 1);
    EXPECT_EQ(TJeuDeCartes::Commun().Style(), TStyleFaces{});
    EXPECT_GT(CouleursDuTapis(f).size(), 1U);
    r.ContrasteEleve = true;
    c.ReglagesChoisis(r);
  }
  // A window gone leaves the usual faces to whatever draws cards next.
  EXPECT_EQ(TJeuDeCartes::Commun().Style(), TStyleFaces{});
}

TEST(Apparence, CasesDuDialogueDesReglages) {
  TReglages reglages;
  reglages.ContrasteEleve = true;
  TReglagesDlg dlg;
  dlg.SetReglages(&reglages);
  dlg.open();
  EXPECT_FALSE(dlg.GrandesCartes->isChecked());
  EXPECT_TRUE(dlg.ContrasteEleve->isChecked());
  EXPECT_EQ(dlg.GrandesCartes->text(), QStringLiteral("Grandes cartes"));
  EXPECT_EQ(dlg.ContrasteEleve->text(), QStringLiteral("Contraste élevé"));
  // Inside the panel, their captions whole, over no other control.
  for (QCheckBox* c : {dlg.GrandesCartes, dlg.ContrasteEleve}) {
    EXPECT_TRUE(dlg.Panel1->contentsRect().contains(c->geometry())) << c->text().toStdString();
    EXPECT_GE(c->width(), c->sizeHint().width()) << c->text().toStdString();
    for (QWidget* autre : dlg.Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (autre != c && autre->isVisible()) {
        EXPECT_FALSE(autre->geometry().intersects(c->geometry())) << autre->objectName().toStdString();
      }
    }
  }
  dlg.GrandesCartes->setChecked(true);
  dlg.ContrasteEleve->setChecked(false);
  dlg.BokClick();
  EXPECT_TRUE(reglages.GrandesCartes);
  EXPECT_FALSE(reglages.ContrasteEleve);
}

}  // namespace
}  // namespace kalvo
