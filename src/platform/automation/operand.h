// Internal to the operator files (variant_arith.cpp, variant_logic.cpp,
// variant_compare.cpp): how an operand enters an operator.
#pragma once

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

}  // namespace corvela::ops::detail
