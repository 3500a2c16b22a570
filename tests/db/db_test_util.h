// Helpers of the database tests: a fresh SQLite file per test, and raised()
// for the error a call raises.
#pragma once

#include <string>

#include "core/core_fixture.h"
#include "platform/db/connection.h"
#include "support/temp_env.h"

namespace corvela::db::testing {

using corvela::testing::raised;
using corvela::testing::Raised;

// A test with its own database file.
class DatabaseTest : public ::testing::Test {
 protected:
  std::string connString() const { return "Provider=SQLite;Data Source=" + (dir_.path() / "test.db").string(); }
  corvela::testing::TempDir dir_;
};

}  // namespace corvela::db::testing
