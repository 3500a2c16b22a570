// Tips: rotation per key, random choice, and the empty table.
#include <set>

#include <gtest/gtest.h>

#include "core/server_cookie.h"
#include "core/tips.h"
#include "core_fixture.h"

namespace corvela::core {
namespace {

using testing::CoreTest;

class TipsTest : public CoreTest {
 protected:
  void addThree() {
    tips.AddATip("first");
    tips.AddATip("second's");
    tips.AddATip("third");
  }
  Tips tips;
};

TEST_F(TipsTest, EmptyTableGivesEmptyText) {
  EXPECT_EQ(tips.GetATip(), "");
  EXPECT_EQ(tips.GetATip("visitor1"), "");
}

TEST_F(TipsTest, KeyRotatesThroughTipsInOrderAddedAndWraps) {
  addThree();
  EXPECT_EQ(scalar("SELECT tip FROM tips WHERE tid=2"), "second's");
  const char* expected[] = {"first", "second's", "third", "first"};
  for (const char* tip : expected) EXPECT_EQ(tips.GetATip("visitor1"), tip);
  EXPECT_EQ(ServerCookie().ReadValue("visitor1_TipsID"), "1");
  // Keys rotate independently.
  EXPECT_EQ(tips.GetATip("a"), "first");
  EXPECT_EQ(tips.GetATip("a"), "second's");
  EXPECT_EQ(tips.GetATip("b"), "first");
  EXPECT_EQ(tips.GetATip("a"), "third");
}

TEST_F(TipsTest, DeletedTipGivesEmptyTextForItsTurn) {
  addThree();
  sql("DELETE FROM tips WHERE tid=2");
  EXPECT_EQ(tips.GetATip("k"), "first");
  EXPECT_EQ(tips.GetATip("k"), "");
  EXPECT_EQ(tips.GetATip("k"), "third");
}

TEST_F(TipsTest, UnusableStoredPositionRestartsAtOne) {
  addThree();
  for (const char* stored : {"junk", "99", "3"}) {
    ServerCookie().WriteValue("k_TipsID", stored);
    EXPECT_EQ(tips.GetATip("k"), "first") << stored;
  }
}

TEST_F(TipsTest, WithoutKeyReturnsOneOfTheTips) {
  addThree();
  std::set<std::string> seen;
  for (int i = 0; i < 60; ++i) seen.insert(tips.GetATip());
  for (const std::string& tip : seen) EXPECT_TRUE(tip == "first" || tip == "second's" || tip == "third") << tip;
  // Late bound, with the key omitted.
  auto object = createObject("Corvela.Tips");
  Variant missing = Variant::missing();
  std::string tip = object->call("GetATip", std::span<Variant>(&missing, 1)).toString();
  EXPECT_FALSE(tip.empty());
  EXPECT_TRUE(object->call("GetATip").isString());
}

}  // namespace
}  // namespace corvela::core
