// Cuts to a column limit count UTF-16 units and never split a character.
#include "core/text_limits.h"

#include <gtest/gtest.h>

#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

TEST(TextLimits, CutsCountUnitsAndKeepCharactersWhole) {
  const std::string smile = "\xF0\x9F\x98\x80";  // two units
  struct Case {
    std::string text;
    size_t limit;
    std::string expected;
  } cases[] = {
      {"abcdef", 3, "abc"},
      {"abc", 3, "abc"},
      {"中文字", 2, "中文"},
      {"a" + smile + "b", 2, "a"},
      {"a" + smile + "b", 3, "a" + smile},
      {smile + smile, 3, smile},
      {"''''", 3, "'''"},
      {"", 5, ""},
  };
  for (const Case& c : cases) {
    std::string cut(cutToUnits(c.text, c.limit));
    EXPECT_EQ(cut, c.expected) << c.text << " / " << c.limit;
    EXPECT_TRUE(text::isValidUtf8(cut)) << c.text;
  }
}

TEST(TextLimits, ColumnTextStoresEmptyAsOneSpace) {
  EXPECT_EQ(columnText("", 10), " ");
  EXPECT_EQ(columnText("\xF0\x9F\x98\x80", 1), " ") << "a pair that does not fit leaves nothing";
  EXPECT_EQ(columnText(std::string(300, 'x'), 255).size(), 255u);
}

}  // namespace
}  // namespace corvela::core
