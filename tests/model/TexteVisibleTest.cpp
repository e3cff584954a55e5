#include "model/TexteVisible.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(TexteVisible, ControlesEcritsTexteGarde) {
  EXPECT_EQ(TexteVisible("Cœur à 3♥, «\u00a0ok\u00a0»"), "Cœur à 3♥, «\u00a0ok\u00a0»");
  EXPECT_EQ(TexteVisible("a\x1b[2Jb\rc\nd\te\x7f"), "a\\x1b[2Jb\\rc\\nd\\te\\x7f");
  EXPECT_EQ(TexteVisible(std::string_view("\0z", 2)), "\\x00z");
  // A C1 control (the one-byte CSI) and bytes that are not UTF-8.
  EXPECT_EQ(TexteVisible("\xc2\x9b" "31m"), "\\u009b31m");
  EXPECT_EQ(TexteVisible("\xe9t\xe9 \xff\xc3"), "\\xe9t\\xe9 \\xff\\xc3");
  // U+FFFD written in the text is text.
  EXPECT_EQ(TexteVisible("\xef\xbf\xbd"), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace kalvo
