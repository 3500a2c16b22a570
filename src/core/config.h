// Config (ProgID "Corvela.Config"): what administration pages use to read and
// change the installation settings. It holds nothing itself; every call goes
// to the settings key. Getters return what the registry read returns, so a
// missing value comes back as "Error".
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::core {

class Config : public DispatchObject<Config> {
 public:
  static constexpr std::string_view kClassName = "Config";
  static const DispatchTable<Config>& dispatchTable();

  std::string ConnString() const;
  // Test-opens the connection first; a string that does not open raises 6145
  // "Corvela.Config" "错误的数据库连接串：" + text and stores nothing.
  void setConnString(std::string_view text);

  std::string SiteDirectory() const;
  // Stored without any check (the URI functions refuse an empty one).
  void setSiteDirectory(std::string_view text);

  std::string TempPath() const;
  // Makes the folder and its missing parents exist first; when that fails
  // raises 6145 "Corvela.Config" "错误的临时目录：" + text and stores nothing.
  void setTempPath(std::string_view text);

  // Any value under the settings key; writes into a missing key are lost.
  void SetConfig(std::string_view name, std::string_view value);
  std::string GetConfig(std::string_view name) const;

  // The checks a setter of `name` makes before it writes, for callers that
  // write themselves and report failures. Every setter refuses a value too
  // long to read back (more than 254 bytes in the system code page) with
  // 6145 "Corvela.Config" kValueTooLong + name; it would only ever read as
  // "Error".
  static void checkSetting(std::string_view name, std::string_view value);
};

inline constexpr int kRejectedSetting = 6145;
inline constexpr const char* kConfigSource = "Corvela.Config";
inline constexpr const char* kBadConnString = "错误的数据库连接串：";
inline constexpr const char* kBadTempPath = "错误的临时目录：";
inline constexpr const char* kValueTooLong = "Setting value longer than 254 bytes: ";

}  // namespace corvela::core
