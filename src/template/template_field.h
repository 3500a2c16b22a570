// TemplateField (ProgID "Corvela.TemplateField"): a name, type and data
// triple for callers that describe fields. Name and FieldType are kept
// upper-cased.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class TemplateField : public DispatchObject<TemplateField> {
 public:
  static constexpr std::string_view kClassName = "TemplateField";
  static const DispatchTable<TemplateField>& dispatchTable();

  const std::string& Data() const { return data_; }
  void setData(std::string_view data) { data_.assign(data); }
  const std::string& Name() const { return name_; }
  void setName(std::string_view name);
  const std::string& FieldType() const { return fieldType_; }
  void setFieldType(std::string_view type);

 private:
  std::string data_, name_, fieldType_;
};

}  // namespace corvela::tmpl
