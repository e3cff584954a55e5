#include "model/Windows1252.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(Windows1252, AllerRetourDesTextesFrancais) {
  const std::string utf8 = "Cœur, Trèfle, Aléatoire, Numéro — « ok » €";
  const std::string octets = Utf8VersWindows1252(utf8);
  EXPECT_EQ(Utf8VersWindows1252("Cœur é — €"), "C\x9Cur \xE9 \x97 \x80");
  EXPECT_EQ(Windows1252VersUtf8(octets), utf8);
}

TEST(Windows1252, TousLesOctetsSeConvertissent) {
  std::string tous;
  for (int o = 0; o < 256; ++o) tous += static_cast<char>(o);
  const std::string utf8 = Windows1252VersUtf8(tous);
  const std::string retour = Utf8VersWindows1252(utf8);
  ASSERT_EQ(retour.size(), 256u);
  for (int o = 0; o < 256; ++o) {
    const bool trou = o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D;
    EXPECT_EQ(static_cast<unsigned char>(retour[static_cast<std::size_t>(o)]), trou ? '?' : o) << o;
  }
}

TEST(Windows1252, Utf8MalFormeNeDebordePas) {
  EXPECT_EQ(Utf8VersWindows1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8VersWindows1252("\xE2\x82"), "??");
  EXPECT_EQ(Utf8VersWindows1252("\xFF\xC3\xA9"), "?\xE9");
  EXPECT_EQ(Utf8VersWindows1252("♠"), "?");  // not in the code page
}

}  // namespace
}  // namespace kalvo
