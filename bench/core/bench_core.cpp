// Prints how many comIDManager.newID calls and comDAL.DoSelect point queries
// per second the engine manages on SQLite, each inside its own transaction
// as an ASP page would run them. Works in a private temporary installation
// (registry root, data folder, database) removed at the end.
//
//   bench_core [seconds per measurement, default 2]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/settings_key.h"
#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"
#include "platform/registry/registry.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 10000;

std::filesystem::path makeInstallation() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvela-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  std::filesystem::path root = pattern;
  setenv("CORVELA_REGISTRY", (root / "registry").c_str(), 1);
  setenv("CORVELA_DATA", root.c_str(), 1);
  std::filesystem::create_directories(root / "registry");
  std::string connString = "Provider=SQLite;Data Source=" + (root / "corvela.db").string();
  corvela::registry::createKey(corvela::core::kSettingsKey);
  corvela::registry::writeValue(corvela::core::kSettingsKey, corvela::core::kConnStringValue, connString);
  corvela::db::Connection connection(connString);
  corvela::db::applySchema(connection);
  connection.begin();
  for (int i = 1; i <= kRows; ++i)
    connection.execute("INSERT INTO tips (tid,tip) VALUES (" + std::to_string(i) + ",'tip number " +
                       std::to_string(i) + "')");
  connection.commit();
  return root;
}

// Calls step(i) for i = 0, 1, ... until `seconds` have passed; returns calls/s.
template <class Step>
double measure(double seconds, Step step) {
  auto start = Clock::now();
  auto until = start + std::chrono::duration<double>(seconds);
  long calls = 0;
  while (Clock::now() < until) {
    for (int k = 0; k < 100; ++k) step(calls++);
  }
  std::chrono::duration<double> elapsed = Clock::now() - start;
  return static_cast<double>(calls) / elapsed.count();
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  if (seconds <= 0) seconds = 2.0;
  std::filesystem::path root = makeInstallation();
  try {
    double ids = measure(seconds, [](long) { corvela::core::newID("bench"); });
    corvela::core::comDAL dal;
    double selects = measure(seconds, [&](long i) {
      auto rs = dal.DoSelect("SELECT tip FROM tips WHERE tid=" + std::to_string(1 + i % kRows));
      if (rs->eof()) std::abort();
    });
    std::printf("newID                %10.0f calls/s\n", ids);
    std::printf("DoSelect point query %10.0f queries/s (%d rows)\n", selects, kRows);
  } catch (const corvela::ComError& error) {
    std::fprintf(stderr, "%d %s: %s\n", error.number(), error.source().c_str(), error.description().c_str());
    std::filesystem::remove_all(root);
    return 1;
  }
  std::filesystem::remove_all(root);
  return 0;
}
