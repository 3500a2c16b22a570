// Fixture of the deploy service tests: a private installation (registry,
// database, site and temporary folders) plus a mirror folder, and helpers
// that write tasks, scan requests and snapshots and read the queue and the log.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/core_fixture.h"
#include "deployservice/service_context.h"
#include "support/cli_runner.h"

namespace corvela::testing {

class DeployServiceTest : public CoreTest {
 protected:
  DeployServiceTest();

  std::filesystem::path site() const { return dataDir() / "site"; }
  std::filesystem::path mirror() const { return dataDir() / "mirror"; }

  // A task stored through Corvela.DeployTask; its id.
  int addTask(const std::string& directory, const std::string& target, const std::string& method = "NTFS",
              const std::string& server = "", int port = 21, const std::string& user = "",
              const std::string& password = "");
  void requestScan(int taskId);
  // A queue row written directly.
  void queueRow(int id, const std::string& source, const std::string& target, const std::string& sourceType,
                const std::string& method, const std::string& operation, int status = 1,
                const std::string& server = "", int port = 21, const std::string& user = "",
                const std::string& password = "");

  // "sourcetype operation target source status" per queue row, by id.
  std::vector<std::string> queue();
  std::vector<std::string> logTexts();
  std::vector<std::string> snapshotsLeft();

  // A snapshot file of the temporary folder, as the scanner writes them; its path.
  std::string snapshot(const std::string& name, const std::string& text);
  static void write(const std::filesystem::path& path, const std::string& text);
  static std::string read(const std::filesystem::path& path) { return readFileText(path); }
  // Moves the file's modification time by whole seconds.
  static void touch(const std::filesystem::path& path, int seconds);

  deployservice::ServiceContext context_;
};

}  // namespace corvela::testing
