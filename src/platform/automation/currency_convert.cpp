// Exact Currency conversions (see currency_convert.h).
#include "platform/automation/currency_convert.h"

#include <cmath>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"

namespace corvela {

namespace {

constexpr int64_t kScale = 10000;
constexpr int kDecimals = 4;

bool isSpace(char ch) { return ch == ' ' || ch == '\t'; }

// Rounds a magnitude of ten-thousandths up when the digits dropped after
// the fourth decimal are more than half, or exactly half and it is odd.
bool roundsUp(uint64_t kept, char firstDropped, bool restNonZero) {
  if (firstDropped > '5') return true;
  if (firstDropped < '5') return false;
  return restNonZero || kept % 2 != 0;
}

}  // namespace

int64_t currencyFromDouble(double value) {
  if (!std::isfinite(value)) raiseRuntimeError(6);
  double whole = std::trunc(value);
  // Both parts are exact: the whole part scaled in integers, the fraction
  // (below 1, so its product with 10000 keeps nearly all its digits) rounded.
  if (std::fabs(whole) > 922337203685477.0) raiseRuntimeError(6);
  double fraction = (value - whole) * kScale;
  double rounded = std::floor(fraction);
  double diff = fraction - rounded;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  int64_t scaled = 0;
  if (__builtin_mul_overflow(static_cast<int64_t>(whole), kScale, &scaled) ||
      __builtin_add_overflow(scaled, static_cast<int64_t>(rounded), &scaled))
    raiseRuntimeError(6);
  return scaled;
}

bool currencyFromDecimalText(std::string_view text, int64_t& scaled) {
  const NumberConventions& conventions = numberConventions();
  size_t i = 0, end = text.size();
  while (i < end && isSpace(text[i])) ++i;
  while (end > i && isSpace(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint64_t magnitude = 0;  // ten-thousandths
  int decimals = -1;       // digits read after the point; -1 before it
  int digits = 0;
  char firstDropped = '0';
  bool restNonZero = false;
  constexpr uint64_t kLimit = uint64_t{1} << 63;  // |INT64_MIN|
  while (i < end) {
    std::string_view rest = text.substr(i, end - i);
    char ch = text[i];
    if (ch >= '0' && ch <= '9') {
      ++digits;
      if (decimals < kDecimals) {
        if (magnitude > (kLimit - (ch - '0')) / 10) raiseRuntimeError(6);
        magnitude = magnitude * 10 + static_cast<uint64_t>(ch - '0');
        if (decimals >= 0) ++decimals;
      } else if (decimals == kDecimals) {
        firstDropped = ch;
        ++decimals;
      } else if (ch != '0') {
        restNonZero = true;
      }
      ++i;
      continue;
    }
    if (decimals < 0 && !conventions.decimalPoint.empty() && rest.starts_with(conventions.decimalPoint)) {
      decimals = 0;
      i += conventions.decimalPoint.size();
      continue;
    }
    if (decimals < 0 && digits > 0 && !conventions.thousandsSeparator.empty() &&
        rest.starts_with(conventions.thousandsSeparator)) {
      i += conventions.thousandsSeparator.size();
      continue;
    }
    return false;
  }
  if (digits == 0) return false;
  for (int d = decimals < 0 ? 0 : decimals; d < kDecimals; ++d) {
    if (magnitude > kLimit / 10) raiseRuntimeError(6);
    magnitude *= 10;
  }
  if (roundsUp(magnitude, firstDropped, restNonZero)) ++magnitude;
  if (magnitude > (negative ? kLimit : kLimit - 1)) raiseRuntimeError(6);
  scaled = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

}  // namespace corvela
