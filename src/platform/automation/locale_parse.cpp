// Reading dates and numbers from text as CDate, IsDate, CDbl and IsNumeric
// do under the current regional settings. The date reader is lenient the way
// OLE's was: any of / - . , space as separators, English month and weekday
// names in every locale (plus the Chinese ones and 年/月/日 under zh-CN), the
// time anywhere in the text, and month/day swapped when only that order makes
// a valid date ("13/5/2003" is May 13).
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/locale.h"
#include "platform/automation/oledate.h"

namespace corvela {
namespace {

enum class TokenKind { Number, Month, Weekday, AmPm, Colon, Separator };

struct Token {
  TokenKind kind;
  int value = 0;   // number, month 1..12, or 1 for PM / 0 for AM
  int digits = 0;  // for numbers: how many digits were written
};

struct NamedWord {
  std::string_view text;
  TokenKind kind;
  int value;
};

// English words, compared case-insensitively.
constexpr NamedWord kEnglishWords[] = {
    {"january", TokenKind::Month, 1},    {"february", TokenKind::Month, 2},  {"march", TokenKind::Month, 3},
    {"april", TokenKind::Month, 4},      {"may", TokenKind::Month, 5},       {"june", TokenKind::Month, 6},
    {"july", TokenKind::Month, 7},       {"august", TokenKind::Month, 8},    {"september", TokenKind::Month, 9},
    {"october", TokenKind::Month, 10},   {"november", TokenKind::Month, 11}, {"december", TokenKind::Month, 12},
    {"jan", TokenKind::Month, 1},        {"feb", TokenKind::Month, 2},       {"mar", TokenKind::Month, 3},
    {"apr", TokenKind::Month, 4},        {"jun", TokenKind::Month, 6},       {"jul", TokenKind::Month, 7},
    {"aug", TokenKind::Month, 8},        {"sep", TokenKind::Month, 9},       {"sept", TokenKind::Month, 9},
    {"oct", TokenKind::Month, 10},       {"nov", TokenKind::Month, 11},      {"dec", TokenKind::Month, 12},
    {"sunday", TokenKind::Weekday, 1},   {"monday", TokenKind::Weekday, 2},  {"tuesday", TokenKind::Weekday, 3},
    {"wednesday", TokenKind::Weekday, 4}, {"thursday", TokenKind::Weekday, 5}, {"friday", TokenKind::Weekday, 6},
    {"saturday", TokenKind::Weekday, 7}, {"sun", TokenKind::Weekday, 1},     {"mon", TokenKind::Weekday, 2},
    {"tue", TokenKind::Weekday, 3},      {"wed", TokenKind::Weekday, 4},     {"thu", TokenKind::Weekday, 5},
    {"fri", TokenKind::Weekday, 6},      {"sat", TokenKind::Weekday, 7},     {"am", TokenKind::AmPm, 0},
    {"pm", TokenKind::AmPm, 1},
};

// Chinese words, matched byte for byte; longer names come before their
// prefixes ("十一月" before "十月"... before "一月").
constexpr NamedWord kChineseWords[] = {
    {"十一月", TokenKind::Month, 11},  {"十二月", TokenKind::Month, 12},  {"十月", TokenKind::Month, 10},
    {"一月", TokenKind::Month, 1},     {"二月", TokenKind::Month, 2},     {"三月", TokenKind::Month, 3},
    {"四月", TokenKind::Month, 4},     {"五月", TokenKind::Month, 5},     {"六月", TokenKind::Month, 6},
    {"七月", TokenKind::Month, 7},     {"八月", TokenKind::Month, 8},     {"九月", TokenKind::Month, 9},
    {"星期日", TokenKind::Weekday, 1}, {"星期天", TokenKind::Weekday, 1}, {"星期一", TokenKind::Weekday, 2},
    {"星期二", TokenKind::Weekday, 3}, {"星期三", TokenKind::Weekday, 4}, {"星期四", TokenKind::Weekday, 5},
    {"星期五", TokenKind::Weekday, 6}, {"星期六", TokenKind::Weekday, 7}, {"周日", TokenKind::Weekday, 1},
    {"周一", TokenKind::Weekday, 2},   {"周二", TokenKind::Weekday, 3},   {"周三", TokenKind::Weekday, 4},
    {"周四", TokenKind::Weekday, 5},   {"周五", TokenKind::Weekday, 6},   {"周六", TokenKind::Weekday, 7},
    {"上午", TokenKind::AmPm, 0},      {"下午", TokenKind::AmPm, 1},      {"年", TokenKind::Separator, 0},
    {"月", TokenKind::Separator, 0},   {"日", TokenKind::Separator, 0},
};

bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool tokenize(std::string_view text, std::vector<Token>& tokens) {
  const bool chinese = currentLcid() == kLcidZhCn;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (isDigit(c)) {
      Token t{TokenKind::Number};
      while (i < text.size() && isDigit(text[i])) {
        if (++t.digits > 9) return false;
        t.value = t.value * 10 + (text[i] - '0');
        ++i;
      }
      tokens.push_back(t);
      continue;
    }
    if (c == ':') {
      tokens.push_back({TokenKind::Colon});
      ++i;
      continue;
    }
    if (c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == '\t') {
      tokens.push_back({TokenKind::Separator});
      ++i;
      continue;
    }
    if (isAsciiAlpha(c)) {
      size_t end = i;
      while (end < text.size() && isAsciiAlpha(text[end])) ++end;
      std::string word(text.substr(i, end - i));
      for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      const NamedWord* found = nullptr;
      for (const NamedWord& w : kEnglishWords)
        if (w.text == word) found = &w;
      if (!found) return false;
      tokens.push_back({found->kind, found->value});
      i = end;
      continue;
    }
    if (!chinese) return false;
    const NamedWord* found = nullptr;
    for (const NamedWord& w : kChineseWords) {
      if (text.substr(i, w.text.size()) == w.text) {
        found = &w;
        break;
      }
    }
    if (!found) return false;
    tokens.push_back({found->kind, found->value});
    i += found->text.size();
  }
  return true;
}

struct TimeOfDay {
  bool present = false;
  int hour = 0, minute = 0, second = 0;
};

// Takes the time (h:m[:s] and/or AM/PM) out of the tokens. Without a clock,
// the number just before AM/PM is the hour ("9 PM").
bool extractTime(std::vector<Token>& tokens, TimeOfDay& time) {
  int ampm = -1;
  std::vector<Token> rest;
  size_t bareHour = SIZE_MAX;    // index in rest of the number before AM/PM
  size_t lastNumber = SIZE_MAX;  // index in rest of the latest number, while only separators follow it
  for (size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (t.kind == TokenKind::AmPm) {
      if (ampm >= 0) return false;
      ampm = t.value;
      bareHour = lastNumber;
      continue;
    }
    const bool startsClock = t.kind == TokenKind::Number && i + 2 < tokens.size() &&
                             tokens[i + 1].kind == TokenKind::Colon && tokens[i + 2].kind == TokenKind::Number;
    if (startsClock) {
      if (time.present) return false;
      time.present = true;
      time.hour = t.value;
      time.minute = tokens[i + 2].value;
      i += 2;
      if (i + 2 < tokens.size() && tokens[i + 1].kind == TokenKind::Colon &&
          tokens[i + 2].kind == TokenKind::Number) {
        time.second = tokens[i + 2].value;
        i += 2;
      }
      lastNumber = SIZE_MAX;
      continue;
    }
    if (t.kind == TokenKind::Colon) return false;
    if (t.kind == TokenKind::Number) lastNumber = rest.size();
    else if (t.kind != TokenKind::Separator) lastNumber = SIZE_MAX;
    rest.push_back(t);
  }
  if (ampm >= 0 && !time.present) {
    if (bareHour == SIZE_MAX) return false;
    time.present = true;
    time.hour = rest[bareHour].value;
    rest.erase(rest.begin() + static_cast<ptrdiff_t>(bareHour));
  }
  if (ampm >= 0) {
    if (time.hour > 12) return false;
    if (ampm == 1 && time.hour != 12) time.hour += 12;
    if (ampm == 0 && time.hour == 12) time.hour = 0;
  }
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return false;
  tokens = std::move(rest);
  return true;
}

bool looksLikeYear(const Token& t) { return t.value > 31 || t.digits >= 3; }

int fullYear(const Token& t) {
  if (t.digits > 2) return t.value;
  // Two-digit years: 00..29 are 2000..2029, 30..99 are 1930..1999.
  return t.value < 30 ? 2000 + t.value : 1900 + t.value;
}

int currentYear() { return partsFromOleDate(oleDateNow()).year; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool validDate(int year, int month, int day) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

// Month and day from two numbers written month first (both supported
// locales put M before d), swapped when only the other order is valid.
bool monthDay(int year, int first, int second, DateParts& parts) {
  if (!validDate(year, first, second) && validDate(year, second, first)) std::swap(first, second);
  parts.year = year;
  parts.month = first;
  parts.day = second;
  return validDate(year, first, second);
}

bool dateFromTokens(const std::vector<Token>& tokens, bool& present, DateParts& parts) {
  std::vector<Token> numbers;
  int month = 0;
  for (const Token& t : tokens) {
    if (t.kind == TokenKind::Number) {
      numbers.push_back(t);
    } else if (t.kind == TokenKind::Month) {
      if (month) return false;
      month = t.value;
    }
  }
  present = month != 0 || !numbers.empty();
  if (!present) return true;
  if (month) {
    if (numbers.empty() || numbers.size() > 2) return false;
    if (numbers.size() == 1) {
      if (looksLikeYear(numbers[0])) return monthDay(fullYear(numbers[0]), month, 1, parts);
      return monthDay(currentYear(), month, numbers[0].value, parts);
    }
    const bool yearFirst = looksLikeYear(numbers[0]) && !looksLikeYear(numbers[1]);
    const Token& year = yearFirst ? numbers[0] : numbers[1];
    const Token& day = yearFirst ? numbers[1] : numbers[0];
    parts = {fullYear(year), month, day.value};
    return validDate(parts.year, parts.month, parts.day);
  }
  if (numbers.size() == 1) return false;  // a lone number is not a date
  if (numbers.size() == 2) {
    if (looksLikeYear(numbers[1])) return monthDay(fullYear(numbers[1]), numbers[0].value, 1, parts);
    if (looksLikeYear(numbers[0])) return monthDay(fullYear(numbers[0]), numbers[1].value, 1, parts);
    return monthDay(currentYear(), numbers[0].value, numbers[1].value, parts);
  }
  if (numbers.size() != 3) return false;
  bool yearFirst = currentLcid() == kLcidZhCn;
  if (looksLikeYear(numbers[0])) yearFirst = true;
  else if (looksLikeYear(numbers[2])) yearFirst = false;
  if (yearFirst) return monthDay(fullYear(numbers[0]), numbers[1].value, numbers[2].value, parts);
  return monthDay(fullYear(numbers[2]), numbers[0].value, numbers[1].value, parts);
}

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// "&H1F" / "&O17" (also "&17"): up to 32 bits, the top bit making it
// negative as in a Long.
bool parseRadixNumber(std::string_view text, double& value) {
  int base = 8;
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == 'h' || text[0] == 'H')) {
    base = 16;
    text.remove_prefix(1);
  } else if (!text.empty() && (text[0] == 'o' || text[0] == 'O')) {
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  uint64_t bits = 0;
  for (char c : text) {
    int digit;
    if (isDigit(c)) digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    if (digit >= base) return false;
    bits = bits * base + digit;
    if (bits > 0xFFFFFFFFu) return false;
  }
  value = static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(bits)));
  return true;
}

}  // namespace

