// What the auction review shows of a deal: the calls, the alert
// explanations once each, and what a damaged auction leaves.
#include "control/RevueEncheres.h"

#include "model/Donne.h"
#include "model/Windows1252.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

constexpr TEnchere Passe{0, 1, 0};
constexpr TEnchere Fin{NiveauFinEncheres, 0, 0};
constexpr auto Donne = test::DonneEncheres;

TEST(RevueEncheres, TextesDesAppels) {
  const TRevueEncheres r = LitRevueEncheres(
      Donne(jrNord, {{1, clTrefle, 0}, {0, 2, 0}, {3, clSA, 0}, {0, 3, 0}, Passe, Passe, Passe, Fin}));
  ASSERT_EQ(r.Cases.size(), 8u);
  EXPECT_EQ(r.Cases[0], (TCaseRevue{1, jrNord, "1", clTrefle, false, 0}));
  EXPECT_EQ(r.Cases[1].Texte, "X");
  EXPECT_EQ(r.Cases[2], (TCaseRevue{2, jrSud, "3 SA", -1, true, 0}));
  EXPECT_EQ(r.Cases[3].Texte, "XX");
  EXPECT_EQ(r.Cases[4].Texte, "—");
  EXPECT_EQ(r.Cases[7], (TCaseRevue{3, jrOuest, "FIN", -1, true, 0}));
  EXPECT_EQ(r.RondeAtteinte, 3);
  EXPECT_TRUE(r.Erreur.empty());
  EXPECT_EQ(r.Donneur, "Nord");
  EXPECT_EQ(r.Vulnerabilite, "Nord-Sud");

  // Four passes and no bid.
  const TRevueEncheres passes = LitRevueEncheres(Donne(jrEst, {Passe, Passe, Passe, Passe, Fin}));
  ASSERT_EQ(passes.Cases.size(), 5u);
  EXPECT_EQ(passes.Cases[3].Texte, "—");
  EXPECT_EQ(passes.Cases[4].Texte, "FIN");
  EXPECT_EQ(passes.Cases[4].Joueur, jrEst);
  EXPECT_EQ(passes.RondeAtteinte, 2);

  // A table with no end marker stops after the seventh round.
  TDonne pleine = Donne(jrSud, std::vector<TEnchere>(28, Passe));
  EXPECT_EQ(LitRevueEncheres(pleine).Cases.size(), 28u);
  EXPECT_EQ(LitRevueEncheres(pleine).RondeAtteinte, 8);
}

TEST(RevueEncheres, UneExplicationParAlerteDansLOrdreOuElleApparait) {
  TDonne d = Donne(jrSud, {{1, clCoeur, 0}, Passe, {2, clTrefle, 2}, Passe, {2, clCarreau, 1}, Passe,
                           {3, clTrefle, 2}, Passe, {4, clCoeur, 0}, Fin});
  d.SetAlerte(1, Utf8VersWindows1252("pas d'arrêt à Pique"));
  d.SetAlerte(2, "Stayman");
  const TRevueEncheres r = LitRevueEncheres(d);
  ASSERT_EQ(r.Explications.size(), 2u);
  EXPECT_EQ(r.Explications[0], (TExplicationRevue{2, "(2) Stayman"}));
  EXPECT_EQ(r.Explications[1], (TExplicationRevue{1, "(1) pas d'arrêt à Pique"}));
  int alertees = 0;
  for (const TCaseRevue& c : r.Cases) alertees += c.Alerte != 0;
  EXPECT_EQ(alertees, 3);
}

TEST(RevueEncheres, DonneesAbimees) {
  TDonne d = Donne(jrOuest, {{1, clPique, 0}, {9, clCoeur, 0}, Passe});
  TRevueEncheres r = LitRevueEncheres(d);
  EXPECT_EQ(r.Cases.size(), 1u);
  EXPECT_NE(r.Erreur.find("Enchère illisible (ligne 1, Nord)"), std::string::npos) << r.Erreur;

  d = Donne(jrOuest, {{1, 5, 0}});
  EXPECT_FALSE(LitRevueEncheres(d).Erreur.empty());
  d = Donne(jrOuest, {{1, clPique, 7}, Fin});
  r = LitRevueEncheres(d);
  EXPECT_EQ(r.Cases.size(), 2u);
  EXPECT_EQ(r.Cases[0].Alerte, 0);
  EXPECT_NE(r.Erreur.find("Alerte 7 hors des limites"), std::string::npos) << r.Erreur;
  d.SetDonneur(9);
  d.SetVulnerabilite(4);
  r = LitRevueEncheres(d);
  EXPECT_TRUE(r.Cases.empty());
  EXPECT_FALSE(r.Erreur.empty());
  EXPECT_EQ(r.Donneur, "");
  EXPECT_EQ(r.Vulnerabilite, "");
}

}  // namespace
}  // namespace kalvo
