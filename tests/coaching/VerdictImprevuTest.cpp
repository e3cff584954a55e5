// The verdict on an unforeseen card from the double-dummy values: which
// kind, the tricks it counts, and its text, which never names a card.
#include "coaching/VerdictImprevu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kalvo {
namespace {

using ::testing::HasSubstr;

// South plays one of three cards; North-South have won 4 tricks, need 9.
const std::vector<TValeurCarte> Valeurs{{{14, clPique}, 6}, {{13, clPique}, 4}, {{2, clCoeur}, 5}, {{3, clCoeur}, 6}};

TEST(VerdictImprevu, ChuteLeveesOuRien) {
  const auto chute = VerdictImprevu(Valeurs, {13, clPique}, 4, 9);
  ASSERT_TRUE(chute);
  EXPECT_EQ(chute->Genre, TVerdictImprevu::CouteLeContrat);
  EXPECT_EQ(chute->LeveesCarte, 8);
  EXPECT_EQ(chute->LeveesMeilleure, 10);
  EXPECT_EQ(TexteVerdictImprevu(*chute),
            "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle fait chuter le contrat, "
            "qu'une autre carte gagne.");

  const auto levee = VerdictImprevu(Valeurs, {2, clCoeur}, 4, 9);
  ASSERT_TRUE(levee);
  EXPECT_EQ(levee->Genre, TVerdictImprevu::CouteDesLevees);
  EXPECT_EQ(TexteVerdictImprevu(*levee),
            "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle coûte une levée (9 au lieu de 10).");
  // Contract already beyond reach: the tricks are what it costs.
  const auto deux = VerdictImprevu(Valeurs, {13, clPique}, 1, 9);
  ASSERT_TRUE(deux);
  EXPECT_EQ(deux->Genre, TVerdictImprevu::CouteDesLevees);
  EXPECT_THAT(TexteVerdictImprevu(*deux), HasSubstr("elle coûte 2 levées (5 au lieu de 7)."));

  const auto rien = VerdictImprevu(Valeurs, {3, clCoeur}, 4, 9);
  ASSERT_TRUE(rien);
  EXPECT_EQ(rien->Genre, TVerdictImprevu::NeCouteRien);
  EXPECT_EQ(TexteVerdictImprevu(*rien),
            "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle ne coûte rien, mais la leçon "
            "suit une autre ligne.");
  // A card the position does not have.
  EXPECT_FALSE(VerdictImprevu(Valeurs, {2, clTrefle}, 4, 9));
}

}  // namespace
}  // namespace kalvo
