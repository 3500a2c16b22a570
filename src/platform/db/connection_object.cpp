// The scriptable "ADODB.Connection".
#include "platform/db/connection_object.h"

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::db {
namespace {

constexpr const char* kConnectionSource = "ADODB.Connection";

Variant objectValue(std::shared_ptr<Object> object) { return Variant(std::move(object)); }

}  // namespace

ConnectionObject::ConnectionObject(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)), connectionString_(connection_->connectionString()) {}

void ConnectionObject::open(std::string_view connectionString) {
  if (connection_) throw ComError(kErrOpenObject, kConnectionSource, kObjectOpenText);
  if (!connectionString.empty()) connectionString_ = connectionString;
  connection_ = std::make_shared<Connection>(connectionString_);
}

void ConnectionObject::close() {
  if (!connection_)
    throw ComError(kErrObjectClosed, kConnectionSource, kObjectClosedText);
  connection_.reset();
}

Connection& ConnectionObject::connection() const {
  if (!connection_)
    throw ComError(kErrObjectClosed, kConnectionSource, kObjectClosedText);
  return *connection_;
}

std::shared_ptr<Recordset> ConnectionObject::execute(std::string_view sqlText) {
  return connection().query(sqlText);
}

void ConnectionObject::setConnectionString(std::string text) {
  if (connection_) throw ComError(kErrOpenObject, kConnectionSource, kObjectOpenText);
  connectionString_ = std::move(text);
}

const DispatchTable<ConnectionObject>& ConnectionObject::dispatchTable() {
  static const DispatchTable<ConnectionObject> table{
      {.name = "ConnectionString",
       .get = [](ConnectionObject& self, Args) -> Variant { return self.connectionString(); },
       .let = [](ConnectionObject& self, Args, const Variant& v) { self.setConnectionString(v.dereferenced().toString()); },
       .isDefault = true},
      {.name = "Open",
       .call = [](ConnectionObject& self, Args a) -> Variant {
         self.open(hasArg(a, 0) ? a[0].dereferenced().toString() : std::string());
         return {};
       },
       .maxArgs = 4},
      {.name = "Execute",
       .call = [](ConnectionObject& self, Args a) -> Variant {
         std::shared_ptr<Recordset> rows = self.execute(a[0].dereferenced().toString());
         // RecordsAffected is written back; -1 for a statement that returns rows.
         if (hasArg(a, 1))
           a[1] = rows->state() ? int32_t{-1} : static_cast<int32_t>(self.connection().lastChanges());
         return objectValue(rows);
       },
       .minArgs = 1,
       .maxArgs = 3},
      {.name = "Close", .call = [](ConnectionObject& self, Args) -> Variant { self.close(); return {}; }},
      {.name = "State", .get = [](ConnectionObject& self, Args) -> Variant { return self.state(); }},
      {.name = "BeginTrans",
       .call = [](ConnectionObject& self, Args) -> Variant { self.connection().begin(); return 1; }},
      {.name = "CommitTrans",
       .call = [](ConnectionObject& self, Args) -> Variant { self.connection().commit(); return {}; }},
      {.name = "RollbackTrans",
       .call = [](ConnectionObject& self, Args) -> Variant { self.connection().rollback(); return {}; }},
  };
  return table;
}

}  // namespace corvela::db
