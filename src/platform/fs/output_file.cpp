// Buffered piecewise file writing for text streams (see output_file.h).
#include "platform/fs/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/automation/com_error.h"
#include "platform/fs/fs_error.h"
#include "platform/fs/path_text.h"

namespace corvela::fs {
namespace {

constexpr size_t kBufferLimit = 64 * 1024;

}  // namespace

OutputFile::OutputFile(std::string_view path, Mode mode, bool createIfMissing) {
  if (path.find('\0') != std::string_view::npos) raiseRuntimeError(52);
  path_ = physicalPath(path);
  struct stat st;
  if (::stat(path_.c_str(), &st) == 0) {
    // Root may write anywhere; the read-only attribute still protects a file.
    if (S_ISDIR(st.st_mode) || !(st.st_mode & S_IWUSR)) raiseRuntimeError(70);
  }
  int flags = O_WRONLY | O_CLOEXEC | (mode == Mode::Truncate ? O_TRUNC : O_APPEND);
  if (createIfMissing) flags |= O_CREAT;
  fd_ = ::open(path_.c_str(), flags, 0666);
  if (fd_ < 0) detail::raiseErrno(errno, path_, detail::Missing::File);
  startedEmpty_ = ::fstat(fd_, &st) == 0 && st.st_size == 0;
}

OutputFile::~OutputFile() {
  if (fd_ < 0) return;
  // Best effort only: errors are reported by close(), which callers that
  // care about them call before the object goes.
  std::string_view rest(buffer_);
  while (!rest.empty()) {
    ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    rest.remove_prefix(static_cast<size_t>(written));
  }
  ::close(fd_);
}

void OutputFile::write(std::string_view bytes) {
  if (fd_ < 0) raiseRuntimeError(52);
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferLimit) flush();
}

void OutputFile::flush() {
  if (fd_ < 0) raiseRuntimeError(52);
  std::string_view rest(buffer_);
  while (!rest.empty()) {
    ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      buffer_.erase(0, buffer_.size() - rest.size());
      detail::raiseErrno(error, path_, detail::Missing::File);
    }
    rest.remove_prefix(static_cast<size_t>(written));
  }
  buffer_.clear();
}

void OutputFile::close() {
  if (fd_ < 0) return;
  flush();
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) detail::raiseErrno(errno, path_, detail::Missing::File);
}

}  // namespace corvela::fs
