// Atomic id allocation from the IDManager counter table: the whole
// read-and-increment is one statement, so two processes never receive the
// same id, with or without a surrounding transaction.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvela::db {

class Connection;

// The next id for the name: 1 for a name never seen (leaving the counter at
// 2), else the counter's value (leaving it one higher). Names compare
// case-insensitively, as the counter table's key does. Provider errors are
// raised as by Connection.
//
// The statement runs on the connection as it stands: inside an open
// transaction it is part of it, but it does not open the transaction of an
// object-context scope itself, so an id taken before the scope's first write
// stays used even when the scope rolls back (a gap, never a duplicate).
int32_t allocateId(Connection& connection, std::string_view name);

}  // namespace corvela::db
