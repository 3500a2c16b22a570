// comDAL: lazy connection from the settings, the four operations, and the
// failure path that drops the connection and names the operation.
#include "core/com_dal.h"

#include "core/context_votes.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/member_binding.h"
#include "platform/db/connection.h"
#include "platform/db/connection_object.h"
#include "platform/db/recordset.h"

namespace corvela::core {

db::Connection& comDAL::connect() {
  if (connectionString_.empty()) {
    std::string text = RegRW::readValue(kSettingsKey, kConnStringValue);
    if (text == kReadFailed) throw ComError(kRegReadError, "", kRegReadErrText);
    connectionString_ = std::move(text);
  }
  // Fetched on every operation: the pooled connection enlists in the
  // object-context scope that is open now, not the one open when we first
  // connected.
  connection_ = db::pooledConnection(connectionString_);
  return *connection_;
}

// Only this object's hold is dropped: the thread's pooled connection may be
// enlisted in a transaction that the object context still has to roll back.
void comDAL::dropConnection() noexcept {
  connection_.reset();
  connectionString_.clear();
}

std::shared_ptr<db::Connection> comDAL::connection() {
  return runVoting(
      kGetConnectSource, false,
      [&] {
        connect();
        return connection_;
      },
      [&] { dropConnection(); });
}

std::shared_ptr<db::ConnectionObject> comDAL::GetConnect() {
  return std::make_shared<db::ConnectionObject>(connection());
}

std::shared_ptr<db::Recordset> comDAL::DoSelect(std::string_view strCommand) {
  return runVoting(
      kDoSelectSource, true, [&] { return connect().queryOne(strCommand); }, [&] { dropConnection(); });
}

bool comDAL::execCommand(std::string_view strCommand) {
  return runVoting(
      kExecCommandSource, true,
      [&] {
        connect().execute(strCommand);
        return true;
      },
      [&] { dropConnection(); });
}

bool comDAL::execStoreProcedure(const Variant& spName, const Variant& adoParam) {
  return runVoting(
      kExecStoreProcedureSource, true,
      [&]() -> bool {
        connect();
        throw ComError(kFeatureNotAvailable, db::kProviderSource, kFeatureNotAvailableText);
      },
      [&] { dropConnection(); });
}

const DispatchTable<comDAL>& comDAL::dispatchTable() {
  static const DispatchTable<comDAL> table = Members<comDAL>()
      .method<&comDAL::GetConnect>("GetConnect")
      .method<&comDAL::DoSelect>("DoSelect")
      .method<&comDAL::execCommand>("execCommand")
      .method<&comDAL::execStoreProcedure>("execStoreProcedure")
      .build();
  return table;
}

}  // namespace corvela::core
