// SysLog: entries recorded with the current time, listed and cleared by
// kind; an omitted kind is kind -1, never "every kind".
#include <gtest/gtest.h>

#include "core/sys_log.h"
#include "core_fixture.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"

namespace corvela::core {
namespace {

using testing::CoreTest;

class SysLogTest : public CoreTest {
 protected:
  int32_t countOf(int16_t kind) { return log.ListAll(kind)->recordCount(); }
  SysLog log;
};

TEST_F(SysLogTest, RecordLogStoresEveryFieldAndTheCurrentTime) {
  double before = oleDateNow();
  log.RecordLog(3, "Content.Save", 7, "editor", "saved 'article'");
  double after = oleDateNow();
  auto rs = log.ListAll(3);
  ASSERT_FALSE(rs->eof());
  EXPECT_EQ(rs->value("logid").toLong(), 1);
  EXPECT_EQ(rs->value("source").toString(), "Content.Save");
  EXPECT_EQ(rs->value("logcatalog").toLong(), 7);
  EXPECT_EQ(rs->value("username").toString(), "editor");
  EXPECT_EQ(rs->value("description").toString(), "saved 'article'");
  double logged = rs->value("logtime").toDate();
  constexpr double kSecond = 1.0 / 86400;
  EXPECT_GE(logged, before - kSecond);
  EXPECT_LE(logged, after + kSecond);
}

TEST_F(SysLogTest, TextHoldingNulsIsStoredWhole) {
  std::string withNul("before\0after", 12);
  std::string twoNuls("'\0\0'", 4);
  log.RecordLog(2, withNul, 0, twoNuls, withNul + withNul);
  auto rs = log.ListAll(2);
  ASSERT_FALSE(rs->eof());
  EXPECT_EQ(rs->value("source").toString(), withNul);
  EXPECT_EQ(rs->value("username").toString(), twoNuls);
  EXPECT_EQ(rs->value("description").toString(), withNul + withNul);
}

TEST_F(SysLogTest, ListAndClearWorkPerKindAndOmittedIsMinusOne) {
  log.RecordLog(1, "s", 0, "u", "a");
  log.RecordLog(1, "s", 0, "u", "b");
  log.RecordLog(2, "s", 0, "u", "c");
  EXPECT_EQ(countOf(1), 2);
  log.ClearAll(2);
  EXPECT_EQ(countOf(1), 2) << "clearing another kind leaves these";
  EXPECT_EQ(countOf(2), 0);
  // An omitted kind means kind -1 only, never every kind.
  log.RecordLog(-1, "s", 0, "u", "minus one");
  log.RecordLog(5, "s", 0, "u", "five");
  auto object = createObject("Corvela.SysLog");
  auto rs = object->call("ListAll").toObject();
  EXPECT_EQ(rs->get("RecordCount").toLong(), 1);
  object->call("ClearAll");
  EXPECT_EQ(countOf(-1), 0);
  EXPECT_EQ(countOf(5), 1);
}

}  // namespace
}  // namespace corvela::core
