// UserManager: login checks and their errors, sessions per pool and
// identifier, the one-hour idle limit, password changes written back to the
// caller, and logins that try to carry SQL.
#include <gtest/gtest.h>

#include <barrier>
#include <thread>
#include <vector>

#include "core/settings_key.h"
#include "core/sql_literals.h"
#include "platform/automation/oledate.h"
#include "platform/automation/progid_factory.h"
#include "platform/db/recordset.h"
#include "users/password_encoding.h"
#include "users/user_manager.h"
#include "users_fixture.h"

namespace corvela::users {
namespace {

class UserManagerTest : public UsersTest {
 protected:
  UserManagerTest() { manager.Init("user_users", "admin"); }

  std::string sessions(const std::string& condition = "1=1") {
    return scalar("SELECT COUNT(*) FROM UserManager WHERE " + condition);
  }
  // Sets a session's last use to `minutes` ago.
  void idleFor(const std::string& session, double minutes) {
    sql("UPDATE UserManager SET LastUpdated=" + core::SqlDate(Variant::fromDate(oleDateNow() - minutes / 1440)) +
        " WHERE SessionID='" + session + "'");
  }

  UserManager manager;
};

TEST_F(UserManagerTest, EncodeUrlAddsTheSessionParameter) {
  EXPECT_EQ(manager.EncodeURL("", "abc"), "?SESSIONID=abc");
  EXPECT_EQ(manager.EncodeURL("a.asp?x=1", "abc"), "a.asp?x=1&SESSIONID=abc");
  EXPECT_EQ(manager.EncodeURL("a.asp", "abc"), "a.asp?SESSIONID=abc");
}

TEST_F(UserManagerTest, RefusedLoginsSayWhyAndWriteNothing) {
  makeAccount("ann", "pw", {2});
  makeAccount("ben", "pw");
  ASSERT_TRUE(manager.Login("ann", "pw", 2, "S1", ""));
  struct Case {
    const char* name;
    const char* password;
    int32_t role;
    int32_t number;
    const char* source;
    const char* description;
  } cases[] = {
      {"   ", "pw", 2, 20010, "", "NoUserName"},
      {"nobody", "pw", 2, 20011, "", "NoUser"},
      {"x' OR '1'='1", "pw", 2, 20011, "", "NoUser"},
      {"ann' --", "anything", 2, 20011, "", "NoUser"},
      {"ann", "PW", 2, 20012, "", "WrongPass"},
      {"ann", "pw", 3, 10012, "UserManager", "UserRoleNotValid"},
      {"ben", "pw", 0, 10012, "UserManager", "UserRoleNotValid"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(raised([&] { manager.Login(c.name, c.password, c.role, "S1", ""); }),
              (Raised{c.number, c.source, c.description}))
        << c.name;
  EXPECT_EQ(sessions(), "1") << "the earlier session stays";
  EXPECT_EQ(scalar("SELECT UserName FROM UserManager"), "ann");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM user_users"), "2");
}

TEST_F(UserManagerTest, NameAndTableAreCheckedBeforeTheDatabase) {
  removeSetting(core::kConnStringValue);
  EXPECT_EQ(raised([&] { manager.Login(" ", "pw", 1, "S", ""); }).description, "NoUserName");
  UserManager uninitialised;
  EXPECT_EQ(raised([&] { uninitialised.Login("ann", "pw", 1, "S", ""); }), (Raised{20010, "", "NoUM"}));
}

TEST_F(UserManagerTest, InitTakesOnlyAPlainTableName) {
  UserManager other;
  for (const char* bad : {"user_users WHERE 1=1; DROP TABLE tips; --", "user users", "1users", "users'"}) {
    Raised error = raised([&] { other.Init(bad, "admin"); });
    EXPECT_EQ(error.number, 5) << bad;
    EXPECT_EQ(error.description, "Invalid procedure call or argument") << bad;
  }
  EXPECT_EQ(raised([&] { other.Login("ann", "pw", 1, "S", ""); }).description, "NoUM") << "nothing was kept";
  EXPECT_TRUE(other.Init("User_Users2", "admin"));
}

TEST_F(UserManagerTest, LoginRecordsTheSessionWithTheTrimmedName) {
  int32_t id = makeAccount("cat", "pw", {1});
  ASSERT_TRUE(manager.Login("  cat ", " pw  ", 1, "it's-me", "10.0.0.1"));
  auto online = manager.GetOnLineUser();
  ASSERT_EQ(online->recordCount(), 1);
  EXPECT_EQ(online->value("UMName").toString(), "admin");
  EXPECT_EQ(online->value("SessionID").toString(), "it's-me");
  EXPECT_EQ(online->value("UserID").toLong(), id);
  EXPECT_EQ(online->value("UserName").toString(), "cat");
  EXPECT_TRUE(manager.UserValid("it's-me"));
  EXPECT_FALSE(manager.UserValid("it''s-me"));
  EXPECT_TRUE(manager.Logout("it's-me"));
  EXPECT_FALSE(manager.UserValid("it's-me"));
}

TEST_F(UserManagerTest, LoginAgainWithOneIdentifierKeepsOneRowForTheSecond) {
  makeAccount("dan", "pw", {1});
  int32_t eve = makeAccount("eve", "pw", {1});
  manager.Login("dan", "pw", 1, "S", "");
  manager.Login("eve", "pw", 1, "S", "");
  EXPECT_EQ(sessions(), "1");
  EXPECT_EQ(scalar("SELECT UserID FROM UserManager"), std::to_string(eve));
}

TEST_F(UserManagerTest, ConcurrentLoginsWithOneIdentifierLeaveOneRow) {
  makeAccount("fox", "pw", {1});
  constexpr int kThreads = 4, kRounds = 10;
  for (int round = 0; round < kRounds; ++round) {
    std::string session = "race" + std::to_string(round);
    std::barrier start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&] {
        UserManager own;
        own.Init("user_users", "admin");
        start.arrive_and_wait();
        own.Login("fox", "pw", 1, session, "");
      });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(sessions("SessionID='" + session + "'"), "1") << session;
  }
}

TEST_F(UserManagerTest, SessionsIdleMoreThanAnHourExpire) {
  makeAccount("gus", "pw", {1});
  manager.Login("gus", "pw", 1, "fresh", "");
  manager.Login("gus", "pw", 1, "stale", "");
  idleFor("fresh", 59);
  idleFor("stale", 61);
  EXPECT_EQ(sessions(), "2") << "GetOnLineUser and GetCurrentUser see expired rows until a purge";
  EXPECT_NE(manager.GetCurrentUser("stale"), nullptr);

  EXPECT_TRUE(manager.UserValid("fresh"));
  EXPECT_EQ(sessions(), "1") << "the stale session was purged";
  EXPECT_FALSE(manager.UserValid("stale"));
  // The valid session was refreshed: far from expiry again.
  std::string limit = core::SqlDate(Variant::fromDate(oleDateNow() - 5.0 / 1440));
  EXPECT_EQ(sessions("SessionID='fresh' AND LastUpdated > " + limit), "1");
}

TEST_F(UserManagerTest, PoolsAreSeparate) {
  makeAccount("hal", "pw", {1});
  manager.Login("hal", "pw", 1, "S", "");
  UserManager site;
  site.Init("user_users", "site");
  EXPECT_FALSE(site.UserValid("S"));
  EXPECT_EQ(site.GetCurrentUser("S"), nullptr);
  EXPECT_EQ(site.GetOnLineUser()->recordCount(), 0);
  site.Logout("S");
  EXPECT_TRUE(manager.UserValid("S")) << "another pool's logout leaves the session";

  // The other pool's stale rows are not purged by this pool.
  idleFor("S", 90);
  site.UserValid("x");
  EXPECT_EQ(sessions(), "1");
}

TEST_F(UserManagerTest, GetCurrentUserLoadsTheAccount) {
  int32_t id = makeAccount("ivy", "pw", {1});
  manager.Login("ivy", "pw", 1, "S", "");
  std::shared_ptr<User> user = manager.GetCurrentUser("S");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->UserID(), id);
  EXPECT_EQ(user->Username(), "ivy");
  EXPECT_EQ(manager.GetCurrentUser("unknown"), nullptr);

