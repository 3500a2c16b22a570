// Renaming on clashes and the extension test.
#include "upload/save_names.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <vector>

#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"
#include "upload/upload_errors.h"

namespace corvela::upload {
namespace {

constexpr std::string_view kNoFreeNameText = "找不到不重名的文件名：";

// Claims the name by creating an empty file under it, so a second upload
// saving at the same moment cannot choose it too. Anything already there
// counts as taken: a file, a folder, even a dangling link. Any other failure
// (a missing folder) leaves the name to the writer, which reports it.
bool claimName(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return errno != EEXIST;
}

std::vector<std::string> allowedExtensions(std::string_view tag) {
  std::vector<std::string> entries;
  if (tag.empty()) return {std::string()};
  size_t start = 0;
  while (start < tag.size()) {
    size_t end = tag.find(';', start);
    std::string_view entry = tag.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (entry.starts_with('.')) entry.remove_prefix(1);
    entries.push_back(text::toUpper(entry));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return entries;
}

}  // namespace

std::string_view GetExtension(std::string_view name) {
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

std::string_view StripExtension(std::string_view name) {
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

std::string nextCandidate(std::string_view candidate) {
  std::string base(StripExtension(candidate));
  char last = base.empty() ? '\0' : base.back();
  if (last >= '1' && last <= '8')
    base.back() = static_cast<char>(last + 1);
  else
    base += '1';
  if (candidate.find('.') == std::string_view::npos) return base;
  return base + "." + std::string(GetExtension(candidate));
}

std::string UniqueName(std::string_view folder, std::string_view name) {
  std::string prefix = std::string(folder) + "/";
  std::string candidate(name);
  for (int attempt = 0; attempt <= kMaxRenameAttempts; ++attempt) {
    if (claimName(prefix + candidate)) return candidate;
    candidate = nextCandidate(candidate);
  }
  throw ComError(kNoFreeNameError, kUploadErrorSource, std::string(kNoFreeNameText) + std::string(name));
}

bool extensionAllowed(std::string_view file, std::string_view tag) {
  std::string upper = text::toUpper(file);
  std::string extension(GetExtension(upper));
  for (const std::string& entry : allowedExtensions(tag))
    if (entry == extension) return true;
  return false;
}

}  // namespace corvela::upload
