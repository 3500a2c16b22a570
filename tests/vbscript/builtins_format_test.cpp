// The formatting built-ins per locale: FormatNumber/Currency/Percent with
// their optional arguments, FormatDateTime's named formats, and
// GetLocale/SetLocale.
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

const Variant kOmitted = Variant::missing();

struct FormatCase {
  const char* function;
  std::vector<Variant> args;
  const char* enUs;
  const char* zhCn;
};

TEST(FormatBuiltins, NumbersCurrencyAndPercentPerLocale) {
  const FormatCase cases[] = {
      {"FormatNumber", {Variant(1234.5)}, "1,234.50", "1,234.50"},
      {"FormatNumber", {Variant(-1234.5)}, "-1,234.50", "-1,234.50"},
      {"FormatNumber", {Variant(1234567.891), Variant(1)}, "1,234,567.9", "1,234,567.9"},
      {"FormatNumber", {Variant(2.5), Variant(0)}, "3", "3"},
      {"FormatNumber", {Variant(2.675), Variant(2)}, "2.68", "2.68"},
      {"FormatNumber", {Variant(0.125)}, "0.13", "0.13"},
      {"FormatNumber", {Variant(999.995)}, "1,000.00", "1,000.00"},
      {"FormatNumber", {Variant(0.5), Variant(2), Variant(0)}, ".50", ".50"},
      {"FormatNumber", {Variant(-0.5), kOmitted, Variant(0), Variant(-1)}, "(.50)", "(.50)"},
      {"FormatNumber", {Variant(1234), kOmitted, kOmitted, kOmitted, Variant(0)}, "1234.00", "1234.00"},
      {"FormatNumber", {Variant(1234), Variant(-1)}, "1,234.00", "1,234.00"},
      {"FormatNumber", {Variant(-0.001)}, "0.00", "0.00"},
      {"FormatNumber", {Variant(1e20), Variant(0)}, "100,000,000,000,000,000,000", "100,000,000,000,000,000,000"},
      {"FormatNumber", {Variant(1e-10), Variant(12)}, "0.000000000100", "0.000000000100"},
      {"FormatNumber", {Variant("1,234.5")}, "1,234.50", "1,234.50"},
      {"FormatNumber", {Variant::fromCurrency(9223372036854775807LL), Variant(4)},
       "922,337,203,685,477.5807", "922,337,203,685,477.5807"},
      {"FormatNumber", {Variant(static_cast<int32_t>(-2147483647 - 1)), Variant(0)}, "-2,147,483,648",
       "-2,147,483,648"},
      {"FormatCurrency", {Variant(1234.5)}, "$1,234.50", "¥1,234.50"},
      {"FormatCurrency", {Variant(-1)}, "($1.00)", "-¥1.00"},
      {"FormatCurrency", {Variant(-1), kOmitted, kOmitted, Variant(0)}, "-$1.00", "-¥1.00"},
      {"FormatCurrency", {Variant(-1), kOmitted, kOmitted, Variant(-1)}, "($1.00)", "(¥1.00)"},
      {"FormatCurrency", {Variant(0.5), Variant(0)}, "$1", "¥1"},
      {"FormatPercent", {Variant(0.125)}, "12.50%", "12.50%"},
      {"FormatPercent", {Variant(-0.125), Variant(1)}, "-12.5%", "-12.5%"},
      {"FormatPercent", {Variant(12.345), Variant(0)}, "1,235%", "1,235%"},
      {"FormatPercent", {Variant(-0.5), kOmitted, kOmitted, Variant(-1)}, "(50.00%)", "(50.00%)"},
  };
  for (const FormatCase& c : cases) {
    for (int lcid : {kLcidEnUs, kLcidZhCn}) {
      LocaleScope scope(lcid);
      const Variant v = call(c.function, c.args);
      ASSERT_TRUE(v.isString()) << c.function;
      EXPECT_EQ(v.rawString(), lcid == kLcidEnUs ? c.enUs : c.zhCn)
          << c.function << "(" << c.args[0].toString() << ", ...) in " << lcid;
    }
  }
}

TEST(FormatBuiltins, NumberArgumentsAreChecked) {
  for (const char* function : {"FormatNumber", "FormatCurrency", "FormatPercent"}) {
    EXPECT_EQ(errorOf(function, {Variant::null()}), 13) << function;
    EXPECT_EQ(errorOf(function, {Variant(1), Variant(-2)}), 5) << function;
    EXPECT_EQ(errorOf(function, {Variant(1), Variant(100)}), 5) << function;
  }
}

TEST(FormatBuiltins, DateTimeNamedFormats) {
  double when = 0;
  ASSERT_TRUE(oleDateFromParts({2003, 1, 5, 21, 3, 7}, when));
  const Variant date = Variant::fromDate(when);
  const FormatCase cases[] = {
      {"FormatDateTime", {date}, "1/5/2003 9:03:07 PM", "2003/1/5 21:03:07"},
      {"FormatDateTime", {date, Variant(0)}, "1/5/2003 9:03:07 PM", "2003/1/5 21:03:07"},
      {"FormatDateTime", {date, Variant(1)}, "Sunday, January 5, 2003", "2003年1月5日"},
      {"FormatDateTime", {date, Variant(2)}, "1/5/2003", "2003/1/5"},
      {"FormatDateTime", {date, Variant(3)}, "9:03:07 PM", "21:03:07"},
      {"FormatDateTime", {date, Variant(4)}, "21:03", "21:03"},
      {"FormatDateTime", {Variant("2003-01-05"), Variant(1)}, "Sunday, January 5, 2003", "2003年1月5日"},
      {"FormatDateTime", {Variant(0.5)}, "12:00:00 PM", "12:00:00"},
  };
  for (const FormatCase& c : cases) {
    for (int lcid : {kLcidEnUs, kLcidZhCn}) {
      LocaleScope scope(lcid);
      EXPECT_EQ(call(c.function, c.args).toString(), lcid == kLcidEnUs ? c.enUs : c.zhCn)
          << c.args[0].toString() << " in " << lcid;
    }
  }
  EXPECT_EQ(errorOf("FormatDateTime", {Variant::null()}), 13);
  EXPECT_EQ(errorOf("FormatDateTime", {Variant("")}), 13);
}

TEST(FormatBuiltins, SetLocaleReturnsThePreviousIdAndRefusesUnknownOnes) {
  LocaleScope scope(kLcidEnUs);
  EXPECT_EQ(call("GetLocale").rawLong(), 1033);
  EXPECT_EQ(call("SetLocale", {Variant("zh-cn")}).rawLong(), 1033);
  EXPECT_EQ(call("GetLocale").rawLong(), 2052);
  EXPECT_EQ(call("SetLocale", {Variant(1033)}).rawLong(), 2052);
  EXPECT_EQ(call("SetLocale", {Variant("2052")}).rawLong(), 1033);
  EXPECT_EQ(errorOf("SetLocale", {Variant(1036)}), 5);
  EXPECT_EQ(errorOf("SetLocale", {Variant("de-DE")}), 5);
  EXPECT_EQ(call("GetLocale").rawLong(), 2052) << "a refused id changes nothing";
  EXPECT_EQ(call("SetLocale", {Variant(0)}).rawLong(), 2052);
  EXPECT_EQ(call("GetLocale").rawLong(), defaultLcid());
}

}  // namespace
}  // namespace corvela::vbs
