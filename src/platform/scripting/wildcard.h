// Wildcards in the last component of a FileSystemObject source path ("*" any
// run of characters, "?" one character), matched case-insensitively as
// Windows file names are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvela::scripting {

bool hasWildcard(std::string_view path);
bool matchesWildcard(std::string_view pattern, std::string_view name);
// The paths of the files (or folders) in the pattern's folder whose names
// match its last component, in name order; 76 when that folder is missing.
std::vector<std::string> expandWildcard(std::string_view pattern, bool folders);

}  // namespace corvela::scripting
