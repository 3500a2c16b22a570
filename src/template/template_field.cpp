// TemplateField: upper-cases its name and type as they are stored.
#include "template/template_field.h"

#include "platform/automation/member_binding.h"
#include "platform/text/utf8.h"

namespace corvela::tmpl {

void TemplateField::setName(std::string_view name) { name_ = text::toUpper(name); }
void TemplateField::setFieldType(std::string_view type) { fieldType_ = text::toUpper(type); }

const DispatchTable<TemplateField>& TemplateField::dispatchTable() {
  static const DispatchTable<TemplateField> table =
      Members<TemplateField>()
          .property<&TemplateField::Data, &TemplateField::setData>("Data")
          .property<&TemplateField::Name, &TemplateField::setName>("Name")
          .property<&TemplateField::FieldType, &TemplateField::setFieldType>("FieldType")
          .build();
  return table;
}

}  // namespace corvela::tmpl
