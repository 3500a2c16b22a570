// OLE dates: a double counting days since 1899-12-30 00:00 local time; the
// fraction is the time of day. Before 1899-12-30 the integer part counts back
// and the fraction still counts forward in magnitude (-1.25 is 1899-12-29 06:00).
#pragma once

namespace corvela {

// An OLE date as a C++ parameter or result of a bound member (a plain
// double would bind as a Double).
struct OleDate {
  double days = 0;
};

struct DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

// Valid OLE dates span 100-01-01 .. 9999-12-31.
inline constexpr double kMinOleDate = -657434.0;
inline constexpr double kMaxOleDate = 2958465.99999;

// Days for a calendar date; month and day may run over (month 13 is January
// of the next year, day 0 the last day of the month before), as DateSerial
// allows. Returns false when the result lies outside the valid range.
bool oleDateFromParts(const DateParts& parts, double& oleDate);
// The calendar parts of an OLE date, rounded to the nearest second.
DateParts partsFromOleDate(double oleDate);
// Day of the week, 1 = Sunday .. 7 = Saturday.
int weekdayOf(double oleDate);
// The current local date and time.
double oleDateNow();

}  // namespace corvela
