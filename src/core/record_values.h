// What the record classes share when they read rows and report a missing
// one: the "NoRecord" error and field readers that take a NULL column as the
// empty value instead of failing on it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/automation/variant.h"

namespace corvela::core {

// Load or delete of a row that does not exist (empty source).
inline constexpr int32_t kNoRecordError = 1050;
inline constexpr const char* kNoRecordText = "NoRecord";
// Failed input checks of a Save (empty source, accumulated description).
inline constexpr int32_t kInputError = 1051;

[[noreturn]] inline void raiseNoRecord() { throw ComError(kNoRecordError, "", kNoRecordText); }

// A text column's value; NULL reads as "".
inline std::string textValue(const Variant& cell) {
  return cell.isNull() || cell.isEmpty() ? std::string() : cell.toString();
}

// An integer column's value; NULL reads as `fallback`.
inline int32_t longValue(const Variant& cell, int32_t fallback = 0) {
  return cell.isNull() || cell.isEmpty() ? fallback : cell.toLong();
}

}  // namespace corvela::core
