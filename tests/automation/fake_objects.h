// Small scriptable objects for the automation tests: a value holder with a
// default member, and a class without one.
#pragma once

#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::testing {

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
