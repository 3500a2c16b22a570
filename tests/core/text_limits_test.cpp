// Cuts to column limits: counted in UTF-16 units, never splitting a
// character or a doubled quote.
#include "core/text_limits.h"

#include <gtest/gtest.h>

#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

TEST(TextLimits, CutsByWholeCharacters) {
  struct Case { const char* text; size_t limit; const char* cut; } cases[] = {
      {"abc", 2, "ab"},       {"abc", 5, "abc"},         {"中文字", 2, "中文"},
      {"a😀b", 2, "a"},       {"a😀b", 3, "a😀"},        {"😀", 1, ""}, {"", 3, ""},            {"ab'c", 3, "ab'"},
  };
  for (const Case& c : cases) {
    std::string cut = cutToLimit(c.text, c.limit);
    EXPECT_EQ(cut, c.cut) << c.text << " / " << c.limit;
    EXPECT_TRUE(text::isValidUtf8(cut));
  }
}

TEST(TextLimits, PreparedTextIsNeverEmpty) {
  EXPECT_EQ(preparedText("", 5), " ");
  EXPECT_EQ(preparedText("😀", 1), " ");
  EXPECT_EQ(preparedText("abcdef", 3), "abc");
}

TEST(TextLimits, DoubledQuotesStayPaired) {
  struct Case { const char* text; size_t limit; const char* cut; } cases[] = {
      {"ab'c", 3, "ab"},     {"ab'c", 4, "ab''"},   {"ab'c", 5, "ab''c"},
      {"''", 3, "''"},       {"中'😀", 4, "中''"},  {"中'😀", 5, "中''😀"},
  };
  for (const Case& c : cases) EXPECT_EQ(doubledQuotesCut(c.text, c.limit), c.cut) << c.text << " / " << c.limit;
}

}  // namespace
}  // namespace corvela::core
