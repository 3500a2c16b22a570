// ServerCookie: insert or update by name, and 255-character values that
// never break the statement.
#include <gtest/gtest.h>

#include "core/server_cookie.h"
#include "core_fixture.h"

namespace corvela::core {
namespace {

using testing::CoreTest;

class ServerCookieTest : public CoreTest {
 protected:
  ServerCookie cookies;
};

TEST_F(ServerCookieTest, WriteThenReplace) {
  EXPECT_EQ(cookies.ReadValue("never"), "");
  cookies.WriteValue("visitor", "one");
  EXPECT_EQ(cookies.ReadValue("visitor"), "one");
  cookies.WriteValue("visitor", "two");
  EXPECT_EQ(cookies.ReadValue("visitor"), "two");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ServerCookie"), "1");
  EXPECT_EQ(scalar("SELECT id FROM ServerCookie"), "1") << "ids come from the UserManager counter";
  EXPECT_EQ(scalar("SELECT id FROM IDManager WHERE tablename='UserManager'"), "2");
}

TEST_F(ServerCookieTest, QuotesAndNulsRoundTripAndEmptyIsOneSpace) {
  cookies.WriteValue("it's", "O'Brien's ''value''");
  EXPECT_EQ(cookies.ReadValue("it's"), "O'Brien's ''value''");
  std::string name("a\0b", 3), value("x\0y'z", 5);
  cookies.WriteValue(name, value);
  EXPECT_EQ(cookies.ReadValue(name), value);
  EXPECT_EQ(cookies.ReadValue("a"), "") << "the name is not cut at its NUL";
  cookies.WriteValue("k", "");
  EXPECT_EQ(cookies.ReadValue("k"), " ");
}

TEST_F(ServerCookieTest, LongValuesKeepTheirFirst255Characters) {
  struct Case { std::string value, stored; } cases[] = {
      {std::string(300, 'a'), std::string(255, 'a')},
      // A quote at position 255 was doubled, then cut in half: the literal
      // ended early. Now the cut comes first.
      {std::string(254, 'a') + "'" + "); DROP TABLE tips; --", std::string(254, 'a') + "'"},
      {std::string(255, '\''), std::string(255, '\'')},
  };
  for (const auto& c : cases) {
    cookies.WriteValue("long", c.value);
    EXPECT_EQ(cookies.ReadValue("long"), c.stored);
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM tips"), "0") << "the tips table survived";
}

TEST_F(ServerCookieTest, LimitCountsCharactersNotBytes) {
  std::string chinese;
  for (int i = 0; i < 300; ++i) chinese += "页";
  cookies.WriteValue("cn", chinese);
  EXPECT_EQ(cookies.ReadValue("cn"), chinese.substr(0, 255 * 3));
  // Long names are cut the same way on read and write.
  std::string name(300, 'n');
  cookies.WriteValue(name, "v");
  EXPECT_EQ(cookies.ReadValue(name), "v");
  EXPECT_EQ(cookies.ReadValue(std::string(255, 'n')), "v");
}

}  // namespace
}  // namespace corvela::core
