// OLE dates <-> calendar parts. The calendar is the proleptic Gregorian one
// (as OLE used for every year from 100 on); day numbers come from Howard
// Hinnant's days-from-civil algorithm, counted from 1899-12-30.
#include "platform/automation/oledate.h"

#include <cmath>
#include <cstdint>
#include <ctime>

namespace corvela {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
int64_t daysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yoe = year - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const int64_t kEpochDays = daysFromCivil(1899, 12, 30);

int64_t floorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// An OLE date split into its calendar day (days since 1899-12-30) and the
// seconds into that day, rounded to the nearest second.
struct DaySeconds {
  int64_t day;
  int64_t seconds;
};

DaySeconds splitOleDate(double oleDate) {
  const double whole = std::trunc(oleDate);
  // Before the epoch the fraction still counts forward from midnight.
  const double fraction = std::fabs(oleDate - whole);
  DaySeconds result{static_cast<int64_t>(whole), std::llround(fraction * kSecondsPerDay)};
  if (result.seconds >= kSecondsPerDay) {
    // The last valid day's final fraction of a second stays on that day:
    // 9999-12-31 23:59:59, not a day of year 10000.
    if (result.day >= static_cast<int64_t>(kMaxOleDate)) {
      result.seconds = kSecondsPerDay - 1;
      return result;
    }
    result.seconds -= kSecondsPerDay;
    result.day += 1;
  }
  return result;
}

}  // namespace

bool oleDateFromParts(const DateParts& parts, double& oleDate) {
  const int64_t monthIndex = static_cast<int64_t>(parts.year) * 12 + (parts.month - 1);
  const int64_t year = floorDiv(monthIndex, 12);
  const int month = static_cast<int>(monthIndex - year * 12) + 1;
  const int64_t day = daysFromCivil(year, month, 1) + (parts.day - 1) - kEpochDays;
  const int64_t seconds =
      static_cast<int64_t>(parts.hour) * 3600 + static_cast<int64_t>(parts.minute) * 60 + parts.second;
  // Time of day may run over too (TimeSerial(25, 0, 0) is the next day).
  const int64_t total = day * kSecondsPerDay + seconds;
  const int64_t wholeDays = floorDiv(total, kSecondsPerDay);
  const int64_t secondsIntoDay = total - wholeDays * kSecondsPerDay;
  const double fraction = static_cast<double>(secondsIntoDay) / kSecondsPerDay;
  const double value =
      wholeDays >= 0 ? static_cast<double>(wholeDays) + fraction : static_cast<double>(wholeDays) - fraction;
  if (wholeDays < static_cast<int64_t>(kMinOleDate) || wholeDays > static_cast<int64_t>(kMaxOleDate)) return false;
  oleDate = value;
  return true;
}

DateParts partsFromOleDate(double oleDate) {
  const DaySeconds split = splitOleDate(oleDate);
  DateParts parts;
  civilFromDays(split.day + kEpochDays, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(split.seconds / 3600);
  parts.minute = static_cast<int>(split.seconds / 60 % 60);
  parts.second = static_cast<int>(split.seconds % 60);
  return parts;
}

int weekdayOf(double oleDate) {
  const int64_t day = splitOleDate(oleDate).day;
  // Day 0 (1899-12-30) was a Saturday.
  return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
}

double oleDateNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  DateParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
  double value = 0;
  oleDateFromParts(parts, value);
  return value;
}

}  // namespace corvela
