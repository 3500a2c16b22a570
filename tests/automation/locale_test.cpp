// Regional settings: CStr text of dates and doubles, reading dates and
// numbers back, per locale, and the thread's locale switch.
#include "platform/automation/locale.h"

#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "platform/automation/oledate.h"
#include "support/temp_env.h"

namespace corvela {
namespace {

// Switches the thread to a locale for one test and back afterwards.
struct LocaleScope {
  explicit LocaleScope(int lcid) : previous(setCurrentLcid(lcid)) {}
  ~LocaleScope() { setCurrentLcid(previous); }
  int previous;
};

double dateOf(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  double value = 0;
  EXPECT_TRUE(oleDateFromParts({y, m, d, h, n, s}, value));
  return value;
}

TEST(Locale, DatesAreWrittenInTheLocalesFormats) {
  const double morning = dateOf(2003, 1, 5, 9, 3, 7);
  const double evening = dateOf(2003, 11, 25, 21, 3, 7);
  const struct { double date; DateFormat format; const char* enUs; const char* zhCn; } cases[] = {
      {morning, DateFormat::General, "1/5/2003 9:03:07 AM", "2003/1/5 9:03:07"},
      {evening, DateFormat::General, "11/25/2003 9:03:07 PM", "2003/11/25 21:03:07"},
      {dateOf(2003, 1, 5), DateFormat::General, "1/5/2003", "2003/1/5"},
      {dateOf(1899, 12, 30, 9, 3, 7), DateFormat::General, "9:03:07 AM", "9:03:07"},
      {0.0, DateFormat::General, "12:00:00 AM", "0:00:00"},
      {dateOf(2003, 1, 5, 12, 0, 0), DateFormat::General, "1/5/2003 12:00:00 PM", "2003/1/5 12:00:00"},
      {dateOf(1899, 12, 29, 6), DateFormat::General, "12/29/1899 6:00:00 AM", "1899/12/29 6:00:00"},
      {dateOf(100, 1, 1), DateFormat::General, "1/1/0100", "0100/1/1"},
      {morning, DateFormat::LongDate, "Sunday, January 5, 2003", "2003年1月5日"},
      {evening, DateFormat::LongDate, "Tuesday, November 25, 2003", "2003年11月25日"},
      {morning, DateFormat::ShortDate, "1/5/2003", "2003/1/5"},
      {morning, DateFormat::LongTime, "9:03:07 AM", "9:03:07"},
      {dateOf(2003, 1, 5, 0, 5, 0), DateFormat::LongTime, "12:05:00 AM", "0:05:00"},
      {morning, DateFormat::ShortTime, "09:03", "9:03"}, {evening, DateFormat::ShortTime, "21:03", "21:03"},
  };
  for (const auto& c : cases) {
    {
      LocaleScope scope(kLcidEnUs);
      EXPECT_EQ(formatDate(c.date, c.format), c.enUs) << c.date << " format " << static_cast<int>(c.format);
    }
    LocaleScope scope(kLcidZhCn);
    EXPECT_EQ(formatDate(c.date, c.format), c.zhCn) << c.date << " format " << static_cast<int>(c.format);
  }
  LocaleScope scope(kLcidEnUs);
  EXPECT_EQ(formatDateGeneral(morning), "1/5/2003 9:03:07 AM");
}

struct ParseCase {
  const char* text;
  int lcid;
  bool ok;
  DateParts expected;  // year 0 = day 0 (a bare time)
};

TEST(Locale, DatesAreReadAsCDateReadsThem) {
  const ParseCase cases[] = {
      {"1/5/2003", kLcidEnUs, true, {2003, 1, 5}}, {"1/5/2003", kLcidZhCn, true, {2003, 1, 5}},
      {"2003-01-05", kLcidEnUs, true, {2003, 1, 5}}, {"2003/1/5", kLcidEnUs, true, {2003, 1, 5}},
      {"2003/1/5", kLcidZhCn, true, {2003, 1, 5}}, {"1/5/03", kLcidEnUs, true, {2003, 1, 5}},
      {"1/5/03", kLcidZhCn, true, {2001, 5, 3}},  // zh-CN puts the year first
      {"1/5/45", kLcidEnUs, true, {1945, 1, 5}},
      {"13/5/2003", kLcidEnUs, true, {2003, 5, 13}},  // only day/month is valid
      {"  1.5.2003  ", kLcidEnUs, true, {2003, 1, 5}}, {"January 5, 2003", kLcidEnUs, true, {2003, 1, 5}},
      {"january 5, 2003", kLcidZhCn, true, {2003, 1, 5}}, {"5 Jan 2003", kLcidEnUs, true, {2003, 1, 5}},
      {"5-Jan-03", kLcidEnUs, true, {2003, 1, 5}}, {"2003 Sept 5", kLcidEnUs, true, {2003, 9, 5}},
      {"Feb 2004", kLcidEnUs, true, {2004, 2, 1}}, {"Sunday, January 05, 2003", kLcidEnUs, true, {2003, 1, 5}},
      {"2003年1月5日", kLcidZhCn, true, {2003, 1, 5}}, {"2003年一月5日", kLcidZhCn, true, {2003, 1, 5}},
      {"2003年十二月5日", kLcidZhCn, true, {2003, 12, 5}}, {"1/2003", kLcidEnUs, true, {2003, 1, 1}},
      {"9:03", kLcidEnUs, true, {0, 0, 0, 9, 3, 0}}, {"9:03:07 PM", kLcidEnUs, true, {0, 0, 0, 21, 3, 7}},
      {"12:30 AM", kLcidEnUs, true, {0, 0, 0, 0, 30, 0}}, {"12:30 pm", kLcidEnUs, true, {0, 0, 0, 12, 30, 0}},
      {"9 PM", kLcidEnUs, true, {0, 0, 0, 21, 0, 0}}, {"1/5/2003 9 pm", kLcidEnUs, true, {2003, 1, 5, 21, 0, 0}},
      {"1/5/2003 PM", kLcidEnUs, false, {}}, {"下午 9:03", kLcidZhCn, true, {0, 0, 0, 21, 3, 0}},
      {"2003-1-5 9:3:7", kLcidEnUs, true, {2003, 1, 5, 9, 3, 7}},
      {"1/5/2003 9:03:07 PM", kLcidEnUs, true, {2003, 1, 5, 21, 3, 7}},
      {"9:03 1/5/2003", kLcidEnUs, true, {2003, 1, 5, 9, 3, 0}}, {"2/29/2004", kLcidEnUs, true, {2004, 2, 29}},
      {"2/29/2003", kLcidEnUs, false, {}}, {"2/30/2003", kLcidEnUs, false, {}}, {"13/13/2003", kLcidEnUs, false, {}},
      {"1/1/99999", kLcidEnUs, false, {}}, {"1/1/0099", kLcidEnUs, false, {}}, {"24:00", kLcidEnUs, false, {}},
      {"9:60", kLcidEnUs, false, {}}, {"13:00 PM", kLcidEnUs, false, {}}, {"1:2:3:4", kLcidEnUs, false, {}},
      {"9:03 AM PM", kLcidEnUs, false, {}}, {"AM", kLcidEnUs, false, {}}, {"January", kLcidEnUs, false, {}},
      {"Jan Feb 5", kLcidEnUs, false, {}}, {"1/2/3/4", kLcidEnUs, false, {}}, {"5", kLcidEnUs, false, {}},
      {"", kLcidEnUs, false, {}}, {"hello", kLcidEnUs, false, {}},
      {"2003年1月5日", kLcidEnUs, false, {}},  // Chinese words only under zh-CN
      {"1/5/2003x", kLcidEnUs, false, {}},
  };
  for (const ParseCase& c : cases) {
    LocaleScope scope(c.lcid);
    double value = 0;
    const bool ok = parseDate(c.text, value);
    ASSERT_EQ(ok, c.ok) << c.text << " in " << c.lcid;
    if (!ok) continue;
    const DateParts& e = c.expected;
    const double expected =
        e.year == 0 ? (e.hour * 3600 + e.minute * 60 + e.second) / 86400.0 : dateOf(e.year, e.month, e.day, e.hour, e.minute, e.second);
    EXPECT_NEAR(value, expected, 1e-9) << c.text << " in " << c.lcid;
  }
}

TEST(Locale, MonthAndDayWithoutYearTakeTheCurrentYear) {
  LocaleScope scope(kLcidEnUs);
  double value = 0;
  ASSERT_TRUE(parseDate("3/4", value));
  const DateParts p = partsFromOleDate(value);
  EXPECT_EQ(p.year, partsFromOleDate(oleDateNow()).year);
  EXPECT_EQ(p.month, 3);
  EXPECT_EQ(p.day, 4);
}

TEST(Locale, GeneralDateTextReadsBackToTheSameDate) {
  for (int lcid : {kLcidEnUs, kLcidZhCn}) {
    LocaleScope scope(lcid);
    for (double date : {37626.37994212963, 37626.0, 0.75, 2958465.5, -657434.0, -1.25}) {
      for (DateFormat format : {DateFormat::General, DateFormat::LongDate}) {
        const std::string text = formatDate(date, format);
        double back = 0;
        ASSERT_TRUE(parseDate(text, back)) << text;
        const double expected = format == DateFormat::General ? date : std::trunc(date);
        EXPECT_NEAR(back, expected, 1e-9) << text;
      }
    }
  }
}

TEST(Locale, DoublesAreWrittenAsCStrWritesThem) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"}, {-0.0, "0"}, {1.0, "1"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
      {123456789012345678.0, "1.23456789012346E+17"}, {999999999999999.0, "999999999999999"}, {1e15, "1E+15"},
      {1e20, "1E+20"}, {0.0001, "0.0001"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"}, {1e100, "1E+100"},
      {1.7976931348623157e308, "1.79769313486232E+308"},
  };
  LocaleScope scope(kLcidZhCn);
  for (const auto& [value, text] : cases) EXPECT_EQ(formatNumber(value), text) << value;
  EXPECT_EQ(formatNumber(0.1f, true), "0.1");
  EXPECT_EQ(formatNumber(16777216.0f * 4, true), "6.710886E+07");
  EXPECT_EQ(formatNumber(1.0f / 3, true), "0.3333333");
}

TEST(Locale, NumbersAreReadAsCDblReadsThem) {
  LocaleScope scope(kLcidEnUs);
  const std::pair<const char*, double> accepted[] = {
      {"12", 12},         {"  12  ", 12},      {"-1,234.5", -1234.5}, {"1,234,567", 1234567},
      {"+.5", 0.5},       {"5.", 5},           {"1e5", 1e5},          {"1.5E-3", 0.0015},
      {"-2e+2", -200},    {"&H1F", 31},        {"&h1f", 31},          {"&O17", 15},
      {"&17", 15},        {"&HFFFF", 65535},   {"&HFFFFFFFF", -1},    {"&H80000000", -2147483648.0},
      {"-0", 0},          {"007", 7},          {"$5", 5},             {"$1,234.50", 1234.5},
      {"(5)", -5},        {"( 1,000 )", -1000}, {"-$5", -5},           {"$-5", -5},
      {"5$", 5},          {"($0.25)", -0.25},  {"5-", -5},           {"1,234.5-", -1234.5},
      {"5+", 5},          {"$5-", -5},         {"1e2-", -100},
  };
  for (const auto& [text, expected] : accepted) {
    double value = -99;
    ASSERT_TRUE(parseNumber(text, value)) << text;
    EXPECT_DOUBLE_EQ(value, expected) << text;
  }
  const char* refused[] = {"",    " ",    ".",   "-",    "1.5e", "1e+",       "1,,2",   ",12", "12,",
                           "1.2.3", "1 2", "abc", "&H",   "&HG",  "&O8",       "&H100000000", "1e400", "1.5,0",
                           "(-5)", "(5", "5)", "()", "$", "$$5", "$5$", "¥5",
                           "-5-", "+5-", "5--", "(5-)", "5-1"};
  for (const char* text : refused) {
    double value = 0;
    EXPECT_FALSE(parseNumber(text, value)) << text;
  }
  // The currency symbol is the locale's own.
  setCurrentLcid(kLcidZhCn);
  double value = 0;
  EXPECT_TRUE(parseNumber("(¥1,234.5)", value));
  EXPECT_DOUBLE_EQ(value, -1234.5);
  EXPECT_FALSE(parseNumber("$5", value));
}

TEST(Locale, SwitchingReturnsThePreviousLocale) {
  LocaleScope scope(kLcidEnUs);
  EXPECT_EQ(setCurrentLcid(kLcidZhCn), kLcidEnUs);
  EXPECT_EQ(currentLcid(), kLcidZhCn);
  EXPECT_EQ(monthName(1, false), "一月");
  EXPECT_EQ(weekdayName(2, true), "周一");
  EXPECT_EQ(numberConventions().currencySymbol, "¥");
  EXPECT_EQ(setCurrentLcid(1036), 0) << "French is not supported";
  EXPECT_EQ(currentLcid(), kLcidZhCn) << "an unsupported id changes nothing";
  EXPECT_EQ(setCurrentLcid(kLcidEnUs), kLcidZhCn);
  EXPECT_EQ(monthName(12, true), "Dec");
  EXPECT_EQ(weekdayName(7, false), "Saturday");
  EXPECT_TRUE(numberConventions().negativeCurrencyInParens);
}

TEST(Locale, NamesAndIdsAreBothAccepted) {
  const std::pair<const char*, int> cases[] = {
      {"en-US", kLcidEnUs}, {"EN-us", kLcidEnUs}, {"1033", kLcidEnUs}, {"zh-CN", kLcidZhCn},
      {"zh-cn", kLcidZhCn}, {"2052", kLcidZhCn},  {"fr-FR", 0},        {"", 0}, {"en", 0},            {"10330", 0},
  };
  for (const auto& [name, lcid] : cases) EXPECT_EQ(lcidFromName(name), lcid) << name;
}

TEST(Locale, NewThreadsStartFromTheEnvironment) {
  const auto lcidOfNewThread = [] {
    int lcid = 0;
    std::thread([&] { lcid = currentLcid(); }).join();
    return lcid;
  };
  {
    testing::ScopedEnv env("CORVELA_LOCALE", "zh-CN");
    EXPECT_EQ(lcidOfNewThread(), kLcidZhCn);
  }
  {
    testing::ScopedEnv env("CORVELA_LOCALE", "xx-YY");
    EXPECT_EQ(lcidOfNewThread(), kLcidEnUs);
  }
  LocaleScope scope(kLcidZhCn);
  testing::ScopedEnv env("CORVELA_LOCALE", "en-US");
  EXPECT_EQ(lcidOfNewThread(), kLcidEnUs) << "one thread's SetLocale must not leak into another";
}

}  // namespace
}  // namespace corvela
