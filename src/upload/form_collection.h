// cFormField (ProgID "ZerinUpload.cFormField"): one text field of an upload
// form; cForm ("ZerinUpload.cForm"): the fields in request order, keyed by
// field name (case-insensitively). Reading a field that was not sent gives
// an empty field, so a page may read any name.
#pragma once

#include <string_view>

#include "platform/automation/collection.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::upload {

class cFormField : public DispatchObject<cFormField> {
 public:
  static constexpr std::string_view kClassName = "cFormField";
  static const DispatchTable<cFormField>& dispatchTable();

  // Both hold whatever was assigned, plain value or object; both start as "".
  Variant value() const { return value_; }
  void setValue(Variant value) { value_ = std::move(value); }
  Variant controlName() const { return controlName_; }
  void setControlName(Variant name) { controlName_ = std::move(name); }

 private:
  Variant value_{""};
  Variant controlName_{""};
};

class cForm : public DispatchObject<cForm> {
 public:
  static constexpr std::string_view kClassName = "cForm";
  static const DispatchTable<cForm>& dispatchTable();

  // A new field appended under sKey (without a key when sKey is empty); a
  // key already present raises the collection's 457 and adds nothing.
  std::shared_ptr<cFormField> Add(Variant controlName, Variant value, std::string_view sKey = {});
  // The field under a key or at a 1-based position; a new empty field when
  // there is none.
  std::shared_ptr<cFormField> Item(const Variant& vntIndexKey) const;
  int32_t Count() const { return items_.Count(); }
  void Remove(const Variant& vntIndexKey) { items_.Remove(vntIndexKey); }

  bool hasKey(std::string_view key) const { return items_.find(key) != nullptr; }
  std::unique_ptr<Enumerator> newEnum() override { return items_.newEnum(); }

 private:
  Collection items_;
};

}  // namespace corvela::upload
