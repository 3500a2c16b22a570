// Tests of strings as UTF-16 code units: half units, lone surrogates, joining
// byte by byte, cutting through pairs and binary order. The properties are
// checked against a plain model: a string is its UTF-16LE bytes.
#include "platform/text/utf8_units.h"

#include <random>

#include <gtest/gtest.h>

#include "platform/text/utf8.h"

namespace corvela::text {
namespace {

// The bytes of a literal, NULs included.
template <size_t N>
std::string raw(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string half(uint8_t byte) {
  std::string out;
  appendHalfUnit(out, byte);
  return out;
}

// Byte strings that hit the interesting cases often: ASCII, surrogate
// halves of both kinds (so that pairs form and break), other BMP units.
std::string randomUtf16Bytes(std::mt19937& random) {
  static const uint16_t kUnits[] = {0x41, 0x00, 0xE9, 0x4E2D, 0xD83D, 0xDE00, 0xDBFF, 0xDC00, 0xFFFF, 0xE000};
  std::uniform_int_distribution<size_t> pick(0, std::size(kUnits) - 1);
  std::uniform_int_distribution<int> length(0, 12);
  std::string bytes;
  for (int i = length(random); i > 0; --i) {
    uint16_t unit = kUnits[pick(random)];
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  if (random() % 2) bytes.push_back(static_cast<char>(random() & 0xFF));
  if (random() % 3 == 0 && !bytes.empty()) bytes.erase(0, 1);  // shift every unit by a byte
  return bytes;
}

TEST(Utf8UnitsTest, HalfUnitKeepsEveryByteValue) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string s = "ab" + half(static_cast<uint8_t>(byte));
    ASSERT_TRUE(hasHalfUnit(s)) << byte;
    EXPECT_EQ(halfUnitByte(s), byte);
    EXPECT_EQ(wholeUnits(s), "ab");
    EXPECT_EQ(utf16Length(s), 2u);
    EXPECT_EQ(utf16ByteLength(s), 5u);
  }
  for (const char* plain : {"", "a", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xED\xB8\x80"}) {
    EXPECT_FALSE(hasHalfUnit(plain)) << plain;
    EXPECT_EQ(wholeUnits(plain), plain);
  }
}

TEST(Utf8UnitsTest, BytesRoundTripThroughText) {
  const struct { std::string bytes; std::string text; } cases[] = {
      {std::string("A\0B\0", 4), "AB"}, {std::string("A\0B", 3), "A" + half('B')},
      {raw("\x3D\xD8\x00\xDE"), "\xF0\x9F\x98\x80"},  // a pair is one character
      {"\x3D\xD8", "\xED\xA0\xBD"},              // the high half alone
      {raw("\x00\xDE\x3D\xD8"), "\xED\xB8\x80\xED\xA0\xBD"},  // low before high: no pair
      {"\xFF", half(0xFF)}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fromUtf16Bytes(c.bytes), c.text);
    EXPECT_EQ(toUtf16Bytes(c.text), c.bytes);
  }
  // Long enough for utf16Length to count eight bytes at a time.
  EXPECT_EQ(utf16Length("abcdefghijklmnop\xF0\x9F\x98\x80\xED\xA0\xBD" "abcdefgh"), 27u);
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes = randomUtf16Bytes(random);
    std::string text = fromUtf16Bytes(bytes);
    ASSERT_EQ(toUtf16Bytes(text), bytes);
    ASSERT_EQ(utf16ByteLength(text), bytes.size());
    ASSERT_EQ(utf16Length(text), bytes.size() / 2);
    size_t begin = random() % (bytes.size() + 2), end = random() % (bytes.size() + 2);
    std::string expected = begin < end && begin < bytes.size() ? bytes.substr(begin, end - begin) : "";
    ASSERT_EQ(utf16ByteSlice(text, bytes.size() / 2, begin, end), expected) << begin << ".." << end;
  }
}

TEST(Utf8UnitsTest, JoiningEqualsJoiningTheBytes) {
  std::mt19937 random(11);
  for (int i = 0; i < 5000; ++i) {
    std::string a = randomUtf16Bytes(random), b = randomUtf16Bytes(random);
    std::string expected = fromUtf16Bytes(a + b);
    ASSERT_EQ(concatenated(fromUtf16Bytes(a), fromUtf16Bytes(b)), expected);
    std::string built = fromUtf16Bytes(a);
    appendJoined(built, fromUtf16Bytes(b));
    ASSERT_EQ(built, expected);
  }
  // Byte by byte, as scripts build binary data from ChrB.
  std::string built;
  for (char byte : std::string("\x3D\xD8\x00\xDE" "A\0", 6)) appendJoined(built, half(static_cast<uint8_t>(byte)));
  EXPECT_EQ(built, "\xF0\x9F\x98\x80" "A");
  EXPECT_FALSE(needsJoin("abc", half(1)));
  EXPECT_FALSE(needsJoin("\xED\xA0\xBD", "x"));
  EXPECT_TRUE(needsJoin("\xED\xA0\xBD", "\xED\xB8\x80"));
}

TEST(Utf8UnitsTest, SlicesCutThroughPairs) {
  const std::string s = "a\xF0\x9F\x98\x80" "b";  // a, high, low, b
  const std::string high = "\xED\xA0\xBD", low = "\xED\xB8\x80";
  const struct { size_t first, count; std::string expected; } cases[] = {
      {0, 2, "a" + high}, {2, 2, low + "b"}, {1, 2, "\xF0\x9F\x98\x80"}, {2, 1, low},
      {1, 1, high},       {0, 99, s},        {4, 1, ""},                  {1, 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(unitSlice(s, c.first, c.count), c.expected) << c.first << "," << c.count;
  EXPECT_EQ(unitSlice(s + half(7), 3), "b");  // the half unit is no character
  EXPECT_EQ(byteOffsetOfUnit(s, 1), 1u);
  EXPECT_EQ(byteOffsetOfUnit(s, 2), 5u);  // inside the pair: after it
  EXPECT_EQ(byteOffsetOfUnit(s, 3), 5u);
  EXPECT_EQ(byteOffsetOfUnit(s, 9), s.size());
  // Any slice is the slice of the code units.
  std::mt19937 random(5);
  for (int i = 0; i < 1000; ++i) {
    std::string text(wholeUnits(fromUtf16Bytes(randomUtf16Bytes(random))));
    std::u16string units = toUtf16Units(text);
    size_t first = random() % (units.size() + 2), count = random() % (units.size() + 2);
    std::u16string expected = first < units.size() ? units.substr(first, count) : u"";
    ASSERT_EQ(toUtf16Units(unitSlice(text, first, count)), expected);
  }
}

TEST(Utf8UnitsTest, BinaryOrderIsCodeUnitOrder) {
  const struct { std::string a, b; int expected; } cases[] = {
      {"abc", "abd", -1}, {"ab", "abc", -1},
      {"\xF0\x9F\x98\x80", "\xEF\xBF\xBF", -1},  // U+1F600 is D83D DE00, below FFFF
      {"\xEE\x80\x80", "\xF0\x90\x80\x80", 1}, {"\xED\xA0\xBD", "\xEE\x80\x80", -1}, {"A" + half(0), "A", 1},
      {"A" + half(0x42), "AB", -1}, {"A" + half(0x43), "AB", 1}, {"A" + half(0), "A" + half(0), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compareUtf16(c.a, c.b), c.expected) << c.a << " / " << c.b;
    EXPECT_EQ(compareUtf16(c.b, c.a), -c.expected) << c.b << " / " << c.a;
  }
}

}  // namespace
}  // namespace corvela::text
