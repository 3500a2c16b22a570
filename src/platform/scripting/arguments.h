// Reading optional arguments of late-bound members in this folder, with the
// defaults that the Scripting Runtime's type library declares.
#pragma once

#include <string>

#include "platform/automation/dispatch_table.h"

namespace corvela::scripting {

inline int32_t argLong(Args a, size_t i, int32_t fallback) {
  return hasArg(a, i) ? a[i].dereferenced().toLong() : fallback;
}
inline bool argBool(Args a, size_t i, bool fallback) {
  return hasArg(a, i) ? a[i].dereferenced().toBool() : fallback;
}
inline std::string argText(Args a, size_t i) {
  return hasArg(a, i) ? a[i].dereferenced().toString() : std::string();
}

}  // namespace corvela::scripting
