// The deal chooser's lines and filters, and the progress figures, from a
// known catalogue and history.
#include "control/ChoixDonnes.h"
#include "control/ListeDonnes.h"
#include "control/Progres.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Five deals: (difficulty, theme); collection numbers 21, 23, 75, 80, 90.
class ListeDonnesTest : public ::testing::Test {
 protected:
  ListeDonnesTest() : volume({21, 23, 75, 80, 90}) {
    for (const auto& [force, theme] : std::initializer_list<std::pair<int, int>>{{1, 4}, {2, 8}, {3, 3}, {2, 4}, {1, 0}})
      catalogue.Ajoute(force, theme);
    jeu[1] = 80;
    jeu[2] = 30;
    jeu[4] = 49;
    questions[1] = 100;
  }
  static TTentative T(int donne, int collection, int note, std::string date = "2026-12-01T10:00:00") {
    return {.DateHeure = std::move(date), .Donne = donne, .Collection = collection, .NoteJeu = note};
  }
  TCatalogue catalogue;
  TNumerosVolume volume;
  TScores jeu{5}, questions{5};
};

TEST_F(ListeDonnesTest, UneLigneParDonneAvecSesTentatives) {
  const std::vector<TTentative> historique{T(1, 21, 70), T(1, 21, 80), T(4, 80, 49),
                                           T(2, 99, 10),   // another base's deal 2: not counted
                                           T(9, 9, 50)};   // beyond this base
  const TListeDonnes liste = ListeDonnes(catalogue, volume, jeu, questions, historique, 50, 4, true);
  ASSERT_EQ(liste.Lignes.size(), 5u);
  EXPECT_EQ(liste.Actuelle, 4);
  EXPECT_EQ(liste.Seuil, 50);
  const TLigneDonne& premiere = liste.Lignes[0];
  EXPECT_EQ(premiere, (TLigneDonne{.Donne = 1, .Collection = 21, .Theme = 4, .NomTheme = "Prendre ou laisser-passer",
                                   .Force = 1, .NoteJeu = 80, .NoteQuestions = 100, .Tentatives = 2, .ARevoir = false}));
  EXPECT_EQ(liste.Lignes[1].Tentatives, 0);
  EXPECT_EQ(liste.Lignes[3].Tentatives, 1);
  // "À revoir": below 50 (30, 49) or never played (3, 5); 80 is not.
  std::vector<int> aRevoir;
  for (const TLigneDonne& l : liste.Lignes)
    if (l.ARevoir) aRevoir.push_back(l.Donne);
  EXPECT_THAT(aRevoir, ElementsAre(2, 3, 4, 5));
  EXPECT_EQ(liste.Lignes[4].NomTheme, "—");
  // Marks kept for fewer deals than the base holds read as none.
  const TListeDonnes courte = ListeDonnes(catalogue, volume, TScores{2}, TScores{}, {}, 50, 1, false);
  EXPECT_EQ(courte.Lignes[4].NoteJeu, -1);
  EXPECT_EQ(courte.Lignes[4].NoteQuestions, -1);
}

TEST_F(ListeDonnesTest, FiltresEtRecherche) {
  const TListeDonnes liste = ListeDonnes(catalogue, volume, jeu, questions, {}, 50, 1, false);
  const auto retenues = [&](const TFiltreListe& f) {
    std::vector<int> donnes;
    for (const TLigneDonne& l : liste.Lignes)
      if (LigneRetenue(l, f)) donnes.push_back(l.Donne);
    return donnes;
  };
  EXPECT_THAT(retenues({}), ElementsAre(1, 2, 3, 4, 5));
  EXPECT_THAT(retenues({.Theme = 4}), ElementsAre(1, 4));
  EXPECT_THAT(retenues({.Force = 2}), ElementsAre(2, 4));
  EXPECT_THAT(retenues({.Theme = 4, .ARevoir = true}), ElementsAre(4));
  EXPECT_THAT(retenues({.Force = 1, .ARevoir = true}), ElementsAre(5));
  // Any case, accents or not, part of a word.
  EXPECT_THAT(retenues({.Recherche = "laisser"}), ElementsAre(1, 4));
  EXPECT_THAT(retenues({.Recherche = "BLOCAGE-DEB"}), ElementsAre(3));
  EXPECT_THAT(retenues({.Recherche = "déblocage"}), ElementsAre(3));
  EXPECT_THAT(retenues({.Recherche = "zzz"}), IsEmpty());
  EXPECT_EQ(SansAccents("Élimination À Ç ÿ"), "elimination a c y");
  // A stray byte (not UTF-8) is kept as it is, nothing read past the end.
  EXPECT_EQ(SansAccents(std::string("a\xC3")), std::string("a\xC3"));
}

