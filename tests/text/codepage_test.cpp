// Tests of code page conversion and its "?" replacement rule.
#include "platform/text/codepage.h"

#include "support/temp_env.h"

namespace corvela::text {
namespace {

TEST(CodePageTest, SystemCodePageComesFromEnvironment) {
  {
    corvela::testing::ScopedEnv env("CORVELA_CODEPAGE", "GB2312");
    EXPECT_EQ(systemCodePage(), "GB2312");
    EXPECT_EQ(toCodePage("中"), "\xD6\xD0");
    EXPECT_EQ(fromCodePage("\xD6\xD0"), "中");
  }
  corvela::testing::ScopedEnv env("CORVELA_CODEPAGE", "");
  EXPECT_EQ(systemCodePage(), "UTF-8");
}

TEST(CodePageTest, RoundTripsThroughCodePages) {
  const struct { const char* codepage; std::string text; std::string bytes; } cases[] = {
      {"GB2312", "中文 abc", "\xD6\xD0\xCE\xC4 abc"},
      {"gbk", "錒", "\xE5H"},  // trail byte in the ASCII range
      {"936", "中", "\xD6\xD0"}, {"GB18030", "😀", "\x94\x39\xFC\x36"}, {"UTF-16LE", "Aé", std::string("A\0\xE9\0", 4)},
      {"1200", "中", "\x2D\x4E"}, {"ISO-8859-1", "café", "caf\xE9"}, {"utf8", "中", "\xE4\xB8\xAD"},
      {"65001", "é", "\xC3\xA9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toCodePage(c.text, c.codepage), c.bytes) << c.codepage;
    EXPECT_EQ(fromCodePage(c.bytes, c.codepage), c.text) << c.codepage;
    EXPECT_EQ(byteLengthInCodePage(c.text, c.codepage), c.bytes.size()) << c.codepage;
  }
}

TEST(CodePageTest, ReplacesWhatCannotBeConvertedAndRefusesUnknownCodePages) {
  const struct { const char* what; std::string result; std::string expected; } cases[] = {
      {"emoji in GB2312", toCodePage("a😀b€", "GB2312"), "a?b?"},
      {"invalid UTF-8 to GB2312", toCodePage("a\xFF\xC3" "b", "GB2312"), "a??b"},
      {"invalid UTF-8 to UTF-8", toCodePage("a\xFF" "b", "UTF-8"), "a?b"},
      {"invalid GBK bytes", fromCodePage("a\xFF" "b", "GBK"), "a?b"},
      {"cut-off GBK character", fromCodePage("ab\xD6", "GBK"), "ab?"},
      {"invalid UTF-8 bytes", fromCodePage("\xC0\x80x", "UTF-8"), "??x"},
      {"odd UTF-16 byte", fromCodePage(std::string("A\0B", 3), "UTF-16LE"), "A?"},
      {"Chinese to Latin-1", toCodePage("x中y", "ISO-8859-1"), "x?y"},
      // A lone surrogate of a string is one character that no code page
      // holds: U+FFFD where there is one, else "?". Read in, its bytes are
      // three invalid ones.
      {"lone surrogate to UTF-16", toCodePage("\xED\xA0\x80", "UTF-16LE"), "\xFD\xFF"},
      {"lone surrogate to UTF-8", toCodePage("a\xED\xB8\x80", "UTF-8"), "a\xEF\xBF\xBD"},
      {"lone surrogate to Latin-1", toCodePage("a\xED\xB8\x80", "ISO-8859-1"), "a?"},
      {"surrogate bytes read as UTF-8", fromCodePage("\xED\xA0\x80", "UTF-8"), "???"},
      // A half unit (ChrB's byte, utf8_units.h) is half a character: left out,
      // at the end or where a host joined it into longer text.
      {"half unit at the end", toCodePage("ab\xF9\x81", "UTF-8"), "ab"},
      {"half unit inside", toCodePage("a\xF9\x81 b", "GBK"), "a b"},
      {"half unit marks read as UTF-8", fromCodePage("a\xF9\x81", "UTF-8"), "a??"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
  EXPECT_EQ(byteLengthInCodePage("中文", "GBK"), 4u);
  EXPECT_EQ(byteLengthInCodePage("中文", "UTF-8"), 6u);
  EXPECT_EQ(byteLengthInCodePage("\xED\xA0\x80x\xF8\x80", "UTF-8"), 4u);
  // An unknown code page is an error.
  EXPECT_THROW(toCodePage("x", "NO-SUCH-CODEPAGE"), CodePageError);
  EXPECT_THROW(fromCodePage("x", "NO-SUCH-CODEPAGE"), CodePageError);
}

TEST(CodePageTest, ConvertsLongTextAcrossBufferBoundaries) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "中a";
  std::string bytes = toCodePage(text, "GBK");
  EXPECT_EQ(bytes.size(), 15000u);
  EXPECT_EQ(fromCodePage(bytes, "GBK"), text);
}

}  // namespace
}  // namespace corvela::text
