// Taking the write lock at once for a read-change-write.
#include "core/write_transaction.h"

#include <stdexcept>

#include "core/com_dal.h"
#include "platform/automation/object_context.h"
#include "platform/db/connection.h"

namespace corvela::core {

void beginWriteTransaction(comDAL& dal) {
  // Without a scope nobody would ever commit the transaction begun here.
  if (!ObjectContext::current()) throw std::logic_error("beginWriteTransaction outside an object-context scope");
  std::shared_ptr<db::Connection> connection = dal.connection();
  if (connection->inTransaction()) return;
  // The enlisted connection is armed to begin at its first write, and BEGIN
  // IMMEDIATE counts as one: disarmed, it is not begun twice.
  connection->setBeginOnFirstWrite(false);
  try {
    connection->begin();
  } catch (...) {
    connection->setBeginOnFirstWrite(true);
    throw;
  }
  connection->setBeginOnFirstWrite(true);
}

}  // namespace corvela::core
