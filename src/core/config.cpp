// Config: the settings properties and their two checks.
#include "core/config.h"

#include "core/file_helpers.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/member_binding.h"
#include "platform/db/connection.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

std::string read(std::string_view name) { return RegRW::readValue(kSettingsKey, name); }
void write(std::string_view name, std::string_view value) { RegRW::writeValue(kSettingsKey, name, value); }

void checkLength(std::string_view name, std::string_view value) {
  if (text::byteLengthInCodePage(value, text::systemCodePage()) > RegRW::kMaxValueBytes)
    throw ComError(kRejectedSetting, kConfigSource, std::string(kValueTooLong) + std::string(name));
}

void checkConnString(std::string_view text) {
  try {
    db::Connection test(text);
  } catch (const ComError&) {
    throw ComError(kRejectedSetting, kConfigSource, std::string(kBadConnString) + std::string(text));
  }
}

void checkTempPath(std::string_view text) {
  try {
    MakeFolderSure(text);
  } catch (const ComError&) {
    throw ComError(kRejectedSetting, kConfigSource, std::string(kBadTempPath) + std::string(text));
  }
}

}  // namespace

void Config::checkSetting(std::string_view name, std::string_view value) {
  checkLength(name, value);
  if (text::equalsIgnoreCase(name, kConnStringValue)) checkConnString(value);
  if (text::equalsIgnoreCase(name, kTempPathValue)) checkTempPath(value);
}

std::string Config::ConnString() const { return read(kConnStringValue); }

void Config::setConnString(std::string_view text) {
  checkSetting(kConnStringValue, text);
  write(kConnStringValue, text);
}

std::string Config::SiteDirectory() const { return read(kSiteDirectoryValue); }

void Config::setSiteDirectory(std::string_view text) {
  checkSetting(kSiteDirectoryValue, text);
  write(kSiteDirectoryValue, text);
}

std::string Config::TempPath() const { return read(kTempPathValue); }

void Config::setTempPath(std::string_view text) {
  checkSetting(kTempPathValue, text);
  write(kTempPathValue, text);
}

// Only the length: ConnString and TempPath named here are stored unchecked,
// as they always were.
void Config::SetConfig(std::string_view name, std::string_view value) {
  checkLength(name, value);
  write(name, value);
}

std::string Config::GetConfig(std::string_view name) const { return read(name); }

const DispatchTable<Config>& Config::dispatchTable() {
  static const DispatchTable<Config> table = Members<Config>()
      .property<&Config::ConnString, &Config::setConnString>("ConnString")
      .property<&Config::SiteDirectory, &Config::setSiteDirectory>("SiteDirectory")
      .property<&Config::TempPath, &Config::setTempPath>("TempPath")
      .method<&Config::SetConfig>("SetConfig")
      .method<&Config::GetConfig>("GetConfig")
      .build();
  return table;
}

}  // namespace corvela::core
