// FileSystemObject-style path text functions over Linux paths (see path_text.h).
#include "platform/fs/path_text.h"

#include <filesystem>
#include <vector>

namespace corvela::fs {
namespace {

// The path without trailing "/" (but "/" itself stays "/").
std::string_view withoutTrailingSlashes(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return path;
}

}  // namespace

std::string physicalPath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string buildPath(std::string_view path, std::string_view name) {
  std::string left = physicalPath(path);
  std::string right = physicalPath(name);
  if (left.empty()) return right;
  if (right.empty()) return left;
  bool leftEnds = left.back() == '/';
  bool rightStarts = right.front() == '/';
  if (leftEnds && rightStarts) return left + right.substr(1);
  if (leftEnds || rightStarts) return left + right;
  return left + "/" + right;
}

std::string fileNameOf(std::string_view path) {
  std::string text = physicalPath(path);
  std::string_view trimmed = withoutTrailingSlashes(text);
  if (trimmed == "/") return {};
  size_t slash = trimmed.rfind('/');
  return std::string(slash == std::string_view::npos ? trimmed : trimmed.substr(slash + 1));
}

std::string baseNameOf(std::string_view path) {
  std::string name = fileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string extensionOf(std::string_view path) {
  std::string name = fileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string parentFolderOf(std::string_view path) {
  std::string text = physicalPath(path);
  std::string_view trimmed = withoutTrailingSlashes(text);
  if (trimmed == "/") return {};
  size_t slash = trimmed.rfind('/');
  if (slash == std::string_view::npos) return {};
  std::string_view parent = withoutTrailingSlashes(trimmed.substr(0, slash + 1));
  return std::string(parent);
}

std::string absolutePathOf(std::string_view path) {
  std::string text = physicalPath(path);
  std::string full = !text.empty() && text.front() == '/'
                         ? text
                         : std::filesystem::current_path().string() + "/" + text;
  std::vector<std::string_view> parts;
  std::string_view rest(full);
  while (!rest.empty()) {
    size_t slash = rest.find('/');
    std::string_view part = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string out;
  for (std::string_view part : parts) {
    out += '/';
    out += part;
  }
  return out.empty() ? "/" : out;
}

}  // namespace corvela::fs
