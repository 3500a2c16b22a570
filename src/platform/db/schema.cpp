// Applying the schema DDL to a database, in one transaction so a failing
// statement leaves nothing half-made.
#include "platform/db/schema.h"

#include <fstream>
#include <sstream>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"

namespace corvela::db {

extern const std::string_view kSqliteSchemaText;  // sqlite_schema_text.cpp, generated

namespace {

void applyText(Connection& connection, std::string_view ddl) {
  const bool ownTransaction = !connection.inTransaction();
  if (ownTransaction) connection.begin();
  try {
    connection.executeNative(ddl);
  } catch (...) {
    if (ownTransaction) connection.rollback();
    throw;
  }
  if (ownTransaction) connection.commit();
}

}  // namespace

std::string_view sqliteSchema() { return kSqliteSchemaText; }

void applySchema(Connection& connection) { applyText(connection, kSqliteSchemaText); }

void applySchema(Connection& connection, const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) raiseRuntimeError(53);  // File not found
  std::ostringstream text;
  text << in.rdbuf();
  applyText(connection, text.str());
}

}  // namespace corvela::db
