// Property (ProgID "Corvela.Property"): one field of a channel's property
// schema, fields only. A Schema hands out its own Property objects, so a
// change made to one is what Schema.Update writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::structure {

class Property : public DispatchObject<Property> {
 public:
  static constexpr std::string_view kClassName = "Property";
  static const DispatchTable<Property>& dispatchTable();

  Property() = default;
  Property(int32_t id, std::string name, std::string alias, std::string type, std::string input, std::string options)
      : id_(id), name_(std::move(name)), alias_(std::move(alias)), type_(std::move(type)), input_(std::move(input)),
        options_(std::move(options)) {}

  int32_t PropertyID() const { return id_; }
  void setPropertyID(int32_t id) { id_ = id; }
  std::string PropertyName() const { return name_; }
  void setPropertyName(std::string_view text) { name_ = text; }
  std::string Alias() const { return alias_; }
  void setAlias(std::string_view text) { alias_ = text; }
  std::string PropertyType() const { return type_; }
  void setPropertyType(std::string_view text) { type_ = text; }
  std::string InputType() const { return input_; }
  void setInputType(std::string_view text) { input_ = text; }
  std::string Options() const { return options_; }
  void setOptions(std::string_view text) { options_ = text; }

 private:
  int32_t id_ = 0;
  std::string name_, alias_, type_, input_, options_;
};

}  // namespace corvela::structure
