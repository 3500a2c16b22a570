// Character codes and bytes: Asc/Chr in the system code page (UTF-8, a
// double-byte page, a single-byte page), AscW/ChrW in UTF-16 codes, and the
// byte functions over UTF-16 strings and Byte arrays.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/text/utf8_units.h"
#include "support/temp_env.h"
#include "vbscript/builtins_call.h"

namespace corvela::vbs::testing {
namespace {

using corvela::testing::ScopedEnv;

TEST(CharacterCodeBuiltins, AscAndChrInUtf8CodePage) {
  ScopedEnv codepage("CORVELA_CODEPAGE", "UTF-8");
  expectCases({
      {"Asc", {"A"}, "Integer:65"}, {"Asc", {"Abc"}, "Integer:65"}, {"Asc", {65}, "Integer:54"},
      {"Asc", {"é"}, "Integer:233"}, {"Asc", {"中"}, "Integer:20013"},
      {"Chr", {65}, "String:A"}, {"Chr", {233}, "String:é"}, {"Chr", {65.4}, "String:A"},
      {"Chr", {Null()}, "error 94"},
  });
  Variant nul = call("Chr", {0});
  ASSERT_TRUE(nul.isString());
  EXPECT_EQ(nul.rawString(), std::string_view("\0", 1));
}

TEST(CharacterCodeBuiltins, AscAndChrInDoubleByteCodePage) {
  ScopedEnv codepage("CORVELA_CODEPAGE", "GBK");
  expectCases({
      {"Chr", {0xD6D0}, "String:中"}, {"Chr", {-10544}, "String:中"},
      {"Asc", {"中"}, "Integer:-10544"}, {"Asc", {"A"}, "Integer:65"},
      {"Asc", {"😀"}, "Integer:63"},  // not in the code page: '?'
      {"Chr", {66}, "String:B"},
      {"Chr", {0x0141}, "error 5"},   // two bytes that are not one character
      {"Chr", {65536}, "error 5"},
  });
}

TEST(CharacterCodeBuiltins, AscAndChrInSingleByteCodePage) {
  ScopedEnv codepage("CORVELA_CODEPAGE", "CP1252");
  expectCases({
      {"Chr", {128}, "String:€"},
      {"Asc", {"€"}, "Integer:128"},
      {"Chr", {233}, "String:é"}, {"Chr", {256}, "error 5"},
  });
}

TEST(CharacterCodeBuiltins, AscWAndChrWUseUtf16Codes) {
  expectCases({
      {"AscW", {"中"}, "Integer:20013"},
      {"AscW", {"😀"}, "Integer:-10179"},  // the high surrogate, as an Integer
      {"AscW", {"\xEF\xBF\xBF"}, "Integer:-1"}, {"AscW", {""}, "error 5"}, {"AscW", {Null()}, "error 94"},
      {"ChrW", {20013}, "String:中"}, {"ChrW", {-1}, "String:\xEF\xBF\xBF"},
      {"ChrW", {0xD800}, "String:\xED\xA0\x80"},  // a lone half, kept
      {"AscW", {call("ChrB", {65})}, "error 5"},  // half a unit is no character
      {"ChrW", {97}, "String:a"},
  });
}

TEST(ByteBuiltins, CountUtf16BytesOfStrings) {
  expectCases({
      {"LenB", {"abc"}, "Long:6"}, {"LenB", {"中"}, "Long:2"}, {"LenB", {"😀"}, "Long:4"},
      {"LenB", {12}, "Long:4"}, {"LenB", {Null()}, "Null"},
      {"LeftB", {"abc", 2}, "String:a"},
      {"LeftB", {"abc", 3}, "String:a\xF9\xA2"},  // a and half of b
      {"RightB", {"abc", 2}, "String:c"}, {"RightB", {"abc", 9}, "String:abc"},
      {"MidB", {"abc", 3, 2}, "String:b"}, {"MidB", {"abc", 3}, "String:bc"},
      {"MidB", {"中文", 3, 2}, "String:文"}, {"MidB", {"abc", 0}, "error 5"},
      {"LeftB", {"abc", -1}, "error 5"}, {"LeftB", {Null(), 1}, "Null"},
      {"InStrB", {"abc", "b"}, "Long:3"}, {"InStrB", {1, "aBc", "b", 1}, "Long:3"},
      {"InStrB", {4, "abc", "b"}, "Long:0"}, {"InStrB", {"abc", Null()}, "Null"},
      {"AscB", {"A"}, "Byte:65"},
      {"AscB", {"中"}, "Byte:45"},  // U+4E2D, low byte first
      {"AscB", {""}, "error 5"},
      {"ChrB", {65}, "String:\xF9\x81"}, {"ChrB", {256}, "error 6"}, {"ChrB", {-1}, "error 6"},
  });
}

// The UTF-16LE bytes of a String result in hex ("41 00 42"), which shows a
// half unit as the odd last byte it stands for.
std::string utf16Of(const Variant& v) {
  if (!v.isString()) return describe(v);
  std::string out;
  for (char byte : text::toUtf16Bytes(v.rawString())) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(byte));
    out += (out.empty() ? "" : " ") + std::string(hex);
  }
  return out;
}

TEST(ByteBuiltins, WorkOnByteArraysAsTheirOwnBytes) {
  Variant data = Variant::bytes({1, 13, 10, 200});
  expectCases({
      {"LenB", {data}, "Long:4"},
      {"AscB", {call("MidB", {data, 4, 1})}, "Byte:200"},
      {"InStrB", {data, call("ChrB", {13})}, "Long:2"}, {"InStrB", {3, data, call("ChrB", {13})}, "Long:0"},
      {"LenB", {Variant::array(std::vector<Variant>{1})}, "error 13"},
  });
  // Pieces of a Byte array are byte strings, as on Windows.
  EXPECT_EQ(utf16Of(call("MidB", {data, 2, 2})), "0D 0A");
  EXPECT_EQ(utf16Of(call("LeftB", {data, 3})), "01 0D 0A");
  EXPECT_EQ(utf16Of(call("RightB", {data, 1})), "C8");
}

TEST(ByteBuiltins, OddPiecesStayByteExact) {
  Variant text("a\xF0\x9F\x98\x80");  // 61 00 3D D8 00 DE
  const struct {
    Variant result;
    std::string bytes;
  } cases[] = {
      {call("MidB", {text, 2, 3}), "00 3D D8"}, {call("MidB", {text, 4}), "D8 00 DE"},
      {call("RightB", {text, 3}), "D8 00 DE"},
      {call("LeftB", {text, 4}), "61 00 3D D8"},  // the high half alone
      {call("MidB", {call("MidB", {text, 2}), 2}), "3D D8 00 DE"}, {call("ChrB", {0}), "00"},
      {call("LeftB", {call("ChrB", {7}), 5}), "07"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf16Of(c.result), c.bytes);
  Variant odd = call("MidB", {text, 2});  // 5 bytes
  expectCases({
      {"LenB", {odd}, "Long:5"},
      {"Len", {odd}, "Long:2"},
      {"AscB", {odd}, "Byte:0"}, {"AscB", {call("RightB", {odd, 1})}, "Byte:222"},
      {"InStrB", {odd, call("ChrB", {0xDE})}, "Long:5"}, {"InStrB", {odd, call("ChrB", {0x3D})}, "Long:2"},
      {"LenB", {call("ChrB", {255})}, "Long:1"},
      {"Len", {call("ChrB", {255})}, "Long:0"},
  });
}

}  // namespace
}  // namespace corvela::vbs::testing
