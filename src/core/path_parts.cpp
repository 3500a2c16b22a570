// Path splitting and paged file names.
#include "core/path_parts.h"

namespace corvela::core {

std::string NormaliseSeparators(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string_view trimSpaces(std::string_view text) {
  size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(' ');
  return text.substr(start, end - start + 1);
}

std::string ParentFolderOf(std::string_view path) {
  std::string p = NormaliseSeparators(trimSpaces(path));
  if (!p.empty() && p.back() == '/') p.pop_back();
  size_t slash = p.rfind('/');
  if (slash == std::string::npos) return "/";
  return p.substr(0, slash);
}

std::string ParentPathOf(std::string_view path) {
  std::string p = NormaliseSeparators(trimSpaces(path));
  size_t slash = p.rfind('/');
  if (slash == std::string::npos) return "/";
  return p.substr(0, slash);
}

std::string FileNameOf(std::string_view path) {
  std::string p = NormaliseSeparators(path);
  size_t slash = p.rfind('/');
  if (slash == std::string::npos) return p;
  return p.substr(slash + 1);
}

std::string FolderNameOf(std::string_view path) {
  std::string p = NormaliseSeparators(path);
  if (!p.empty() && p.back() == '/') p.pop_back();
  return FileNameOf(p);
}

std::string FileExtensionOf(std::string_view path) {
  std::string p = NormaliseSeparators(path);
  size_t dot = p.rfind('.');
  if (dot == std::string::npos) return "UNKNOWN";
  return p.substr(dot + 1);
}

std::string PagedFileName(std::string_view name, int page) {
  std::string n(name);
  if (page <= 1) return n;
  std::string suffix = "_" + std::to_string(page);
  // A dot in a folder name in front of the file name is no extension.
  size_t dot = n.rfind('.');
  size_t slash = n.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return n + suffix;
  return n.substr(0, dot) + suffix + n.substr(dot);
}

}  // namespace corvela::core
