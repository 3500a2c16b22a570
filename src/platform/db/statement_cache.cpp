// The per-connection cache of prepared statements.
#include "platform/db/statement_cache.h"

#include <sqlite3.h>

namespace corvela::db {

StatementCache::~StatementCache() { clear(); }

sqlite3_stmt* StatementCache::take(const std::string& sql) {
  auto found = index_.find(sql);
  if (found == index_.end()) return nullptr;
  sqlite3_stmt* statement = found->second->second;
  order_.erase(found->second);
  index_.erase(found);
  return statement;
}

void StatementCache::put(const std::string& sql, sqlite3_stmt* statement) {
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (index_.count(sql)) {
    sqlite3_finalize(statement);
    return;
  }
  order_.emplace_front(sql, statement);
  index_.emplace(sql, order_.begin());
  if (order_.size() > capacity_) {
    sqlite3_finalize(order_.back().second);
    index_.erase(order_.back().first);
    order_.pop_back();
  }
}

void StatementCache::clear() {
  for (auto& entry : order_) sqlite3_finalize(entry.second);
  order_.clear();
  index_.clear();
}

}  // namespace corvela::db
