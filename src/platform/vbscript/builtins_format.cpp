// The formatting built-ins: FormatDateTime, FormatNumber, FormatCurrency,
// FormatPercent, and GetLocale/SetLocale, which choose the regional settings
// they (and CStr, CDate, ...) follow on this thread.
//
// Numbers are rounded on their decimal digits, half away from zero, after
// reducing a Double to the 15 significant digits VBScript shows of it: so
// FormatNumber(2.675, 2) is "2.68" although the binary value is 2.67499...,
// and FormatNumber(2.5, 0) is "3" (unlike Round).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {
namespace {

constexpr int kDefaultDigits = 2;  // both locales show two decimals
constexpr int kMaxDigits = 99;

// A number as decimal digits: value = 0.digits x 10^exponent.
struct DecimalDigits {
  std::string digits;  // no leading zeros; empty for zero
  int exponent = 0;
  bool negative = false;
};

DecimalDigits digitsOfInteger(int64_t value, int scale) {
  DecimalDigits d;
  d.negative = value < 0;
  uint64_t magnitude = d.negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  d.digits = std::to_string(magnitude);
  d.exponent = static_cast<int>(d.digits.size()) - scale;
  if (magnitude == 0) d.digits.clear();
  return d;
}

DecimalDigits digitsOfDouble(double value) {
  DecimalDigits d;
  if (value == 0 || !std::isfinite(value)) return d;
  d.negative = value < 0;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));  // d.dddddddddddddde+XX
  const std::string text(buffer);
  const size_t e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::atoi(text.c_str() + e + 1) + 1;
  return d;
}

DecimalDigits digitsOf(const Variant& v) {
  switch (v.type()) {
    case VarType::Integer: return digitsOfInteger(v.rawInteger(), 0);
    case VarType::Long: return digitsOfInteger(v.rawLong(), 0);
    case VarType::Byte: return digitsOfInteger(v.rawByte(), 0);
    case VarType::Currency: return digitsOfInteger(v.rawCurrency(), 4);
    default: return digitsOfDouble(v.toDouble());
  }
}

