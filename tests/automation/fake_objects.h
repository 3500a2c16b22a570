// Shared by the automation tests: the run-time error number of a call, and
// small scriptable objects (a value holder with a default member, and a class
// without one).
#pragma once

#include <functional>
#include <string_view>

#include "platform/automation/com_error.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::testing {

// The run-time error number a call raises, or 0 when it returns.
inline int errorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e.number();
  }
  return 0;
}

// Holds one Variant as its default member "Value".
class ValueHolder : public DispatchObject<ValueHolder> {
 public:
  static constexpr std::string_view kClassName = "ValueHolder";
  static const DispatchTable<ValueHolder>& dispatchTable() {
    static const DispatchTable<ValueHolder> table{
        {.name = "Value",
         .get = [](ValueHolder& self, Args) -> Variant { return self.value; },
         .let = [](ValueHolder& self, Args, const Variant& v) { self.value = v; },
         .isDefault = true},
    };
    return table;
  }
  explicit ValueHolder(Variant v = Variant()) : value(std::move(v)) {}
  Variant value;
};

// A class with a member but no default member.
class NoDefault : public DispatchObject<NoDefault> {
 public:
  static constexpr std::string_view kClassName = "NoDefault";
  static const DispatchTable<NoDefault>& dispatchTable() {
    static const DispatchTable<NoDefault> table{
        {.name = "Name", .get = [](NoDefault&, Args) -> Variant { return Variant("n"); }},
    };
    return table;
  }
};

}  // namespace corvela::testing
