// Tests of the UTF-8 helpers: decoding of valid and invalid input, cutting by
// code points, case mapping and caseless comparison and search.
#include "platform/text/utf8.h"

#include <gtest/gtest.h>

namespace corvela::text {
namespace {

std::vector<char32_t> decodeAll(std::string_view s) {
  std::vector<char32_t> out;
  for (size_t pos = 0; pos < s.size();) out.push_back(decodeCodePoint(s, pos));
  return out;
}

TEST(Utf8Test, DecodesValidAndInvalidUnits) {
  constexpr char32_t R = kReplacementCharacter;
  const struct { std::string bytes; std::vector<char32_t> expected; } cases[] = {
      {"aZ", {'a', 'Z'}}, {"\xC3\xA9", {0xE9}}, {"\xE4\xB8\xAD", {0x4E2D}}, {"\xF0\x9F\x98\x80", {0x1F600}},
      {"\xC0\x80", {R, R}},                  // overlong NUL
      {"\xE0\x80\xAF", {R, R, R}},           // overlong "/"
      {"\xF4\x90\x80\x80", {R, R, R, R}},    // above U+10FFFF
      {"\x80x", {R, 'x'}},                   // stray continuation byte
      {"\xE4\xB8", {R, R}},                  // cut off
      {"a\xE4\xB8" "b", {'a', R, R, 'b'}},   // cut off before ASCII
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decodeAll(c.bytes), c.expected) << c.bytes;
    EXPECT_EQ(codePointCount(c.bytes), c.expected.size()) << c.bytes;
    EXPECT_EQ(isValidUtf8(c.bytes), std::find(c.expected.begin(), c.expected.end(), R) == c.expected.end());
  }
}

// A surrogate's three bytes (a lone UTF-16 half kept in a string) step as
// one unit and decode as the surrogate, yet are no valid UTF-8.
TEST(Utf8Test, SurrogateFormIsOneUnitButInvalid) {
  const std::string lone = "a\xED\xA0\xBD" "b\xED\xBF\xBF";
  EXPECT_EQ(decodeAll(lone), (std::vector<char32_t>{'a', 0xD83D, 'b', 0xDFFF}));
  EXPECT_EQ(codePointCount(lone), 4u);
  EXPECT_EQ(substrByCodePoints(lone, 1, 1), "\xED\xA0\xBD");
  EXPECT_FALSE(isValidUtf8(lone));
  EXPECT_EQ(repairUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  // ED followed by a byte below A0 is an ordinary character; cut short it is invalid.
  EXPECT_EQ(decodeAll("\xED\x9F\xBF"), std::vector<char32_t>{0xD7FF});
  EXPECT_EQ(decodeAll("\xED\xA0"), (std::vector<char32_t>{kReplacementCharacter, kReplacementCharacter}));
}

TEST(Utf8Test, EncodeRoundTripsRefusesSurrogatesAndRepairReplacesBadBytes) {
  for (char32_t cp : {char32_t{0}, char32_t{0x7F}, char32_t{0x80}, char32_t{0x7FF}, char32_t{0x800},
                      char32_t{0xFFFF}, char32_t{0x10000}, char32_t{0x10FFFF}}) {
    std::string s = encodeCodePoint(cp);
    size_t pos = 0;
    EXPECT_EQ(decodeCodePoint(s, pos), cp);
    EXPECT_EQ(pos, s.size());
  }
  EXPECT_EQ(encodeCodePoint(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(encodeCodePoint(0x110000), "\xEF\xBF\xBD");
  // Repair replaces each invalid byte.
  EXPECT_EQ(repairUtf8("ok 中"), "ok 中");
  EXPECT_EQ(repairUtf8("a\xFF" "b\xC3"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  EXPECT_TRUE(isValidUtf8(repairUtf8("\xED\xA0\x80\xC0")));
}

TEST(Utf8Test, CutsByCodePoints) {
  const std::string s = "aé中😀z";  // 1 + 2 + 3 + 4 + 1 bytes
  EXPECT_EQ(codePointCount(s), 5u);
  EXPECT_EQ(byteOffsetOfCodePoint(s, 0), 0u);
  EXPECT_EQ(byteOffsetOfCodePoint(s, 3), 6u);
  EXPECT_EQ(byteOffsetOfCodePoint(s, 99), s.size());
  EXPECT_EQ(substrByCodePoints(s, 1, 2), "é中");
  EXPECT_EQ(substrByCodePoints(s, 3), "😀z");
  EXPECT_EQ(substrByCodePoints(s, 4, 100), "z");
  EXPECT_EQ(substrByCodePoints(s, 9, 1), "");
  EXPECT_EQ(rightByCodePoints(s, 2), "😀z");
  EXPECT_EQ(rightByCodePoints(s, 50), s);
  EXPECT_EQ(rightByCodePoints(s, 0), "");
  EXPECT_EQ(codePointAt(s, 2), char32_t{0x4E2D});
  EXPECT_EQ(codePointAt(s, 5), char32_t{0});
  // An invalid byte is one unit for every function alike.
  const std::string bad = "x\xFFy";
  EXPECT_EQ(codePointCount(bad), 3u);
  EXPECT_EQ(substrByCodePoints(bad, 2, 1), "y");
  EXPECT_EQ(codePointAt(bad, 1), kReplacementCharacter);
}

TEST(CaseTest, MapsEachScript) {
  const struct { const char* upper; const char* lower; } pairs[] = {
      {"HELLO, WORLD 1!", "hello, world 1!"}, {"ÀÉÎÕÜÝÞ", "àéîõüýþ"}, {"Ÿ", "ÿ"}, {"ĀĞŁŃŒŠŽ", "āğłńœšž"},
      {"ΑΒΓΔΩΆΈΊΌΎΏΪΫ", "αβγδωάέίόύώϊϋ"}, {"АБВЯЁЂЏѢҐӀӁӐԮ", "абвяёђџѣґӏӂӑԯ"}, {"ԱՖ", "աֆ"},
      {"ḀẞẠỸ", "ḁẞạỹ"},  // U+1E9E has no one-to-one lower form kept here
      {"ⅠⅫ", "ⅰⅻ"}, {"ⒶⓏ", "ⓐⓩ"}, {"ＡＺ", "ａｚ"},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(toLower(p.upper), p.lower) << p.upper;
    EXPECT_EQ(toUpper(p.lower), p.upper) << p.lower;
  }
  // Characters without a one-to-one mapping stay as they are.
  for (const char* same : {"ß", "×÷", "ıİ", "ſ", "µ", "中文", "ĸ", "\xFF\x80"}) {
    EXPECT_EQ(toUpper(same), same);
    EXPECT_EQ(toLower(same), same);
  }
  EXPECT_EQ(toUpper("ς"), "Σ");
  EXPECT_EQ(toLower("Σ"), "σ");
}

TEST(CaseTest, MappingKeepsByteLengthAndIsConsistent) {
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const auto code = static_cast<uint32_t>(cp);
    char32_t lower = toLower(cp), upper = toUpper(cp);
    ASSERT_EQ(encodeCodePoint(lower).size(), encodeCodePoint(cp).size()) << std::hex << code;
    ASSERT_EQ(encodeCodePoint(upper).size(), encodeCodePoint(cp).size()) << std::hex << code;
    if (lower != cp) {
      ASSERT_EQ(toUpper(lower), cp) << std::hex << code;
    }
    if (upper != cp && cp != 0x3C2) {  // final sigma goes up to the one capital sigma
      ASSERT_EQ(toLower(upper), cp) << std::hex << code;
    }
  }
}

TEST(CaseTest, ComparesIgnoringCase) {
  const struct { const char* a; const char* b; int sign; } cases[] = {
      {"abc", "ABC", 0},   {"abc", "ABD", -1},    {"abd", "ABC", 1},  {"ab", "ABC", -1},
      {"", "", 0},         {"_", "a", -1},        {"Straße", "STRASSE", 1},
      {"ΣΟΦΙΑ", "σοφια", 0}, {"Москва", "МОСКВА", 0}, {"ＡＢ", "ａｂ", 0}, {"é", "E", 1},
      {"\xFF", "\xFE", 1},  // different invalid bytes are not equal
  };
  for (const auto& c : cases) {
    int result = compareIgnoreCase(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(equalsIgnoreCase(c.a, c.b), c.sign == 0) << c.a << " vs " << c.b;
  }
}

TEST(CaseTest, FindsIgnoringCase) {
  const struct { std::string haystack, needle; size_t from, expected; } cases[] = {
      {"Hello World", "WORLD", 0, 6}, {"Hello World", "o", 5, 7}, {"Hello World", "xyz", 0, std::string::npos},
      {"Hello", "", 2, 2}, {"Hello", "", 6, std::string::npos}, {"abc", "abcd", 0, std::string::npos},
      {"Ärger ärger", "ÄRGER", 1, 7}, {"中文ΣΟΦΙΑ", "σοφια", 0, 6}, {"ÉCOLE école", "cole", 3, 9}, {"aaa", "AA", 1, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(findIgnoreCase(c.haystack, c.needle, c.from), c.expected) << c.haystack << " / " << c.needle;
}

}  // namespace
}  // namespace corvela::text
