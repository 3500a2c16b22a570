// VBScript's comparison operators and Is. Numbers (Boolean, Date and
// Currency included) compare by value, text by UTF-16 code unit or by the
// locale's collation, Empty as 0 beside a number and as "" beside text. A
// number and a string held in variables do not convert: the number is the
// smaller. When the script wrote one side as a literal, the other side takes
// its kind first, except that text meets a True or False literal as the word.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/automation/object.h"
#include "platform/automation/operand.h"
#include "platform/automation/variant_ops.h"
#include "platform/text/collation.h"
#include "platform/text/utf8_units.h"

namespace corvela::ops {

namespace {

using detail::integerValue;
using detail::isIntegerKind;
using detail::operandValue;

template <class T>
Comparison order(T x, T y) {
  if (x < y) return Comparison::Less;
  if (y < x) return Comparison::Greater;
  return Comparison::Equal;
}

// Binary order is UTF-16 code unit order (utf8_units.h); text order is the
// collation of the current locale.
Comparison compareText(std::string_view x, std::string_view y, unsigned flags) {
  int c = (flags & kCompareText) ? text::compareCollated(x, y, currentLcid()) : text::compareUtf16(x, y);
  return c < 0 ? Comparison::Less : c > 0 ? Comparison::Greater : Comparison::Equal;
}

// Two numbers (Empty counting as 0): exactly where both are whole kinds or
// both Currency; as Singles when one side is a Single, as Windows does, so
// CSng(0.1) = 0.1 holds (through Double when the other side is beyond a
// Single's range); through Double otherwise.
Comparison compareNumbers(const Variant& a, const Variant& b) {
  if (isIntegerKind(a.type()) && isIntegerKind(b.type())) return order(integerValue(a), integerValue(b));
  if (a.type() == VarType::Currency && b.type() == VarType::Currency)
    return order(a.rawCurrency(), b.rawCurrency());
  const double x = a.toDouble(), y = b.toDouble();
  if (a.type() == VarType::Single || b.type() == VarType::Single) {
    constexpr double kSingleMax = std::numeric_limits<float>::max();
    if (std::fabs(x) <= kSingleMax && std::fabs(y) <= kSingleMax)
      return order(static_cast<float>(x), static_cast<float>(y));
  }
  return order(x, y);
}

// The text converted to the kind of a number or date literal it meets: CDate
// beside a date literal, CDbl beside a number; 13 when it cannot be.
Variant textAsKindOf(const Variant& literal, const Variant& text) {
  if (literal.type() == VarType::Date) return Variant::fromDate(text.toDate());
  return Variant(text.toDouble());
}

// A number against a string, with the string on the right when `numberLeft`.
Comparison numberAgainstString(const Variant& number, const Variant& text, bool numberIsLiteral,
                               bool textIsLiteral, bool numberLeft, unsigned flags) {
  Comparison c;
  if (numberIsLiteral && number.type() == VarType::Boolean) {
    // A True or False literal meets text as its word, case and all, and
    // never fails: "True" = True, "true" <> True, "" < True, "abc" > True.
    c = compareText(number.toString(), text.rawString(), flags);
  } else if (numberIsLiteral) {
    // Beside a number or date literal, text that is neither raises 13.
    c = compareNumbers(number, textAsKindOf(number, text));
  } else if (textIsLiteral) {
    c = compareText(number.toString(), text.rawString(), flags);
  } else {
    c = Comparison::Less;
  }
  if (!numberLeft && c != Comparison::Equal)
    c = c == Comparison::Less ? Comparison::Greater : Comparison::Less;
  return c;
}

}  // namespace

Comparison compare(const Variant& left, const Variant& right, unsigned flags) {
  VarType tl = left.type(), tr = right.type();
  if (tl == VarType::Long && tr == VarType::Long) return order(left.rawLong(), right.rawLong());
  if (tl == VarType::Double && tr == VarType::Double) return order(left.rawDouble(), right.rawDouble());
  if (tl == VarType::String && tr == VarType::String)
    return compareText(left.rawString(), right.rawString(), flags);

  Variant leftHolder, rightHolder;
  const Variant& a = operandValue(left, leftHolder);
  const Variant& b = operandValue(right, rightHolder);
  if (a.isNull() || b.isNull()) return Comparison::Null;
  if (a.isString() && b.isString()) return compareText(a.rawString(), b.rawString(), flags);
  if (a.isEmpty() && b.isString()) return compareText("", b.rawString(), flags);
  if (a.isString() && b.isEmpty()) return compareText(a.rawString(), "", flags);
  if (b.isString())
    return numberAgainstString(a, b, flags & kLeftIsLiteral, flags & kRightIsLiteral, true, flags);
  if (a.isString())
    return numberAgainstString(b, a, flags & kRightIsLiteral, flags & kLeftIsLiteral, false, flags);
  return compareNumbers(a, b);
}

Variant compareOp(CompareOp op, const Variant& a, const Variant& b, unsigned flags) {
  Comparison c = compare(a, b, flags);
  if (c == Comparison::Null) return Variant::null();
  switch (op) {
    case CompareOp::Equal: return Variant(c == Comparison::Equal);
    case CompareOp::NotEqual: return Variant(c != Comparison::Equal);
    case CompareOp::Less: return Variant(c == Comparison::Less);
    case CompareOp::Greater: return Variant(c == Comparison::Greater);
    case CompareOp::LessEqual: return Variant(c != Comparison::Greater);
    case CompareOp::GreaterEqual: return Variant(c != Comparison::Less);
  }
  return Variant(false);
}

bool isSameObject(const Variant& a, const Variant& b) {
  if (!a.isObject() || !b.isObject()) raiseRuntimeError(424);
  return a.rawObject().get() == b.rawObject().get();
}

}  // namespace corvela::ops
