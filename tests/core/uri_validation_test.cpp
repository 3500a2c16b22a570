// ValidateUri and the URL decoding behind it.
#include <gtest/gtest.h>

#include "core/uri_validation.h"
#include "core_fixture.h"

namespace corvela::core {
namespace {

using testing::ScopedEnv;

int errorOf(const std::function<void()>& call) { return testing::raised(call).number; }

TEST(ValidateUri, AcceptsDotDotThatCancelsAndStrayPercentSigns) {
  for (const char* uri : {"/a/../b", "/a/b/../../c", "a/b/..", "/", "", "/a//../b", "/..a/b", "/a/%2e%2e/b",
                          "\\a\\..\\b", "/a/./b", "/%252e%252e/a"})
    EXPECT_EQ(errorOf([&] { ValidateUri(uri); }), 0) << uri;
}

TEST(ValidateUri, RefusesClimbingAboveTheRoot) {
  for (const char* uri : {"/../a", "/a/../../b", "..", "/%2e%2e/a", "/%2E%2E/a", "/a/%2e%2e/%2e%2e/b", "\\..\\a",
                          "/a/..%2f..%2fb", "/..%5cetc", "/a/b/../../../c"})
    EXPECT_EQ(errorOf([&] { ValidateUri(uri); }), kInvalidUrlError) << uri;
  EXPECT_EQ(testing::raised([] { ValidateUri("/../x"); }),
            (testing::Raised{kInvalidUrlError, "Lumisto Standard Edition", "InvalidURL"}));
  // A percent sign that starts no escape is part of the name.
  for (const char* uri : {"/a%", "/a%4", "/100% sure.htm", "/%g1", "/%B0%A1.htm", "/50%%2e%2e"})
    EXPECT_EQ(errorOf([&] { ValidateUri(uri); }), 0) << uri;
  EXPECT_EQ(errorOf([&] { ValidateUri("/a%%2e%2e/%2e%2e/%2E%2e"); }), kInvalidUrlError);
}

TEST(ValidateUri, RefusesNul) {
  using namespace std::string_literals;
  for (std::string uri : {"/a.htm\0/../../x"s, "\0"s, "/news/\0"s})
    EXPECT_EQ(errorOf([&] { ValidateUri(uri); }), kInvalidUrlError);
}

TEST(UrlDecode, SingleByteForms) {
  ScopedEnv codePage("CORVELA_CODEPAGE", "UTF-8");
  struct Case { std::string in, out; } cases[] = {
      {"", ""}, {"a+b", "a b"}, {"%41", "A"}, {"%2F%41", "/A"}, {"%2541", "%41"}, {"%E6%B7%B1", "深"},
      {"x%e6%b7%b1y", "x深y"},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlDecode(c.in), c.out) << c.in;
}

TEST(UrlDecode, InvalidUtf8IsRefusedNotPassedOn) {
  ScopedEnv codePage("CORVELA_CODEPAGE", "UTF-8");
  for (const char* bad : {"%B0%A1", "%C0%AE", "%E6%B7", "%FF", "%ED%A0%80"})
    EXPECT_EQ(errorOf([&] { UrlDecode(bad); }), kInvalidUrlError) << bad;
}

TEST(UrlDecode, DoubleByteCharacterInGb2312) {
  ScopedEnv codePage("CORVELA_CODEPAGE", "GB2312");
  EXPECT_EQ(UrlDecode("%B0%A1"), "啊");
  EXPECT_EQ(UrlDecode("%2F%41%B0%A1"), "/A啊");
}

}  // namespace
}  // namespace corvela::core
