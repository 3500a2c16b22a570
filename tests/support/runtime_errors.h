// The run-time error number an action raises, checked to carry VBScript's
// own source and description.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"

namespace corvela::testing {

// The number `action` raised (0 for none).
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

}  // namespace corvela::testing
