// Whether a value reads as a number or a date, by the rules of the script
// built-ins IsNumeric and IsDate: numeric types and Empty are numbers, Date
// is a date, and a string is either when the locale parser takes it whole.
#pragma once

#include "platform/automation/variant.h"

namespace corvela {

bool isNumericValue(const Variant& v);
bool isDateValue(const Variant& v);

}  // namespace corvela
