// Client file names: path parts cut off, unsafe names recognised.
#include "upload/client_file_name.h"

namespace corvela::upload {

std::string_view withoutClientPath(std::string_view fileName) {
  size_t separator = fileName.find_last_of("\\/");
  return separator == std::string_view::npos ? fileName : fileName.substr(separator + 1);
}

bool isSafeFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
  }
  return true;
}

}  // namespace corvela::upload
