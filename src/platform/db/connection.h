// Connection: one open database session, opened from an ADO-style
// connection string. The engine writes SQL in the SQL Server dialect; query()
// and execute() translate it for the backend (dialect.h) before running it.
//
//   Provider=SQLite;Data Source=/var/lib/corvela/corvela.db
//
// Keys are case-insensitive, values may be quoted with ' or ". The SQLite
// session runs in WAL mode with a 10 second busy timeout and foreign keys
// off, so web processes, the CLI and the deploy service share one file.
//
// Provider errors are ComError(number, kProviderSource, sqlite3_errmsg text).
// The number is the OLE DB HRESULT that SQL Server's provider raised for the
// same kind of failure, so callers that test numbers keep working:
//
//   SQLITE_ERROR (syntax, no such table/column)  -2147217900  0x80040E14
//   SQLITE_CONSTRAINT (duplicate key, NOT NULL)  -2147217873  0x80040E2F
//   SQLITE_BUSY, SQLITE_LOCKED (timeout)         -2147217871  0x80040E31
//   anything else (cannot open, I/O, corrupt)    -2147467259  0x80004005
//
// Connection-string errors are ADO's own: 3706 "Provider cannot be found. It
// may not be properly installed." (source "ADODB.Connection") for an unknown
// or missing provider; PostgreSQL is recognised but not built and is refused
// with 3706 and a description that says so.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace corvela::db {

class Recordset;
class StatementCache;

inline constexpr const char* kProviderSource = "SQLite Provider";
inline constexpr int32_t kErrCommand = static_cast<int32_t>(0x80040E14u);
inline constexpr int32_t kErrIntegrity = static_cast<int32_t>(0x80040E2Fu);
inline constexpr int32_t kErrTimeout = static_cast<int32_t>(0x80040E31u);
inline constexpr int32_t kErrProvider = static_cast<int32_t>(0x80004005u);
inline constexpr int32_t kErrProviderNotFound = 3706;
inline constexpr const char* kOneStatementOnly = "Only one statement may be run here; the text holds more.";

enum class Provider { SQLite, PostgreSQL };

// The parts of a connection string this layer understands.
struct ConnectionSettings {
  Provider provider = Provider::SQLite;
  std::string dataSource;  // SQLite: path of the database file
  std::string host, port, database, user, password;  // PostgreSQL
};

// Parses a connection string; raises 3706 for a missing or unknown provider.
ConnectionSettings parseConnectionString(std::string_view connectionString);

class Connection {
 public:
  // Opens the database. A missing file is created when its folder exists;
  // a missing folder raises the provider's "unable to open" error.
  explicit Connection(std::string_view connectionString);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const std::string& connectionString() const noexcept { return connectionString_; }

  // Runs SQL Server-dialect text and returns every row it produced as a
  // disconnected recordset (positioned on the first row).
  std::shared_ptr<Recordset> query(std::string_view sqlText);
  // As query(), for text that must hold exactly one statement: text with
  // more is refused (kErrCommand, kOneStatementOnly) before any of it runs.
  std::shared_ptr<Recordset> queryOne(std::string_view sqlText);

  // Runs SQL Server-dialect text (one statement or several separated by ";").
  void execute(std::string_view sqlText);
  // Runs one statement whose "?" placeholders take the given texts, bound as
  // parameters: long text never passes through a literal.
  void execute(std::string_view sqlText, std::span<const std::string> textParams);

  // Runs backend-native SQL without translation (schema scripts, pragmas).
  void executeNative(std::string_view sqlText);

  // Rows inserted, changed or deleted by the last statement.
  int64_t lastChanges() const noexcept;

  // BEGIN IMMEDIATE: the write lock is taken at once (waiting up to the busy
  // timeout), so a transaction never fails half-way on a lock upgrade.
  void begin();
  void commit();
  void rollback();
  bool inTransaction() const noexcept;

  // While armed, the first statement that writes opens a transaction with
  // BEGIN IMMEDIATE before it runs; reads before it stay outside. An object
  // context arms its enlisted connection this way, so scopes that only read
  // never hold the database's write lock.
  void setBeginOnFirstWrite(bool armed) noexcept { beginOnFirstWrite_ = armed; }

  // The backend handle, for the few helpers of this layer that bind values.
  sqlite3* handle() const noexcept { return db_; }

 private:
  // Runs backend SQL; the first statement with columns fills *rows when
  // rows is given.
  void run(const std::string& sql, std::span<const std::string> params, std::shared_ptr<Recordset>* rows);
  // Raises kOneStatementOnly when the text holds more than one statement.
  void checkOneStatement(const std::string& sql);
  // Opens the armed transaction when the statement is about to write.
  void beforeStep(sqlite3_stmt* statement);

  std::string connectionString_;
  sqlite3* db_ = nullptr;
  std::unique_ptr<StatementCache> cache_;
  bool beginOnFirstWrite_ = false;
};

// The thread's connection for this connection string, opened on first use
// and reused afterwards (an ObjectContext's transaction can only span the
// calls of a scope if they share one connection). When an ObjectContext
// scope is open on the thread, the connection enlists in it once: its first
// write begins a transaction, which the outermost scope commits, or rolls
// back when the scope is doomed (SetAbort) or left by an exception. Inside
// a scope every call gets the enlisted connection, even after a release.
std::shared_ptr<Connection> pooledConnection(std::string_view connectionString);

// Drops the thread's pooled connection for this string (after a failure, so
// the next call connects afresh); holders of the old one keep it alive.
void releasePooledConnection(std::string_view connectionString);

}  // namespace corvela::db
