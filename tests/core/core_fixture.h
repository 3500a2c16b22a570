// Fixture of the engine-core tests: its own registry root with the settings
// key, a site folder, a temporary folder and a SQLite database with the
// schema applied.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"

#include "support/temp_env.h"

namespace corvela::testing {

// The error a call raised, as a value tests compare; all zero when none.
struct Raised {
  int32_t number = 0;
  std::string source, description;
  bool operator==(const Raised&) const = default;
};

template <class F>
Raised raised(F&& f) {
  try {
    f();
  } catch (const ComError& e) {
    return {e.number(), e.source(), e.description()};
  }
  return {};
}

class CoreTest : public IsolatedTest {
 protected:
  CoreTest();
  ~CoreTest() override;

  std::string siteDir() const { return (dataDir() / "site").string(); }
  std::string tempDir() const { return (dataDir() / "temp").string(); }
  std::string dbPath() const { return (dataDir() / "test.db").string(); }
  std::string connString() const { return "Provider=SQLite;Data Source=" + dbPath(); }

  void setSetting(std::string_view name, std::string_view value);
  void removeSetting(std::string_view name);
  // Runs SQL directly on the test database (not through the engine).
  void sql(const std::string& statement);
  // The single value of a one-row query, as text ("" when no row).
  std::string scalar(const std::string& query);
};

}  // namespace corvela::testing
