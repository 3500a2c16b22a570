// SqlValue and SqlDate: the literal forms by value type.
#include <gtest/gtest.h>

#include "core/sql_literals.h"
#include "core_fixture.h"
#include "platform/automation/oledate.h"

namespace corvela::core {
namespace {

Variant dateOf(int y, int mo, int d, int h, int mi, int s) {
  double ole = 0;
  EXPECT_TRUE(oleDateFromParts(DateParts{y, mo, d, h, mi, s}, ole));
  return Variant::fromDate(ole);
}

TEST(SqlValue, FormsByType) {
  struct Case { Variant value; std::string expected; } cases[] = {
      {Variant("O'Brien"), "'O''Brien'"}, {Variant("''"), "''''''"}, {Variant(""), "''"}, {Variant(true), "1"},
      {Variant(false), "0"}, {Variant(42), "42"}, {Variant(-7), "-7"}, {Variant::fromInteger(-1), "-1"},
      {Variant(1.5), "1.5"}, {dateOf(2003, 1, 5, 9, 3, 7), "CONVERT(DATETIME,'2003-1-5 9:3:7')"},
      {dateOf(2026, 12, 31, 23, 59, 58), "CONVERT(DATETIME,'2026-12-31 23:59:58')"}, {Variant(), ""},
      {Variant::null(), ""}, {Variant::fromCurrency(10000), ""}, {Variant::fromByte(3), ""},
      {Variant::fromSingle(1.5f), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SqlValue(c.value), c.expected) << "type " << c.value.typeName();
}

TEST(SqlValue, DoubledQuotesKeepMultibyteTextIntact) {
  EXPECT_EQ(SqlValue(Variant("栏目'一")), "'栏目''一'");
}

TEST(SqlDate, IsZeroPaddedUnlikeSqlValueAndRefusesTextThatIsNoDate) {
  EXPECT_EQ(SqlDate(dateOf(2003, 1, 5, 9, 3, 7)), "CONVERT(DATETIME,'2003-01-05 09:03:07')");
  EXPECT_EQ(SqlDate(dateOf(1999, 12, 31, 0, 0, 0)), "CONVERT(DATETIME,'1999-12-31 00:00:00')");
  EXPECT_EQ(testing::raised([] { SqlDate(Variant("not a date")); }).number, 13);
}

}  // namespace
}  // namespace corvela::core
