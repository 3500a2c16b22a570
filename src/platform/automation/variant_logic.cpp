// VBScript's logical operators on Variants: Not, And, Or, Xor, Eqv, Imp.
// They are bitwise on numbers (True is -1, all bits set) and Boolean only
// when both sides are Boolean. Null follows three-valued logic: a side that
// already decides the result wins over Null (Null And False is False,
// Null Or True is True, False Imp Null is True); otherwise the result is Null.
#include <cstdint>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/automation/operand.h"
#include "platform/automation/variant_ops.h"

namespace corvela::ops {

namespace {

using detail::operandValue;

// One side of a logical operator reduced to its bits and its kind: Boolean,
// Byte, Integer or Long (Empty, and every other number, rounded). Empty is a
// Long here, unlike in arithmetic: VarType(Empty And Empty) and
// VarType(Not Empty) are 3.
struct Bits {
  int32_t value = 0;
  VarType type = VarType::Integer;
  bool null = false;
};

Bits bitsOf(const Variant& operand) {
  Variant holder;
  const Variant& v = operandValue(operand, holder);
  switch (v.type()) {
    case VarType::Null: return {0, VarType::Null, true};
    case VarType::Empty: return {0, VarType::Long};
    case VarType::Boolean: return {v.rawBool() ? -1 : 0, VarType::Boolean};
    case VarType::Byte: return {v.rawByte(), VarType::Byte};
    case VarType::Integer: return {v.rawInteger(), VarType::Integer};
    case VarType::Long: return {v.rawLong(), VarType::Long};
    case VarType::String: {
      // Text that reads as a number is a Long; otherwise the words CBool
      // takes ("True", " #FALSE# ") are Booleans, and anything else is 13.
      double number = 0;
      if (parseNumber(v.rawString(), number)) return {Variant(number).toLong(), VarType::Long};
      return {v.toBool() ? -1 : 0, VarType::Boolean};
    }
    default: return {v.toLong(), VarType::Long};
  }
}

// The kind of the result for two non-Null sides.
VarType combinedType(VarType a, VarType b) {
  if (a == b) return a;
  if (a == VarType::Long || b == VarType::Long) return VarType::Long;
  return VarType::Integer;  // Boolean, Byte and Integer mixed
}

Variant fromBits(int32_t value, VarType type) {
  switch (type) {
    case VarType::Boolean: return Variant(value != 0);
    case VarType::Byte: return Variant::fromByte(static_cast<uint8_t>(value));
    case VarType::Integer: return Variant::fromInteger(static_cast<int16_t>(value));
    default: return Variant(value);
  }
}

// All bits of the kind set: True, 255, -1.
bool allOnes(const Bits& b) { return b.type == VarType::Byte ? (b.value & 0xFF) == 0xFF : b.value == -1; }

enum class Logic { And, Or, Xor, Eqv, Imp };

int32_t applyBits(Logic op, int32_t x, int32_t y) {
  switch (op) {
    case Logic::And: return x & y;
    case Logic::Or: return x | y;
    case Logic::Xor: return x ^ y;
    case Logic::Eqv: return ~(x ^ y);
    case Logic::Imp: return ~x | y;
  }
  return 0;
}

// The result when one side (or both) is Null.
Variant withNull(Logic op, const Bits& a, const Bits& b) {
  switch (op) {
    case Logic::And:
      // Null And 0 is 0: the known side already forces every bit to 0.
      if (!a.null && a.value == 0) return fromBits(0, a.type);
      if (!b.null && b.value == 0) return fromBits(0, b.type);
      return Variant::null();
    case Logic::Or:
      if (!a.null && allOnes(a)) return fromBits(a.value, a.type);
      if (!b.null && allOnes(b)) return fromBits(b.value, b.type);
      return Variant::null();
    case Logic::Imp:
      // False Imp anything is True; anything Imp True is True.
      if (!a.null && a.value == 0) return fromBits(-1, a.type);
      if (!b.null && allOnes(b)) return fromBits(b.value, b.type);
      // VBScript's own rule for a Byte: Byte Imp Null is Not Byte, a Byte
      // (CByte(170) Imp Null is 85, CByte(255) Imp Null is 0).
      if (!a.null && a.type == VarType::Byte && b.null) return fromBits(~a.value, VarType::Byte);
      return Variant::null();
    default:
      return Variant::null();
  }
}

Variant logical(Logic op, const Variant& left, const Variant& right) {
  if (left.type() == VarType::Boolean && right.type() == VarType::Boolean) {
    int32_t x = left.rawBool() ? -1 : 0, y = right.rawBool() ? -1 : 0;
    return Variant(applyBits(op, x, y) != 0);
  }
  if (left.type() == VarType::Long && right.type() == VarType::Long)
    return Variant(applyBits(op, left.rawLong(), right.rawLong()));
  Bits a = bitsOf(left), b = bitsOf(right);
  if (a.null || b.null) return withNull(op, a, b);
  return fromBits(applyBits(op, a.value, b.value), combinedType(a.type, b.type));
}

}  // namespace

Variant logicalNot(const Variant& operand) {
  if (operand.type() == VarType::Boolean) return Variant(!operand.rawBool());
  Bits a = bitsOf(operand);
  if (a.null) return Variant::null();
  return fromBits(~a.value, a.type);
}

Variant logicalAnd(const Variant& a, const Variant& b) { return logical(Logic::And, a, b); }
Variant logicalOr(const Variant& a, const Variant& b) { return logical(Logic::Or, a, b); }
Variant logicalXor(const Variant& a, const Variant& b) { return logical(Logic::Xor, a, b); }
Variant logicalEqv(const Variant& a, const Variant& b) { return logical(Logic::Eqv, a, b); }
Variant logicalImp(const Variant& a, const Variant& b) { return logical(Logic::Imp, a, b); }

}  // namespace corvela::ops
