// myAttribute (ProgID "Corvela.myAttribute"): one named attribute of a
// magazine or an issue, a plain pair of a name and a value.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::structure {

class myAttribute : public DispatchObject<myAttribute> {
 public:
  static constexpr std::string_view kClassName = "myAttribute";
  static const DispatchTable<myAttribute>& dispatchTable();

  myAttribute() = default;
  myAttribute(std::string name, Variant value) : name_(std::move(name)), value_(std::move(value)) {}

  std::string Name() const { return name_; }
  void setName(std::string_view name) { name_ = name; }
  Variant Value() const { return value_; }
  // Takes values and objects alike (Value = x and Set Value = x).
  void setValue(const Variant& value) { value_ = value; }

 private:
  std::string name_;
  Variant value_;
};

}  // namespace corvela::structure
