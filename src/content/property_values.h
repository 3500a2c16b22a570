// How a custom property value meets its ContentProperty row: the column its
// type names, the literal it is written as, the value it reads back as.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace corvela::content {

// "NUMBER_VALUE" and the like for the six property types; none for any
// other text, so no other text ever stands in a statement as a column name.
std::optional<std::string> valueColumnOf(std::string_view propertyType);

// The SQL literal of a value of the type: numbers as numbers, dates as date
// literals, Booleans as 1/0, texts quoted; Null or an empty value as NULL.
std::string propertyValueLiteral(std::string_view propertyType, const Variant& value);

// A value read from the type's column as scripts expect it (a BOOLEAN as a
// Boolean rather than the 1/0 the database keeps).
Variant storedPropertyValue(std::string_view propertyType, const Variant& cell);

}  // namespace corvela::content
