// OLE date arithmetic: overflowing parts, dates before 1899-12-30, rounding
// to the second, the valid range and weekdays.
#include "platform/automation/oledate.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace corvela {
namespace {

std::string show(const DateParts& p) {
  return std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day) + " " +
         std::to_string(p.hour) + ":" + std::to_string(p.minute) + ":" + std::to_string(p.second);
}

TEST(OleDate, PartsOverflowLikeDateSerial) {
  const struct { DateParts parts; double expected; } cases[] = {
      {{1899, 12, 30}, 0.0}, {{2003, 1, 5}, 37626.0},
      {{2003, 14, 1}, 38018.0},       // month 14 = February of the next year
      {{2003, 0, 1}, 37591.0},        // month 0 = December of the year before
      {{2003, 3, 0}, 37680.0},        // day 0 = 2003-02-28
      {{2004, 3, 0}, 38046.0},        // leap year: 2004-02-29
      {{2003, 1, -1}, 37620.0},       // 2002-12-30
      {{2003, -11, 1}, 37257.0},      // 2002-01-01
      {{2003, -12, 1}, 37226.0},      // 2001-12-01
      {{2003, 2, 31}, 37683.0},       // 2003-03-03
      {{1899, 12, 29, 6}, -1.25},     // before day 0 the fraction counts forward
      {{1899, 12, 30, 25}, 1.0 + 1.0 / 24}, {{1899, 12, 30, 0, 0, -1}, -1.0 - 86399.0 / 86400},
      {{1900, 3, 1}, 61.0},           // no phantom 1900-02-29
      {{100, 1, 1}, -657434.0}, {{9999, 12, 31, 23, 59, 59}, 2958465.0 + 86399.0 / 86400},
  };
  for (const auto& c : cases) {
    double value = 12345;
    ASSERT_TRUE(oleDateFromParts(c.parts, value)) << show(c.parts);
    EXPECT_NEAR(value, c.expected, 1e-9) << show(c.parts);
  }
}

TEST(OleDate, PartsOutsideTheValidRangeAreRefused) {
  const DateParts cases[] = {{99, 12, 31}, {10000, 1, 1}, {9999, 13, 1}, {100, 1, 0}, {9999, 12, 31, 24}};
  for (const DateParts& p : cases) {
    double value = 7;
    EXPECT_FALSE(oleDateFromParts(p, value)) << show(p);
    EXPECT_EQ(value, 7) << "a refused date must leave the output alone";
  }
}

TEST(OleDate, PartsFromDateRoundToTheSecond) {
  const struct { double oleDate; DateParts expected; } cases[] = {
      {37626.37994212963, {2003, 1, 5, 9, 7, 7}}, {0.0, {1899, 12, 30, 0, 0, 0}}, {0.5, {1899, 12, 30, 12, 0, 0}},
      {-0.5, {1899, 12, 30, 12, 0, 0}},       // -0.5 and 0.5 are the same moment
      {-1.25, {1899, 12, 29, 6, 0, 0}}, {-1.75, {1899, 12, 29, 18, 0, 0}}, {-657434.0, {100, 1, 1, 0, 0, 0}},
      {37626.999999, {2003, 1, 6, 0, 0, 0}},  // 23:59:59.9 rounds into the next day
      {-1.999999, {1899, 12, 30, 0, 0, 0}},   // ... also before day 0
      {37626.0 + 1.4 / 86400, {2003, 1, 5, 0, 0, 1}}, {37626.0 + 1.6 / 86400, {2003, 1, 5, 0, 0, 2}},
      {2958465.0 + 86399.0 / 86400, {9999, 12, 31, 23, 59, 59}},
      {2958465.9999999, {9999, 12, 31, 23, 59, 59}},  // never rounds into year 10000
      {60.0, {1900, 2, 28}}, {61.0, {1900, 3, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(show(partsFromOleDate(c.oleDate)), show(c.expected)) << c.oleDate;
}

TEST(OleDate, PartsRoundTrip) {
  for (double day = -657434; day < 2958466; day += 9973.25) {
    const DateParts p = partsFromOleDate(day);
    double back = 0;
    ASSERT_TRUE(oleDateFromParts(p, back));
    EXPECT_DOUBLE_EQ(back, day);
  }
}

TEST(OleDate, WeekdayCountsFromSunday) {
  const std::pair<double, int> cases[] = {
      {0.0, 7},        // 1899-12-30 was a Saturday
      {1.0, 1},        // Sunday
      {-1.0, 6},       // 1899-12-29, Friday
      {-1.9, 6},       // the time does not move the day backwards
      {-7.0, 7},
      {37626.5, 1},    // 2003-01-05, Sunday
      {37631.0, 6},    // 2003-01-10, Friday
      {-657434.0, 6},  // 0100-01-01, Friday (proleptic Gregorian)
  };
  for (const auto& [date, weekday] : cases) EXPECT_EQ(weekdayOf(date), weekday) << date;
}

TEST(OleDate, NowIsWholeSecondsInTheValidRange) {
  const double now = oleDateNow();
  EXPECT_GT(now, 40000.0);
  EXPECT_LT(now, kMaxOleDate);
  const double seconds = (now - static_cast<long long>(now)) * 86400;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
}

}  // namespace
}  // namespace corvela
