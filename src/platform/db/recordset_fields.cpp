// The Fields collection and the Field objects of a recordset, with their
// script members.
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"

namespace corvela::db {
namespace {

class FieldEnumerator : public Enumerator {
 public:
  explicit FieldEnumerator(std::shared_ptr<Fields> fields) : fields_(std::move(fields)) {}
  bool next(Variant& out) override {
    if (next_ >= fields_->count()) return false;
    out = Variant(std::static_pointer_cast<Object>(fields_->item(Variant(next_++))));
    return true;
  }

 private:
  std::shared_ptr<Fields> fields_;
  int32_t next_ = 0;
};

}  // namespace

const FieldInfo& Field::info() const {
  if (index_ >= data_->fields.size())
    throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
  return data_->fields[index_];
}

int32_t Field::actualSize() const {
  const Variant& v = value();
  switch (v.type()) {
    case VarType::Null:
    case VarType::Empty:
      return 0;
    case VarType::String:
      return static_cast<int32_t>(v.stringLength());
    case VarType::Integer:
    case VarType::Boolean:
      return 2;
    case VarType::Long:
    case VarType::Single:
      return 4;
    case VarType::Array:
      return v.rawArray()->isBytes ? static_cast<int32_t>(v.rawArray()->bytes.size()) : 0;
    default:
      return 8;
  }
}

const Variant& Field::value() const { return data_->currentCell(index_); }

void Field::setValue(const Variant& v) {
  Variant& cell = data_->currentCell(index_);
  cell = data_->convertForField(index_, v);
}

const DispatchTable<Field>& Field::dispatchTable() {
  static const DispatchTable<Field> table{
      {.name = "Value",
       .get = [](Field& self, Args) -> Variant { return self.value(); },
       .let = [](Field& self, Args, const Variant& v) { self.setValue(v); },
       .isDefault = true},
      {.name = "Name", .get = [](Field& self, Args) -> Variant { return self.name(); }},
      {.name = "Type", .get = [](Field& self, Args) -> Variant { return self.type(); }},
      {.name = "DefinedSize", .get = [](Field& self, Args) -> Variant { return self.definedSize(); }},
      {.name = "ActualSize", .get = [](Field& self, Args) -> Variant { return self.actualSize(); }},
  };
  return table;
}

int32_t Fields::count() const { return static_cast<int32_t>(data_->fields.size()); }

std::shared_ptr<Field> Fields::item(const Variant& key) {
  const int index = data_->fieldIndexOf(key.dereferenced());
  if (index < 0)
    throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
  return itemAt(static_cast<size_t>(index));
}

std::shared_ptr<Field> Fields::itemAt(size_t index) {
  if (items_.size() < data_->fields.size()) items_.resize(data_->fields.size());
  if (!items_[index]) items_[index] = std::make_shared<Field>(data_, index);
  return items_[index];
}

void Fields::append(std::string name, int32_t type, int32_t definedSize) {
  if (data_->open)
    throw ComError(kErrNotAllowedInContext, kRecordsetSource, "Operation is not allowed in this context.");
  if (data_->fieldIndex(name) >= 0)
    throw ComError(kErrAlreadyInCollection, kRecordsetSource, "Object is already in collection. Cannot append.");
  data_->fields.push_back({std::move(name), type, definedSize});
}

std::unique_ptr<Enumerator> Fields::newEnum() {
  return std::make_unique<FieldEnumerator>(std::static_pointer_cast<Fields>(shared_from_this()));
}

const DispatchTable<Fields>& Fields::dispatchTable() {
  static const DispatchTable<Fields> table{
      {.name = "Item",
       .get = [](Fields& self, Args a) -> Variant { return Variant(std::static_pointer_cast<Object>(self.item(a[0]))); },
       .minArgs = 1,
       .maxArgs = 1,
       .isDefault = true},
      {.name = "Count", .get = [](Fields& self, Args) -> Variant { return self.count(); }},
      {.name = "Append",
       .call = [](Fields& self, Args a) -> Variant {
         self.append(a[0].dereferenced().toString(), a[1].dereferenced().toLong(),
                     hasArg(a, 2) ? argOr(a, 2, 0).toLong() : 0);
         return {};
       },
       .minArgs = 2,
       .maxArgs = 5},
  };
  return table;
}

}  // namespace corvela::db
