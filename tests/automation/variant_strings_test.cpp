// String Variants that UTF-16 strings allow and Unicode does not: byte
// strings with an odd count (half units) and lone surrogates, through
// appendString, stringLength, "&" and binary comparison.
#include <gtest/gtest.h>

#include <string>

#include "platform/automation/variant_ops.h"
#include "platform/text/utf8_units.h"

namespace corvela::ops {
namespace {

// The bytes of a literal, NULs included.
template <size_t N>
std::string raw(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

// The string of the UTF-16LE bytes given.
Variant bytesText(std::string_view bytes) { return Variant(text::fromUtf16Bytes(bytes)); }
std::string bytesOf(const Variant& v) { return text::toUtf16Bytes(v.rawString()); }

TEST(VariantStringsTest, AppendingSingleBytesPairsThemIntoUnits) {
  Variant s("");
  for (char c : std::string("A\0B\0\x3D\xD8\x00\xDE", 8)) s.appendString(bytesText(std::string(1, c)).rawString());
  EXPECT_EQ(s.rawString(), "AB\xF0\x9F\x98\x80");
  EXPECT_EQ(s.stringLength(), 4u);  // A, B and a pair
  s.appendString(bytesText("C").rawString());
  EXPECT_EQ(s.stringLength(), 4u);  // half a unit is no character
  EXPECT_EQ(bytesOf(s), std::string("A\0B\0\x3D\xD8\x00\xDE" "C", 9));
}

TEST(VariantStringsTest, JoiningDoesNotTouchSharedCopies) {
  Variant odd = bytesText(std::string("A\0B", 3));
  Variant shared = odd;
  odd.appendString(bytesText(std::string("\0", 1)).rawString());
  EXPECT_EQ(odd.rawString(), "AB");
  EXPECT_EQ(bytesOf(shared), std::string("A\0B", 3));
  EXPECT_EQ(shared.stringLength(), 1u);

  Variant high = bytesText("\x3D\xD8");
  Variant keep = high;
  high.appendString("\xED\xB8\x80");
  EXPECT_EQ(high.rawString(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(keep.rawString(), "\xED\xA0\xBD");
}

TEST(VariantStringsTest, ConcatJoinsAsTheBytesWould) {
  const struct {
    Variant left, right;
    std::string bytes;  // UTF-16LE of the result
  } cases[] = {
      {bytesText("A"), bytesText(std::string("\0", 1)), std::string("A\0", 2)},
      {bytesText("\x3D\xD8"), bytesText(raw("\x00\xDE")), raw("\x3D\xD8\x00\xDE")},
      {bytesText("x"), Variant(7), std::string("x7\0", 3)},  // 7 as text is "7", 0x37 0x00
      {Variant(), bytesText("A"), "A"}, {bytesText("\x3D"), bytesText(raw("\xD8\x00\xDE")), raw("\x3D\xD8\x00\xDE")},
  };
  for (const auto& c : cases) {
    Variant joined = concat(c.left, c.right);
    ASSERT_TRUE(joined.isString());
    EXPECT_EQ(bytesOf(joined), c.bytes);
    Variant appended = c.left.isString() ? c.left : Variant("");
    appendConcat(appended, c.right);
    EXPECT_EQ(bytesOf(appended), c.bytes);
  }
  EXPECT_EQ(concat(bytesText("\x3D\xD8"), bytesText(raw("\x00\xDE"))).stringLength(), 2u);
}

TEST(VariantStringsTest, BinaryComparisonOrdersCodeUnits) {
  const struct { Variant a, b; Comparison expected; } cases[] = {
      {bytesText(std::string("A\0", 2)), bytesText("A"), Comparison::Greater},
      {bytesText(std::string("A\0B", 3)), Variant("AB"), Comparison::Less},
      {bytesText(std::string("A\0B", 3)), bytesText(std::string("A\0B", 3)), Comparison::Equal},
      {Variant("\xF0\x9F\x98\x80"), Variant("\xEF\xBC\xA1"), Comparison::Less},  // pair below U+FF21
      {Variant("\xED\xA0\xBD"), Variant("\xF0\x9F\x98\x80"), Comparison::Less},  // D83D before D83D DE00
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compare(c.a, c.b, 0), c.expected);
    Comparison reversed = c.expected == Comparison::Less      ? Comparison::Greater
                          : c.expected == Comparison::Greater ? Comparison::Less
                                                              : Comparison::Equal;
    EXPECT_EQ(compare(c.b, c.a, 0), reversed);
  }
}

}  // namespace
}  // namespace corvela::ops
