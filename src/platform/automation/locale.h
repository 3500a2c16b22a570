// Regional settings: how dates, times and numbers are shown and read, as the
// server's regional settings did on Windows. One locale per thread, starting
// from $CORVELA_LOCALE ("en-US" or "zh-CN", default en-US); scripts change it
// with SetLocale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvela {

// Windows locale ids of the supported regional settings.
inline constexpr int kLcidEnUs = 1033;
inline constexpr int kLcidZhCn = 2052;

// The named formats of FormatDateTime (vbGeneralDate .. vbShortTime).
enum class DateFormat { General = 0, LongDate = 1, ShortDate = 2, LongTime = 3, ShortTime = 4 };

int currentLcid();
// Switches this thread's locale; returns the previous id, or 0 (and changes
// nothing) when the id is not supported.
int setCurrentLcid(int lcid);
// The id of a locale name ("en-us", "zh-CN", "1033", ...) or 0.
int lcidFromName(std::string_view name);

// The locale that a new thread starts with: $CORVELA_LOCALE, else en-US.
int defaultLcid();

// Names in the current locale: month 1..12, weekday 1 = Sunday .. 7.
std::string_view monthName(int month, bool abbreviate);
std::string_view weekdayName(int weekday, bool abbreviate);

// The first day of the week in the current locale (1 = Sunday .. 7), which
// vbUseSystemDayOfWeek stands for: Sunday in en-US, Monday in zh-CN.
int firstDayOfWeek();

// How the current locale writes numbers and money (FormatNumber,
// FormatCurrency, FormatPercent).
struct NumberConventions {
  std::string_view decimalPoint;
  std::string_view thousandsSeparator;
  std::string_view currencySymbol;
  bool negativeCurrencyInParens;  // "($1.00)" rather than "-$1.00"
};
const NumberConventions& numberConventions();

// CStr of a Date: the general date format of the current locale (the date
// part is left out at midnight of day 0, the time part at midnight).
std::string formatDateGeneral(double oleDate);
std::string formatDate(double oleDate, DateFormat format);

// CDate / IsDate of text in the current locale. Returns false when the text
// is not a date.
bool parseDate(std::string_view text, double& oleDate);

// CStr of a Double/Single: VBScript's shortest round-trip text with up to 15
// significant digits ("0.1", "1E+20", "-1.5E-07"), decimal point of the locale.
std::string formatNumber(double value, bool single = false);

// CDbl of text in the current locale: surrounding spaces, sign, thousands
// separators, decimal point, exponent, &H/&O forms, the currency symbol and
// parentheses for a negative amount. False when not a number, or when it is
// one past the Double range (then `overflow`, when given, is set).
bool parseNumber(std::string_view text, double& value, bool* overflow = nullptr);

}  // namespace corvela
