// VBScript's conversion rules for Variants: CStr, CDbl, CLng, CInt, CByte,
// CCur, CBool, CDate, TypeName and the default-member lookup that turns an
// object into a value. Text <-> number and text <-> date go through the
// thread's regional settings (locale.h).
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/automation/com_error.h"
#include "platform/automation/currency_convert.h"
#include "platform/automation/locale.h"
#include "platform/automation/object.h"
#include "platform/automation/oledate.h"
#include "platform/automation/variant.h"

namespace corvela {

namespace {

constexpr int64_t kCurrencyScale = 10000;

// Round half to even, as every VBScript integer conversion does (CLng(2.5)
// is 2, CLng(3.5) is 4). Independent of the floating-point rounding mode.
double roundHalfEven(double value) {
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1.0;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// A Double rounded to an integer in [low, high]; 6 Overflow outside (NaN
// included, which compares false everywhere).
int64_t roundedInRange(double value, int64_t low, int64_t high) {
  double r = roundHalfEven(value);
  if (!(r >= static_cast<double>(low) && r <= static_cast<double>(high))) raiseRuntimeError(6);
  return static_cast<int64_t>(r);
}

// Currency (scaled by 10,000) rounded half to even to a whole number.
int64_t roundCurrency(int64_t scaled) {
  int64_t whole = scaled / kCurrencyScale;
  int64_t rest = scaled % kCurrencyScale;  // same sign as scaled
  int64_t twice = 2 * (rest < 0 ? -rest : rest);
  int step = rest < 0 ? -1 : 1;
  if (twice > kCurrencyScale || (twice == kCurrencyScale && whole % 2 != 0)) whole += step;
  return whole;
}

int64_t checkedRange(int64_t value, int64_t low, int64_t high) {
  if (value < low || value > high) raiseRuntimeError(6);
  return value;
}

// Text of a Double as a number; 13 Type mismatch when it is none, 6
// Overflow when it is one past the Double range ("1e999").
double numberFromText(std::string_view text) {
  double value = 0;
  bool overflow = false;
  if (!parseNumber(text, value, &overflow)) raiseRuntimeError(overflow ? 6 : 13);
  return value;
}

// CStr of a Currency: the shortest text, up to four decimals.
std::string currencyText(int64_t scaled) {
  bool negative = scaled < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / kCurrencyScale);
  uint64_t fraction = magnitude % kCurrencyScale;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + kCurrencyScale).substr(1);  // 4 digits
  while (digits.back() == '0') digits.pop_back();
  return text + std::string(numberConventions().decimalPoint) + digits;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// An object whose default member returns an object that returns an object ...
// would otherwise spin forever; VBScript runs out of stack in that case.
constexpr int kMaxDefaultDepth = 64;

}  // namespace

Variant Variant::dereferenced() const {
  if (type_ != VarType::Object) return *this;
  Variant current = *this;
  for (int depth = 0; current.type_ == VarType::Object; ++depth) {
    if (depth == kMaxDefaultDepth) raiseRuntimeError(28);
    const std::shared_ptr<Object>& object = current.rawObject();
    if (!object) raiseRuntimeError(91);
    Variant value;
    object->invoke(DISPID_VALUE, InvokeGet, std::span<Variant>(), value);
    current = std::move(value);
  }
  return current;
}

std::string Variant::toString() const {
  switch (type_) {
    case VarType::Empty: return std::string();
    case VarType::Null: raiseRuntimeError(94);
    case VarType::Boolean: return u_.b ? "True" : "False";
    case VarType::Byte: return std::to_string(u_.ui1);
    case VarType::Integer: return std::to_string(u_.i2);
    case VarType::Long: return std::to_string(u_.i4);
    case VarType::Single: return formatNumber(u_.r4, true);
    case VarType::Double: return formatNumber(u_.r8);
    case VarType::Currency: return currencyText(u_.cy);
    case VarType::Date: return formatDateGeneral(u_.r8);
    case VarType::String: return std::string(rawString());
    case VarType::Object: return dereferenced().toString();
    default: raiseRuntimeError(13);
  }
}

double Variant::toDouble() const {
  switch (type_) {
    case VarType::Empty: return 0.0;
    case VarType::Null: raiseRuntimeError(94);
    case VarType::Boolean: return u_.b ? -1.0 : 0.0;
    case VarType::Byte: return u_.ui1;
    case VarType::Integer: return u_.i2;
    case VarType::Long: return u_.i4;
    case VarType::Single: return u_.r4;
    case VarType::Double:
    case VarType::Date: return u_.r8;
    // The whole part (below 2^53) converts exactly, so a whole amount reads
    // as exactly its Double.
    case VarType::Currency:
      return static_cast<double>(u_.cy / kCurrencyScale) +
             static_cast<double>(u_.cy % kCurrencyScale) / kCurrencyScale;
    case VarType::String: return numberFromText(rawString());
    case VarType::Object: return dereferenced().toDouble();
    default: raiseRuntimeError(13);
  }
}

namespace {

// The integer conversions share one path: exact types are range-checked,
// Currency rounds in fixed point, everything else goes through a Double.
int64_t toIntegerIn(const Variant& v, int64_t low, int64_t high) {
  switch (v.type()) {
    case VarType::Boolean: return checkedRange(v.rawBool() ? -1 : 0, low, high);
    case VarType::Byte: return checkedRange(v.rawByte(), low, high);
    case VarType::Integer: return checkedRange(v.rawInteger(), low, high);
    case VarType::Long: return checkedRange(v.rawLong(), low, high);
    case VarType::Currency: return checkedRange(roundCurrency(v.rawCurrency()), low, high);
    case VarType::Object: return toIntegerIn(v.dereferenced(), low, high);
    default: return roundedInRange(v.toDouble(), low, high);
  }
}

}  // namespace

int32_t Variant::toLong() const {
  if (type_ == VarType::Long) return u_.i4;
  return static_cast<int32_t>(toIntegerIn(*this, INT32_MIN, INT32_MAX));
}

int16_t Variant::toInteger() const {
  if (type_ == VarType::Integer) return u_.i2;
  return static_cast<int16_t>(toIntegerIn(*this, INT16_MIN, INT16_MAX));
}

uint8_t Variant::toByte() const {
  if (type_ == VarType::Byte) return u_.ui1;
  // Automation keeps the bits of True (-1) rather than range-checking it:
  // CByte(True) is 255.
  if (type_ == VarType::Boolean) return u_.b ? UINT8_MAX : 0;
  return static_cast<uint8_t>(toIntegerIn(*this, 0, UINT8_MAX));
}

int64_t Variant::toCurrency() const {
  switch (type_) {
    case VarType::Currency: return u_.cy;
    case VarType::Boolean: return u_.b ? -kCurrencyScale : 0;
    case VarType::Byte: return u_.ui1 * kCurrencyScale;
    case VarType::Integer: return u_.i2 * kCurrencyScale;
    case VarType::Long: return u_.i4 * kCurrencyScale;
    case VarType::Object: return dereferenced().toCurrency();
    case VarType::String: {
      int64_t scaled = 0;
      if (currencyFromDecimalText(rawString(), scaled)) return scaled;
      return currencyFromDouble(toDouble());
    }
    default: return currencyFromDouble(toDouble());
  }
}

bool Variant::toBool() const {
  switch (type_) {
    case VarType::Empty: return false;
    case VarType::Null: raiseRuntimeError(94);
    case VarType::Boolean: return u_.b;
    case VarType::Byte: return u_.ui1 != 0;
    case VarType::Integer: return u_.i2 != 0;
    case VarType::Long: return u_.i4 != 0;
    case VarType::Single: return u_.r4 != 0.0f;
    case VarType::Double:
    case VarType::Date: return u_.r8 != 0.0;
    case VarType::Currency: return u_.cy != 0;
    case VarType::String: {
      // The words, and the #TRUE# / #FALSE# that Automation writes for a
      // Boolean in some text forms.
      std::string_view text = trimSpaces(rawString());
      if (equalsIgnoringAsciiCase(text, "True") || equalsIgnoringAsciiCase(text, "#True#")) return true;
      if (equalsIgnoringAsciiCase(text, "False") || equalsIgnoringAsciiCase(text, "#False#")) return false;
      return numberFromText(rawString()) != 0.0;
    }
    case VarType::Object: return dereferenced().toBool();
    default: raiseRuntimeError(13);
  }
}

double Variant::toDate() const {
  double value = 0.0;
  switch (type_) {
    case VarType::Date: return u_.r8;
    case VarType::String:
      if (parseDate(rawString(), value)) return value;
      // Text that is no date but a number counts days, as a number would:
      // CDate("1") is 12/31/1899, checked against the range below.
      value = numberFromText(rawString());
      break;
    case VarType::Object: return dereferenced().toDate();
    default: value = toDouble();
  }
  // Any time of day on the first and the last valid day is still valid.
  if (!(value > kMinOleDate - 1.0 && value < std::floor(kMaxOleDate) + 1.0)) raiseRuntimeError(6);
  return value;
}

std::shared_ptr<Object> Variant::toObject() const {
  if (type_ != VarType::Object) raiseRuntimeError(424);
  return rawObject();
}

Variant Variant::convertedTo(VarType target) const {
  switch (target) {
    case VarType::Empty: return Variant();
    case VarType::Null: return Variant::null();
    case VarType::Variant: return *this;
    case VarType::Boolean: return Variant(toBool());
    case VarType::Byte: return Variant::fromByte(toByte());
    case VarType::Integer: return Variant::fromInteger(toInteger());
    case VarType::Long: return Variant(toLong());
    case VarType::Double: return Variant(toDouble());
    case VarType::Currency: return Variant::fromCurrency(toCurrency());
    case VarType::Date: return Variant::fromDate(toDate());
    case VarType::String:
      if (type_ == VarType::String) return *this;  // shares the text
      return Variant(toString());
    case VarType::Single: {
      double value = toDouble();
      if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) raiseRuntimeError(6);
      return Variant::fromSingle(static_cast<float>(value));
    }
    case VarType::Object: return Variant(toObject());
    default: raiseRuntimeError(13);
  }
}

std::string Variant::typeName() const {
  switch (type_) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Boolean: return "Boolean";
    case VarType::Byte: return "Byte";
    case VarType::Error: return "Error";
    case VarType::Decimal: return "Decimal";
    case VarType::Array: return u_.arr->isBytes ? "Byte()" : "Variant()";
    case VarType::Object: {
      const std::shared_ptr<Object>& object = rawObject();
      return object ? std::string(object->className()) : std::string("Nothing");
    }
    default: return "Unknown";
  }
}

}  // namespace corvela
