// SQL literal text for values embedded in statements. Every value that comes
// from a caller enters SQL through these functions, so quotes are doubled
// and dates take the one form the database layer translates.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace corvela::core {

// By the value's type: a string in single quotes with quotes doubled;
// Integer, Long and Double as their CStr text; a Date as
// CONVERT(DATETIME,'y-m-d h:n:s') without leading zeros; a Boolean as 1 or 0;
// anything else (Empty, Null, Single, Currency, Byte, objects) as "".
std::string SqlValue(const Variant& value);

// CONVERT(DATETIME,'yyyy-mm-dd hh:mm:ss'), zero-padded, 24-hour clock. The
// value goes through CDate first (13 Type mismatch when it is no date).
std::string SqlDate(const Variant& value);

// 'text' with every quote doubled.
std::string quotedSqlText(std::string_view text);

}  // namespace corvela::core
