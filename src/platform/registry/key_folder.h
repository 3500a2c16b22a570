// Where registry keys live on disk: the root folder, the parsing of key paths
// ("HKEY_LOCAL_MACHINE\SOFTWARE\Corvela", "/" read as "\") and the lookup of
// key folders whose names match case-insensitively.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::registry::detail {

// Name of the file inside a key folder that holds the key's values. It can
// never be a subkey name (createKey refuses it).
inline constexpr std::string_view kValueFileName = "@values";

// The segments of a key path, first the root name. Nothing when the path is
// unusable: no root, an unknown root, or a "." / ".." segment that would
// leave the registry folder. Empty segments (doubled or trailing "\") are
// skipped.
std::optional<std::vector<std::string>> splitKeyPath(std::string_view keyPath);

// ASCII and Unicode-aware case-insensitive equality of two names.
bool namesEqual(std::string_view a, std::string_view b);

// The folder of an existing key, matching each segment case-insensitively;
// nothing when the key does not exist. Root keys always exist (their folder
// may still be missing on disk, see rootKeyFolder).
std::optional<std::filesystem::path> findKeyFolder(const std::vector<std::string>& segments);

// The folder of a key, creating missing levels with the case given.
std::optional<std::filesystem::path> makeKeyFolder(const std::vector<std::string>& segments);

// True when the segments name the key that the host name is read from.
bool isComputerNameKey(const std::vector<std::string>& segments);

}  // namespace corvela::registry::detail
