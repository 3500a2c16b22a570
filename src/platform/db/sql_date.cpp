// Reading and writing the zero-padded date-time text the database keeps.
#include "platform/db/sql_date.h"

#include <cstdio>

namespace corvela::db {
namespace {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads an unsigned number of 1..maxDigits digits at text[pos].
bool readNumber(std::string_view text, size_t& pos, size_t maxDigits, int& value) {
  size_t start = pos;
  value = 0;
  while (pos < text.size() && pos - start < maxDigits && isDigit(text[pos])) value = value * 10 + (text[pos++] - '0');
  return pos > start;
}

void skipBlanks(std::string_view text, size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

}  // namespace

bool parseSqlDateText(std::string_view text, DateParts& p) {
  size_t pos = 0;
  skipBlanks(text, pos);
  if (!readNumber(text, pos, 4, p.year)) return false;
  const char sep = pos < text.size() ? text[pos] : '\0';
  if (sep != '-' && sep != '/') return false;
  ++pos;
  if (!readNumber(text, pos, 2, p.month) || pos >= text.size() || text[pos] != sep) return false;
  ++pos;
  if (!readNumber(text, pos, 2, p.day)) return false;
  p.hour = p.minute = p.second = 0;
  const size_t afterDate = pos;
  skipBlanks(text, pos);
  if (pos < text.size() && pos > afterDate) {
    if (!readNumber(text, pos, 2, p.hour) || pos >= text.size() || text[pos] != ':') return false;
    ++pos;
    if (!readNumber(text, pos, 2, p.minute)) return false;
    if (pos < text.size() && text[pos] == ':') {
      ++pos;
      if (!readNumber(text, pos, 2, p.second)) return false;
      if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) ++pos;
      }
    }
  }
  skipBlanks(text, pos);
  return pos == text.size() && p.year >= 100 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
         p.day <= daysInMonth(p.year, p.month) && p.hour <= 23 && p.minute <= 59 && p.second <= 59;
}

bool isStoredTimestamp(std::string_view t) {
  static constexpr std::string_view kShape = "0000-00-00 00:00:00";
  if (t.size() != kShape.size()) return false;
  for (size_t i = 0; i < t.size(); ++i) {
    if (kShape[i] == '0' ? !isDigit(t[i]) : t[i] != kShape[i]) return false;
  }
  return true;
}

std::string formatSqlTimestamp(const DateParts& p) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
  return buf;
}

}  // namespace corvela::db
