// Mapping of SQLite result codes onto the error numbers callers test.
#include "platform/db/provider_error.h"

#include <sqlite3.h>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"

namespace corvela::db {

int32_t providerErrorNumber(int resultCode) {
  switch (resultCode & 0xff) {
    case SQLITE_ERROR:
      return kErrCommand;
    case SQLITE_CONSTRAINT:
      return kErrIntegrity;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return kErrTimeout;
    default:
      return kErrProvider;
  }
}

void raiseProviderError(sqlite3* db, int resultCode) {
  const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
  throw ComError(providerErrorNumber(resultCode), kProviderSource, message ? message : sqlite3_errstr(resultCode));
}

}  // namespace corvela::db
