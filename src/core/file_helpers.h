// The few file-system operations that several engine classes share, over
// the platform's file-system layer. Failures (missing folder, permission,
// a file in the way) reach the caller as that layer's errors.
#pragma once

#include <string>
#include <string_view>

namespace corvela::core {

// Makes each level of a folder path exist (empty segments skipped). An
// empty path raises 76 Path not found.
void MakeFolderSure(std::string_view path);
// The same for the folder that will hold a file; nothing when that folder
// is a single path segment.
void MakeParentFolderSure(std::string_view filePath);

// The text of a site file whose extension names a text type (HTML, TXT,
// ASP, ... and fragments of those names), "" for other types. Raises the
// UriToPath errors.
std::string TextContentOf(std::string_view uri);
// The file's lines, each followed by CR LF, decoded from the system code
// page; "" when the file cannot be opened.
std::string ReadTextFile(std::string_view path);

// Creates an empty file when none exists at the path.
void EnsureFile(std::string_view path);
// Copies with overwrite.
void CopyFileOver(std::string_view source, std::string_view target);
// Deletes a file, read-only ones too.
void DeleteFileForced(std::string_view path);
// Deletes a folder with its contents, read-only files too.
void DeleteFolderForced(std::string_view path);

}  // namespace corvela::core
