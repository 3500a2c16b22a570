// The per-thread connection pool: one open Connection per thread and
// connection string, reused by every comDAL on that thread, and enlisted in
// the thread's object context when a scope is open.
#include <exception>
#include <string>
#include <unordered_map>

#include "platform/automation/object_context.h"
#include "platform/db/connection.h"

namespace corvela::db {
namespace {

using Pool = std::unordered_map<std::string, std::shared_ptr<Connection>>;

Pool& threadPool() {
  thread_local Pool pool;
  return pool;
}

// Removes a connection from this thread's pool wherever it is kept.
void discardFromPool(const std::shared_ptr<Connection>& connection) {
  Pool& pool = threadPool();
  for (auto it = pool.begin(); it != pool.end();) {
    if (it->second == connection) it = pool.erase(it);
    else ++it;
  }
}

// A pooled connection taking part in an object context's transaction.
class ConnectionEnlistment : public TransactionResource {
 public:
  explicit ConnectionEnlistment(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {
    connection_->setBeginOnFirstWrite(true);
  }

  void commit() override {
    connection_->setBeginOnFirstWrite(false);
    if (!connection_->inTransaction()) return;
    try {
      connection_->commit();
    } catch (const std::exception&) {
      // The context does not roll back the resource whose commit failed;
      // leaving its transaction open would swallow later work.
      rollback();
      throw;
    }
  }

  void rollback() noexcept override {
    connection_->setBeginOnFirstWrite(false);
    if (!connection_->inTransaction()) return;
    try {
      connection_->rollback();
    } catch (const std::exception&) {
      // Closing the connection undoes the transaction: drop it from the pool
      // so it closes when this enlistment goes.
      discardFromPool(connection_);
    }
  }

  const std::shared_ptr<Connection>& connection() const noexcept { return connection_; }

 private:
  std::shared_ptr<Connection> connection_;
};

std::string enlistmentKey(std::string_view connectionString) { return "db:" + std::string(connectionString); }

}  // namespace

std::shared_ptr<Connection> pooledConnection(std::string_view connectionString) {
  Pool& pool = threadPool();
  ObjectContext* context = ObjectContext::current();
  if (context) {
    const std::string key = enlistmentKey(connectionString);
    if (auto enlisted = std::dynamic_pointer_cast<ConnectionEnlistment>(context->find(key))) {
      pool[std::string(connectionString)] = enlisted->connection();
      return enlisted->connection();
    }
  }
  std::shared_ptr<Connection>& slot = pool[std::string(connectionString)];
  if (!slot) slot = std::make_shared<Connection>(connectionString);
  std::shared_ptr<Connection> connection = slot;
  // A transaction the caller opened by hand is not the context's to finish.
  if (context && !connection->inTransaction())
    context->enlist(enlistmentKey(connectionString), std::make_shared<ConnectionEnlistment>(connection));
  return connection;
}

void releasePooledConnection(std::string_view connectionString) { threadPool().erase(std::string(connectionString)); }

}  // namespace corvela::db
