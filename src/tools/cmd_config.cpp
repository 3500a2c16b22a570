// corvela config get|set: reads and changes settings through the Config
// class, so the checks of its properties apply (a connection string that
// does not open and a temporary folder that cannot be made are refused).
#include <cstdio>
#include <optional>
#include <string>

#include "core/config.h"
#include "core/settings_key.h"
#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"
#include "platform/text/utf8.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela config get NAME\n"
    "       corvela config set NAME VALUE\n"
    "\n"
    "Reads or writes a value of the settings key HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela.\n"
    "ConnString is test-opened before it is stored, TempPath is created first;\n"
    "SiteDirectory and any other name are stored as given. Values longer than 254\n"
    "bytes are refused (they could not be read back). A missing value, or one that\n"
    "cannot be read or written, is reported on stderr with exit status 1.\n";

std::string getSetting(core::Config& config, std::string_view name) {
  if (text::equalsIgnoreCase(name, core::kConnStringValue)) return config.ConnString();
  if (text::equalsIgnoreCase(name, core::kSiteDirectoryValue)) return config.SiteDirectory();
  if (text::equalsIgnoreCase(name, core::kTempPathValue)) return config.TempPath();
  return config.GetConfig(name);
}

int getCommand(std::string_view name) {
  std::optional<std::string> stored = registry::readValue(core::kSettingsKey, name);
  if (!stored) {
    std::fprintf(stderr, "corvela config: no value %.*s in %.*s\n", static_cast<int>(name.size()), name.data(),
                 static_cast<int>(core::kSettingsKey.size()), core::kSettingsKey.data());
    return kExitFailure;
  }
  core::Config config;
  std::string value = getSetting(config, name);
  // A stored value reads as "Error" when it is too long to be read back.
  if (value == core::kReadFailed && *stored != core::kReadFailed) {
    std::fprintf(stderr, "corvela config: the value %.*s is too long to be read\n", static_cast<int>(name.size()),
                 name.data());
    return kExitFailure;
  }
  std::printf("%s\n", value.c_str());
  return kExitOk;
}

// The Config setter's checks, then a write whose failure is reported (the
// setters themselves write silently, as their callers expect).
int setCommand(std::string_view name, std::string_view value) {
  core::Config::checkSetting(name, value);
  std::string problem = registry::storeValue(core::kSettingsKey, name, value);
  if (!problem.empty()) {
    std::fprintf(stderr, "corvela config: %.*s not stored: %s\n", static_cast<int>(name.size()), name.data(),
                 problem.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int configCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc < 1) return usageError("config", "expected 'get NAME' or 'set NAME VALUE'");
  std::string_view action = argv[0];
  try {
    if (action == "get") {
      if (argc != 2) return usageError("config", "'get' takes one NAME");
      return getCommand(argv[1]);
    }
    if (action == "set") {
      if (argc != 3) return usageError("config", "'set' takes a NAME and a VALUE");
      // Config writes into a missing key are silently lost; here the user
      // is told instead.
      if (!registry::keyExists(core::kSettingsKey)) {
        std::fprintf(stderr, "corvela config: the settings key does not exist; run 'corvela init' first\n");
        return kExitFailure;
      }
      return setCommand(argv[1], argv[2]);
    }
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return usageError("config", "unknown action '" + std::string(action) + "'");
}

}  // namespace corvela::tools
