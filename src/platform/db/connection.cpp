// Connection: opening a SQLite database and running translated statements.
#include "platform/db/connection.h"

#include <sqlite3.h>

#include "platform/automation/com_error.h"
#include "platform/db/dialect.h"
#include "platform/db/provider_error.h"
#include "platform/db/recordset.h"
#include "platform/db/row_reader.h"
#include "platform/db/statement_cache.h"

namespace corvela::db {
namespace {

constexpr int kBusyTimeoutMs = 10000;
constexpr size_t kCachedStatements = 64;

// WAL lets readers and one writer work at once across processes; NORMAL
// sync is safe with WAL (a crash loses at most the last commits, never the
// file). Foreign keys stay off: the engine deletes its cascades itself.
constexpr const char* kSessionSetup =
    "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=OFF;";

bool isBlank(const char* p, const char* end) {
  for (; p < end; ++p)
    if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') return false;
  return true;
}

// A prepared statement on loan: goes back to the cache (reset) when it came
// from there or may be kept, else is finalized.
class StatementLoan {
 public:
  StatementLoan(sqlite3_stmt* st, StatementCache* cache, const std::string& sql)
      : st_(st), cache_(cache), sql_(sql) {}
  ~StatementLoan() {
    if (cache_) cache_->put(sql_, st_);
    else sqlite3_finalize(st_);
  }
  StatementLoan(const StatementLoan&) = delete;
  StatementLoan& operator=(const StatementLoan&) = delete;
  sqlite3_stmt* get() const { return st_; }

 private:
  sqlite3_stmt* st_;
  StatementCache* cache_;
  const std::string& sql_;
};

void bindTexts(sqlite3_stmt* st, std::span<const std::string> params) {
  const int expected = sqlite3_bind_parameter_count(st);
  if (expected != static_cast<int>(params.size()))
    throw ComError(kErrCommand, kProviderSource,
                   "The statement has " + std::to_string(expected) + " parameters but " +
                       std::to_string(params.size()) + " values were given.");
  for (size_t i = 0; i < params.size(); ++i) {
    int rc = sqlite3_bind_text64(st, static_cast<int>(i + 1), params[i].data(), params[i].size(), SQLITE_STATIC,
                                 SQLITE_UTF8);
    if (rc != SQLITE_OK) raiseProviderError(sqlite3_db_handle(st), rc);
  }
}

// Steps one statement; the first one that yields columns fills *rows when
// the caller wants rows and has none yet.
void runStatement(sqlite3_stmt* st, std::span<const std::string> params, std::shared_ptr<Recordset>* rows) {
  if (!params.empty()) bindTexts(st, params);
  if (rows && !*rows && sqlite3_column_count(st) > 0) {
    *rows = readRecordset(st);
    return;
  }
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) raiseProviderError(sqlite3_db_handle(st), rc);
}

}  // namespace

