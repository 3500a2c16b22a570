// VBScript's operators on Variants, as the script engine's instructions call
// them. Each function takes the operands as the script holds them (objects
// are replaced by their default member here) and returns a new Variant whose
// type follows VBScript's rules:
//
//   - Null propagates through arithmetic, comparison and concatenation of
//     two Nulls; And/Or/Imp use three-valued logic.
//   - Empty acts as 0 for numbers and "" for text.
//   - Integer results overflow to Long, Long to Double, Byte to Integer.
//   - Integer operators (\, Mod, And, ...) round other numbers half to even
//     to a Long first (6 Overflow when out of range).
//   - Text meets numbers through the current locale (13 Type mismatch when
//     the text is not a number).
//
// Errors are raised as ComError with VBScript's run-time numbers: 13 Type
// mismatch, 6 Overflow, 11 Division by zero, 91/438 for objects without a
// value, 424 Object required for Is.
#pragma once

#include <cstdint>

#include "platform/automation/variant.h"

namespace corvela::ops {

// Arithmetic: + - * / \ Mod ^ and unary minus.
Variant add(const Variant& a, const Variant& b);        // "+" of two strings concatenates
Variant subtract(const Variant& a, const Variant& b);
Variant multiply(const Variant& a, const Variant& b);
Variant divide(const Variant& a, const Variant& b);     // "/", Double (Single for small types)
Variant intDivide(const Variant& a, const Variant& b);  // "\"
Variant modulo(const Variant& a, const Variant& b);     // Mod
Variant power(const Variant& a, const Variant& b);      // "^", always Double
Variant negate(const Variant& a);

// Concatenation "&": Null and Empty count as "", but Null & Null is Null.
Variant concat(const Variant& a, const Variant& b);
// target = target & b, appending in place when target holds the only copy of
// its text (so building a string piece by piece stays linear).
void appendConcat(Variant& target, const Variant& b);

// Logical and bitwise operators.
Variant logicalNot(const Variant& a);
Variant logicalAnd(const Variant& a, const Variant& b);
Variant logicalOr(const Variant& a, const Variant& b);
Variant logicalXor(const Variant& a, const Variant& b);
Variant logicalEqv(const Variant& a, const Variant& b);
Variant logicalImp(const Variant& a, const Variant& b);

// Comparison. A number and a string that are both variables compare as
// "the number is less"; when one side is a literal in the script, the other
// side is converted to the literal's kind first (so `s = 10` converts s to a
// number, 13 when it is not one, and `n = "10"` compares CStr(n) as text).
enum CompareFlags : unsigned {
  kCompareBinary = 0,
  kCompareText = 1,       // strings compare case-insensitively (vbTextCompare)
  kLeftIsLiteral = 2,
  kRightIsLiteral = 4,
};

enum class Comparison : int8_t { Less = -1, Equal = 0, Greater = 1, Null = 2 };

Comparison compare(const Variant& a, const Variant& b, unsigned flags = kCompareBinary);

enum class CompareOp : uint8_t { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

// The value of `a op b` in a script: Boolean, or Null when either side is Null.
Variant compareOp(CompareOp op, const Variant& a, const Variant& b, unsigned flags = kCompareBinary);

// The Is operator: both sides must be objects (Nothing included), else 424.
bool isSameObject(const Variant& a, const Variant& b);

}  // namespace corvela::ops
