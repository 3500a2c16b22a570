// VBScript's arithmetic operators and concatenation on Variants: the result
// type rules of + - * / \ Mod ^ (the ones OLE Automation's VarAdd & co.
// follow), overflow promotion and the Null/Empty cases. Each operator
// handles Long, Integer and Double operands first, since nearly every
// operation of a running script is one of those.
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "platform/automation/operand.h"
#include "platform/automation/variant_ops.h"
#include "platform/text/utf8_units.h"

namespace corvela::ops {

namespace {

using detail::integerValue;
using detail::isIntegerKind;
using detail::operandValue;

enum class Arith { Add, Subtract, Multiply };

constexpr int64_t kCurrencyScale = 10000;

// An integer result in the requested type, promoted Byte -> Integer -> Long
// -> Double when it does not fit (CByte(200) + CByte(100) is Integer 300).
Variant integerResult(int64_t value, VarType type) {
  if (type == VarType::Byte && value >= 0 && value <= UINT8_MAX)
    return Variant::fromByte(static_cast<uint8_t>(value));
  if ((type == VarType::Byte || type == VarType::Integer) && value >= INT16_MIN && value <= INT16_MAX)
    return Variant::fromInteger(static_cast<int16_t>(value));
  if (value >= INT32_MIN && value <= INT32_MAX) return Variant(static_cast<int32_t>(value));
  return Variant(static_cast<double>(value));
}

double checkedDouble(double value) {
  if (!std::isfinite(value)) raiseRuntimeError(6);
  return value;
}

// A Date result must still be a date (100-01-01 .. 9999-12-31, any time on
// the last day): #12/31/9999# + 1 overflows with 6 as Automation's
// conversion back to a date does, instead of yielding a year 10000.
Variant checkedDate(double value) {
  if (!(value > kMinOleDate - 1.0 && value < std::floor(kMaxOleDate) + 1.0)) raiseRuntimeError(6);
  return Variant::fromDate(value);
}

double applyDouble(Arith op, double x, double y) {
  switch (op) {
    case Arith::Add: return x + y;
    case Arith::Subtract: return x - y;
    case Arith::Multiply: return x * y;
  }
  return 0.0;
}

// Currency values are scaled by 10,000; the product is scaled back with
// rounding half to even, as the fixed-point type requires.
int64_t applyCurrency(Arith op, int64_t x, int64_t y) {
  int64_t result = 0;
  switch (op) {
    case Arith::Add:
      if (__builtin_add_overflow(x, y, &result)) raiseRuntimeError(6);
      return result;
    case Arith::Subtract:
      if (__builtin_sub_overflow(x, y, &result)) raiseRuntimeError(6);
      return result;
    case Arith::Multiply: {
      __int128 product = static_cast<__int128>(x) * y;
      __int128 whole = product / kCurrencyScale;
      __int128 rest = product % kCurrencyScale;
      __int128 twice = rest < 0 ? -2 * rest : 2 * rest;
      if (twice > kCurrencyScale || (twice == kCurrencyScale && whole % 2 != 0)) whole += rest < 0 ? -1 : 1;
      if (whole < INT64_MIN || whole > INT64_MAX) raiseRuntimeError(6);
      return static_cast<int64_t>(whole);
    }
  }
  return 0;
}

// Result type of + - * for two plain operands, neither of them Null. The
// cases where "+" concatenates are settled before this is asked.
VarType arithmeticType(Arith op, VarType a, VarType b) {
  auto either = [&](VarType t) { return a == t || b == t; };
  if (op == Arith::Subtract) {
    // A difference of two dates is a number of days; text minus text a number.
    if ((a == VarType::Date && b == VarType::Date) || (either(VarType::String) && (either(VarType::Empty) ||
                                                                                    a == b)))
      return VarType::Double;
  }
  if (either(VarType::Date)) return op == Arith::Multiply ? VarType::Double : VarType::Date;
  if (either(VarType::Currency)) return VarType::Currency;
  if (either(VarType::Double) || either(VarType::String)) return VarType::Double;
  if (either(VarType::Single)) return either(VarType::Long) ? VarType::Double : VarType::Single;
  if (either(VarType::Long)) return VarType::Long;
  if (either(VarType::Integer) || either(VarType::Boolean) || (a == VarType::Empty && b == VarType::Empty))
    return VarType::Integer;
  return VarType::Byte;
}

Variant arithmeticSlow(Arith op, const Variant& left, const Variant& right) {
  Variant leftHolder, rightHolder;
  const Variant& a = operandValue(left, leftHolder);
  const Variant& b = operandValue(right, rightHolder);
  if (a.isNull() || b.isNull()) return Variant::null();
  if (op == Arith::Add && a.isString() && (b.isString() || b.isEmpty())) return a;
  if (op == Arith::Add && a.isEmpty() && b.isString()) return b;

  VarType type = arithmeticType(op, a.type(), b.type());
  switch (type) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: {
      int64_t x = integerValue(a), y = integerValue(b);
      int64_t r = op == Arith::Add ? x + y : op == Arith::Subtract ? x - y : x * y;
      return integerResult(r, type);
    }
    case VarType::Single: {
      float r = static_cast<float>(applyDouble(op, a.toDouble(), b.toDouble()));
      if (std::isfinite(r)) return Variant::fromSingle(r);
      return Variant(checkedDouble(applyDouble(op, a.toDouble(), b.toDouble())));
    }
    case VarType::Currency: return Variant::fromCurrency(applyCurrency(op, a.toCurrency(), b.toCurrency()));
    case VarType::Date: return checkedDate(applyDouble(op, a.toDouble(), b.toDouble()));
    default: return Variant(checkedDouble(applyDouble(op, a.toDouble(), b.toDouble())));
  }
}

// Long/Integer/Double pairs without leaving the stack.
inline bool arithmeticFast(Arith op, const Variant& a, const Variant& b, Variant& out) {
  VarType ta = a.type(), tb = b.type();
  if ((ta == VarType::Long || ta == VarType::Integer) && (tb == VarType::Long || tb == VarType::Integer)) {
    int64_t x = ta == VarType::Long ? a.rawLong() : a.rawInteger();
    int64_t y = tb == VarType::Long ? b.rawLong() : b.rawInteger();
    int64_t r = op == Arith::Add ? x + y : op == Arith::Subtract ? x - y : x * y;
    bool bothInteger = ta == VarType::Integer && tb == VarType::Integer;
    out = integerResult(r, bothInteger ? VarType::Integer : VarType::Long);
    return true;
  }
  if (ta == VarType::Double && tb == VarType::Double) {
    out = Variant(checkedDouble(applyDouble(op, a.rawDouble(), b.rawDouble())));
    return true;
  }
  return false;
}

Variant arithmetic(Arith op, const Variant& a, const Variant& b) {
  Variant result;
  if (arithmeticFast(op, a, b, result)) return result;
  return arithmeticSlow(op, a, b);
}

// Type of \ and Mod: Byte for two Bytes, Integer while only small integer
// kinds take part, Long otherwise (Doubles, dates, text, Currency).
VarType integerOpType(VarType a, VarType b) {
  auto small = [](VarType t) {
    return t == VarType::Empty || t == VarType::Boolean || t == VarType::Byte || t == VarType::Integer;
  };
  if (a == VarType::Byte && b == VarType::Byte) return VarType::Byte;
  if (small(a) && small(b)) return VarType::Integer;
  return VarType::Long;
}

enum class IntOp { Divide, Modulo };

Variant integerOperation(IntOp op, const Variant& left, const Variant& right) {
  if (left.type() == VarType::Long && right.type() == VarType::Long) {
    int64_t x = left.rawLong(), y = right.rawLong();
    if (y == 0) raiseRuntimeError(11);
    return integerResult(op == IntOp::Divide ? x / y : x % y, VarType::Long);
  }
  Variant leftHolder, rightHolder;
  const Variant& a = operandValue(left, leftHolder);
  const Variant& b = operandValue(right, rightHolder);
  if (a.isNull() || b.isNull()) return Variant::null();
  if (b.isEmpty()) raiseRuntimeError(11);
  VarType type = integerOpType(a.type(), b.type());
  // 64-bit arithmetic keeps -2147483648 \ -1 from trapping; the result then
  // leaves the Long range and becomes a Double like any Long overflow.
  int64_t x = isIntegerKind(a.type()) ? integerValue(a) : a.toLong();
  int64_t y = isIntegerKind(b.type()) ? integerValue(b) : b.toLong();
  if (y == 0) raiseRuntimeError(11);
  return integerResult(op == IntOp::Divide ? x / y : x % y, type);
}

}  // namespace