Connection::Connection(std::string_view connectionString)
    : connectionString_(connectionString), cache_(std::make_unique<StatementCache>(kCachedStatements)) {
  const ConnectionSettings settings = parseConnectionString(connectionString);
  if (settings.provider == Provider::PostgreSQL)
    throw ComError(kErrProviderNotFound, "ADODB.Connection",
                   "The PostgreSQL provider is not part of this build. Use Provider=SQLite.");
  if (settings.dataSource.empty())
    throw ComError(kErrProvider, kProviderSource, "The connection string names no Data Source.");

  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  int rc = sqlite3_open_v2(settings.dataSource.c_str(), &db_, flags, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    rc = sqlite3_exec(db_, kSessionSetup, nullptr, nullptr, nullptr);
  }
  if (rc != SQLITE_OK) {
    ComError error(providerErrorNumber(rc), kProviderSource, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw error;
  }
}

Connection::~Connection() {
  cache_->clear();
  sqlite3_close_v2(db_);  // rolls back a transaction left open
}

void Connection::run(const std::string& sql, std::span<const std::string> params, std::shared_ptr<Recordset>* rows) {
  if (sqlite3_stmt* cached = cache_->take(sql)) {
    StatementLoan loan(cached, cache_.get(), sql);
    beforeStep(cached);
    runStatement(cached, params, rows);
    return;
  }
  const char* p = sql.c_str();
  const char* end = p + sql.size();
  bool first = true;
  while (p < end) {
    sqlite3_stmt* st = nullptr;
    const char* tail = end;
    const int rc = sqlite3_prepare_v2(db_, p, static_cast<int>(end - p), &st, &tail);
    if (rc != SQLITE_OK) raiseProviderError(db_, rc);
    if (!st) break;  // only blanks or comments were left
    const bool single = first && isBlank(tail, end);
    StatementLoan loan(st, single ? cache_.get() : nullptr, sql);
    if (!single && !params.empty())
      throw ComError(kErrCommand, kProviderSource, "Parameters can be bound to one statement only.");
    beforeStep(st);
    runStatement(st, params, rows);
    p = tail;
    first = false;
  }
}

void Connection::beforeStep(sqlite3_stmt* statement) {
  if (!beginOnFirstWrite_ || sqlite3_stmt_readonly(statement) || !sqlite3_get_autocommit(db_)) return;
  // BEGIN IMMEDIATE counts as a write itself: disarm while it runs.
  beginOnFirstWrite_ = false;
  try {
    begin();
  } catch (...) {
    beginOnFirstWrite_ = true;
    throw;
  }
  beginOnFirstWrite_ = true;
}

std::shared_ptr<Recordset> Connection::query(std::string_view sqlText) {
  std::shared_ptr<Recordset> rows;
  run(translateSql(sqlText), {}, &rows);
  // A statement that returns no rows leaves a closed recordset, as in ADO.
  return rows ? rows : std::make_shared<Recordset>();
}

std::shared_ptr<Recordset> Connection::queryOne(std::string_view sqlText) {
  std::string sql = translateSql(sqlText);
  checkOneStatement(sql);
  std::shared_ptr<Recordset> rows;
  run(sql, {}, &rows);
  return rows ? rows : std::make_shared<Recordset>();
}

void Connection::checkOneStatement(const std::string& sql) {
  // Statements are separated by ";": without one there is only one.
  if (sql.find(';') == std::string::npos) return;
  // Every statement is prepared (none runs); blanks, comments and empty
  // statements between them prepare to nothing.
  const char* p = sql.c_str();
  const char* end = p + sql.size();
  int statements = 0;
  while (p < end) {
    sqlite3_stmt* st = nullptr;
    const char* tail = end;
    const int rc = sqlite3_prepare_v2(db_, p, static_cast<int>(end - p), &st, &tail);
    if (st) {
      sqlite3_finalize(st);
      ++statements;
    }
    if (statements > 1) throw ComError(kErrCommand, kProviderSource, kOneStatementOnly);
    // A later statement that does not prepare is one more statement too; a
    // faulty first one reports its own error when it runs.
    if (rc != SQLITE_OK) {
      if (statements > 0) throw ComError(kErrCommand, kProviderSource, kOneStatementOnly);
      return;
    }
    if (tail <= p) break;
    p = tail;
  }
}

void Connection::execute(std::string_view sqlText) { run(translateSql(sqlText), {}, nullptr); }

void Connection::execute(std::string_view sqlText, std::span<const std::string> textParams) {
  run(translateSql(sqlText), textParams, nullptr);
}

void Connection::executeNative(std::string_view sqlText) { run(std::string(sqlText), {}, nullptr); }

int64_t Connection::lastChanges() const noexcept { return sqlite3_changes64(db_); }

void Connection::begin() { executeNative("BEGIN IMMEDIATE"); }
void Connection::commit() { executeNative("COMMIT"); }
void Connection::rollback() { executeNative("ROLLBACK"); }
bool Connection::inTransaction() const noexcept { return sqlite3_get_autocommit(db_) == 0; }

}  // namespace corvela::db
