// Prepared statements kept per connection, keyed by their (translated) SQL
// text, so statements the engine runs again and again are compiled once.
// The least recently used statement goes when the cache is full.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>

struct sqlite3_stmt;

namespace corvela::db {

class StatementCache {
 public:
  explicit StatementCache(size_t capacity) : capacity_(capacity) {}
  ~StatementCache();
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // Removes the statement for this text from the cache and hands it over,
  // or returns nullptr. The caller gives it back with put() or finalizes it.
  sqlite3_stmt* take(const std::string& sql);
  // Keeps a statement (reset, bindings cleared) for later use.
  void put(const std::string& sql, sqlite3_stmt* statement);
  // Finalizes every kept statement.
  void clear();

 private:
  using Entry = std::pair<std::string, sqlite3_stmt*>;
  size_t capacity_;
  std::list<Entry> order_;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

}  // namespace corvela::db
