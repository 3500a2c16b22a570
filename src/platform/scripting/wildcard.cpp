// Wildcard matching and expansion for FileSystemObject sources (see wildcard.h).
#include "platform/scripting/wildcard.h"

#include "platform/fs/file_system.h"
#include "platform/fs/path_text.h"
#include "platform/text/utf8.h"

namespace corvela::scripting {

bool hasWildcard(std::string_view path) {
  return fs::fileNameOf(path).find_first_of("*?") != std::string::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
  std::string p = text::toLower(pattern);
  std::string n = text::toLower(name);
  // Iterative matching with one backtrack point for the last "*".
  size_t pi = 0, ni = 0;
  size_t starPattern = std::string::npos, starName = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == '*') {
      starPattern = pi++;
      starName = ni;
    } else if (pi < p.size() && p[pi] == '?') {
      ++pi;
      text::decodeCodePoint(n, ni);  // "?" is one character, not one byte
    } else if (pi < p.size() && p[pi] == n[ni]) {
      ++pi;
      ++ni;
    } else if (starPattern != std::string::npos) {
      pi = starPattern + 1;
      text::decodeCodePoint(n, starName);
      ni = starName;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

std::vector<std::string> expandWildcard(std::string_view pattern, bool folders) {
  std::string folder = fs::parentFolderOf(pattern);
  std::string name = fs::fileNameOf(pattern);
  std::vector<std::string> matches;
  for (const fs::EntryInfo& entry : fs::listFolder(folder.empty() ? "." : folder))
    if (entry.isFolder == folders && matchesWildcard(name, entry.name))
      matches.push_back(fs::buildPath(folder, entry.name));
  return matches;
}

}  // namespace corvela::scripting