bool parseDate(std::string_view text, double& oleDate) {
  std::vector<Token> tokens;
  if (!tokenize(text, tokens)) return false;
  TimeOfDay time;
  if (!extractTime(tokens, time)) return false;
  bool hasDate = false;
  DateParts parts;
  if (!dateFromTokens(tokens, hasDate, parts)) return false;
  if (!hasDate && !time.present) return false;
  if (!hasDate) parts = DateParts{};
  parts.hour = time.hour;
  parts.minute = time.minute;
  parts.second = time.second;
  return oleDateFromParts(parts, oleDate);
}

bool parseNumber(std::string_view text, double& value, bool* overflow) {
  text = trimSpaces(text);
  if (text.empty()) return false;
  if (text[0] == '&') return parseRadixNumber(text, value);
  const NumberConventions& conventions = numberConventions();
  // Money as the locale writes it: "(5)" is -5, and one currency symbol may
  // stand before or after the sign or after the number ("$-5", "-$5",
  // "($1,234.50)").
  const bool parens = text.size() > 2 && text.front() == '(' && text.back() == ')';
  if (parens) text = trimSpaces(text.substr(1, text.size() - 2));
  size_t i = 0;
  bool currency = false;
  const auto takeCurrency = [&] {
    if (currency || !text.substr(i).starts_with(conventions.currencySymbol)) return;
    i += conventions.currencySymbol.size();
    currency = true;
  };
  std::string clean;
  takeCurrency();
  bool leadingSign = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (parens) return false;
    clean += text[i++];
    leadingSign = true;
    takeCurrency();
  }
  if (parens) clean += '-';
  int digits = 0;
  bool lastWasDigit = false;
  // Integer part: thousands separators may stand between digits.
  while (i < text.size()) {
    if (isDigit(text[i])) {
      clean += text[i++];
      ++digits;
      lastWasDigit = true;
    } else if (lastWasDigit && text.substr(i).starts_with(conventions.thousandsSeparator) &&
               i + conventions.thousandsSeparator.size() < text.size() &&
               isDigit(text[i + conventions.thousandsSeparator.size()])) {
      i += conventions.thousandsSeparator.size();
    } else {
      break;
    }
  }
  if (text.substr(i).starts_with(conventions.decimalPoint)) {
    i += conventions.decimalPoint.size();
    clean += '.';
    while (i < text.size() && isDigit(text[i])) {
      clean += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    clean += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    const size_t start = i;
    while (i < text.size() && isDigit(text[i])) clean += text[i++];
    if (i == start) return false;
  }
  takeCurrency();
  // Automation's standard parsing also takes the sign after the number, as
  // accounting text writes it: "5-" is -5 and "5+" is 5 (one sign only).
  if (i + 1 == text.size() && (text[i] == '+' || text[i] == '-') && !leadingSign && !parens) {
    if (text[i] == '-') clean.insert(clean.begin(), '-');
    ++i;
  }
  if (i != text.size()) return false;
  errno = 0;
  const double parsed = std::strtod(clean.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(parsed)) {
    if (overflow) *overflow = true;
    return false;
  }
  value = parsed == 0 ? 0.0 : parsed;  // "-0" reads as 0
  return true;
}

}  // namespace corvela
