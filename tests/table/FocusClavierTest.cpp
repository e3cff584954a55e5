// The keyboard focus over the playable cards, the accessible names of the
// cards, and a whole deal played by keys alone on the real window.
#include "FenetreDeTest.h"

#include "control/JeuJuste.h"
#include "table/AfficheurSegments.h"
#include "table/Carte1024.h"
#include "table/FocusClavier.h"
#include "table/Jeu1024.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace kalvo {
namespace {

using G = TToucheFocus::TGenre;
constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

TToucheFocus Lit(const char* texte) { return LitToucheFocus(0, QString::fromUtf8(texte)); }

TEST(FocusClavier, ToucheLues) {
  EXPECT_EQ(LitToucheFocus(Qt::Key_Left, {}).Genre, G::Gauche);
  EXPECT_EQ(LitToucheFocus(Qt::Key_Right, {}).Genre, G::Droite);
  const std::pair<const char*, int> couleurs[] = {{"P", 3}, {"c", 2}, {"K", 1}, {"t", 0}};
  for (const auto& [texte, couleur] : couleurs) {
    EXPECT_EQ(Lit(texte).Genre, G::Couleur) << texte;
    EXPECT_EQ(Lit(texte).Valeur, couleur) << texte;
  }
  const std::pair<const char*, int> rangs[] = {{"A", 14}, {"r", 13}, {"D", 12}, {"v", 11}, {"X", 10},
                                               {"1", 10}, {"9", 9},  {"2", 2}};
  for (const auto& [texte, rang] : rangs) {
    EXPECT_EQ(Lit(texte).Genre, G::Rang) << texte;
    EXPECT_EQ(Lit(texte).Valeur, rang) << texte;
  }
  // The "0" of "10" does nothing; other keys are no focus keys.
  EXPECT_EQ(Lit("0").Genre, G::Ignoree);
  for (const char* texte : {"", "B", "é", "PC", " "}) EXPECT_EQ(Lit(texte).Genre, G::Aucune) << texte;
}

TEST(FocusClavier, DeplacementSurLesCartesJouables) {
  // Spades A 10, hearts D 10 4, clubs 10: the hand's order.
  const std::vector<int> j{V(3, 14), V(3, 10), V(2, 12), V(2, 10), V(2, 4), V(0, 10)};
  const TToucheFocus gauche{G::Gauche, 0}, droite{G::Droite, 0};
  // From no focus: Right to the first, Left to the last; both wrap round.
  EXPECT_EQ(DeplaceFocus(j, 0, droite), V(3, 14));
  EXPECT_EQ(DeplaceFocus(j, 0, gauche), V(0, 10));
  EXPECT_EQ(DeplaceFocus(j, V(0, 10), droite), V(3, 14));
  EXPECT_EQ(DeplaceFocus(j, V(3, 14), gauche), V(0, 10));
  EXPECT_EQ(DeplaceFocus(j, V(2, 12), droite), V(2, 10));
  // A suit letter goes to the suit, then through it and round.
  EXPECT_EQ(DeplaceFocus(j, V(3, 14), {G::Couleur, 2}), V(2, 12));
  EXPECT_EQ(DeplaceFocus(j, V(2, 12), {G::Couleur, 2}), V(2, 10));
  EXPECT_EQ(DeplaceFocus(j, V(2, 4), {G::Couleur, 2}), V(2, 12));
  // A suit without a playable card leaves the focus.
  EXPECT_EQ(DeplaceFocus(j, V(2, 4), {G::Couleur, 1}), V(2, 4));
  EXPECT_EQ(DeplaceFocus(j, 0, {G::Couleur, 1}), 0);
  // A rank: in the focused suit first, else the next card of that rank.
  EXPECT_EQ(DeplaceFocus(j, V(2, 4), {G::Rang, 10}), V(2, 10));
  EXPECT_EQ(DeplaceFocus(j, V(2, 10), {G::Rang, 10}), V(2, 10));
  EXPECT_EQ(DeplaceFocus(j, V(3, 14), {G::Rang, 12}), V(2, 12));
  EXPECT_EQ(DeplaceFocus(j, 0, {G::Rang, 10}), V(3, 10));
  EXPECT_EQ(DeplaceFocus(j, V(3, 14), {G::Rang, 5}), V(3, 14));
  EXPECT_EQ(DeplaceFocus(j, V(3, 14), {G::Ignoree, 0}), V(3, 14));
  // A focus on a card no longer playable starts again from the first.
  EXPECT_EQ(DeplaceFocus(j, V(1, 7), droite), V(3, 14));
  EXPECT_EQ(DeplaceFocus({}, V(3, 14), droite), 0);
}

TEST(FocusClavier, CadreEtNomAccessibleDeLaMain) {
  TJeu1024 jeu;
  jeu.SetVisible(true);
  const QImage sans = jeu.grab().toImage();
  // A card not in the hand, or not a card, gets no focus.
  jeu.SetFocusCarte(V(3, 2));
  jeu.SetFocusCarte(99);
  EXPECT_EQ(jeu.FocusCarte(), 0);
  jeu.SetFocusCarte(V(2, 13));
  EXPECT_EQ(jeu.FocusCarte(), V(2, 13));
  EXPECT_EQ(jeu.accessibleName(), QStringLiteral("Roi de Cœur"));
  EXPECT_NE(jeu.grab().toImage(), sans);
  // The card played takes its focus with it; the picture is the same as
  // without focus but for the card gone.
  jeu.SetCarteJouee(V(2, 13));
  EXPECT_EQ(jeu.FocusCarte(), 0);
  EXPECT_TRUE(jeu.accessibleName().isEmpty());
  jeu.SetFocusCarte(V(2, 13));
  EXPECT_EQ(jeu.FocusCarte(), 0);
  jeu.Reinitialise();
  EXPECT_EQ(jeu.grab().toImage(), sans);
  EXPECT_EQ(jeu.CartesRestantes().size(), 13U);
}

TEST(FocusClavier, NomsAccessiblesDesCartes) {
  TCarte1024 carte;
  EXPECT_EQ(carte.accessibleName(), QStringLiteral("As de Pique"));
  const std::pair<int, const char*> noms[] = {
      {V(2, 12), "Dame de Cœur"}, {V(1, 10), "10 de Carreau"}, {V(0, 2), "2 de Trèfle"}, {V(3, 11), "Valet de Pique"}};
  for (const auto& [valeur, nom] : noms) {
    carte.SetValue(valeur);
    EXPECT_EQ(carte.accessibleName(), QString::fromUtf8(nom));
  }
  carte.SetValue(0);
  EXPECT_TRUE(carte.accessibleName().isEmpty());
}

TEST(FocusClavier, DonneEntiereAuClavier) {
  auto t = test::TTableDeTest::Ouvre(test::ReglagesRapides(1, "ErreursComments=1\r\n"));
  ASSERT_TRUE(t);
  TFMain& f = *t->Fenetre;
  const TControleur& c = f.Controleur();
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  // The end-of-deal screen left by Enter ("Suivante"), as the rest by keys.
  gardien.Repond("kalvo::TFinDonne1024", [](QWidget* w) {
    QTest::keyClick(w->focusWidget() != nullptr ? w->focusWidget() : w, Qt::Key_Return);
  });
  TPiloteTable pilote(f);
  // "Démarrer" and "Jeu de la carte" by their mnemonics.
  QTest::keyClick(&f, Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(f.BNext->isVisible());
  QTest::keyClick(&f, Qt::Key_C, Qt::AltModifier);
  QTRY_VERIFY(c.Etat().InJeu);
  // No focus is drawn until the keyboard is used.
  for (TJoueur j : TousLesJoueurs) EXPECT_EQ(f.Jeux[j]->FocusCarte(), 0);

  int cartes = 0;
  int gauches = 0;
  bool fin = false;
  for (int geste = 0; geste < 200 && !fin; ++geste) {
    const TEtatControleur& e = c.Etat();
    ASSERT_FALSE(e.ErreurDetectee);
    if (e.LeveeComplete) {
      fin = e.DerniereLevee;
      const int levee = e.Levee;
      QTest::keyClick(&f, geste % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
      if (!fin) EXPECT_TRUE(c.Etat().Levee > levee || !c.Etat().LeveeComplete) << "levée " << levee;
      continue;
    }
    if (!c.AttendCarteUtilisateur()) {
      QApplication::processEvents();
      continue;
    }
    const TJoueur joueur = e.JoueurActuel;
    const std::vector<TCard> permises = CartesJouables(c, joueur);
    const std::optional<TCard> juste = CarteJuste(c);
    ASSERT_TRUE(juste.has_value()) << "levée " << e.Levee;
    // Left and Right never rest on a card that cannot be played.
    if (permises.size() < f.Jeux[joueur]->CartesRestantes().size()) {
      for (int k = 0; k < 14; ++k) {
        QTest::keyClick(&f, Qt::Key_Left);
        ++gauches;
        const int focus = f.Jeux[joueur]->FocusCarte();
        ASSERT_NE(focus, 0);
        EXPECT_TRUE(std::find(permises.begin(), permises.end(), CarteDeIndex(focus)) != permises.end());
      }
    }
    ASSERT_TRUE(pilote.TapeCarte(*juste)) << NomCarte(*juste);
    const int avant = f.Jeux[joueur]->TotalCartesJouees();
    QTest::keyClick(&f, cartes % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
    ASSERT_EQ(f.Jeux[joueur]->TotalCartesJouees(), avant + 1) << NomCarte(*juste);
    ++cartes;
  }
  ASSERT_TRUE(fin);
  EXPECT_GE(cartes, 13);
  EXPECT_GT(gauches, 0);
  EXPECT_EQ(f.Notation->Value(), 100);
  EXPECT_EQ(gardien.Vues("kalvo::TFinDonne1024"), 1);
}

}  // namespace
}  // namespace kalvo
