// The string built-ins called through their table: cutting and searching by
// characters (not bytes) in non-ASCII text, the optional start and compare
// arguments, Null in each position, and the error numbers of bad counts.
// The plain ASCII edge cases (Null, zero and negative counts, starts past the
// end) are checked by the corpus programs strings.vbs and strfn_b.vbs; these
// tables keep the result types and the non-ASCII and UTF-16 cases.
#include <vector>

#include <gtest/gtest.h>

#include "vbscript/builtins_call.h"

namespace corvela::vbs::testing {
namespace {

Variant words() { return Variant::array(std::vector<Variant>{"apple", "Banana", "cherry"}); }

TEST(StringBuiltins, LengthCountsCharactersOfTheValuesText) {
  expectCases({
      {"Len", {"abc"}, "Long:3"}, {"Len", {"中文ab"}, "Long:4"},
      {"Len", {"😀"}, "Long:2"},  // UTF-16 code units: a pair
      {"Len", {"\xED\xA0\xBD" "x"}, "Long:2"},  // a lone high half and x
      {"Len", {Null()}, "Null"}, {"Len", {-1.5}, "Long:4"},
      {"Len", {Variant::array(std::vector<Variant>{1})}, "error 13"},
  });
}

TEST(StringBuiltins, LeftRightMidCutByCharacters) {
  expectCases({
      {"Left", {"abcdef", 3}, "String:abc"}, {"Left", {"abc", 1.5}, "String:ab"},
      {"Left", {"中文字", 2}, "String:中文"}, {"Left", {12345, 2}, "String:12"}, {"Left", {"abc", "x"}, "error 13"},
      {"Right", {"abcdef", 2}, "String:ef"}, {"Right", {"中文字", 1}, "String:字"},
      {"Mid", {"abcdef", 3}, "String:cdef"}, {"Mid", {"abc", 2, 0}, "String:"},
      {"Mid", {"中文字符", 2, 2}, "String:文字"}, {"Mid", {"a😀b", 4, 1}, "String:b"},
      {"Mid", {"a😀b", 2, 2}, "String:😀"},
      {"Mid", {"a😀b", 3, 1}, "String:\xED\xB8\x80"},  // the low half alone
      {"Mid", {"a😀b", 3}, "String:\xED\xB8\x80" "b"},
      {"Left", {"a😀b", 2}, "String:a\xED\xA0\xBD"},
      {"Right", {"a😀b", 2}, "String:\xED\xB8\x80" "b"}, {"Right", {"😀😀", 3}, "String:\xED\xB8\x80😀"},
      {"Mid", {Null(), 0}, "error 5"}, {"Mid", {"abc", 1, -1}, "error 5"},
      {"Mid", {"abc", 0, Null()}, "error 94"}, {"Mid", {"abc", "a", Null()}, "error 94"},
  });
}

TEST(StringBuiltins, WholeResultsShareTheArgumentsText) {
  Variant text("template text");
  for (auto [name, args] : std::vector<std::pair<std::string_view, std::vector<Variant>>>{
           {"Left", {text, 50}}, {"Right", {text, 13}}, {"Mid", {text, 1}}, {"Trim", {text}},
           {"LCase", {text}}, {"CStr", {text}}, {"Replace", {text, "z", "y"}}}) {
    Variant result = call(name, args);
    ASSERT_TRUE(result.isString()) << name;
    EXPECT_EQ(result.rawStringRep(), text.rawStringRep()) << name << " copied the text";
  }
}

TEST(StringBuiltins, SingleAsciiCharactersAreShared) {
  Variant first = call("Mid", {"abc", 2, 1});
  Variant again = call("Mid", {"xbx", 2, 1});
  EXPECT_EQ(first.rawStringRep(), again.rawStringRep());
  EXPECT_EQ(call("Chr", {98}).rawStringRep(), first.rawStringRep());
  EXPECT_EQ(describe(first), "String:b");
}

// Results carry their character count from birth; a wrong count would show
// in Len and in every later cut.
TEST(StringBuiltins, ResultsKnowTheirLength) {
  const std::vector<BuiltinCase> cases = {
      {"Replace", {"中a中", "a", "bb"}, "Long:4"}, {"Replace", {"abc", "b", "中"}, "Long:3"},
      {"Replace", {"abcabc", "b", "xy"}, "Long:8"}, {"Replace", {"a中a", "A", "x", 2, -1, 1}, "Long:2"},
      {"UCase", {"äbc"}, "Long:3"}, {"StrReverse", {"中a"}, "Long:2"}, {"String", {3, "中"}, "Long:3"},
      {"Space", {4}, "Long:4"}, {"Mid", {"a中bc", 2}, "Long:3"}, {"Trim", {" 中 "}, "Long:1"}, {"Left", {"abc", 2}, "Long:2"},
  };
  for (const BuiltinCase& c : cases) EXPECT_EQ(describe(call("Len", {call(c.name, c.args)})), c.expected) << c.name;
  Variant parts = call("Split", {"中文,ab", ","});
  EXPECT_EQ(describe(call("Len", {parts.rawArray()->items[0]})), "Long:2");
  EXPECT_EQ(describe(call("Len", {parts.rawArray()->items[1]})), "Long:2");
}

// A String remembers where its last cut or search by characters ended and
// the next one starts there when it can. Cuts and searches in a scrambled
// order on one String (so the remembered place is ahead, behind, inside a
// pair, or stale after an append) must answer as on a fresh copy.
TEST(StringBuiltins, CutsAndSearchesAgreeInAnyOrder) {
  const std::string text = "a中\xF0\x9F\x98\x80" "b文,x\xF0\x9F\x98\x80,中中cd";  // 15 units, pairs at 3 and 9
  Variant shared(text);
  auto fresh = [&] { return Variant(text); };
  std::vector<int> starts;
  for (int i = 1; i <= 18; ++i) starts.push_back((i * 7) % 18 + 1);
  for (int start : starts)
    for (int count : {0, 1, 2, 3, 20}) {
      SCOPED_TRACE(std::to_string(start) + "," + std::to_string(count));
      EXPECT_EQ(describe(call("Mid", {shared, start, count})), describe(call("Mid", {fresh(), start, count})));
      EXPECT_EQ(describe(call("InStr", {start, shared, ","})), describe(call("InStr", {start, fresh(), ","})));
      EXPECT_EQ(describe(call("InStrRev", {shared, "中", start})), describe(call("InStrRev", {fresh(), "中", start})));
    }
  Variant grown(text);
  EXPECT_EQ(describe(call("Mid", {grown, 13, 2})), "String:中c");
  grown.appendString("\xF0\x9F\x98\x80z");
  EXPECT_EQ(describe(call("Mid", {grown, 18, 1})), "String:z");
  EXPECT_EQ(describe(call("InStr", {17, grown, "z"})), "Long:18");
}

TEST(StringBuiltins, InStrTakesOptionalStartAndCompare) {
  expectCases({
      {"InStr", {"abcabc", "c"}, "Long:3"}, {"InStr", {"abc", "C"}, "Long:0"},
      {"InStr", {1, "abc", "C", 1}, "Long:3"}, {"InStr", {2, "aÄbä", "ä", 1}, "Long:2"},
      {"InStr", {"中文字", "字"}, "Long:3"}, {"InStr", {3, "中文字中", "中"}, "Long:4"},
      {"InStr", {"abc", ""}, "Long:1"}, {"InStr", {"", "a"}, "Long:0"}, {"InStr", {"", ""}, "Long:0"},
      {"InStr", {5, "abc", "a"}, "Long:0"}, {"InStr", {Missing(), "abc", "b", 1}, "Long:2"},
      {"InStr", {1, "abc", "b", 2}, "error 5"}, {"InStr", {1, "abc", "b", Null()}, "error 94"},
      {"InStr", {"abc", "b", 1}, "error 13"},  // three arguments: the first is the start
  });
}

TEST(StringBuiltins, InStrRevSearchesBackFromStart) {
  expectCases({
      {"InStrRev", {"abcabc", "c"}, "Long:6"}, {"InStrRev", {"abcabc", "abc", 5}, "Long:1"},
      {"InStrRev", {"abcabc", "abc", 6}, "Long:4"}, {"InStrRev", {"abc", "C", -1, 1}, "Long:3"},
      {"InStrRev", {"ÄbÄ", "ä", -1, 1}, "Long:3"}, {"InStrRev", {"中文中文", "中"}, "Long:3"},
      {"InStrRev", {"abc", "x"}, "Long:0"}, {"InStrRev", {"abc", "a", 4}, "Long:0"},
      {"InStrRev", {Null(), "a"}, "error 94"}, {"InStrRev", {"abcd", Null(), 2, 0}, "error 94"},
      {"InStrRev", {"XXpXXpXXPXXP", "P", 10, 0}, "Long:9"},
      {"InStrRev", {"XXpXXpXXPXXP", "P", -1, 1}, "Long:12"}, {"InStrRev", {"XXpXXpXXPXXP", "P", 8}, "Long:0"},
  });
}

TEST(StringBuiltins, ReplaceStartsResultAtStart) {
  expectCases({
      {"Replace", {"This is a beautiful day!", "i", "##", 15}, "String:t##ful day!"},
      {"Replace", {"aXbXc", "x", "-"}, "String:aXbXc"}, {"Replace", {"aXbXc", "X", "-", 3}, "String:b-c"},
      {"Replace", {"abc", "b", "x", 2}, "String:xc"}, {"Replace", {"abc", "z", "x", 2}, "String:bc"},
      {"Replace", {"abc", "b", ""}, "String:ac"}, {"Replace", {"ÄäÄ", "ä", "o", 1, -1, 1}, "String:ooo"},
      {"Replace", {"中a中", "中", "文"}, "String:文a文"}, {"Replace", {"abc", "b", "x", 4}, "String:"},
      {"Replace", {12, 1, 3}, "String:32"}, {"Replace", {"abc", Null(), "b"}, "error 94"},
  });
}

TEST(StringBuiltins, SplitJoinFilter) {
  Variant matrix = Variant::array(std::vector<ArrayBound>{{0, 2}, {0, 2}});
  Variant neverSized = Variant::array(std::vector<ArrayBound>{});
  expectCases({
      {"Split", {"a,b,,c", ","}, "Variant(0..3;){String:a,String:b,String:,String:c}"},
      {"Split", {"a b"}, "Variant(0..1;){String:a,String:b}"}, {"Split", {""}, "Variant(0..-1;){}"},
      {"Split", {",", ","}, "Variant(0..1;){String:,String:}"},
      {"Split", {"a中b中c", "中"}, "Variant(0..2;){String:a,String:b,String:c}"},
      {"Split", {"a,b", ",", 0}, "Variant(0..-1;){}"},
      {"Split", {12.5, "."}, "Variant(0..1;){String:12,String:5}"}, {"Split", {"a", ",", -2}, "error 5"},
      {"Split", {Null()}, "error 94"}, {"Split", {"a,b", Null()}, "error 94"},
      {"Join", {Variant::array(std::vector<Variant>{"a", 1, true}), "-"}, "String:a-1-True"},
      {"Join", {Variant::array(std::vector<Variant>{}), ","}, "String:"}, {"Join", {"abc"}, "error 13"},
      {"Join", {Null()}, "error 13"}, {"Join", {matrix}, "error 5"},
      {"Join", {Variant::bytes({65})}, "error 13"},
      {"Filter", {words(), "an"}, "Variant(0..0;){String:Banana}"},
      {"Filter", {words(), "AN", true, 1}, "Variant(0..0;){String:Banana}"},
      {"Filter", {words(), "an", false}, "Variant(0..1;){String:apple,String:cherry}"},
      {"Filter", {words(), "zz"}, "Variant(0..-1;){}"},
      {"Filter", {Variant::array(std::vector<Variant>{1, 12, 3}), 1}, "Variant(0..1;){String:1,String:12}"},
      {"Filter", {Null(), "a"}, "error 94"}, {"Filter", {"abc", "a"}, "error 13"},
      {"Filter", {matrix, "a"}, "error 5"},
      {"Join", {neverSized}, "String:"},
  });
}

TEST(StringBuiltins, TrimAndCaseMapping) {
  expectCases({
      {"Trim", {"  a b  "}, "String:a b"},
      {"LTrim", {"  a b  "}, "String:a b  "},
      {"RTrim", {"  a b  "}, "String:  a b"},
      {"Trim", {"\ta\t\r\n"}, "String:\ta\t\r\n"}, {"Trim", {"   "}, "String:"}, {"Trim", {12}, "String:12"},
      {"UCase", {"Àéîabc"}, "String:ÀÉÎABC"},
      {"LCase", {"ΑΒΓ"}, "String:αβγ"}, {"LCase", {"ПРИВЕТ World"}, "String:привет world"},
      {"UCase", {"ｆｕｌｌ"}, "String:ＦＵＬＬ"},
      {"LCase", {"中文"}, "String:中文"},
      {"UCase", {1.5}, "String:1.5"},
  });
}

TEST(StringBuiltins, SpaceStringStrReverse) {
  expectCases({
      {"Space", {3}, "String:   "}, {"Space", {Null()}, "error 94"},
      {"String", {3, "ab"}, "String:aaa"}, {"String", {2, 65}, "String:AA"},
      {"String", {3, "中文"}, "String:中中中"}, {"String", {Null(), "a"}, "Null"}, {"String", {2, Null()}, "Null"},
      {"StrReverse", {"中文a😀"}, "String:😀a文中"},
  });
}

TEST(StringBuiltins, StrCompGivesIntegerOrdering) {
  expectCases({
      {"StrComp", {"a", "b"}, "Integer:-1"}, {"StrComp", {"b", "a"}, "Integer:1"},
      {"StrComp", {"a", "a"}, "Integer:0"}, {"StrComp", {"a", "A"}, "Integer:1"},
      {"StrComp", {"a", "A", 1}, "Integer:0"}, {"StrComp", {"abc", "ABD", 1}, "Integer:-1"},
      {"StrComp", {"Ä", "ä", 1}, "Integer:0"}, {"StrComp", {"ab", "abc"}, "Integer:-1"},
      // Binary order is by UTF-16 unit: U+FFFD sorts after the surrogate
      // pair of U+1F600, though its code point is smaller.
      {"StrComp", {"\xEF\xBF\xBD", "\xF0\x9F\x98\x80"}, "Integer:1"}, {"StrComp", {Null(), "a"}, "Null"},
      {"StrComp", {"a", Null()}, "Null"}, {"StrComp", {"a", "b", 2}, "error 5"},
  });
}

TEST(StringBuiltins, EscapeAndUnescapeUseUtf16Units) {
  expectCases({
      {"Escape", {"a b+c/é中@*_-."}, "String:a%20b+c/%E9%u4E2D@*_-."}, {"Escape", {"😀"}, "String:%uD83D%uDE00"},
      {"Escape", {"100%"}, "String:100%25"}, {"Escape", {Null()}, "error 94"},
      {"Unescape", {Null()}, "error 94"}, {"Unescape", {"%41%u4E2D%uD83D%uDE00"}, "String:A中😀"},
      {"Unescape", {"%uD83Dx"}, "String:\xED\xA0\xBD" "x"},
      {"Escape", {"\xED\xB8\x80"}, "String:%uDE00"},
      {"Unescape", {"%e9%u4e2d"}, "String:é中"}, {"Unescape", {"%zz%4%u12"}, "String:%zz%4%u12"},
      {"Unescape", {"plain"}, "String:plain"},
  });
}

// Positions past a character above U+FFFF count both of its code units, and
// the half a byte function leaves at the end is no character.
TEST(StringBuiltins, PairsCountTwoAndHalfUnitsNone) {
  Variant odd = call("LeftB", {"abc", 5});  // "ab" and half of c
  expectCases({
      {"InStr", {"😀ab", "b"}, "Long:4"}, {"InStr", {3, "😀ab", "a"}, "Long:3"},
      {"InStr", {2, "😀ab😀", "😀"}, "Long:5"},
      {"InStrRev", {"a😀a", "a"}, "Long:4"}, {"InStrRev", {"a😀a", "a", 3}, "Long:1"},
      {"Replace", {"😀a😀a", "a", "-", 3}, "String:-😀-"},
      {"String", {2, "😀x"}, "String:😀😀"},
      {"Len", {call("String", {3, "😀"})}, "Long:6"}, {"Len", {odd}, "Long:2"},
      {"Left", {odd, 5}, "String:ab"},
      {"Mid", {odd, 2}, "String:b"},
      {"StrReverse", {odd}, "String:ba"},
      {"UCase", {"\xED\xA0\xBD" "a"}, "String:\xED\xA0\xBD" "A"},
      {"StrComp", {"😀", "\xEF\xBC\xA1"}, "Integer:-1"},  // D83D before FF21, as UTF-16 orders them
      {"StrComp", {odd, "ab"}, "Integer:1"},
      {"Join", {Variant::array(std::vector<Variant>{call("ChrB", {65}), call("ChrB", {0})}), ""}, "String:A"},
      {"Join", {Variant::array(std::vector<Variant>{call("ChrW", {0xD83D}), call("ChrW", {0xDE00})}), ""},
       "String:😀"},
  });
}

TEST(StringBuiltins, HexAndOctPrintIntegerOrLongWidth) {
  expectCases({
      {"Hex", {B(255)}, "String:FF"}, {"Hex", {Variant()}, "String:0"}, {"Hex", {2.5}, "String:2"},
      {"Hex", {"255"}, "String:FF"}, {"Hex", {Null()}, "Null"}, {"Hex", {3e9}, "error 6"}, {"Hex", {"abc"}, "error 13"},
      {"Oct", {-1}, "String:37777777777"}, {"Oct", {0}, "String:0"},
  });
}

}  // namespace
}  // namespace corvela::vbs::testing
