// ConnectionObject: the scriptable face of a Connection, what scripts and
// late-bound callers receive as an "ADODB.Connection" (TypeName
// "Connection"): Open, Execute, Close, State, ConnectionString, BeginTrans,
// CommitTrans, RollbackTrans.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {

class Connection;
class Recordset;

class ConnectionObject : public DispatchObject<ConnectionObject> {
 public:
  static constexpr std::string_view kClassName = "Connection";
  static const DispatchTable<ConnectionObject>& dispatchTable();

  // A closed connection (scripts call Open).
  ConnectionObject() = default;
  // An open connection wrapping one the caller already has (comDAL.GetConnect).
  explicit ConnectionObject(std::shared_ptr<Connection> connection);

  // Opens with the given string, or with ConnectionString when it is empty.
  void open(std::string_view connectionString = {});
  void close();  // 3704 when closed
  int32_t state() const noexcept { return connection_ ? 1 : 0; }
  // Rows for a statement that returns rows, else a closed recordset (as ADO).
  std::shared_ptr<Recordset> execute(std::string_view sqlText);

  const std::string& connectionString() const noexcept { return connectionString_; }
  void setConnectionString(std::string text);  // 3705 while open

  // The open connection; 3704 when closed.
  Connection& connection() const;
  const std::shared_ptr<Connection>& shared() const noexcept { return connection_; }

 private:
  std::shared_ptr<Connection> connection_;
  std::string connectionString_;
};

}  // namespace corvela::db
