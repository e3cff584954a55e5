// A controller copied in the middle of a deal (the script exploration of
// kalvo-deals check follows every card from one position this way) plays
// on exactly as the original would; and the draw of random nodes can be
// given from outside.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

// The demo deal played to its end on `controleur` from where it stands,
// South and North clicking their first playable card.
std::vector<std::string> JoueLaSuite(TControleur& controleur) {
  TJournalTexte journal;
  controleur.SetJournal(&journal);
  for (int garde = 0; garde < 300 && controleur.Etat().InJeu; ++garde) {
    const TEtatControleur& e = controleur.Etat();
    if (e.LeveeComplete || !controleur.AttendCarteUtilisateur()) {
      controleur.FormMouseDown();
      continue;
    }
    const TSuiviMains& suivi = controleur.Suivi();
    const TCard entame = e.OnTable[e.Entameur];
    const TJoueur main = e.JoueurActuel;
    // A refused card leaves the hand to play: the next one is tried.
    for (int i = 1; i <= 13 && controleur.AttendCarteUtilisateur() && e.JoueurActuel == main; ++i) {
      const TCard c = suivi.Carte(main, i);
      if (suivi.s_isCarteJouee(main, i)) continue;
      if (main != e.Entameur && entame.EstReelle() && c.c != entame.c && suivi.s_GetCompteCouleur(main, entame.Couleur()) > 0)
        continue;
      controleur.JeuMouseDown(main, IndexCarte(c), false);
      if (e.OnTable[main] == c) break;
    }
  }
  if (controleur.Etat().LeveeComplete) controleur.FormMouseDown();
  controleur.SetJournal(nullptr);
  return journal.Lignes;
}

TEST(CopieControleur, LaCopieJoueCommeLOriginal) {
  TBaseDeTest base;
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base, "Encheres=0\r\n");
  p.Demarre();
  p.Joue("H4");
  p.Joue("H3");
  p.Clic();
  p.Joue("H7");
  p.Joue("HA");  // refused: the marks change, and must be copied too
  ASSERT_EQ(p.Etat().Notation, 70);

  TEcranEnregistreur ecran;
  TControleur copie(p.controleur, ecran);
  EXPECT_EQ(copie.Etat().Notation, 70);
  EXPECT_EQ(copie.Etat().Levee, 2);
  const std::vector<std::string> suiteCopie = JoueLaSuite(copie);
  // The original has not moved; played on, it does the same.
  EXPECT_EQ(p.Etat().Levee, 2);
  EXPECT_EQ(p.Etat().CompteCartesJouees, 3);
  EXPECT_EQ(JoueLaSuite(p.controleur), suiteCopie);
  EXPECT_THAT(suiteCopie, ::testing::Contains(::testing::StartsWith("fin 10 3 ")));
  // The copy drew on its own screen only.
  EXPECT_GT(ecran.Compte("PoseCarte"), 0);
}

TEST(CopieControleur, ReprendRamèneUnAutreControleurALaPosition) {
  TBaseDeTest base;
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base, "Encheres=0\r\n");
  p.Demarre();
  p.Joue("H7");
  TEcranEnregistreur ecran;
  TControleur autre(p.controleur, ecran);
  JoueLaSuite(autre);  // to the end of the deal
  ASSERT_FALSE(autre.Etat().InJeu);
  autre.Reprend(p.controleur);
  EXPECT_TRUE(autre.Etat().InJeu);
  EXPECT_EQ(autre.Etat().Levee, 1);
  EXPECT_EQ(autre.Etat().OnTable, p.Etat().OnTable);
  EXPECT_EQ(autre.Historique().size(), 0u);
  EXPECT_EQ(JoueLaSuite(autre), JoueLaSuite(p.controleur));
}

TEST(CopieControleur, TirageDesNoeudsHasardDonneDuDehors) {
  // After trick 1 a random node sends the play to chain 3 or chain 4, each
  // a trick led by West with a card of its own.
  TBaseDeTest base;
  TFabriqueDonne f = DonneMaitres(20);
  f.Noeud(20, tcHasard, 3, 4);
  base.Ecrit(f);
  for (const bool alors : {true, false}) {
    TConfigurationControleur configuration;
    configuration.Emplacement = base.Emplacement();
    configuration.TexteReglages = "[Options]\r\nEncheres=0\r\n";
    configuration.Graine = 1;
    int tirages = 0;
    configuration.Hasard = [&tirages, alors] {
      ++tirages;
      return alors;
    };
    TEcranEnregistreur ecran;
    TControleur controleur(ecran, configuration);
    ASSERT_TRUE(controleur.Active());
    controleur.Jouer2Click();
    controleur.JeuMouseDown(jrNord, IndexCarte(TCard{9, clPique}), false);
    controleur.JeuMouseDown(jrSud, IndexCarte(TCard{14, clPique}), false);
    ASSERT_TRUE(controleur.Etat().LeveeComplete);
    controleur.FormMouseDown();
    EXPECT_EQ(tirages, 1);
    EXPECT_EQ(controleur.Etat().ChaineActuelle, alors ? 3 : 4);
    EXPECT_EQ(ecran.ErreursDonnee, std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace kalvo::test
