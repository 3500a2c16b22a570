// The regional settings of the supported locales (names, date and time
// patterns, number conventions), the thread's current locale, and the text
// that CStr gives for dates and doubles. Reading dates and numbers back is in
// locale_parse.cpp.
#include "platform/automation/locale.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/automation/oledate.h"

namespace corvela {
namespace {

// The settings Windows shipped for a locale. Patterns use GetDateFormat's
// letters: d dd dddd M MM MMMM yy yyyy h hh H HH m mm s ss tt and 'quoted'.
struct RegionalSettings {
  int lcid;
  std::array<std::string_view, 12> months;
  std::array<std::string_view, 12> monthsAbbreviated;
  std::array<std::string_view, 7> weekdays;  // Sunday first
  std::array<std::string_view, 7> weekdaysAbbreviated;
  std::string_view am, pm;
  std::string_view shortDate, longDate, longTime, shortTime;
  int firstDayOfWeek;  // 1 = Sunday
  NumberConventions numbers;
};

const RegionalSettings kEnUs{
    kLcidEnUs,
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
     "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    "AM",
    "PM",
    "M/d/yyyy",
    "dddd, MMMM d, yyyy",  // Windows 7 and later; XP padded the day (dd)
    "h:mm:ss tt",
    "HH:mm",
    1,
    {".", ",", "$", true},
};

const RegionalSettings kZhCn{
    kLcidZhCn,
    {"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"},
    {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
    {"周日", "周一", "周二", "周三", "周四", "周五", "周六"},
    "上午",
    "下午",
    "yyyy/M/d",
    "yyyy'年'M'月'd'日'",
    "H:mm:ss",
    "H:mm",
    2,
    {".", ",", "¥", false},
};

const RegionalSettings& settingsFor(int lcid) { return lcid == kLcidZhCn ? kZhCn : kEnUs; }

thread_local int threadLcid = 0;  // 0 until the thread first asks

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

const RegionalSettings& current() { return settingsFor(currentLcid()); }

void appendPadded(std::string& out, int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  out += buffer;
}

// Expands a GetDateFormat-style pattern for the given parts.
std::string expandPattern(std::string_view pattern, const DateParts& p, double oleDate,
                          const RegionalSettings& settings) {
  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      const size_t close = pattern.find('\'', i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      out += pattern.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    const int width = static_cast<int>(run);
    switch (c) {
      case 'd':
        if (run >= 4) out += settings.weekdays[weekdayOf(oleDate) - 1];
        else if (run == 3) out += settings.weekdaysAbbreviated[weekdayOf(oleDate) - 1];
        else appendPadded(out, p.day, width);
        break;
      case 'M':
        if (run >= 4) out += settings.months[p.month - 1];
        else if (run == 3) out += settings.monthsAbbreviated[p.month - 1];
        else appendPadded(out, p.month, width);
        break;
      case 'y':
        if (run <= 2) appendPadded(out, p.year % 100, width);
        else appendPadded(out, p.year, 4);
        break;
      case 'h':
        appendPadded(out, p.hour % 12 == 0 ? 12 : p.hour % 12, std::min(width, 2));
        break;
      case 'H':
        appendPadded(out, p.hour, std::min(width, 2));
        break;
      case 'm':
        appendPadded(out, p.minute, std::min(width, 2));
        break;
      case 's':
        appendPadded(out, p.second, std::min(width, 2));
        break;
      case 't':
        out += p.hour < 12 ? settings.am : settings.pm;
        break;
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

}  // namespace

int defaultLcid() {
  const char* name = std::getenv("CORVELA_LOCALE");
  const int lcid = name ? lcidFromName(name) : 0;
  return lcid ? lcid : kLcidEnUs;
}

int currentLcid() {
  if (threadLcid == 0) threadLcid = defaultLcid();
  return threadLcid;
}

int setCurrentLcid(int lcid) {
  if (lcid != kLcidEnUs && lcid != kLcidZhCn) return 0;
  const int previous = currentLcid();
  threadLcid = lcid;
  return previous;
}

int lcidFromName(std::string_view name) {
  if (equalsIgnoreCase(name, "en-us") || name == "1033") return kLcidEnUs;
  if (equalsIgnoreCase(name, "zh-cn") || name == "2052") return kLcidZhCn;
  return 0;
}

std::string_view monthName(int month, bool abbreviate) {
  const RegionalSettings& s = current();
  return abbreviate ? s.monthsAbbreviated[month - 1] : s.months[month - 1];
}

std::string_view weekdayName(int weekday, bool abbreviate) {
  const RegionalSettings& s = current();
  return abbreviate ? s.weekdaysAbbreviated[weekday - 1] : s.weekdays[weekday - 1];
}

int firstDayOfWeek() { return current().firstDayOfWeek; }

const NumberConventions& numberConventions() { return current().numbers; }

std::string formatDate(double oleDate, DateFormat format) {
  const RegionalSettings& s = current();
  const DateParts p = partsFromOleDate(oleDate);
  switch (format) {
    case DateFormat::LongDate:
      return expandPattern(s.longDate, p, oleDate, s);
    case DateFormat::ShortDate:
      return expandPattern(s.shortDate, p, oleDate, s);
    case DateFormat::LongTime:
      return expandPattern(s.longTime, p, oleDate, s);
    case DateFormat::ShortTime:
      return expandPattern(s.shortTime, p, oleDate, s);
    case DateFormat::General:
      break;
  }
  const bool isDayZero = p.year == 1899 && p.month == 12 && p.day == 30;
  const bool isMidnight = p.hour == 0 && p.minute == 0 && p.second == 0;
  // Day 0 shows as a bare time, even at midnight ("12:00:00 AM").
  if (isDayZero) return expandPattern(s.longTime, p, oleDate, s);
  std::string text = expandPattern(s.shortDate, p, oleDate, s);
  if (!isMidnight) {
    text += ' ';
    text += expandPattern(s.longTime, p, oleDate, s);
  }
  return text;
}

std::string formatDateGeneral(double oleDate) { return formatDate(oleDate, DateFormat::General); }

std::string formatNumber(double value, bool single) {
  if (value == 0) return "0";  // also for -0
  char buffer[40];
  // %G switches to the exponent form exactly where VBScript does: below
  // 1E-4 and from 10^precision up ("0.0001", "1E-05", "1E+15").
  std::snprintf(buffer, sizeof buffer, single ? "%.7G" : "%.15G", value);
  std::string text(buffer);
  const std::string_view point = current().numbers.decimalPoint;
  if (point != ".") {
    const size_t dot = text.find('.');
    if (dot != std::string::npos) text.replace(dot, 1, point);
  }
  return text;
}

}  // namespace corvela