TEST_F(ListeDonnesTest, LeSeuilDesReglages) {
  TReglages r;
  r.ScoreInferieurA = -1;
  EXPECT_EQ(SeuilARevoir(r), SeuilARevoirParDefaut);
  r.ScoreInferieurA = 0;
  EXPECT_EQ(SeuilARevoir(r), SeuilARevoirParDefaut);
  r.ScoreInferieurA = 70;
  EXPECT_EQ(SeuilARevoir(r), 70);
}

// A known history: theme 4 (deals 1 and 4), theme 8 (deal 2), theme 3 (deal
// 3), and attempts that must not count.
TEST_F(ListeDonnesTest, ProgresDUnHistoriqueConnu) {
  std::vector<TTentative> historique{
      T(1, 21, 60, "a"), T(1, 21, 81, "b"), T(4, 80, 30, "c"),  // theme 4: 57 (171 / 3), 2 deals
      T(2, 23, 20, "d"), T(2, 23, 41, "e"),                     // theme 8: 30.5 → 31
      T(3, 75, 90, "f"),                                        // theme 3: 90
      T(5, 90, 10, "g"),                                        // theme 0: no theme
      T(3, 75, -1, "h"),                                        // not marked
      T(2, 99, 0, "i"),                                         // another base
  };
  const TProgres p = CalculeProgres(historique, catalogue, volume, 4, 2);
  EXPECT_TRUE(p.AvecHistorique);
  EXPECT_EQ(p.TentativesNotees, 7);
  ASSERT_EQ(p.ParTheme.size(), 4u);  // 0, 3, 4, 8 in theme order
  EXPECT_EQ(p.ParTheme[0].Cle, 0);
  EXPECT_EQ(p.ParTheme[1], (TMoyenneProgres{3, "Blocage-déblocage", 90, 1, 1}));
  EXPECT_EQ(p.ParTheme[2], (TMoyenneProgres{4, "Prendre ou laisser-passer", 57, 2, 3}));
  EXPECT_EQ(p.ParTheme[3].Moyenne, 31);
  EXPECT_EQ(p.ParTheme[3].Donnes, 1);
  // Difficulty 1: deals 1 and 5 (60, 81, 10 → 50); 2: deals 2 and 4 (30, 20, 41 → 30); 3: 90.
  ASSERT_EQ(p.ParForce.size(), 3u);
  EXPECT_EQ(p.ParForce[0], (TMoyenneProgres{1, "Force 1", 50, 2, 3}));
  EXPECT_EQ(p.ParForce[1], (TMoyenneProgres{2, "Force 2", 30, 2, 3}));
  EXPECT_EQ(p.ParForce[2].Moyenne, 90);
  // The last four marked attempts, oldest first.
  ASSERT_EQ(p.Tendance.size(), 4u);
  EXPECT_EQ(p.Tendance.front(), (TPointTendance{"d", 2, 20}));
  EXPECT_EQ(p.Tendance.back(), (TPointTendance{"g", 5, 10}));
  // To work on: the two weakest themes, "no theme" left out.
  ASSERT_EQ(p.ATravailler.size(), 2u);
  EXPECT_EQ(p.ATravailler[0].Cle, 8);
  EXPECT_EQ(p.ATravailler[1].Cle, 4);

  // Nothing marked: no bars, no line, nothing to work on.
  const TProgres vide = CalculeProgres(std::vector<TTentative>{T(3, 75, -1)}, catalogue, volume);
  EXPECT_EQ(vide.TentativesNotees, 0);
  EXPECT_THAT(vide.ParTheme, IsEmpty());
  EXPECT_THAT(vide.Tendance, IsEmpty());
  EXPECT_THAT(vide.ATravailler, IsEmpty());
}

TEST_F(ListeDonnesTest, ATravaillerAEgaliteLePlusEssaye) {
  const std::vector<TTentative> historique{T(3, 75, 40), T(2, 23, 40), T(2, 23, 40)};
  const TProgres p = CalculeProgres(historique, catalogue, volume);
  ASSERT_EQ(p.ATravailler.size(), 2u);
  EXPECT_EQ(p.ATravailler[0].Cle, 8);  // two attempts at 40 before one
  EXPECT_EQ(p.ATravailler[1].Cle, 3);
}

}  // namespace
}  // namespace kalvo::test
