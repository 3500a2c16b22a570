#include "platform/automation/value_kinds.h"

#include "platform/automation/locale.h"

namespace corvela {

bool isNumericValue(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Decimal:
      return true;
    case VarType::String: {
      double ignored;
      return parseNumber(v.rawString(), ignored);
    }
    default:
      return false;
  }
}

bool isDateValue(const Variant& v) {
  if (v.type() == VarType::Date) return true;
  if (!v.isString()) return false;
  double ignored;
  return parseDate(v.rawString(), ignored);
}

}  // namespace corvela
