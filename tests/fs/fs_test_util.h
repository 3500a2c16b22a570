// Helpers shared by the fs tests: expecting a VBScript run-time error number.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"

namespace corvela::fs {

// The run-time error number `action` raised, or 0 when it raised nothing.
inline int errorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComError& error) {
    EXPECT_EQ(error.source(), kRuntimeErrorSource);
    EXPECT_EQ(error.description(), standardErrorText(error.number()));
    return error.number();
  }
  return 0;
}

}  // namespace corvela::fs
