#include "platform/automation/value_kinds.h"

#include "platform/automation/locale.h"

namespace corvela {

bool isNumericValue(const Variant& v) {
  if (v.isNumeric() || v.isEmpty() || v.type() == VarType::Boolean) return true;
  double ignored;
  return v.isString() && parseNumber(v.rawString(), ignored);
}

bool isDateValue(const Variant& v) {
  if (v.type() == VarType::Date) return true;
  if (!v.isString()) return false;
  double ignored;
  return parseDate(v.rawString(), ignored);
}

}  // namespace corvela
