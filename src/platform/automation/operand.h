// Internal to the operator files (variant_arith.cpp, variant_logic.cpp,
// variant_compare.cpp): how an operand enters an operator.
#pragma once

#include <cstdint>

#include "platform/automation/com_error.h"
#include "platform/automation/variant.h"

namespace corvela::ops::detail {

// The operand as a plain value: an object is replaced by its default member
// (kept alive in `holder`); arrays, error values and other kinds that no
// operator accepts raise 13 Type mismatch.
inline const Variant& operandValue(const Variant& v, Variant& holder) {
  const Variant* value = &v;
  if (v.type() == VarType::Object) {
    holder = v.dereferenced();
    value = &holder;
  }
  switch (value->type()) {
    case VarType::Array:
    case VarType::Error:
    case VarType::Decimal:
    case VarType::Object:
      raiseRuntimeError(13);
    default:
      return *value;
  }
}

// Empty, Boolean, Byte, Integer and Long: the kinds whose value is a whole
// number held exactly.
inline bool isIntegerKind(VarType t) {
  return t == VarType::Empty || t == VarType::Boolean || t == VarType::Byte || t == VarType::Integer ||
         t == VarType::Long;
}

// The value of an operand of an integer kind (True is -1, Empty 0).
inline int64_t integerValue(const Variant& v) {
  switch (v.type()) {
    case VarType::Boolean: return v.rawBool() ? -1 : 0;
    case VarType::Byte: return v.rawByte();
    case VarType::Integer: return v.rawInteger();
    case VarType::Long: return v.rawLong();
    default: return 0;
  }
}

}  // namespace corvela::ops::detail
