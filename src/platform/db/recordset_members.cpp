// The script members of Recordset ("ADODB.Recordset"), and the script-only
// operations behind them (Open with a source, AddNew/Update with values).
#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/connection_object.h"
#include "platform/db/recordset.h"

namespace corvela::db {
namespace {

[[noreturn]] void raiseBadArguments() { throw ComError(kErrBadArguments, kRecordsetSource, kBadArgumentsText); }

Variant objectValue(std::shared_ptr<Object> object) { return Variant(std::move(object)); }

}  // namespace

void Recordset::scriptOpen(Args args) {
  if (data_->open) throw ComError(kErrOpenObject, kRecordsetSource, kObjectOpenText);
  const Variant source = argOr(args, 0, Variant());
  if (source.isEmpty() || (source.isString() && source.rawString().empty())) {
    open();
    return;
  }
  const Variant target = hasArg(args, 1) ? args[1] : activeConnection_;
  std::shared_ptr<Recordset> rows;
  if (target.isObject() && target.rawObject()) {
    auto* connection = dynamic_cast<ConnectionObject*>(target.rawObject().get());
    if (!connection) raiseBadArguments();
    rows = connection->connection().query(source.toString());
  } else if (target.isString()) {
    Connection connection(target.rawString());
    rows = connection.query(source.toString());
  } else {
    throw ComError(3709, kRecordsetSource,
                   "The connection cannot be used to perform this operation. It is either closed or invalid in this "
                   "context.");
  }
  *data_ = std::move(*rows->data());
}

void Recordset::assignFields(const Variant& names, const Variant& values) {
  if (!names.isArray()) {
    setValue(fieldIndex(names.toString()), values);
    return;
  }
  if (!values.isArray() || names.rawArray()->size() != values.rawArray()->size()) raiseBadArguments();
  const auto& keys = names.rawArray()->items;
  const auto& items = values.rawArray()->items;
  for (size_t i = 0; i < keys.size(); ++i) {
    const int index = data_->fieldIndexOf(keys[i].dereferenced());
    if (index < 0)
      throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
    setValue(static_cast<size_t>(index), items[i]);
  }
}

const DispatchTable<Recordset>& Recordset::dispatchTable() {
  static const DispatchTable<Recordset> table{
      {.name = "Fields",
       .get = [](Recordset& self, Args a) -> Variant {
         if (a.empty()) return objectValue(self.fieldsObject());
         return objectValue(self.fieldsObject()->item(a[0]));
       },
       .let = [](Recordset& self, Args a, const Variant& v) {
         if (a.empty()) raiseRuntimeError(438);  // the Fields collection itself cannot be assigned
         self.fieldsObject()->item(a[0])->setValue(v);
       },
       .maxArgs = 1,
       .isDefault = true},
      {.name = "EOF", .get = [](Recordset& self, Args) -> Variant { return self.eof(); }},
      {.name = "BOF", .get = [](Recordset& self, Args) -> Variant { return self.bof(); }},
      {.name = "MoveNext", .call = [](Recordset& self, Args) -> Variant { self.moveNext(); return {}; }},
      {.name = "MovePrevious", .call = [](Recordset& self, Args) -> Variant { self.movePrevious(); return {}; }},
      {.name = "MoveFirst", .call = [](Recordset& self, Args) -> Variant { self.moveFirst(); return {}; }},
      {.name = "MoveLast", .call = [](Recordset& self, Args) -> Variant { self.moveLast(); return {}; }},
      {.name = "Move",
       .call = [](Recordset& self, Args a) -> Variant {
         if (hasArg(a, 1)) raiseBadArguments();  // bookmarks are not kept
         self.move(a[0].dereferenced().toLong());
         return {};
       },
       .minArgs = 1,
       .maxArgs = 2},
      {.name = "RecordCount", .get = [](Recordset& self, Args) -> Variant { return self.recordCount(); }},
      {.name = "PageSize",
       .get = [](Recordset& self, Args) -> Variant { return self.pageSize(); },
       .let = [](Recordset& self, Args, const Variant& v) { self.setPageSize(v.dereferenced().toLong()); }},
      {.name = "PageCount", .get = [](Recordset& self, Args) -> Variant { return self.pageCount(); }},
      {.name = "AbsolutePage",
       .get = [](Recordset& self, Args) -> Variant { return self.absolutePage(); },
       .let = [](Recordset& self, Args, const Variant& v) { self.setAbsolutePage(v.dereferenced().toLong()); }},
      {.name = "AbsolutePosition",
       .get = [](Recordset& self, Args) -> Variant { return self.absolutePosition(); },
       .let = [](Recordset& self, Args, const Variant& v) { self.setAbsolutePosition(v.dereferenced().toLong()); }},
      {.name = "State", .get = [](Recordset& self, Args) -> Variant { return self.state(); }},
      {.name = "Open",
       .call = [](Recordset& self, Args a) -> Variant { self.scriptOpen(a); return {}; },
       .maxArgs = 5},
      {.name = "Close", .call = [](Recordset& self, Args) -> Variant { self.close(); return {}; }},
      {.name = "GetRows",
       .call = [](Recordset& self, Args a) -> Variant {
         if (hasArg(a, 1) || hasArg(a, 2)) raiseBadArguments();  // Start and Fields are not supported
         return self.getRows(hasArg(a, 0) ? a[0].dereferenced().toLong() : -1);
       },
       .maxArgs = 3},
      {.name = "AddNew",
       .call = [](Recordset& self, Args a) -> Variant {
         self.addNew();
         if (hasArg(a, 0)) self.assignFields(a[0].dereferenced(), argOr(a, 1, Variant::null()));
         return {};
       },
       .maxArgs = 2},
      {.name = "Update",
       .call = [](Recordset& self, Args a) -> Variant {
         if (hasArg(a, 0)) self.assignFields(a[0].dereferenced(), argOr(a, 1, Variant::null()));
         self.update();
         return {};
       },
       .maxArgs = 2},
      {.name = "ActiveConnection",
       .get = [](Recordset& self, Args) -> Variant { return self.activeConnection_; },
       .let = [](Recordset& self, Args, const Variant& v) { self.activeConnection_ = v; }},
      {.name = "CursorLocation",
       .get = [](Recordset& self, Args) -> Variant { return self.cursorLocation_; },
       .let = [](Recordset& self, Args, const Variant& v) { self.cursorLocation_ = v.dereferenced().toLong(); }},
      {.name = "CursorType",
       .get = [](Recordset& self, Args) -> Variant { return self.cursorType_; },
       .let = [](Recordset& self, Args, const Variant& v) { self.cursorType_ = v.dereferenced().toLong(); }},
      {.name = "LockType",
       .get = [](Recordset& self, Args) -> Variant { return self.lockType_; },
       .let = [](Recordset& self, Args, const Variant& v) { self.lockType_ = v.dereferenced().toLong(); }},
  };
  return table;
}

}  // namespace corvela::db
