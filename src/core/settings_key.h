// The registry key that holds every installation setting of the engine, and
// the names of the values the engine itself reads.
#pragma once

#include <string_view>

namespace corvela::core {

inline constexpr std::string_view kSettingsKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela";

inline constexpr std::string_view kConnStringValue = "ConnString";
inline constexpr std::string_view kSiteDirectoryValue = "SiteDirectory";
inline constexpr std::string_view kTempPathValue = "TempPath";
inline constexpr std::string_view kPluginValue = "plugin";
inline constexpr std::string_view kDeployPluginValue = "deployplugin";

// What a value that cannot be read reads as; each reader decides its meaning.
inline constexpr std::string_view kReadFailed = "Error";

}  // namespace corvela::core
