// File operations: existence, whole-file read and atomic write, copy, delete,
// move and temp names (see file_system.h).
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/automation/com_error.h"
#include "platform/fs/file_system.h"
#include "platform/fs/fs_error.h"
#include "platform/fs/path_text.h"

namespace corvela::fs {
namespace {

using detail::Missing;
using detail::raiseErrno;

// The caller's path as a Linux path; a NUL inside cannot name a file (52).
std::string checkedPath(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) raiseRuntimeError(52);
  return physicalPath(path);
}

std::mt19937_64& randomGenerator() {
  thread_local std::mt19937_64 generator{std::random_device{}()};
  return generator;
}

// Closes a descriptor when the scope ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error that close() may still give (delayed
  // write errors on network file systems).
  int close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A new temp file beside `target` (same folder, so rename is atomic), made
// with `mode` less the umask. Its path is stored in `tempPath`.
int createTempBeside(const std::string& target, mode_t mode, std::string& tempPath) {
  std::string folder = parentFolderOf(target);
  // The name is cut so that the temp name stays within NAME_MAX (255 bytes).
  std::string prefix = (folder.empty() ? std::string() : folder + "/") + "." + fileNameOf(target).substr(0, 200) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08llx~", static_cast<unsigned long long>(randomGenerator()() & 0xFFFFFFFF));
    tempPath = prefix + suffix;
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Where a write to `path` goes: the target of a symbolic link, else the path.
std::string writeTarget(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

// Checks that an existing target may be replaced and returns its mode bits;
// nothing when there is no target yet.
std::optional<mode_t> replaceableMode(const std::string& target, bool overwrite) {
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return std::nullopt;
  if (!overwrite) raiseRuntimeError(58);
  if (S_ISDIR(st.st_mode) || !(st.st_mode & S_IWUSR)) raiseRuntimeError(70);
  return st.st_mode & 07777;
}

// Streams what `fill` writes into a temp file and renames it over `target`;
// on any failure the temp file is removed and the error raised. A replaced
// file keeps its mode; a new one gets `newMode` less the umask.
template <typename Fill>
void replaceAtomically(const std::string& target, std::optional<mode_t> oldMode, mode_t newMode,
                       Fill fill) {
  std::string temp;
  int fd = createTempBeside(target, oldMode.value_or(newMode), temp);
  if (fd < 0) raiseErrno(errno, target, Missing::File);
  Descriptor file(fd);
  int error = fill(fd);
  // The umask may have cut bits of the old mode.
  if (error == 0 && oldMode && ::fchmod(fd, *oldMode) != 0) error = errno;
  int closeError = file.close();
  if (error == 0) error = closeError;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    raiseErrno(error, target, Missing::File);
  }
}

}  // namespace

bool fileExists(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) return false;
  struct stat st;
  return ::stat(physicalPath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folderExists(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) return false;
  struct stat st;
  return ::stat(physicalPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string readFile(std::string_view path) {
  std::string file = checkedPath(path);
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) raiseErrno(errno, file, Missing::File);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) raiseErrno(errno, file, Missing::File);
  if (S_ISDIR(st.st_mode)) raiseRuntimeError(70);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      raiseErrno(errno, file, Missing::File);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  return bytes;
}

void writeFile(std::string_view path, std::string_view bytes) {
  std::string target = writeTarget(checkedPath(path));
  replaceAtomically(target, replaceableMode(target, true), 0666, [&](int fd) { return writeAll(fd, bytes) ? 0 : errno; });
}

void copyFile(std::string_view source, std::string_view target, bool overwrite) {
  std::string from = checkedPath(source);
  std::string to = writeTarget(checkedPath(target));
  Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) raiseErrno(errno, from, Missing::File);
  struct stat sourceStat;
  if (::fstat(in.get(), &sourceStat) != 0) raiseErrno(errno, from, Missing::File);
  if (S_ISDIR(sourceStat.st_mode)) raiseRuntimeError(53);
  std::optional<mode_t> targetMode = replaceableMode(to, overwrite);
  struct stat targetStat;
  if (targetMode && ::stat(to.c_str(), &targetStat) == 0 && targetStat.st_dev == sourceStat.st_dev &&
      targetStat.st_ino == sourceStat.st_ino)
    raiseRuntimeError(70);  // a file cannot be copied onto itself
  replaceAtomically(to, targetMode, sourceStat.st_mode & 07777, [&](int fd) {
    char buffer[65536];
    for (;;) {
      ssize_t got = ::read(in.get(), buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return errno;
      if (got == 0) break;
      if (!writeAll(fd, std::string_view(buffer, static_cast<size_t>(got)))) return errno;
    }
    const struct timespec times[2] = {{0, UTIME_NOW}, sourceStat.st_mtim};
    return ::futimens(fd, times) == 0 ? 0 : errno;
  });
}

void deleteFile(std::string_view path, bool force) {
  std::string file = checkedPath(path);
  struct stat st;
  if (::lstat(file.c_str(), &st) != 0) raiseErrno(errno, file, Missing::File);
  if (S_ISDIR(st.st_mode)) raiseRuntimeError(53);
  if (!force && !S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) raiseRuntimeError(70);
  if (::unlink(file.c_str()) != 0) raiseErrno(errno, file, Missing::File);
}

void moveItem(std::string_view source, std::string_view target) {
  std::string from = checkedPath(source);
  std::string to = checkedPath(target);
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) raiseErrno(errno, from, Missing::File);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
  int error = errno;
  if (error == EINVAL || error == ENOSYS) {
    // The file system cannot refuse to replace; check first instead.
    struct stat existing;
    if (::lstat(to.c_str(), &existing) == 0) raiseRuntimeError(58);
    if (::rename(from.c_str(), to.c_str()) == 0) return;
    error = errno;
  }
  if (error != EXDEV) raiseErrno(error, to, Missing::File);
  // Another file system: copy the whole item, then remove the original.
  std::error_code copyError;
  if (std::filesystem::exists(std::filesystem::symlink_status(to, copyError))) raiseRuntimeError(58);
  std::filesystem::copy(from, to,
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks,
                        copyError);
  if (copyError) raiseErrno(copyError.value(), to, Missing::File);
  std::filesystem::remove_all(from, copyError);
  if (copyError) raiseErrno(copyError.value(), from, Missing::File);
}

std::string tempName() {
  char name[16];
  std::snprintf(name, sizeof name, "rad%05llX.tmp",
                static_cast<unsigned long long>(randomGenerator()() & 0xFFFFF));
  return name;
}

}  // namespace corvela::fs
