// Path text as FileSystemObject handled it, on Linux paths: "\" in a caller's
// path reads as "/", there are no drive letters, and a path is absolute when
// it starts with "/". These functions only look at the text; none touches
// the disk except absolutePathOf, which needs the current folder.
#pragma once

#include <string>
#include <string_view>

namespace corvela::fs {

// The caller's path with every "\" turned into "/".
std::string physicalPath(std::string_view path);

// `path` and `name` joined by exactly one "/" (BuildPath).
std::string buildPath(std::string_view path, std::string_view name);
// The last component, trailing separators ignored: "/a/b/" gives "b"
// (GetFileName); "/" and "" give "".
std::string fileNameOf(std::string_view path);
// The last component without its extension (GetBaseName).
std::string baseNameOf(std::string_view path);
// The text after the last "." of the last component, "" without one
// (GetExtensionName).
std::string extensionOf(std::string_view path);
// The folder part, trailing separators ignored: "/a/b/c" gives "/a/b", "/a"
// gives "/", "a" and "/" give "" (GetParentFolderName).
std::string parentFolderOf(std::string_view path);
// The absolute form, relative to the current folder, with "." and ".."
// resolved in the text and no trailing "/" (GetAbsolutePathName).
std::string absolutePathOf(std::string_view path);

}  // namespace corvela::fs