Variant add(const Variant& a, const Variant& b) {
  if (a.isString() && b.isString()) return concat(a, b);
  return arithmetic(Arith::Add, a, b);
}

Variant subtract(const Variant& a, const Variant& b) { return arithmetic(Arith::Subtract, a, b); }

Variant multiply(const Variant& a, const Variant& b) { return arithmetic(Arith::Multiply, a, b); }

Variant divide(const Variant& left, const Variant& right) {
  double x = 0, y = 0;
  bool single = false;
  VarType tl = left.type(), tr = right.type();
  if ((tl == VarType::Long || tl == VarType::Double) && (tr == VarType::Long || tr == VarType::Double)) {
    x = tl == VarType::Long ? left.rawLong() : left.rawDouble();
    y = tr == VarType::Long ? right.rawLong() : right.rawDouble();
  } else {
    Variant leftHolder, rightHolder;
    const Variant& a = operandValue(left, leftHolder);
    const Variant& b = operandValue(right, rightHolder);
    if (a.isNull() || b.isNull()) return Variant::null();
    if (b.isEmpty()) raiseRuntimeError(11);
    // Single stays Single only beside the small integer kinds.
    auto smallOrSingle = [](VarType t) {
      return t == VarType::Single || t == VarType::Empty || t == VarType::Boolean || t == VarType::Byte ||
             t == VarType::Integer;
    };
    single = (a.type() == VarType::Single || b.type() == VarType::Single) && smallOrSingle(a.type()) &&
             smallOrSingle(b.type());
    x = a.toDouble();
    y = b.toDouble();
  }
  // 0/0 has no value at all: VBScript reports it as an overflow.
  if (y == 0.0) raiseRuntimeError(x == 0.0 ? 6 : 11);
  double r = checkedDouble(x / y);
  if (single) {
    float f = static_cast<float>(r);
    if (std::isfinite(f)) return Variant::fromSingle(f);
  }
  return Variant(r);
}

