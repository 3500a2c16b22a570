// The per-thread connection pool: one open Connection per thread and
// connection string, reused by every comDAL on that thread.
#include <string>
#include <unordered_map>

#include "platform/db/connection.h"

namespace corvela::db {
namespace {

using Pool = std::unordered_map<std::string, std::shared_ptr<Connection>>;

Pool& threadPool() {
  thread_local Pool pool;
  return pool;
}

}  // namespace

std::shared_ptr<Connection> pooledConnection(std::string_view connectionString) {
  Pool& pool = threadPool();
  auto found = pool.find(std::string(connectionString));
  if (found != pool.end()) return found->second;
  auto connection = std::make_shared<Connection>(connectionString);
  pool.emplace(std::string(connectionString), connection);
  return connection;
}

void releasePooledConnection(std::string_view connectionString) { threadPool().erase(std::string(connectionString)); }

}  // namespace corvela::db
