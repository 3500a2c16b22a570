// The ComError of a failed SQLite call: the result code mapped to the OLE DB
// number SQL Server's provider raised for the same kind of failure (see
// connection.h), and SQLite's own message as the description.
#pragma once

#include <cstdint>

struct sqlite3;

namespace corvela::db {

// The stable error number for a SQLite result code (primary or extended).
int32_t providerErrorNumber(int resultCode);
// Raises the connection's last error.
[[noreturn]] void raiseProviderError(sqlite3* db, int resultCode);

}  // namespace corvela::db
