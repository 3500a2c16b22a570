// The database schema: every table of the system, as CREATE TABLE IF NOT
// EXISTS statements, so applying it again to an existing database is harmless.
#pragma once

#include <filesystem>
#include <string_view>

namespace corvela::db {

class Connection;

// The SQLite schema built into the library (schema/sqlite.sql).
std::string_view sqliteSchema();
// Applies the built-in schema.
void applySchema(Connection& connection);
// Applies a schema file (backend-native DDL); raises the provider's error
// for a bad statement, and 53 "File not found" when the file cannot be read.
void applySchema(Connection& connection, const std::filesystem::path& path);

}  // namespace corvela::db
