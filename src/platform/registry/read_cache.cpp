// The read cache, shared by every thread of the process.
#include "platform/registry/read_cache.h"

#include <sys/stat.h>

#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/registry/key_folder.h"
#include "platform/registry/registry.h"

namespace corvela::registry::detail {
namespace {

struct FileStamp {
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  bool operator==(const FileStamp& o) const {
    return inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec;
  }
};

struct CachedValues {
  FileStamp stamp;
  SharedValues values;
};

std::mutex cacheMutex;
std::unordered_map<std::string, std::filesystem::path> keyFolders;  // root folder + "\n" + key path
std::unordered_map<std::string, CachedValues> valueFiles;           // by value file path

bool isFolder(const std::filesystem::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

SharedValues shared(std::optional<std::vector<NamedValue>> values) {
  return values ? std::make_shared<const std::vector<NamedValue>>(std::move(*values)) : nullptr;
}

SharedValues cachedValues(const std::filesystem::path& folder) {
  std::string file = (folder / kValueFileName).string();
  struct stat info;
  if (::stat(file.c_str(), &info) != 0) return shared(loadValues(folder));
  FileStamp stamp{info.st_ino, info.st_size, info.st_mtim};
  {
    std::lock_guard lock(cacheMutex);
    auto found = valueFiles.find(file);
    if (found != valueFiles.end() && found->second.stamp == stamp) return found->second.values;
  }
  // Read after the stat: a file replaced in between is read new under the
  // old stamp, so the next read looks again; never the other way round.
  SharedValues values = shared(loadValues(folder));
  if (values) {
    std::lock_guard lock(cacheMutex);
    valueFiles[file] = CachedValues{stamp, values};
  }
  return values;
}

}  // namespace

SharedValues cachedKeyValues(std::string_view keyPath) {
  // The root folder is part of the name: tests and tools point
  // $CORVELA_REGISTRY at other folders while the process runs.
  std::string name = rootFolder().string() + "\n" + std::string(keyPath);
  std::optional<std::filesystem::path> remembered;
  {
    std::lock_guard lock(cacheMutex);
    auto found = keyFolders.find(name);
    if (found != keyFolders.end()) remembered = found->second;
  }
  if (remembered) {
    if (auto values = cachedValues(*remembered)) return values;
    std::lock_guard lock(cacheMutex);
    keyFolders.erase(name);
  }
  // Only valid key paths are remembered, so a path is checked on a miss.
  auto segments = splitKeyPath(keyPath);
  if (!segments) return nullptr;
  std::optional<std::filesystem::path> folder = findKeyFolder(*segments);
  if (!folder || !isFolder(*folder)) return nullptr;
  {
    std::lock_guard lock(cacheMutex);
    keyFolders[name] = *folder;
  }
  return cachedValues(*folder);
}

}  // namespace corvela::registry::detail
