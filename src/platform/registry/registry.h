// The registry: a tree of keys holding named string values, kept in files
// under one root folder ($CORVELA_REGISTRY, else /etc/corvela/registry for
// root, else $XDG_CONFIG_HOME/corvela/registry). A key is a folder; its values
// live in one file in that folder, written atomically under an advisory lock.
// Key and value names compare case-insensitively. A key path is written as
// Windows wrote it: "HKEY_LOCAL_MACHINE\SOFTWARE\Corvela" ("/" reads as "\").
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::registry {

std::filesystem::path rootFolder();

bool keyExists(std::string_view keyPath);
// Creates the key and its missing parents; false when that fails.
bool createKey(std::string_view keyPath);
// Removes the key with its values and subkeys; false when it does not exist.
bool deleteKey(std::string_view keyPath);

// The value, or nothing when the key or the value does not exist.
std::optional<std::string> readValue(std::string_view keyPath, std::string_view valueName);
// Stores the value; false (and nothing written) when the key does not exist.
// Keys are never created by a write.
bool writeValue(std::string_view keyPath, std::string_view valueName, std::string_view value);
// As writeValue, for callers that report failures: "" when the value was
// stored, else why not, naming the key or its value file.
std::string storeValue(std::string_view keyPath, std::string_view valueName, std::string_view value);
bool deleteValue(std::string_view keyPath, std::string_view valueName);
std::vector<std::string> valueNames(std::string_view keyPath);
std::vector<std::string> subkeyNames(std::string_view keyPath);

}  // namespace corvela::registry
