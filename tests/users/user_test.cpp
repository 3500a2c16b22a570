// User: new-object defaults, what Save stores and refuses, the 25-character
// name, attributes, roles, and what Delete removes.
#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <thread>
#include <vector>

#include "platform/db/recordset.h"
#include "users/password_encoding.h"
#include "users_fixture.h"

namespace corvela::users {
namespace {

class UserTest : public UsersTest {};

TEST_F(UserTest, NewObjectSavesTheAccountNamedBlankWithoutPassword) {
  User user;
  EXPECT_EQ(user.UserID(), -1);
  EXPECT_EQ(user.Username(), " ");
  EXPECT_TRUE(user.Save());
  EXPECT_EQ(user.UserID(), 1);
  EXPECT_EQ(scalar("SELECT '[' || username || ']' FROM user_users WHERE userid=1"), "[ ]");
  EXPECT_EQ(scalar("SELECT '[' || password || ']' FROM user_users WHERE userid=1"), "[ ]");
  EXPECT_EQ(user.GetAttribute("anything"), "");
}

TEST_F(UserTest, SaveOfAnExistingAccountLeavesThePasswordAlone) {
  int32_t id = makeAccount("alice", "first");
  User user;
  user.Load(id);
  user.SetPassWord("second");
  user.setUsername("alicia");
  user.Save();
  EXPECT_EQ(scalar("SELECT username FROM user_users"), "alicia");
  EXPECT_EQ(scalar("SELECT password FROM user_users"), EncodePassword("first"));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM user_users"), "1");
}

TEST_F(UserTest, NamesAreCutTo25CharactersBeforeQuoting) {
  std::string chinese;
  for (int i = 0; i < 30; ++i) chinese += "编";
  struct Case {
    std::string name, stored;
  } cases[] = {
      {std::string(30, 'n'), std::string(25, 'n')},
      {"a'b", "a'b"},
      // Doubling first and cutting after split the pair at the 25th
      // character and ended the literal early.
      {std::string(24, 'q') + "'); DELETE FROM tips; --", std::string(24, 'q') + "'"},
      {chinese, chinese.substr(0, 25 * 3)},
  };
  for (const Case& c : cases) {
    User user;
    user.setUsername(c.name);
    user.Save();
    EXPECT_EQ(user.Username(), c.stored);
    User loaded;
    loaded.Load(user.UserID());
    EXPECT_EQ(loaded.Username(), c.stored);
  }
}

TEST_F(UserTest, SaveRefusesAnEmptyName) {
  User user;
  user.setUsername("");
  EXPECT_EQ(raised([&] { user.Save(); }), (Raised{1051, "", "Input Error:,Username can not be empty"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM user_users"), "0");
}

TEST_F(UserTest, OneAccountPerNameWhateverItsCase) {
  makeAccount("bob", "x");
  User second;
  second.setUsername("BOB");
  EXPECT_EQ(raised([&] { second.Save(); }), (Raised{-28669, "User.Save", "Save Name:BOB"}));
  EXPECT_EQ(second.UserID(), -1);

  // Renaming another account onto the name is refused the same way.
  int32_t carol = makeAccount("carol", "x");
  User renamed;
  renamed.Load(carol);
  renamed.setUsername("Bob");
  EXPECT_EQ(raised([&] { renamed.Save(); }).number, -28669);
  EXPECT_EQ(scalar("SELECT username FROM user_users WHERE userid=" + std::to_string(carol)), "carol");
  // An account may change the case of its own name.
  renamed.setUsername("Carol");
  EXPECT_TRUE(renamed.Save());
}

TEST_F(UserTest, ConcurrentSavesOfOneNewNameLeaveOneAccount) {
  constexpr int kThreads = 4, kRounds = 10;
  for (int round = 0; round < kRounds; ++round) {
    std::string name = "racer" + std::to_string(round);
    std::atomic<int> saved{0}, refused{0};
    std::barrier start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&] {
        User user;
        user.setUsername(name);
        start.arrive_and_wait();
        try {
          user.Save();
          ++saved;
        } catch (const ComError& error) {
          if (error.number() == -28669) ++refused;
        }
      });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(saved.load(), 1) << name;
    EXPECT_EQ(refused.load(), kThreads - 1) << name;
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM user_users"), std::to_string(kRounds));
}

TEST_F(UserTest, LoadOfAMissingAccountIsNoRecord) {
  User user;
  EXPECT_EQ(raised([&] { user.Load(42); }), (Raised{1050, "", "NoRecord"}));
}

TEST_F(UserTest, AttributeNamesIgnoreCaseAndAreStoredInCapitals) {
  User user;
  user.setUsername("dora");
  user.SetAttribute("Email", "d@example.org");
  EXPECT_EQ(user.GetAttribute("email"), "d@example.org");
  user.SetAttribute("EMAIL", "dora@example.org");
  user.SetAttribute("phone", " ");
  user.SetAttribute("note", "a < b & 'c' \"d\"");
  user.Save();

  std::string stored = scalar("SELECT attributes FROM user_users");
  EXPECT_NE(stored.find("<EMAIL>dora@example.org</EMAIL>"), std::string::npos) << stored;
  EXPECT_EQ(stored.find("Email"), std::string::npos) << stored;
  EXPECT_EQ(stored.find("<EMAIL>", stored.find("<EMAIL>") + 1), std::string::npos) << "one element: " << stored;

  User loaded;
  loaded.Load(user.UserID());
  EXPECT_EQ(loaded.GetAttribute("eMail"), "dora@example.org");
  EXPECT_EQ(loaded.GetAttribute("PHONE"), " ") << "a value of blanks is kept";
  EXPECT_EQ(loaded.GetAttribute("note"), "a < b & 'c' \"d\"");
  EXPECT_EQ(loaded.GetAttribute("fax"), "");
}

TEST_F(UserTest, BrokenDocumentsAndBadNamesAreRefusedByNameAndNumber) {
  int32_t id = makeAccount("erin", "x");
  sql("UPDATE user_users SET attributes='<user><A>1</user>' WHERE userid=" + std::to_string(id));
  User user;
  user.Load(id);
  EXPECT_EQ(user.GetAttribute("a"), "") << "a broken document reads as no attributes";
  EXPECT_EQ(raised([&] { user.SetAttribute("b", "2"); }), (Raised{555, "User.SetAttribute", "InvalidXML"}));
  for (const char* document : {"<other/>", "<user/><user/>"}) {
    sql(std::string("UPDATE user_users SET attributes='") + document + "'");
    user.Load(id);
    EXPECT_EQ(raised([&] { user.SetAttribute("b", "2"); }).description, "InvalidXML") << document;
  }

  sql("UPDATE user_users SET attributes='   '");
  user.Load(id);
  struct BadName {
    const char* name;
    const char* description;
  } badNames[] = {{"", "InvalidName:"}, {"1st", "InvalidName:1ST"}, {"a b", "InvalidName:A B"},
                  {"x<y", "InvalidName:X<Y"}, {"p:q", "InvalidName:P:Q"}};
  for (const BadName& c : badNames)
    EXPECT_EQ(raised([&] { user.SetAttribute(c.name, "v"); }), (Raised{555, "User.SetAttribute", c.description}));
  user.SetAttribute("城市", "北京");
  EXPECT_EQ(user.GetAttribute("城市"), "北京");
}

TEST_F(UserTest, AddRoleUsesUpAnIdEvenWhenTheRoleIsHeld) {
  User user;
  user.Load(makeAccount("fay", "x"));
  EXPECT_TRUE(user.AddRole(3));
  EXPECT_TRUE(user.AddRole(3));
  EXPECT_TRUE(user.AddRole(7));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM userrole"), "2");
  EXPECT_EQ(scalar("SELECT id FROM IDManager WHERE tablename='userrole'"), "4");
  EXPECT_EQ(user.ListAllRole(), "3,7");
  user.DeleteRole(3);
  EXPECT_EQ(user.ListAllRole(), "7");
  user.DeleteRole(7);
  EXPECT_EQ(user.ListAllRole(), "");
}

TEST_F(UserTest, ListAllUserInRole) {
  makeAccount("gil", "x", {1, 2});
  makeAccount("hal", "x", {2});
  makeAccount("ida", "x");
  User user;
  auto holders = user.ListAllUserInRole(2);
  ASSERT_TRUE(holders);
  EXPECT_EQ(holders->recordCount(), 2);
  EXPECT_EQ(user.ListAllUserInRole(1)->value("username").toString(), "gil");
  EXPECT_EQ(user.ListAllUserInRole(-1), nullptr);
  EXPECT_EQ(user.ListAll("username LIKE 'h%'")->value("username").toString(), "hal");
  EXPECT_EQ(user.ListAll("")->recordCount(), 3);
}

TEST_F(UserTest, DeleteRemovesTheAccountItsRolesAndItsAccessEntries) {
  int32_t id = makeAccount("o'neil", "x", {1, 5});
  makeAccount("other", "x", {1});
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (1,'CHANNEL_3','o''neil')");
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (2,'CHANNEL_4','O''NEIL')");
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (3,'CHANNEL_3','other')");
  User user;
  user.Load(id);
  EXPECT_TRUE(user.Delete());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM user_users"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM userrole"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM userrole WHERE userid=" + std::to_string(id)), "0");
  EXPECT_EQ(scalar("SELECT userid FROM cms_acl"), "other");
  EXPECT_EQ(user.Username(), "o'neil") << "the object keeps its fields";
}

TEST_F(UserTest, DeleteRemovesOnlyTheDeletedAccountsEntries) {
  int32_t bob = makeAccount("bob", "x");
  makeAccount("carol", "x");
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (1,'CHANNEL_3','bob')");
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (2,'CHANNEL_3','carol')");
  User unsaved;
  unsaved.setUsername("carol");
  unsaved.Delete();
  User renamed;
  renamed.Load(bob);
  renamed.setUsername("carol");
  renamed.Delete();
  EXPECT_EQ(scalar("SELECT userid FROM cms_acl"), "carol");
  EXPECT_EQ(scalar("SELECT username FROM user_users"), "carol");
}

}  // namespace
}  // namespace corvela::users
