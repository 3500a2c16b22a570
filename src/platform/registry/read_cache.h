// What readValue remembers between calls. Engine classes read their settings
// for nearly every operation (a generator reads the site directory and the
// connection string for every page it writes); without the cache each read
// walks the key's folders case-insensitively and reads the value file again.
// Remembered values are used while their file is the same file (inode), of
// the same size and modification time, so a write by any process is seen on
// the next read: one stat per read. A remembered key folder that no longer
// reads is looked up again (a key deleted, or made anew under other case).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/registry/value_file.h"

namespace corvela::registry::detail {

// The values of an existing key (see findKeyFolder and loadValues); null
// when the key path is not valid, the key does not exist or its values
// cannot be read. Shared, never changed: a later write makes a new list.
using SharedValues = std::shared_ptr<const std::vector<NamedValue>>;
SharedValues cachedKeyValues(std::string_view keyPath);

}  // namespace corvela::registry::detail
