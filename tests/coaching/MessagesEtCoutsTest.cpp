// The built-in messages and what a refused card costs.
#include <gtest/gtest.h>

#include "coaching/MessagesIntegres.h"
#include "coaching/RemarqueErreur.h"
#include "tests/control/FabriqueDonne.h"

namespace kalvo {
namespace {

using test::TFabriqueDonne;

constexpr std::string_view Mains =
    "S:J32.A432.AK2.AK2 O:KQ4.KQJ5.QJ3.QJ3 N:A98.T96.T984.T98 E:T765.87.765.7654";

TEST(MessagesIntegres, TextesEtCouts) {
  EXPECT_EQ(*TexteMessageIntegre(56), "Le bon moment pour retirer les atouts adverses\u00A0!");
  EXPECT_EQ(*TexteMessageIntegre(75), "Il reste une levée à encaisser\u00A0!");
  EXPECT_EQ(*TexteMessageIntegre(82), "Les Cœurs sont bloqués !");
  EXPECT_EQ(*TexteMessageIntegre(50), "C'est le moment de retirer les atouts adverses.");
  EXPECT_EQ(*TexteMessageIntegre(95), "Il faut encaisser le Pique maître !");
  EXPECT_FALSE(TexteMessageIntegre(59));
  EXPECT_FALSE(TexteMessageIntegre(96));
  for (int code = 50; code <= 95; ++code)
    if (auto t = TexteMessageIntegre(code)) {
      EXPECT_LE(t->size(), 80u) << code;
    }
  EXPECT_EQ(CoutMessageIntegre(70), 20);
  EXPECT_EQ(CoutMessageIntegre(71), 40);
  EXPECT_EQ(CoutMessageIntegre(79), 0);
  EXPECT_EQ(CoutMessageIntegre(89), 0);
  EXPECT_EQ(CoutMessageIntegre(91), 10);
  EXPECT_EQ(CoutMessageIntegre(95), 30);
}

TEST(RemarqueErreur, FenetreTexteEtCout) {
  TFabriqueDonne f(Mains);
  f.Commentaire(3, 25, "Non.");
  const TDonne donne = f.Termine();
  TComments comments;
  comments[3] = "Non.";
  const TRemarqueErreur deal = RemarqueErreur(donne, comments, 3);
  EXPECT_EQ(deal.Fenetre, TFenetreRemarque::Commentaire);
  EXPECT_EQ(deal.Texte, "Non.");
  EXPECT_EQ(deal.Cout, 25);
  EXPECT_EQ(RemarqueErreur(donne, comments, 4).Texte, "");
  EXPECT_EQ(RemarqueErreur(donne, comments, 52).Cout, 20);
  EXPECT_EQ(RemarqueErreur(donne, comments, 52).Fenetre, TFenetreRemarque::Commentaire);
  EXPECT_EQ(RemarqueErreur(donne, comments, 73).Fenetre, TFenetreRemarque::Avertissement);
  EXPECT_EQ(RemarqueErreur(donne, comments, 73).Cout, 40);
  for (int code : {0, 19, 49, 59, 69, 96, 1000}) EXPECT_THROW(RemarqueErreur(donne, comments, code), ErreurDonnee);
  TDonne negative = donne;
  negative.SetPenalite(3, -5);
  EXPECT_THROW(RemarqueErreur(negative, comments, 3), ErreurDonnee);
}

TEST(Notes, JamaisSousZero) {
  EXPECT_EQ(NoteApresRetrait(100, 40), 60);
  EXPECT_EQ(NoteApresRetrait(20, 40), 0);
  EXPECT_EQ(NoteApresRetrait(0, 0), 0);
}

}  // namespace
}  // namespace kalvo
