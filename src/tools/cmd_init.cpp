// corvela init: the settings key and its values, the site and temporary
// folders, and the SQLite database with every table. Run again it keeps
// what exists: values not named on the command line stay as they are and
// the schema only adds missing tables.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "core/config.h"
#include "core/file_helpers.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/schema.h"
#include "platform/registry/registry.h"
#include "sitefiles/content_type.h"
#include "tools/cli_support.h"
#include "tools/commands.h"
#include "tools/component_registration.h"
#include "tools/data_folder.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela init [--site DIR] [--temp DIR] [--db CONNSTRING] [--upload-limit BYTES]\n"
    "\n"
    "Creates the settings key HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela with the values\n"
    "ConnString, SiteDirectory, TempPath, plugin and deployplugin, the site and\n"
    "temporary folders, and the database with every table. Defaults live in the data\n"
    "folder ($CORVELA_DATA, else /var/lib/corvela for root, else\n"
    "$XDG_DATA_HOME/corvela): site/, temp/ and corvela.db.\n"
    "\n"
    "It also registers the content types of the common web file extensions under\n"
    "HKEY_CLASSES_ROOT\\.EXT (value \"Content Type\"); a type added or changed there\n"
    "is used for files of that extension.\n"
    "\n"
    "It registers the libraries shipped beside it (libzerinupload.so: the\n"
    "ZerinUpload.* ProgIDs) under HKEY_CLASSES_ROOT\\<ProgID>, value InprocServer,\n"
    "and stores the largest request body the upload library accepts\n"
    "(HKEY_LOCAL_MACHINE\\SOFTWARE\\ZerinUpload, value MaxRequestBytes; default\n"
    "30000000 bytes).\n"
    "\n"
    "Run again, it keeps existing data: settings and content types not named by an\n"
    "option stay as they are, and only missing tables are created.\n";

struct InitOptions {
  std::optional<std::string> site, temp, db, uploadLimit;
};

std::optional<int64_t> wholeNumber(const std::string& text) {
  int64_t number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0) return std::nullopt;
  return number;
}

// Parses the options; returns a usage status, or -1 to go on.
int parseOptions(int argc, char** argv, InitOptions& options) {
  for (int i = 0; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (isHelpOption(arg)) {
      std::fputs(kHelp, stdout);
      return kExitOk;
    }
    std::optional<std::string>* target = arg == "--site" ? &options.site
                                          : arg == "--temp" ? &options.temp
                                          : arg == "--db"   ? &options.db
                                          : arg == "--upload-limit" ? &options.uploadLimit
                                                            : nullptr;
    if (!target) return usageError("init", "unknown argument '" + std::string(arg) + "'");
    if (i + 1 >= argc) return usageError("init", std::string(arg) + " needs a value");
    *target = argv[++i];
  }
  if (options.uploadLimit && !wholeNumber(*options.uploadLimit))
    return usageError("init", "--upload-limit needs a whole number of bytes");
  return -1;
}

bool valueExists(std::string_view name) {
  return registry::readValue(core::kSettingsKey, name).has_value();
}

// Decides one setting: the option when given, else the stored value, else
// the default. Returns the value to store, or nothing to keep what is there.
std::optional<std::string> chooseValue(std::string_view name, const std::optional<std::string>& option,
                                       const std::string& fallback) {
  if (option) return option;
  if (valueExists(name)) {
    std::printf("kept      %.*s = %s\n", static_cast<int>(name.size()), name.data(),
                core::RegRW::readValue(core::kSettingsKey, name).c_str());
    return std::nullopt;
  }
  return fallback;
}

// Stores one setting after the Config setter's checks and says so; false
// (with the reason on stderr) when it was not stored.
bool storeSetting(std::string_view name, const std::string& value) {
  core::Config::checkSetting(name, value);
  std::string problem = registry::storeValue(core::kSettingsKey, name, value);
  if (!problem.empty()) {
    std::fprintf(stderr, "corvela init: %.*s not stored: %s\n", static_cast<int>(name.size()), name.data(),
                 problem.c_str());
    return false;
  }
  std::printf("set       %.*s = %s\n", static_cast<int>(name.size()), name.data(), value.c_str());
  return true;
}

// Registers each common type whose extension has none yet; a type an
// administrator changed is kept.
bool seedContentTypes() {
  int added = 0, kept = 0;
  for (size_t i = 0; i < sitefiles::kCommonContentTypeCount; ++i) {
    const sitefiles::KnownContentType& known = sitefiles::kCommonContentTypes[i];
    std::string key = std::string(sitefiles::kClassesRootKey) + "\\." + std::string(known.extension);
    if (registry::readValue(key, sitefiles::kContentTypeValue)) {
      ++kept;
      continue;
    }
    if (!registry::createKey(key) || !registry::writeValue(key, sitefiles::kContentTypeValue, known.type)) {
      std::fprintf(stderr, "corvela init: cannot register the content type of .%.*s\n",
                   static_cast<int>(known.extension.size()), known.extension.data());
      return false;
    }
    ++added;
  }
  std::printf("types     %d content types registered, %d kept\n", added, kept);
  return true;
}

int initialise(const InitOptions& options) {
  std::filesystem::path data = dataFolder();
  core::MakeFolderSure(data.string());
  std::printf("data      %s\n", data.c_str());

  if (registry::keyExists(core::kSettingsKey)) {
    std::printf("kept      settings key %.*s\n", static_cast<int>(core::kSettingsKey.size()),
                core::kSettingsKey.data());
  } else if (registry::createKey(core::kSettingsKey)) {
    std::printf("created   settings key %.*s\n", static_cast<int>(core::kSettingsKey.size()),
                core::kSettingsKey.data());
  } else {
    std::fprintf(stderr, "corvela init: cannot create the settings key under %s\n",
                 registry::rootFolder().c_str());
    return kExitFailure;
  }

  core::Config config;
  if (auto site = chooseValue(core::kSiteDirectoryValue, options.site, (data / "site").string()))
    if (!storeSetting(core::kSiteDirectoryValue, *site)) return kExitFailure;
  core::MakeFolderSure(config.SiteDirectory());

  if (auto temp = chooseValue(core::kTempPathValue, options.temp, (data / "temp").string())) {
    if (!storeSetting(core::kTempPathValue, *temp)) return kExitFailure;
  } else {
    core::MakeFolderSure(config.TempPath());
  }

  std::string defaultDb = "Provider=SQLite;Data Source=" + (data / "corvela.db").string();
  if (auto connString = chooseValue(core::kConnStringValue, options.db, defaultDb))
    if (!storeSetting(core::kConnStringValue, *connString)) return kExitFailure;
  for (std::string_view plugin : {core::kPluginValue, core::kDeployPluginValue})
    if (auto value = chooseValue(plugin, std::nullopt, ""))
      if (!storeSetting(plugin, *value)) return kExitFailure;

  if (!seedContentTypes()) return kExitFailure;

  db::Connection connection(config.ConnString());
  db::applySchema(connection);
  std::printf("schema    applied to %s (existing tables and rows kept)\n", config.ConnString().c_str());
  std::optional<int64_t> uploadLimit;
  if (options.uploadLimit) uploadLimit = wholeNumber(*options.uploadLimit);
  return registerComponents(uploadLimit) ? kExitOk : kExitFailure;
}

}  // namespace

int initCommand(int argc, char** argv) {
  InitOptions options;
  if (int status = parseOptions(argc, argv, options); status >= 0) return status;
  try {
    return initialise(options);
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
