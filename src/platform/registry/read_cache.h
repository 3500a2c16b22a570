// What readValue remembers between calls. Engine classes read their settings
// for nearly every operation (a generator reads the site directory and the
// connection string for every page it writes); without the cache each read
// walks the key's folders case-insensitively and reads the value file again.
// A remembered key folder is used while it still exists; remembered values
// while their file is the same file (inode), of the same size and
// modification time, so a write by any process is seen on the next read.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/registry/value_file.h"

namespace corvela::registry::detail {

// The folder of an existing key (see findKeyFolder).
std::optional<std::filesystem::path> cachedKeyFolder(std::string_view keyPath,
                                                     const std::vector<std::string>& segments);

// The values of the key in `folder` (see loadValues).
std::optional<std::vector<NamedValue>> cachedValues(const std::filesystem::path& folder);

}  // namespace corvela::registry::detail
