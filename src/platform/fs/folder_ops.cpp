// Folder operations and file facts: create, create a tree, delete a tree,
// list entries with attributes, sizes and dates (see file_system.h).
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "platform/fs/file_system.h"
#include "platform/fs/fs_error.h"
#include "platform/fs/path_text.h"
#include "platform/text/utf8.h"

namespace corvela::fs {
namespace {

using detail::Missing;
using detail::raiseErrno;

std::string checkedPath(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) raiseRuntimeError(52);
  return physicalPath(path);
}

double oleDateOf(const struct timespec& time) {
  struct tm local;
  if (!::localtime_r(&time.tv_sec, &local)) return 0;
  DateParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec};
  double date = 0;
  return oleDateFromParts(parts, date) ? date : 0;
}

// Facts about `path`; false (errno set) when it cannot be examined.
bool examine(const std::string& path, EntryInfo& info) {
  struct stat linkStat;
  if (::lstat(path.c_str(), &linkStat) != 0) return false;
  struct stat st = linkStat;
  bool isLink = S_ISLNK(linkStat.st_mode);
  if (isLink && ::stat(path.c_str(), &st) != 0) st = linkStat;  // a dangling link is a file
  info.name = fileNameOf(path);
  info.path = path;
  info.isFolder = S_ISDIR(st.st_mode);
  info.size = info.isFolder ? 0 : static_cast<uint64_t>(st.st_size);
  info.lastModified = oleDateOf(st.st_mtim);
  info.lastAccessed = oleDateOf(st.st_atim);
  info.created = info.lastModified;
  struct statx extended;
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &extended) == 0 &&
      (extended.stx_mask & STATX_BTIME)) {
    struct timespec birth = {static_cast<time_t>(extended.stx_btime.tv_sec),
                             static_cast<long>(extended.stx_btime.tv_nsec)};
    info.created = oleDateOf(birth);
  }
  info.attributes = info.isFolder ? kDirectory : kArchive;
  if (!(st.st_mode & S_IWUSR)) info.attributes |= kReadOnly;
  if (!info.name.empty() && info.name.front() == '.') info.attributes |= kHidden;
  if (isLink) info.attributes |= kAlias;
  return true;
}

bool isReadOnlyFile(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  auto status = entry.symlink_status(error);
  if (error || std::filesystem::is_directory(status) || std::filesystem::is_symlink(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

}  // namespace

void createFolder(std::string_view path) {
  std::string folder = checkedPath(path);
  if (::mkdir(folder.c_str(), 0777) != 0) raiseErrno(errno, folder, Missing::Folder);
}

void createFolderTree(std::string_view path) {
  std::string folder = checkedPath(path);
  std::string level = !folder.empty() && folder.front() == '/' ? "/" : "";
  size_t pos = 0;
  while (pos < folder.size()) {
    size_t slash = folder.find('/', pos);
    if (slash == std::string::npos) slash = folder.size();
    std::string_view segment(folder.data() + pos, slash - pos);
    pos = slash + 1;
    if (segment.empty()) continue;
    if (!level.empty() && level.back() != '/') level += '/';
    level += segment;
    struct stat st;
    if (::stat(level.c_str(), &st) == 0) {
      if (!S_ISDIR(st.st_mode)) raiseRuntimeError(58);
      continue;
    }
    if (::mkdir(level.c_str(), 0777) != 0 && !(errno == EEXIST && folderExists(level)))
      raiseErrno(errno, level, Missing::Folder);
  }
}

void deleteFolderTree(std::string_view path, bool force) {
  std::string folder = checkedPath(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  struct stat st;
  if (::lstat(folder.c_str(), &st) != 0) raiseRuntimeError(76);
  if (!S_ISDIR(st.st_mode)) {
    // A link to a folder goes as a link; its target is left alone.
    if (S_ISLNK(st.st_mode) && folderExists(folder)) {
      if (::unlink(folder.c_str()) != 0) raiseErrno(errno, folder, Missing::Folder);
      return;
    }
    raiseRuntimeError(76);
  }
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (!force && isReadOnlyFile(*it)) raiseRuntimeError(70);
    // Forced: folders without write permission would keep their entries.
    if (force && it->is_directory(error) && !it->is_symlink(error))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, error);
  }
  if (error) raiseErrno(error.value(), folder, Missing::Folder);
  std::filesystem::remove_all(folder, error);
  if (error) raiseErrno(error.value(), folder, Missing::Folder);
}

EntryInfo entryInfo(std::string_view path) {
  std::string item = checkedPath(path);
  EntryInfo info;
  if (!examine(item, info)) raiseErrno(errno, item, Missing::File);
  return info;
}

std::vector<EntryInfo> listFolder(std::string_view path) {
  std::string folder = checkedPath(path);
  if (!folderExists(folder)) raiseRuntimeError(76);
  std::vector<EntryInfo> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    EntryInfo info;
    // An entry removed while listing is simply not listed.
    if (examine(it->path().string(), info)) entries.push_back(std::move(info));
  }
  if (error) raiseErrno(error.value(), folder, Missing::Folder);
  std::sort(entries.begin(), entries.end(), [](const EntryInfo& a, const EntryInfo& b) {
    int order = text::compareIgnoreCase(a.name, b.name);
    return order != 0 ? order < 0 : a.name < b.name;
  });
  return entries;
}

uint64_t folderSize(std::string_view path) {
  std::string folder = checkedPath(path);
  if (!folderExists(folder)) raiseRuntimeError(76);
  uint64_t total = 0;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code sizeError;
    if (it->is_regular_file(sizeError) && !it->is_symlink(sizeError)) {
      uintmax_t size = it->file_size(sizeError);
      if (!sizeError) total += size;
    }
  }
  if (error) raiseErrno(error.value(), folder, Missing::Folder);
  return total;
}

}  // namespace corvela::fs
