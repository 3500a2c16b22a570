// CoreTest: a complete, private installation per test.
#include "core_fixture.h"

#include <filesystem>

#include "core/settings_key.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"
#include "platform/registry/registry.h"

namespace corvela::testing {

CoreTest::CoreTest() {
  std::filesystem::create_directories(siteDir());
  std::filesystem::create_directories(tempDir());
  registry::createKey(core::kSettingsKey);
  setSetting(core::kConnStringValue, connString());
  setSetting(core::kSiteDirectoryValue, siteDir());
  setSetting(core::kTempPathValue, tempDir());
  db::Connection connection(connString());
  db::applySchema(connection);
}

CoreTest::~CoreTest() { db::releasePooledConnection(connString()); }

void CoreTest::setSetting(std::string_view name, std::string_view value) {
  registry::writeValue(core::kSettingsKey, name, value);
}

void CoreTest::removeSetting(std::string_view name) { registry::deleteValue(core::kSettingsKey, name); }

void CoreTest::sql(const std::string& statement) {
  db::Connection connection(connString());
  connection.execute(statement);
}

std::string CoreTest::scalar(const std::string& query) {
  db::Connection connection(connString());
  auto rs = connection.query(query);
  if (rs->eof()) return {};
  const Variant& value = rs->value(size_t{0});
  return value.isNull() ? "Null" : value.toString();
}

}  // namespace corvela::testing