// Rounds to `places` decimals, half away from zero.
void roundDigits(DecimalDigits& d, int places) {
  const int keep = d.exponent + places;
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

struct NumberStyle {
  int places = kDefaultDigits;
  bool leadingDigit = true;
  bool parens = false;
  bool group = true;
};

// The text of |value| with the style's decimals, grouping and leading zero.
std::string magnitudeText(DecimalDigits d, const NumberStyle& style) {
  roundDigits(d, style.places);
  const NumberConventions& conventions = numberConventions();
  const auto digitAt = [&d](int position) {  // position 0 = first digit after the point's left
    return position >= 0 && position < static_cast<int>(d.digits.size()) ? d.digits[position] : '0';
  };
  std::string integer;
  for (int i = 0; i < d.exponent; ++i) {
    if (style.group && i > 0 && (d.exponent - i) % 3 == 0) integer += conventions.thousandsSeparator;
    integer += digitAt(i);
  }
  if (integer.empty() && style.leadingDigit) integer = "0";
  if (style.places == 0) return integer;
  std::string text = integer;
  text += conventions.decimalPoint;
  for (int i = 0; i < style.places; ++i) text += digitAt(d.exponent + i);
  return text;
}

bool isZeroAfterRounding(DecimalDigits d, int places) {
  roundDigits(d, places);
  return d.digits.empty();
}

// A Tristate argument: vbUseDefault (-2, also omitted) keeps the default,
// vbFalse (0) is false, any other number true.
bool tristateArg(const BuiltinCall& call, size_t i, bool fallback) {
  if (!call.has(i)) return fallback;
  const int32_t value = call.value(i).toLong();
  if (value == -2) return fallback;
  return value != 0;
}

// The number argument of the Format* functions: Null raises 13 Type
// mismatch (not 94, unlike the conversions), text that is not a number 13.
Variant numberArg(const BuiltinCall& call) {
  const Variant v = call.value(0);
  if (v.isNull()) raiseRuntimeError(13);
  if (v.isNumeric() && v.type() != VarType::Decimal) return v;
  return Variant(v.toDouble());
}

NumberStyle styleArgs(const BuiltinCall& call, bool parensByDefault) {
  NumberStyle style;
  if (call.has(1)) {
    const int32_t places = call.value(1).toLong();
    if (places < -1 || places > kMaxDigits) raiseRuntimeError(5);
    if (places >= 0) style.places = places;
  }
  style.leadingDigit = tristateArg(call, 2, true);
  style.parens = tristateArg(call, 3, parensByDefault);
  style.group = tristateArg(call, 4, true);
  return style;
}

// Wraps a formatted magnitude for a negative value; a value that rounds to
// zero shows no sign.
std::string withSign(const std::string& magnitude, bool negative, const NumberStyle& style) {
  if (!negative) return magnitude;
  return style.parens ? "(" + magnitude + ")" : "-" + magnitude;
}

Variant formatNumberFn(BuiltinCall& call) {
  const DecimalDigits d = digitsOf(numberArg(call));
  const NumberStyle style = styleArgs(call, false);
  const bool negative = d.negative && !isZeroAfterRounding(d, style.places);
  return Variant(withSign(magnitudeText(d, style), negative, style));
}

Variant formatCurrencyFn(BuiltinCall& call) {
  const DecimalDigits d = digitsOf(numberArg(call));
  const NumberConventions& conventions = numberConventions();
  const NumberStyle style = styleArgs(call, conventions.negativeCurrencyInParens);
  const bool negative = d.negative && !isZeroAfterRounding(d, style.places);
  std::string text(conventions.currencySymbol);
  text += magnitudeText(d, style);
  return Variant(withSign(text, negative, style));
}

Variant formatPercentFn(BuiltinCall& call) {
  DecimalDigits d = digitsOf(numberArg(call));
  if (!d.digits.empty()) d.exponent += 2;  // times 100, exactly
  const NumberStyle style = styleArgs(call, false);
  const bool negative = d.negative && !isZeroAfterRounding(d, style.places);
  return Variant(withSign(magnitudeText(d, style) + "%", negative, style));
}

Variant formatDateTimeFn(BuiltinCall& call) {
  const Variant v = call.value(0);
  if (v.isNull()) raiseRuntimeError(13);  // as the Format* number functions
  const double date = v.toDate();
  int32_t format = 0;
  if (call.has(1)) format = call.value(1).toLong();
  if (format < 0 || format > 4) raiseRuntimeError(5);
  return Variant(formatDate(date, static_cast<DateFormat>(format)));
}

Variant getLocaleFn(BuiltinCall&) { return Variant(static_cast<int32_t>(currentLcid())); }

// Windows' "user default" (1024) and "system default" (2048) ids and 0 mean
// the machine's own setting.
int lcidArg(const Variant& v) {
  if (v.isString()) return lcidFromName(v.rawString());
  const int32_t id = v.toLong();
  if (id == 0 || id == 1024 || id == 2048) return defaultLcid();
  return id;
}

Variant setLocaleFn(BuiltinCall& call) {
  const int lcid = lcidArg(call.value(0));
  const int previous = setCurrentLcid(lcid);
  if (previous == 0) raiseRuntimeError(5);
  return Variant(static_cast<int32_t>(previous));
}

constexpr BuiltinFunction kFormatBuiltins[] = {
    {"FormatDateTime", 1, 2, formatDateTimeFn},
    {"FormatNumber", 1, 5, formatNumberFn},
    {"FormatCurrency", 1, 5, formatCurrencyFn},
    {"FormatPercent", 1, 5, formatPercentFn},
    {"GetLocale", 0, 0, getLocaleFn},
    {"SetLocale", 1, 1, setLocaleFn},
};

}  // namespace

std::span<const BuiltinFunction> formatBuiltins() { return kFormatBuiltins; }

}  // namespace corvela::vbs
