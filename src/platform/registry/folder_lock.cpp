// Advisory folder lock for registry writers (see folder_lock.h).
#include "platform/registry/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvela::registry::detail {

FolderLock::FolderLock(const std::filesystem::path& folder) {
  fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  // Each lock opens its own descriptor, so threads of one process exclude
  // each other as separate processes do.
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}

}  // namespace corvela::registry::detail
