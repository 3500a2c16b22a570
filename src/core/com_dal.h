// comDAL (ProgID "Corvela.comDAL"): runs SQL text on the database named by
// the ConnString setting. The connection string is read on first use; the
// connection itself is the thread's pooled one, fetched again for every
// operation so that it joins whatever object-context transaction is open.
// Any failure drops the connection (the next operation reads ConnString
// afresh) and re-raises the error with the operation's own source.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Connection;
class ConnectionObject;
class Recordset;
}  // namespace corvela::db

namespace corvela::core {

class comDAL : public DispatchObject<comDAL> {
 public:
  static constexpr std::string_view kClassName = "comDAL";
  static const DispatchTable<comDAL>& dispatchTable();

  // The open connection as scripts see it ("ADODB.Connection"). No vote.
  std::shared_ptr<db::ConnectionObject> GetConnect();
  // Rows of a query, disconnected: they stay readable after this object goes.
  std::shared_ptr<db::Recordset> DoSelect(std::string_view strCommand);
  // Runs a statement; true on success.
  bool execCommand(std::string_view strCommand);
  // SQLite has no stored procedures: after connecting this always raises
  // ADO's 3251 under the source "comDAL:execStoreProcedure Method".
  bool execStoreProcedure(const Variant& spName, const Variant& adoParam);

  // GetConnect for C++ callers: the connection itself.
  std::shared_ptr<db::Connection> connection();

  bool connected() const noexcept { return !connectionString_.empty(); }

 private:
  db::Connection& connect();
  void dropConnection() noexcept;

  std::string connectionString_;  // empty while not connected
  std::shared_ptr<db::Connection> connection_;
};

inline constexpr const char* kGetConnectSource = "comDAL:GetConnect Method";
inline constexpr const char* kDoSelectSource = "comDAL:DoSelect Method";
inline constexpr const char* kExecCommandSource = "comDAL:execCommand Method";
inline constexpr const char* kExecStoreProcedureSource = "comDAL:execStoreProcedure Method";

// The error of a missing ConnString, before comDAL puts its source on it.
inline constexpr int kRegReadError = 1001;
inline constexpr const char* kRegReadErrText = "RegReadErr";

// ADO's adErrFeatureNotAvailable, raised for stored procedures.
inline constexpr int kFeatureNotAvailable = 3251;
inline constexpr const char* kFeatureNotAvailableText =
    "Object or provider is not capable of performing requested operation.";

}  // namespace corvela::core
