// The file that holds one key's values. Format (bytes, so names and values
// may hold any text, newlines, "=" and NULs included):
//
//   CorvelaRegistry 1\n
//   <name length> <value length>\n<name bytes><value bytes>\n     (per value)
//
// Lengths are decimal byte counts. The file is replaced as a whole (temp file
// in the same folder, fsync, rename) while the key folder's lock is held.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::registry::detail {

struct NamedValue {
  std::string name;
  std::string data;
};

std::string encodeValues(const std::vector<NamedValue>& values);
// Nothing when the text is not a well-formed value file.
std::optional<std::vector<NamedValue>> decodeValues(std::string_view text);

// The values of the key in `folder`: empty when it has none yet, nothing
// when the file cannot be read or is damaged.
std::optional<std::vector<NamedValue>> loadValues(const std::filesystem::path& folder);

// Locks the key folder, loads its values, lets `change` edit them and, when
// it returns true, writes them back atomically. Anything but Stored leaves
// the file as it was; a damaged file is never replaced.
enum class UpdateOutcome { Stored, Declined, NotLocked, Unreadable, WriteFailed };
UpdateOutcome updateValues(const std::filesystem::path& folder,
                           const std::function<bool(std::vector<NamedValue>&)>& change);

}  // namespace corvela::registry::detail
