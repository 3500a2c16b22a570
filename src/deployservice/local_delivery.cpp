#include "deployservice/local_delivery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/automation/com_error.h"
#include "platform/fs/file_system.h"
#include "platform/fs/path_text.h"

namespace corvela::deployservice {
namespace {

constexpr const char* kPartSuffix = ".deploying";

[[noreturn]] void raiseFor(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      raiseRuntimeError(76);
    case EACCES:
    case EPERM:
    case EROFS:
      raiseRuntimeError(70);
    case ENOSPC:
    case EDQUOT:
      raiseRuntimeError(61);
    default:
      raiseRuntimeError(57);
  }
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Copies every byte, in the kernel where the file system allows it.
int copyContents(int from, int to, off_t size) {
  off_t left = size;
  while (left > 0) {
    ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, static_cast<size_t>(left), 0);
    if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) break;
    if (copied < 0) return errno;
    if (copied == 0) return 0;
    left -= copied;
  }
  char buffer[1 << 16];
  for (;;) {
    ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0) return errno;
    if (got == 0) return 0;
    for (ssize_t done = 0; done < got;) {
      ssize_t put = ::write(to, buffer + done, static_cast<size_t>(got - done));
      if (put < 0) return errno;
      done += put;
    }
  }
}

}  // namespace

void deliverFile(const std::string& source, const std::string& target) {
  Descriptor from{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
  if (from.fd < 0) {
    if (errno == ENOENT) raiseRuntimeError(53);
    raiseFor(errno);
  }
  struct stat info;
  if (::fstat(from.fd, &info) != 0) raiseFor(errno);
  std::string folder = fs::parentFolderOf(target);
  if (!folder.empty()) fs::createFolderTree(folder);

  std::string part = (folder.empty() ? std::string() : folder + "/") + "." + fs::fileNameOf(target) + kPartSuffix;
  Descriptor to{::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
  if (to.fd < 0) raiseFor(errno);
  int error = copyContents(from.fd, to.fd, info.st_size);
  // The copy keeps the snapshot's modification time, as the site file had it.
  timespec times[2] = {info.st_atim, info.st_mtim};
  if (error == 0 && ::futimens(to.fd, times) != 0) error = errno;
  if (error == 0 && ::close(to.fd) != 0) error = errno;
  to.fd = -1;
  if (error == 0 && ::rename(part.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(part.c_str());
    raiseFor(error);
  }
}

}  // namespace corvela::deployservice
