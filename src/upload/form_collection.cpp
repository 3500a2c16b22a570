// cFormField and cForm.
#include "upload/form_collection.h"

#include "platform/automation/member_binding.h"

namespace corvela::upload {

std::shared_ptr<cFormField> cForm::Add(Variant controlName, Variant value, std::string_view sKey) {
  auto field = std::make_shared<cFormField>();
  field->setControlName(std::move(controlName));
  field->setValue(std::move(value));
  items_.add(Variant(std::shared_ptr<Object>(field)), sKey);
  return field;
}

std::shared_ptr<cFormField> cForm::Item(const Variant& vntIndexKey) const {
  Variant index = vntIndexKey.dereferenced();
  const Variant* found = nullptr;
  if (index.isString()) {
    found = items_.find(index.rawString());
  } else {
    int32_t position = index.toLong();
    if (position >= 1 && position <= items_.Count()) found = &items_.at(static_cast<size_t>(position - 1));
  }
  if (!found) return std::make_shared<cFormField>();
  return std::static_pointer_cast<cFormField>(found->rawObject());
}

const DispatchTable<cFormField>& cFormField::dispatchTable() {
  static const DispatchTable<cFormField> table = Members<cFormField>()
      .property<&cFormField::value, &cFormField::setValue>("value").asDefault()
      .property<&cFormField::controlName, &cFormField::setControlName>("controlName")
      .build();
  return table;
}

const DispatchTable<cForm>& cForm::dispatchTable() {
  static const DispatchTable<cForm> table = Members<cForm>()
      .method<&cForm::Add>("Add", {""})
      .readOnly<&cForm::Item>("Item").asDefault()
      .readOnly<&cForm::Count>("Count")
      .method<&cForm::Remove>("Remove")
      .build();
  return table;
}

}  // namespace corvela::upload
