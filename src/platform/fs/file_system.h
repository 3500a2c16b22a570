// File and folder operations as the system used FileSystemObject for them.
// Paths are Linux paths; a "\" in a caller's path reads as "/". Failures
// raise ComError with VBScript's run-time numbers and texts:
//   53 File not found, 76 Path not found, 70 Permission denied,
//   58 File already exists, 61 Disk full, 67 Too many files,
//   52 Bad file name or number (name too long, NUL), 57 Device I/O error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::fs {

// FileSystemObject attribute bits.
enum Attribute : int32_t {
  kNormal = 0,
  kReadOnly = 1,  // no write permission for the owner
  kHidden = 2,    // name starts with "."
  kDirectory = 16,
  kArchive = 32,  // set for every file, as Windows does for new files
  kAlias = 1024,  // a symbolic link
};

struct EntryInfo {
  std::string name;  // last component
  std::string path;  // as listed or asked for
  bool isFolder = false;
  uint64_t size = 0;  // bytes of a file; 0 for a folder (see folderSize)
  double created = 0;  // OLE dates, local time
  double lastModified = 0;
  double lastAccessed = 0;
  int32_t attributes = kNormal;
};

bool fileExists(std::string_view path);    // a file (or a link to one)
bool folderExists(std::string_view path);  // a folder (or a link to one)

// The whole file as bytes.
std::string readFile(std::string_view path);
// Replaces the file with `bytes`: written to a temp file in the same folder
// and renamed over the old one, so readers never see half a file. The mode
// of an existing file is kept; a read-only file is refused (70).
void writeFile(std::string_view path, std::string_view bytes);
// Copies a file to the exact target path (58 when it exists and overwrite is
// false, 70 when it is read-only). Atomic like writeFile; keeps the source's
// modification time, as Windows' CopyFile does.
void copyFile(std::string_view source, std::string_view target, bool overwrite);
// Deletes a file; a read-only file only when `force` is true (else 70).
void deleteFile(std::string_view path, bool force);
// Renames or moves a file or folder; 58 when the target exists. Across file
// systems it copies and then deletes.
void moveItem(std::string_view source, std::string_view target);

// Creates one folder: 58 when anything of that name exists, 76 when the
// parent is missing.
void createFolder(std::string_view path);
// Creates the folder and every missing level above it; nothing when it
// already exists; 58 when a file stands where a folder is needed.
void createFolderTree(std::string_view path);
// Deletes a folder with all its contents; 76 when there is no such folder.
// Without `force` a read-only file anywhere inside refuses the whole delete
// (70) before anything is removed.
void deleteFolderTree(std::string_view path, bool force);

// Facts about one file or folder (53 / 76 when missing).
EntryInfo entryInfo(std::string_view path);
// The entries of a folder (not "." and ".."), sorted by name.
std::vector<EntryInfo> listFolder(std::string_view path);
// Bytes of all files below the folder.
uint64_t folderSize(std::string_view path);

// A random file name of the form "radXXXXX.tmp" (GetTempName).
std::string tempName();

}  // namespace corvela::fs