Variant intDivide(const Variant& a, const Variant& b) { return integerOperation(IntOp::Divide, a, b); }

Variant modulo(const Variant& a, const Variant& b) { return integerOperation(IntOp::Modulo, a, b); }

Variant power(const Variant& left, const Variant& right) {
  Variant leftHolder, rightHolder;
  const Variant& a = operandValue(left, leftHolder);
  const Variant& b = operandValue(right, rightHolder);
  if (a.isNull() || b.isNull()) return Variant::null();
  double r = std::pow(a.toDouble(), b.toDouble());
  // A negative number to a fractional power has no real value.
  if (std::isnan(r)) raiseRuntimeError(5);
  return Variant(checkedDouble(r));
}

Variant negate(const Variant& operand) {
  Variant holder;
  const Variant& a = operandValue(operand, holder);
  switch (a.type()) {
    case VarType::Null: return Variant::null();
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer: return integerResult(-integerValue(a), VarType::Integer);
    case VarType::Long: return integerResult(-integerValue(a), VarType::Long);
    case VarType::Single: return Variant::fromSingle(-a.rawSingle());
    case VarType::Currency:
      if (a.rawCurrency() == INT64_MIN) raiseRuntimeError(6);
      return Variant::fromCurrency(-a.rawCurrency());
    case VarType::Date: return checkedDate(-a.rawDate());
    case VarType::Double: return Variant(-a.rawDouble());
    default: return Variant(-a.toDouble());  // text
  }
}

namespace {

// The text an operand contributes to "&".
std::string concatText(const Variant& v) {
  if (v.isNull() || v.isEmpty()) return std::string();
  return v.toString();
}

}  // namespace

Variant concat(const Variant& left, const Variant& right) {
  if (left.isString() && right.isString()) {
    if (left.rawString().size() + right.rawString().size() > kMaxStringBytes) raiseRuntimeError(14);
    return Variant(text::concatenated(left.rawString(), right.rawString()));
  }
  Variant leftHolder, rightHolder;
  const Variant& a = operandValue(left, leftHolder);
  const Variant& b = operandValue(right, rightHolder);
  if (a.isNull() && b.isNull()) return Variant::null();
  if (a.isString() && b.isEmpty()) return a;
  if (a.isEmpty() && b.isString()) return b;
  std::string first = concatText(a), second = concatText(b);
  if (first.size() + second.size() > kMaxStringBytes) raiseRuntimeError(14);
  return Variant(text::concatenated(first, second));
}

void appendConcat(Variant& target, const Variant& right) {
  if (!target.isString()) {
    target = concat(target, right);
    return;
  }
  if (right.isString()) {
    target.appendString(right.rawString());
    return;
  }
  Variant holder;
  const Variant& b = operandValue(right, holder);
  target.appendString(concatText(b));
}

}  // namespace corvela::ops