  user->Delete();
  EXPECT_EQ(raised([&] { manager.GetCurrentUser("S"); }).description, "NoRecord");
}

TEST_F(UserManagerTest, ChangePasswordWritesTheEncodingBackAndLoginFollowsIt) {
  makeAccount("jon", "old", {1});
  std::shared_ptr<Object> late = createObject("Corvela.UserManager");
  Variant init[] = {Variant("user_users"), Variant("admin")};
  late->call("Init", init);
  Variant args[] = {Variant("JON"), Variant("new'pass")};
  EXPECT_TRUE(late->call("ChangePassword", args).toBool());
  EXPECT_EQ(args[1].toString(), EncodePassword("new'pass")) << "written back into the caller's variable";
  EXPECT_EQ(scalar("SELECT password FROM user_users"), EncodePassword("new'pass"));

  EXPECT_EQ(raised([&] { manager.Login("jon", "old", 1, "S", ""); }).description, "WrongPass");
  EXPECT_TRUE(manager.Login("jon", "new'pass", 1, "S", ""));

  Variant nobody[] = {Variant("nobody"), Variant("x")};
  EXPECT_TRUE(late->call("ChangePassword", nobody).toBool()) << "no account is no error";
}

TEST_F(UserManagerTest, AnAccountWithoutPasswordCannotLogIn) {
  User blank;
  blank.setUsername("kim");
  blank.Save();
  blank.AddRole(1);
  for (const char* password : {"", " "})
    EXPECT_EQ(raised([&] { manager.Login("kim", password, 1, "S", ""); }).description, "WrongPass");
  sql("UPDATE user_users SET password=NULL");
  EXPECT_EQ(raised([&] { manager.Login("kim", "", 1, "S", ""); }).description, "WrongPass");
}

TEST_F(UserManagerTest, NewSessionIdsAreLongRandomHex) {
  std::string first = manager.NewSessionID(), second = manager.NewSessionID();
  EXPECT_EQ(first.size(), 32u);
  EXPECT_EQ(first.find_first_not_of("0123456789abcdef"), std::string::npos) << first;
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace corvela::users
