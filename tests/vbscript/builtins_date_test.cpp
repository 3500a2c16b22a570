// The date built-ins called through their table: part readers, names,
// DateSerial/TimeSerial/DateValue/TimeValue and the interval arithmetic of
// DateAdd, DateDiff and DatePart (month ends, leap years, dates before day 0).
// The corpus program datefn_b.vbs checks the common cases of each.
#include <cmath>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/automation/oledate.h"
#include "platform/vbscript/builtin.h"
#include "vbscript/builtins_call.h"

namespace corvela::vbs {
namespace {

using testing::call;
using testing::errorOf;
using testing::LocaleScope;

double dateOf(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  double value = 0;
  EXPECT_TRUE(oleDateFromParts({y, m, d, h, n, s}, value));
  return value;
}

Variant date(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return Variant::fromDate(dateOf(y, m, d, h, n, s));
}

// A Date result compared by its calendar text, which shows mistakes plainly.
std::string shown(const Variant& v) {
  EXPECT_EQ(v.type(), VarType::Date);
  return formatDateGeneral(v.rawDate());
}

class DateBuiltins : public ::testing::Test {
 protected:
  LocaleScope locale_{kLcidEnUs};
};

TEST_F(DateBuiltins, PartReadersGiveIntegers) {
  const Variant when("1/5/2003 9:03:07 PM");
  const std::pair<const char*, int> cases[] = {{"Year", 2003}, {"Month", 1},   {"Day", 5},
                                               {"Hour", 21},   {"Minute", 3}, {"Second", 7}};
  for (const auto& [name, expected] : cases) {
    const Variant v = call(name, {when});
    EXPECT_EQ(v.type(), VarType::Integer) << name;
    EXPECT_EQ(v.rawInteger(), expected) << name;
    EXPECT_TRUE(call(name, {Variant::null()}).isNull()) << name;
  }
  EXPECT_EQ(call("Year", {Variant()}).rawInteger(), 1899) << "Empty is day 0";
  EXPECT_EQ(call("Hour", {Variant(-1.25)}).rawInteger(), 6) << "before day 0 the time still counts forward";
  EXPECT_EQ(errorOf("Year", {Variant("not a date")}), 13);
}

TEST_F(DateBuiltins, WeekdayAndNamesFollowTheFirstDayOfWeek) {
  const Variant sunday = date(2003, 1, 5), null = Variant::null();
  testing::expectCases({
      {"Weekday", {sunday}, "Integer:1"}, {"Weekday", {sunday, 2}, "Integer:7"}, {"Weekday", {sunday, 7}, "Integer:2"},
      {"Weekday", {sunday, 0}, "Integer:1"},  // en-US weeks start on Sunday
      {"Weekday", {null}, "Null"},
      // The first-day argument is checked before a Null date passes through.
      {"Weekday", {null, -1}, "error 5"}, {"Weekday", {null, null}, "error 94"}, {"Weekday", {null, "a"}, "error 13"},
      {"WeekdayName", {1, true}, "String:Sun"}, {"WeekdayName", {1, false, 2}, "String:Monday"},
      {"WeekdayName", {7, Variant::missing(), 2}, "String:Sunday"},
      {"MonthName", {null}, "error 94"}, {"MonthName", {"a", null}, "error 94"},  // abbreviate is read first
  });
  LocaleScope chinese(kLcidZhCn);
  testing::expectCases({
      {"Weekday", {sunday, 0}, "Integer:7"},  // zh-CN weeks start on Monday
      {"WeekdayName", {2}, "String:星期一"}, {"WeekdayName", {2, true}, "String:周一"},
      {"MonthName", {1}, "String:一月"}, {"MonthName", {11, true}, "String:11月"},
  });
}

TEST_F(DateBuiltins, SerialFunctionsRunOver) {
  const struct {
    int y, m, d;
    const char* expected;
  } dates[] = {
      {2003, 1, 5, "1/5/2003"},   {2003, 13, 1, "1/1/2004"}, {2004, 2, 29, "2/29/2004"},
      {2003, 1, 0, "12/31/2002"}, {29, 1, 1, "1/1/2029"},    {0, 1, 1, "1/1/2000"}, {1899, 12, 29, "12/29/1899"},
  };
  for (const auto& c : dates)
    EXPECT_EQ(shown(call("DateSerial", {Variant(c.y), Variant(c.m), Variant(c.d)})), c.expected)
        << c.y << "," << c.m << "," << c.d;
  EXPECT_EQ(errorOf("DateSerial", {Variant(10000), Variant(1), Variant(1)}), 5);
  EXPECT_EQ(errorOf("DateSerial", {Variant(9999), Variant(13), Variant(1)}), 5);
  EXPECT_EQ(errorOf("DateSerial", {Variant(2003), Variant::null(), Variant(1)}), 94);
  EXPECT_EQ(errorOf("DateSerial", {Variant(2003), Variant(1), Variant::null()}), 94);

  const struct {
    int h, n, s;
    const char* expected;
  } times[] = {
      {9, 3, 7, "9:03:07 AM"},
      {0, -1, 0, "12:01:00 AM"},              // -1/1440 of a day: the time before day 0 reads forward
      {-1, 0, 0, "1:00:00 AM"}, {-25, 0, 0, "12/29/1899 1:00:00 AM"}, {2, -1, 30, "1:59:30 AM"},
      {12, -30, 0, "11:30:00 AM"}, {0, 0, 0, "12:00:00 AM"},
  };
  for (const auto& c : times)
    EXPECT_EQ(shown(call("TimeSerial", {Variant(c.h), Variant(c.n), Variant(c.s)})), c.expected)
        << c.h << "," << c.n << "," << c.s;
  EXPECT_EQ(errorOf("TimeSerial", {Variant::null(), Variant(1), Variant(1)}), 94);
}

TEST_F(DateBuiltins, ValueFunctionsSplitDateAndTime) {
  EXPECT_EQ(shown(call("DateValue", {Variant("1/5/2003 9:03 PM")})), "1/5/2003");
  EXPECT_EQ(shown(call("TimeValue", {Variant("1/5/2003 9:03 PM")})), "9:03:00 PM");
  EXPECT_EQ(shown(call("TimeValue", {Variant(-1.25)})), "6:00:00 AM");
  EXPECT_EQ(shown(call("DateValue", {Variant("9:03")})), "12:00:00 AM");
  EXPECT_EQ(shown(call("DateValue", {Variant::fromDate(-1.25)})), "12/29/1899");
  EXPECT_EQ(errorOf("DateValue", {Variant::null()}), 94);
  EXPECT_EQ(errorOf("TimeValue", {Variant::null()}), 94);
  EXPECT_EQ(errorOf("DateValue", {Variant("2/30/2003")}), 13);
  EXPECT_EQ(errorOf("DateValue", {Variant(-1.25)}), 13);  // a number is no date text
}

struct AddCase {
  const char* interval;
  int number;
  Variant from;
  const char* expected;
};

TEST_F(DateBuiltins, DateAddClampsToMonthEnds) {
  const AddCase cases[] = {
      {"m", 1, date(2003, 1, 31), "2/28/2003"}, {"m", 1, date(2004, 1, 31), "2/29/2004"},
      {"M", 13, date(2003, 1, 31, 9, 3, 7), "2/29/2004 9:03:07 AM"},
      {"yyyy", 1, date(2004, 2, 29), "2/28/2005"}, {"yyyy", 4, date(2004, 2, 29), "2/29/2008"},
      {"q", -2, date(2003, 8, 31), "2/28/2003"}, {"d", 1, date(2003, 12, 31), "1/1/2004"},
      {"y", -1, date(2004, 3, 1), "2/29/2004"}, {"w", 3, date(2003, 1, 5), "1/8/2003"},
      {"h", 5, date(2003, 1, 5, 21), "1/6/2003 2:00:00 AM"},
      {"n", 90, date(2003, 1, 5, 23), "1/6/2003 12:30:00 AM"},
      {"s", -1, date(2003, 1, 1), "12/31/2002 11:59:59 PM"},
      // Before day 0 the arithmetic follows the calendar, not the raw number.
      {"d", -1, Variant::fromDate(-0.25), "12/29/1899 6:00:00 AM"},
      {"h", -7, Variant::fromDate(0.25), "12/29/1899 11:00:00 PM"},
      {"h", 1, Variant::fromDate(-1.25), "12/29/1899 7:00:00 AM"},
      {"d", 2, Variant::fromDate(-1.75), "12/31/1899 6:00:00 PM"}, {"d", 1, Variant("1/31/2003"), "2/1/2003"},
  };
  for (const AddCase& c : cases)
    EXPECT_EQ(shown(call("DateAdd", {Variant(c.interval), Variant(c.number), c.from})), c.expected)
        << c.interval << " " << c.number << " " << c.from.toString();
  EXPECT_EQ(errorOf("DateAdd", {Variant("yyyy"), Variant(1), date(9999, 12, 31)}), 5);
  EXPECT_EQ(errorOf("DateAdd", {Variant("yyyy"), Variant(-1904), date(2003, 1, 1)}), 5);
  EXPECT_EQ(errorOf("DateAdd", {Variant("s"), Variant(-1), date(100, 1, 1)}), 5);
  EXPECT_EQ(errorOf("DateAdd", {Variant("d"), Variant::null(), date(2003, 1, 1)}), 94);
  EXPECT_TRUE(call("DateAdd", {Variant("d"), Variant(1), Variant::null()}).isNull());
}

struct DiffCase {
  const char* interval;
  Variant a, b;
  int expected;
  int firstDay = 0;  // 0: omitted
};

TEST_F(DateBuiltins, DateDiffCountsBoundariesCrossed) {
  const DiffCase cases[] = {
      {"d", date(2003, 1, 1), date(2003, 1, 5), 4}, {"d", date(2003, 1, 5), date(2003, 1, 1), -4},
      {"d", date(2003, 1, 5, 23, 59), date(2003, 1, 6, 0, 1), 1},
      {"y", date(2004, 1, 1), date(2005, 1, 1), 366},
      {"h", date(2003, 1, 5, 23, 59), date(2003, 1, 6, 0, 1), 1},
      {"n", date(2003, 1, 5, 1, 0, 59), date(2003, 1, 5, 1, 1, 0), 1},
      {"s", date(2003, 1, 5), date(2003, 1, 6), 86400}, {"m", date(2003, 1, 31), date(2003, 2, 1), 1},
      {"m", date(2003, 2, 1), date(2002, 1, 31), -13}, {"yyyy", date(2003, 12, 31), date(2004, 1, 1), 1},
      {"w", date(2003, 1, 1), date(2003, 1, 14), 1}, {"w", date(2003, 1, 14), date(2003, 1, 1), -1},
      {"ww", date(2003, 1, 4), date(2003, 1, 5), 1},      // Saturday to Sunday
      {"ww", date(2003, 1, 4), date(2003, 1, 5), 0, 2},   // weeks from Monday
      {"ww", date(2003, 1, 5), date(2003, 1, 6), 1, 2}, {"ww", date(2003, 1, 19), date(2003, 1, 5), -2},
      {"d", Variant::fromDate(-1.25), Variant::fromDate(0.5), 1},
      {"h", Variant::fromDate(-1.25), Variant::fromDate(0.25), 24},
      {"n", Variant::fromDate(-1.75), Variant::fromDate(-1.25), -720},
  };
  for (const DiffCase& c : cases) {
    std::vector<Variant> args{Variant(c.interval), c.a, c.b};
    if (c.firstDay) args.push_back(Variant(c.firstDay));
    const Variant v = call("DateDiff", args);
    EXPECT_EQ(v.type(), VarType::Long);
    EXPECT_EQ(v.rawLong(), c.expected) << c.interval << " " << c.a.toString() << " .. " << c.b.toString();
  }
  EXPECT_EQ(errorOf("DateDiff", {Variant("s"), date(100, 1, 1), date(9999, 12, 31)}), 6);
  EXPECT_EQ(errorOf("DateDiff", {Variant("d"), date(2003, 1, 1), date(2003, 1, 1), Variant(9)}), 5);
  EXPECT_EQ(errorOf("DateDiff", {Variant("dd"), date(2003, 1, 1), date(2003, 1, 1)}), 5);
  EXPECT_TRUE(call("DateDiff", {Variant("d"), Variant::null(), date(2003, 1, 1)}).isNull());
}

struct PartCase {
  const char* interval;
  Variant when;
  int expected;
  int firstDay = 0, firstWeek = 0;  // 0: omitted
};

TEST_F(DateBuiltins, DatePartNumbersWeeksByTheChosenRule) {
  const PartCase cases[] = {
      {"yyyy", date(2003, 1, 5), 2003}, {"q", date(2003, 11, 5), 4}, {"m", date(2003, 11, 5), 11},
      {"y", date(2003, 3, 1), 60}, {"d", date(2003, 11, 5), 5}, {"w", date(2003, 1, 5), 1},
      {"w", date(2003, 1, 5), 7, 2}, {"ww", date(2003, 1, 4), 1}, {"ww", date(2003, 1, 5), 2},
      {"ww", date(2005, 1, 1), 53, 2, 2},   // first four days, Monday weeks: week 53 of 2004
      {"ww", date(2005, 1, 3), 1, 2, 2}, {"ww", date(2004, 1, 1), 1, 2, 2},
      {"ww", date(2003, 12, 31), 1, 2, 2},  // Wednesday: week 1 of 2004 already
      {"ww", date(2003, 12, 30), 1, 2, 2},
      {"ww", date(2003, 12, 29), 53, 2, 2}, // the Monday that starts it stays 53, as on Windows
      {"ww", date(2003, 12, 28), 52, 2, 2}, {"ww", date(2001, 12, 31), 53, 2, 2},
      {"ww", date(2004, 12, 31), 53, 2, 2}, // 2004 has a week 53 of its own
      {"ww", date(2003, 12, 31), 53, 1, 2}, // Sunday weeks: 12/28/2003 starts week 53
      {"ww", date(2003, 1, 1), 52, 1, 3},   // first full week starts on Sunday 1/5/2003
      {"ww", date(2003, 1, 5), 1, 1, 3}, {"ww", date(2003, 1, 1), 1, 1, 1}, {"h", Variant("9:03:07 PM"), 21},
      {"n", Variant("9:03:07 PM"), 3}, {"s", Variant("9:03:07 PM"), 7},
  };
  for (const PartCase& c : cases) {
    std::vector<Variant> args{Variant(c.interval), c.when};
    if (c.firstDay) args.push_back(Variant(c.firstDay));
    if (c.firstWeek) args.push_back(Variant(c.firstWeek));
    const Variant v = call("DatePart", args);
    EXPECT_EQ(v.type(), VarType::Integer);
    EXPECT_EQ(v.rawInteger(), c.expected) << c.interval << " " << c.when.toString() << " " << c.firstDay << "/"
                                          << c.firstWeek;
  }
  EXPECT_EQ(errorOf("DatePart", {Variant("ww"), date(2003, 1, 1), Variant(1), Variant(4)}), 5);
  EXPECT_EQ(errorOf("DatePart", {Variant("w"), date(2003, 1, 1), Variant(-1)}), 5);
  EXPECT_TRUE(call("DatePart", {Variant("d"), Variant::null()}).isNull());
}

TEST_F(DateBuiltins, ClockFunctionsAgree) {
  const Variant now = call("Now");
  const Variant today = call("Date");
  const Variant time = call("Time");
  const Variant timer = call("Timer");
  ASSERT_EQ(now.type(), VarType::Date);
  ASSERT_EQ(today.type(), VarType::Date);
  ASSERT_EQ(time.type(), VarType::Date);
  ASSERT_EQ(timer.type(), VarType::Single);
  EXPECT_EQ(today.rawDate(), std::floor(today.rawDate()));
  EXPECT_GE(time.rawDate(), 0.0);
  EXPECT_LT(time.rawDate(), 1.0);
  EXPECT_GE(timer.rawSingle(), 0.0f);
  EXPECT_LT(timer.rawSingle(), 86400.0f);
  // The calls above may straddle midnight; the date can only move forward.
  EXPECT_GE(today.rawDate(), std::floor(now.rawDate()));
}

}  // namespace
}  // namespace corvela::vbs
