// allocateId: the counter rule, case-insensitive names, and no duplicate ids
// when several connections allocate at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "db_test_util.h"
#include "platform/db/id_allocation.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"

namespace corvela::db {
namespace {

class IdAllocationTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    Connection c(connString());
    applySchema(c);
  }
  int32_t counter(Connection& c, const std::string& name) {
    auto rs = c.query("SELECT id FROM IDManager WHERE tablename='" + name + "'");
    return rs->eof() ? -1 : rs->value("id").toLong();
  }
};

TEST_F(IdAllocationTest, FirstIdIsOneAndTheCounterHoldsTheNext) {
  Connection c(connString());
  EXPECT_EQ(allocateId(c, "cms_content"), 1);
  EXPECT_EQ(counter(c, "cms_content"), 2);
  EXPECT_EQ(allocateId(c, "cms_content"), 2);
  EXPECT_EQ(counter(c, "cms_content"), 3);
  EXPECT_EQ(allocateId(c, "issue"), 1);  // names count apart

  c.execute("UPDATE IDManager SET id=40 WHERE tablename='cms_content'");
  EXPECT_EQ(allocateId(c, "cms_content"), 40);
  EXPECT_EQ(counter(c, "cms_content"), 41);
  // Names compare as the key column does, without letter case.
  EXPECT_EQ(allocateId(c, "CMS_CONTENT"), 41);
}

TEST_F(IdAllocationTest, MissingCounterTableIsAProviderError) {
  Connection c(connString());
  c.execute("DROP TABLE IDManager");
  EXPECT_EQ(testing::raised([&] { allocateId(c, "x"); }),
            (testing::Raised{kErrCommand, kProviderSource, "no such table: IDManager"}));
}

TEST_F(IdAllocationTest, ConcurrentConnectionsNeverShareAnId) {
  constexpr int kThreads = 4;
  constexpr int kEach = 50;
  std::vector<std::vector<int32_t>> ids(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      Connection c(connString());
      for (int i = 0; i < kEach; ++i) ids[t].push_back(allocateId(c, "shared"));
    });
  }
  for (auto& th : threads) th.join();
  std::set<int32_t> all;
  for (auto& list : ids) all.insert(list.begin(), list.end());
  EXPECT_EQ(all.size(), static_cast<size_t>(kThreads * kEach));
  EXPECT_EQ(*all.begin(), 1);
  EXPECT_EQ(*all.rbegin(), kThreads * kEach);
}

}  // namespace
}  // namespace corvela::db
