// Key path parsing and case-insensitive key folder lookup (see key_folder.h).
#include "platform/registry/key_folder.h"

#include <array>
#include <cstdlib>
#include <unistd.h>

#include "platform/registry/folder_lock.h"
#include "platform/registry/registry.h"
#include "platform/text/utf8.h"

namespace corvela::registry {

std::filesystem::path rootFolder() {
  if (const char* dir = std::getenv("CORVELA_REGISTRY"); dir && *dir) return dir;
  if (::geteuid() == 0) return "/etc/corvela/registry";
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return std::filesystem::path(config) / "corvela" / "registry";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/") / ".config" / "corvela" / "registry";
}

}  // namespace corvela::registry

namespace corvela::registry::detail {
namespace {

// The predefined keys of the Windows registry; a key path must start with one.
constexpr std::array<std::string_view, 7> kRootNames = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

constexpr std::array<std::string_view, 6> kComputerNameKey = {
    "HKEY_LOCAL_MACHINE", "SYSTEM", "CurrentControlSet", "Control", "ComputerName",
    "ActiveComputerName"};

std::optional<std::string_view> canonicalRoot(std::string_view name) {
  for (std::string_view root : kRootNames)
    if (namesEqual(root, name)) return root;
  return std::nullopt;
}

// The subfolder of `parent` whose name matches `name` case-insensitively; an
// exact match wins, otherwise the first match in name order (only a folder
// edited by hand can hold two names that differ in case alone).
std::optional<std::filesystem::path> findChild(const std::filesystem::path& parent,
                                               std::string_view name) {
  std::error_code error;
  std::filesystem::path exact = parent / std::string(name);
  if (std::filesystem::is_directory(exact, error)) return exact;
  std::optional<std::filesystem::path> best;
  std::filesystem::directory_iterator it(parent, error), end;
  for (; !error && it != end; it.increment(error)) {
    if (!it->is_directory(error)) continue;
    std::string entry = it->path().filename().string();
    if (!namesEqual(entry, name)) continue;
    if (!best || entry < best->filename().string()) best = it->path();
  }
  return best;
}

}  // namespace

bool namesEqual(std::string_view a, std::string_view b) { return text::equalsIgnoreCase(a, b); }

std::optional<std::vector<std::string>> splitKeyPath(std::string_view keyPath) {
  std::vector<std::string> segments;
  size_t start = 0;
  while (start <= keyPath.size()) {
    size_t end = keyPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = keyPath.size();
    std::string_view segment = keyPath.substr(start, end - start);
    if (segment == "." || segment == "..") return std::nullopt;
    if (segment.find('\0') != std::string_view::npos) return std::nullopt;
    if (!segment.empty()) segments.emplace_back(segment);
    start = end + 1;
  }
  if (segments.empty()) return std::nullopt;
  std::optional<std::string_view> root = canonicalRoot(segments.front());
  if (!root) return std::nullopt;
  segments.front() = std::string(*root);
  return segments;
}

std::optional<std::filesystem::path> findKeyFolder(const std::vector<std::string>& segments) {
  std::filesystem::path folder = rootFolder() / segments.front();
  for (size_t i = 1; i < segments.size(); ++i) {
    std::optional<std::filesystem::path> child = findChild(folder, segments[i]);
    if (!child) return std::nullopt;
    folder = std::move(*child);
  }
  return folder;
}

std::optional<std::filesystem::path> makeKeyFolder(const std::vector<std::string>& segments) {
  std::error_code error;
  std::filesystem::path folder = rootFolder() / segments.front();
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
  for (size_t i = 1; i < segments.size(); ++i) {
    if (namesEqual(segments[i], kValueFileName)) return std::nullopt;
    // Holding the parent's lock while looking and creating keeps two
    // creators from making "Key" and "KEY" side by side.
    FolderLock lock(folder);
    if (!lock.locked()) return std::nullopt;
    std::optional<std::filesystem::path> child = findChild(folder, segments[i]);
    if (!child) {
      child = folder / segments[i];
      if (!std::filesystem::create_directory(*child, error) && error) return std::nullopt;
    }
    folder = std::move(*child);
  }
  return folder;
}

bool isComputerNameKey(const std::vector<std::string>& segments) {
  if (segments.size() != kComputerNameKey.size()) return false;
  for (size_t i = 0; i < segments.size(); ++i)
    if (!namesEqual(segments[i], kComputerNameKey[i])) return false;
  return true;
}

}  // namespace corvela::registry::detail
