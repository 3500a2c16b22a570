// Late-bound calls for the scripting tests, as a script would make them, and
// a check of the run-time error that a call raises.
#pragma once

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"

namespace corvela::scripting {

inline Variant call(const std::shared_ptr<Object>& object, std::string_view member, std::vector<Variant> args = {}) {
  return object->call(member, args);
}

inline Variant get(const std::shared_ptr<Object>& object, std::string_view member, std::vector<Variant> args = {}) {
  return object->get(member, args);
}

inline std::shared_ptr<Object> callObject(const std::shared_ptr<Object>& object, std::string_view member,
                                          std::vector<Variant> args = {}) {
  return call(object, member, std::move(args)).toObject();
}

// The run-time error number `action` raised (0 for none), checking that the
// source and description are VBScript's standard ones.
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

}  // namespace corvela::scripting
