// Id allocation in one statement: an UPSERT that creates the counter at 2
// (handing out 1) or raises it by one (handing out the value it held).
#include "platform/db/id_allocation.h"

#include <sqlite3.h>

#include <string>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/provider_error.h"

namespace corvela::db {
namespace {

constexpr const char* kAllocate =
    "INSERT INTO IDManager(tablename,id) VALUES(?1,2) "
    "ON CONFLICT(tablename) DO UPDATE SET id=id+1 RETURNING id-1";

}  // namespace

int32_t allocateId(Connection& connection, std::string_view name) {
  sqlite3* db = connection.handle();
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(db, kAllocate, -1, &st, nullptr);
  if (rc != SQLITE_OK) raiseProviderError(db, rc);
  rc = sqlite3_bind_text(st, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
  sqlite3_int64 id = 0;
  if (rc == SQLITE_OK) {
    rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) {
      id = sqlite3_column_int64(st, 0);
      rc = sqlite3_step(st);
    }
  }
  if (rc != SQLITE_DONE) {
    const ComError error(providerErrorNumber(rc), kProviderSource, sqlite3_errmsg(db));
    sqlite3_finalize(st);
    throw error;
  }
  sqlite3_finalize(st);
  if (id > INT32_MAX) raiseRuntimeError(6);  // Overflow, as CLng of the counter was
  return static_cast<int32_t>(id);
}

}  // namespace corvela::db
