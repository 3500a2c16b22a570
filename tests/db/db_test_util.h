// Helpers of the database tests: a fresh SQLite file per test and a way to
// catch the ComError a call raises.
#pragma once

#include <functional>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "support/temp_env.h"

namespace corvela::db::testing {

inline ComError errorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e;
  }
  return ComError(0, "", "no error");
}

// A test with its own database file.
class DatabaseTest : public ::testing::Test {
 protected:
  std::string connString() const { return "Provider=SQLite;Data Source=" + (dir_.path() / "test.db").string(); }
  corvela::testing::TempDir dir_;
};

}  // namespace corvela::db::testing
