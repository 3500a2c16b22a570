// Reading, encoding and atomic replacement of a key's value file.
#include "platform/registry/value_file.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/registry/folder_lock.h"
#include "platform/registry/key_folder.h"

namespace corvela::registry::detail {
namespace {

constexpr std::string_view kHeader = "CorvelaRegistry 1\n";

bool readNumber(std::string_view text, size_t& pos, char terminator, size_t& number) {
  size_t end = text.find(terminator, pos);
  if (end == std::string_view::npos || end == pos) return false;
  const char* first = text.data() + pos;
  const char* last = text.data() + end;
  auto [ptr, error] = std::from_chars(first, last, number);
  if (error != std::errc() || ptr != last) return false;
  pos = end + 1;
  return true;
}

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

// Writes the bytes to a fresh temp file beside the value file and renames it
// over the value file, so readers see either the old or the new file whole.
bool replaceFile(const std::filesystem::path& folder, std::string_view bytes) {
  std::string temp = (folder / (std::string(kValueFileName) + ".XXXXXX")).string();
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temp.c_str(), (folder / kValueFileName).c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace

std::string encodeValues(const std::vector<NamedValue>& values) {
  std::string out(kHeader);
  for (const NamedValue& value : values) {
    out += std::to_string(value.name.size());
    out += ' ';
    out += std::to_string(value.data.size());
    out += '\n';
    out += value.name;
    out += value.data;
    out += '\n';
  }
  return out;
}

std::optional<std::vector<NamedValue>> decodeValues(std::string_view text) {
  if (text.substr(0, kHeader.size()) != kHeader) return std::nullopt;
  std::vector<NamedValue> values;
  size_t pos = kHeader.size();
  while (pos < text.size()) {
    size_t nameLength = 0, dataLength = 0;
    if (!readNumber(text, pos, ' ', nameLength) || !readNumber(text, pos, '\n', dataLength))
      return std::nullopt;
    if (nameLength > text.size() - pos || dataLength > text.size() - pos - nameLength ||
        text.size() - pos - nameLength - dataLength < 1)
      return std::nullopt;
    NamedValue value{std::string(text.substr(pos, nameLength)),
                     std::string(text.substr(pos + nameLength, dataLength))};
    pos += nameLength + dataLength;
    if (text[pos] != '\n') return std::nullopt;
    ++pos;
    values.push_back(std::move(value));
  }
  return values;
}

std::optional<std::vector<NamedValue>> loadValues(const std::filesystem::path& folder) {
  std::ifstream in(folder / kValueFileName, std::ios::binary);
  if (!in) {
    std::error_code error;
    bool folderThere = std::filesystem::is_directory(folder, error);
    bool fileThere = std::filesystem::exists(folder / kValueFileName, error);
    if (folderThere && !fileThere) return std::vector<NamedValue>{};
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return decodeValues(content.str());
}

UpdateOutcome updateValues(const std::filesystem::path& folder,
                           const std::function<bool(std::vector<NamedValue>&)>& change) {
  FolderLock lock(folder);
  if (!lock.locked()) return UpdateOutcome::NotLocked;
  std::optional<std::vector<NamedValue>> values = loadValues(folder);
  if (!values) return UpdateOutcome::Unreadable;
  if (!change(*values)) return UpdateOutcome::Declined;
  return replaceFile(folder, encodeValues(*values)) ? UpdateOutcome::Stored : UpdateOutcome::WriteFailed;
}

}  // namespace corvela::registry::detail
