// corvela config get|set: reads and changes settings through the Config
// class, so the checks of its properties apply (a connection string that
// does not open and a temporary folder that cannot be made are refused).
#include <cstdio>
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
    "SiteDirectory and any other name are stored as given. A value that cannot be\n"
    "read prints as \"Error\".\n";

std::string getSetting(core::Config& config, std::string_view name) {
  if (text::equalsIgnoreCase(name, core::kConnStringValue)) return config.ConnString();
  if (text::equalsIgnoreCase(name, core::kSiteDirectoryValue)) return config.SiteDirectory();
  if (text::equalsIgnoreCase(name, core::kTempPathValue)) return config.TempPath();
  return config.GetConfig(name);
}

void setSetting(core::Config& config, std::string_view name, std::string_view value) {
  if (text::equalsIgnoreCase(name, core::kConnStringValue))
    config.setConnString(value);
  else if (text::equalsIgnoreCase(name, core::kSiteDirectoryValue))
    config.setSiteDirectory(value);
  else if (text::equalsIgnoreCase(name, core::kTempPathValue))
    config.setTempPath(value);
  else
    config.SetConfig(name, value);
}

}  // namespace

int configCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc < 1) return usageError("config", "expected 'get NAME' or 'set NAME VALUE'");
  std::string_view action = argv[0];
  core::Config config;
  try {
    if (action == "get") {
      if (argc != 2) return usageError("config", "'get' takes one NAME");
      std::printf("%s\n", getSetting(config, argv[1]).c_str());
      return kExitOk;
    }
    if (action == "set") {
      if (argc != 3) return usageError("config", "'set' takes a NAME and a VALUE");
      // Config writes into a missing key are silently lost; here the user
      // is told instead.
      if (!registry::keyExists(core::kSettingsKey)) {
        std::fprintf(stderr, "corvela config: the settings key does not exist; run 'corvela init' first\n");
        return kExitFailure;
      }
      setSetting(config, argv[1], argv[2]);
      return kExitOk;
    }
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return usageError("config", "unknown action '" + std::string(action) + "'");
}

}  // namespace corvela::tools
