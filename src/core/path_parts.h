// Taking physical paths apart, and the file names of paged output. All of
// these are plain text functions: they never touch the file system. A "\"
// in a caller's path reads as the separator "/".
#pragma once

#include <string>
#include <string_view>

namespace corvela::core {

// The path with every "\" turned into "/" (what the engine once did the other
// way round, turning "/" into "\" for Windows).
std::string NormaliseSeparators(std::string_view path);

// Leading and trailing spaces removed (spaces only, as VBScript's Trim).
std::string_view trimSpaces(std::string_view text);

// Trimmed, one trailing "/" removed, then the text before the last "/";
// "/" when there is none.
std::string ParentFolderOf(std::string_view path);
// Trimmed, then the text before the last "/" (a trailing "/" is not removed
// first); "/" when there is none.
std::string ParentPathOf(std::string_view path);
// The text after the last "/", or the whole text.
std::string FileNameOf(std::string_view path);
// One trailing "/" removed, then FileNameOf.
std::string FolderNameOf(std::string_view path);
// The text after the last "." of the whole path, or "UNKNOWN".
std::string FileExtensionOf(std::string_view path);

// Page 1 (and below) keeps the name; page n > 1 inserts "_" + n before the
// extension (index.html, 3 -> index_3.html). A name without an extension
// gets "_" + n appended (index, 3 -> index_3).
std::string PagedFileName(std::string_view name, int page);

}  // namespace corvela::core
