// DocumentField (ProgID "Corvela.DocumentField"): one value of a template
// document. Value is the default member, so `Document("TITLE")` reads as the
// value where a template means it.
#pragma once

#include <memory>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class DocumentField : public DispatchObject<DocumentField> {
 public:
  static constexpr std::string_view kClassName = "DocumentField";
  static const DispatchTable<DocumentField>& dispatchTable();

  DocumentField() = default;
  explicit DocumentField(Variant value) : value_(std::move(value)) {}

  Variant Value() const { return value_; }
  void setValue(const Variant& value) { value_ = value; }

 private:
  Variant value_;
};

}  // namespace corvela::tmpl
