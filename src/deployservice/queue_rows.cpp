#include "deployservice/queue_rows.h"

#include "core/sql_literals.h"
#include "deployservice/engine_access.h"

namespace corvela::deployservice {
namespace {

std::string stored(const std::string& text) { return core::quotedSqlText(text.empty() ? std::string(" ") : text); }

}  // namespace

void QueueExecution(const QueueRow& row) {
  int32_t id = newEngineId("dep_execution");
  EngineDal().execute(
      "INSERT INTO dep_execution (id,source,target,sourcetype,method,server,port,username,password,operation,status) "
      "VALUES (" +
      std::to_string(id) + "," + stored(row.source) + "," + stored(row.target) + "," +
      core::quotedSqlText(row.sourceType) + "," + core::quotedSqlText(row.method) + "," + stored(row.server) + "," +
      std::to_string(row.port) + "," + stored(row.user) + "," + stored(row.password) + "," +
      core::quotedSqlText(row.operation) + "," + std::to_string(row.status) + ")");
}

}  // namespace corvela::deployservice
