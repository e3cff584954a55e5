// What a screen reader gets from the table through Qt's accessibility: the
// trick on the felt, the counters, the buttons.
#include "FenetreDeTest.h"

#include "table/AfficheurSegments.h"
#include "table/Carte1024.h"
#include "table/TextesAccessibles.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QAccessible>
#include <QPushButton>

namespace kalvo {
namespace {

QString Lu(QWidget* w, QAccessible::Text quoi) {
  QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
  return interface != nullptr ? interface->text(quoi) : QStringLiteral("<aucune interface>");
}

TEST(TextesAccessibles, LeveeCompteursEtCartes) {
  EXPECT_EQ(DescriptionLevee({}), "Aucune carte sur la table.");
  // In the order played, whatever the seats' order; no card, no mention.
  EXPECT_EQ(DescriptionLevee({{jrEst, TCard{12, clCoeur}}, {jrSud, TCard{2, clCoeur}}, {jrOuest, TCard{}}}),
            "Sur la table : Est, Dame de Cœur ; Sud, 2 de Cœur.");
  EXPECT_EQ(DescriptionLevee({{jrNord, TCard{10, clTrefle}}}), "Sur la table : Nord, 10 de Trèfle.");
  EXPECT_EQ(DescriptionLevees(0), "0 levée");
  EXPECT_EQ(DescriptionLevees(1), "1 levée");
  EXPECT_EQ(DescriptionLevees(13), "13 levées");
  EXPECT_EQ(DescriptionNote(85), "85 sur 100");
  EXPECT_EQ(DescriptionNote(0), "0 sur 100");
  EXPECT_EQ(DescriptionNote(-1), "pas de note");
  EXPECT_EQ(DescriptionNote(101), "pas de note");
  EXPECT_EQ(DescriptionCarteJouee(jrOuest), "Jouée par Ouest");
}

TEST(Accessibilite, BoutonsNommesEtDecrits) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides());
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  std::vector<QPushButton*> boutons{f.BStart, f.BNext};
  for (int i = 0; i < NbBoutonsRangee; ++i) boutons.push_back(f.Bouton(static_cast<TBoutonRangee>(i)));
  for (QPushButton* b : boutons) {
    const QString nom = Lu(b, QAccessible::Name);
    EXPECT_FALSE(nom.isEmpty()) << b->objectName().toStdString();
    EXPECT_FALSE(nom.contains(QLatin1Char('&'))) << nom.toStdString();
    // The description names the key that presses the button.
    EXPECT_TRUE(Lu(b, QAccessible::Description).contains(QStringLiteral("(Alt+"))) << nom.toStdString();
  }
  EXPECT_EQ(Lu(f.Bouton(brReglages), QAccessible::Name), QStringLiteral("Réglages"));
  EXPECT_EQ(Lu(f.Bouton(brSuivante), QAccessible::Name), QStringLiteral("Donne suivante"));
}

TEST(Accessibilite, LeveeEtCompteursAuFilDeLaDonne) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides(1, "ErreursComments=0\r\n"));
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TPiloteTable pilote(f);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  EXPECT_EQ(Lu(&f, QAccessible::Name), QStringLiteral("Table de jeu"));
  EXPECT_EQ(Lu(&f, QAccessible::Description), QStringLiteral("Aucune carte sur la table."));
  EXPECT_EQ(Lu(f.LeveesNS, QAccessible::Name), QStringLiteral("Levées Nord-Sud"));
  EXPECT_EQ(Lu(f.Notation, QAccessible::Name), QStringLiteral("Note du jeu"));
  pilote.CliqueBouton(f.BStart);
  pilote.CliqueBouton(f.BNext);
  ASSERT_TRUE(c.Etat().InJeu);

  // Each trick as it stands, then its winners counted, read the way the
  // displays show them.
  for (int geste = 0; geste < 60 && c.Etat().Levee < 3; ++geste) {
    const TEtatControleur& e = c.Etat();
    if (e.LeveeComplete) {
      // The four cards, from the leader round the table.
      std::vector<std::pair<TJoueur, TCard>> attendue;
      for (int k = 0; k < 4; ++k) {
        const auto j = static_cast<TJoueur>((e.Entameur + k) % 4);
        attendue.emplace_back(j, e.OnTable[j]);
      }
      EXPECT_EQ(Lu(&f, QAccessible::Description).toStdString(), DescriptionLevee(attendue));
      for (TJoueur j : TousLesJoueurs)
        EXPECT_EQ(Lu(f.Cartes[j], QAccessible::Name).toStdString(), NomCarte(e.OnTable[j]));
      pilote.CliqueTapis();
      EXPECT_EQ(Lu(f.LeveesNS, QAccessible::Description).toStdString(), DescriptionLevees(f.LeveesNS->Value()));
      EXPECT_EQ(Lu(f.LeveesEO, QAccessible::Description).toStdString(), DescriptionLevees(f.LeveesEO->Value()));
      EXPECT_EQ(f.LeveesNS->Value() + f.LeveesEO->Value(), c.Etat().Levee - 1);
      continue;
    }
    if (c.AttendCarteUtilisateur()) {
      ASSERT_TRUE(pilote.JoueCarteJuste() || pilote.JoueCarteAcceptee() >= 0);
    }
    QApplication::processEvents();
  }
  EXPECT_EQ(c.Etat().Levee, 3);
  EXPECT_EQ(Lu(f.Notation, QAccessible::Description).toStdString(), DescriptionNote(f.Notation->Value()));
  EXPECT_EQ(Lu(f.Cartes[jrOuest], QAccessible::Description), QStringLiteral("Jouée par Ouest"));
}

}  // namespace
}  // namespace kalvo
