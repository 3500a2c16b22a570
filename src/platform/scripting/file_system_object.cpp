// Scripting.FileSystemObject (see file_system_object.h) and its member table.
#include "platform/scripting/file_system_object.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/fs/file_system.h"
#include "platform/fs/path_text.h"
#include "platform/scripting/arguments.h"
#include "platform/scripting/drive.h"
#include "platform/scripting/file_objects.h"
#include "platform/scripting/text_stream.h"
#include "platform/scripting/wildcard.h"

namespace corvela::scripting {
namespace {

// The sources a Delete/Copy/Move names: the matches of a wildcard (53 or 76
// when there are none) or the one path.
std::vector<std::string> sourcesOf(std::string_view path, bool folders) {
  if (!hasWildcard(path)) return {fs::physicalPath(path)};
  std::vector<std::string> matches = expandWildcard(path, folders);
  if (matches.empty()) raiseRuntimeError(folders ? 76 : 53);
  return matches;
}

// With a wildcard every match goes into the destination folder.
std::string destinationFor(std::string_view pattern, const std::string& source, std::string_view destination) {
  std::string target(destination);
  if (hasWildcard(pattern) && !target.empty() && target.back() != '/' && target.back() != '\\') target += '/';
  return targetPath(source, target);
}

// True when `target` is `folder` itself or lies anywhere inside it, after
// resolving links, "." and "..": copying there would copy its own copies.
bool isSameOrInside(const std::string& target, const std::string& folder) {
  std::error_code error;
  std::filesystem::path inner = std::filesystem::weakly_canonical(target, error);
  if (error) return false;
  std::filesystem::path outer = std::filesystem::weakly_canonical(folder, error);
  if (error) return false;
  auto [outerEnd, innerAt] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return outerEnd == outer.end() || (std::next(outerEnd) == outer.end() && outerEnd->empty());
}

}  // namespace

std::string FileSystemObject::BuildPath(std::string_view path, std::string_view name) const {
  return fs::buildPath(path, name);
}
std::string FileSystemObject::GetAbsolutePathName(std::string_view path) const { return fs::absolutePathOf(path); }
std::string FileSystemObject::GetBaseName(std::string_view path) const { return fs::baseNameOf(path); }
std::string FileSystemObject::GetExtensionName(std::string_view path) const { return fs::extensionOf(path); }
std::string FileSystemObject::GetFileName(std::string_view path) const { return fs::fileNameOf(path); }
std::string FileSystemObject::GetParentFolderName(std::string_view path) const { return fs::parentFolderOf(path); }
std::string FileSystemObject::GetTempName() const { return fs::tempName(); }

std::string FileSystemObject::GetDriveName(std::string_view path) const {
  std::string absolute = mountPointNamed(path);
  if (absolute.empty()) return {};
  std::optional<Mount> drive = driveHolding(currentDrives(), absolute);
  return drive ? drive->path : std::string();
}

std::shared_ptr<Object> FileSystemObject::Drives() const {
  return std::make_shared<scripting::Drives>(currentDrives());
}

std::shared_ptr<Object> FileSystemObject::GetDrive(std::string_view name) const {
  std::string path = mountPointNamed(name);
  if (path.empty()) raiseRuntimeError(5);
  return scripting::Drives(currentDrives()).Item(path);
}

bool FileSystemObject::DriveExists(std::string_view name) const {
  std::string path = mountPointNamed(name);
  if (path.empty()) return false;
  for (const Mount& drive : currentDrives())
    if (drive.path == path) return true;
  return false;
}

std::shared_ptr<TextStream> FileSystemObject::GetStandardStream(int32_t which, bool unicode) const {
  return TextStream::standard(which, unicode);
}

std::shared_ptr<Object> FileSystemObject::GetSpecialFolder(int32_t which) const {
  constexpr int32_t kTemporaryFolder = 2;
  if (which != kTemporaryFolder) raiseRuntimeError(5);
  const char* temp = std::getenv("TMPDIR");
  return std::make_shared<Folder>(fs::absolutePathOf(temp && *temp ? temp : "/tmp"));
}
bool FileSystemObject::FileExists(std::string_view path) const { return fs::fileExists(path); }
bool FileSystemObject::FolderExists(std::string_view path) const { return fs::folderExists(path); }

std::shared_ptr<Object> FileSystemObject::GetFile(std::string_view path) const {
  if (!fs::fileExists(path)) raiseRuntimeError(53);
  return std::make_shared<File>(fs::absolutePathOf(path));
}

std::shared_ptr<Object> FileSystemObject::GetFolder(std::string_view path) const {
  if (!fs::folderExists(path)) raiseRuntimeError(76);
  return std::make_shared<Folder>(fs::absolutePathOf(path));
}

std::shared_ptr<Object> FileSystemObject::CreateFolder(std::string_view path) const {
  fs::createFolder(path);
  return std::make_shared<Folder>(fs::absolutePathOf(path));
}

void FileSystemObject::DeleteFile(std::string_view path, bool force) const {
  for (const std::string& file : sourcesOf(path, false)) fs::deleteFile(file, force);
}

void FileSystemObject::DeleteFolder(std::string_view path, bool force) const {
  for (const std::string& folder : sourcesOf(path, true)) fs::deleteFolderTree(folder, force);
}

void FileSystemObject::CopyFile(std::string_view source, std::string_view destination, bool overwrite) const {
  for (const std::string& file : sourcesOf(source, false))
    fs::copyFile(file, destinationFor(source, file, destination), overwrite);
}

void FileSystemObject::MoveFile(std::string_view source, std::string_view destination) const {
  for (const std::string& file : sourcesOf(source, false)) {
    if (fs::folderExists(file)) raiseRuntimeError(53);
    fs::moveItem(file, destinationFor(source, file, destination));
  }
}

void FileSystemObject::CopyFolder(std::string_view source, std::string_view destination, bool overwrite) const {
  std::vector<std::string> folders = sourcesOf(source, true);
  // Refused before anything is copied, with the error that moving a folder
  // into itself gives.
  for (const std::string& folder : folders)
    if (isSameOrInside(destinationFor(source, folder, destination), folder)) raiseRuntimeError(52);
  for (const std::string& folder : folders)
    copyFolderTree(folder, destinationFor(source, folder, destination), overwrite);
}

void FileSystemObject::MoveFolder(std::string_view source, std::string_view destination) const {
  for (const std::string& folder : sourcesOf(source, true)) {
    if (!fs::folderExists(folder)) raiseRuntimeError(76);
    fs::moveItem(folder, destinationFor(source, folder, destination));
  }
}

std::shared_ptr<TextStream> FileSystemObject::CreateTextFile(std::string_view path, bool overwrite,
                                                             bool unicode) const {
  return TextStream::create(path, overwrite, unicode);
}

std::shared_ptr<TextStream> FileSystemObject::OpenTextFile(std::string_view path, int32_t ioMode, bool create,
                                                           int32_t tristate) const {
  return TextStream::open(path, ioMode, create, tristate);
}

const DispatchTable<FileSystemObject>& FileSystemObject::dispatchTable() {
  using F = FileSystemObject;
  static const DispatchTable<F> table{
      {.name = "BuildPath",
       .call = [](F& f, Args a) -> Variant { return f.BuildPath(argText(a, 0), argText(a, 1)); },
       .minArgs = 2, .maxArgs = 2},
      {.name = "GetAbsolutePathName",
       .call = [](F& f, Args a) -> Variant { return f.GetAbsolutePathName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetBaseName",
       .call = [](F& f, Args a) -> Variant { return f.GetBaseName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetExtensionName",
       .call = [](F& f, Args a) -> Variant { return f.GetExtensionName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetFileName",
       .call = [](F& f, Args a) -> Variant { return f.GetFileName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetParentFolderName",
       .call = [](F& f, Args a) -> Variant { return f.GetParentFolderName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetTempName", .call = [](F& f, Args) -> Variant { return f.GetTempName(); }},
      {.name = "GetDriveName",
       .call = [](F& f, Args a) -> Variant { return f.GetDriveName(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "Drives", .get = [](F& f, Args) -> Variant { return f.Drives(); }},
      {.name = "GetDrive",
       .call = [](F& f, Args a) -> Variant { return f.GetDrive(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "DriveExists",
       .call = [](F& f, Args a) -> Variant { return f.DriveExists(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetStandardStream",
       .call = [](F& f, Args a) -> Variant {
         return std::shared_ptr<Object>(f.GetStandardStream(argLong(a, 0, 0), argBool(a, 1, false)));
       },
       .minArgs = 1, .maxArgs = 2},
      {.name = "GetSpecialFolder",
       .call = [](F& f, Args a) -> Variant { return f.GetSpecialFolder(argLong(a, 0, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "FileExists",
       .call = [](F& f, Args a) -> Variant { return f.FileExists(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "FolderExists",
       .call = [](F& f, Args a) -> Variant { return f.FolderExists(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetFile",
       .call = [](F& f, Args a) -> Variant { return f.GetFile(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "GetFolder",
       .call = [](F& f, Args a) -> Variant { return f.GetFolder(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "CreateFolder",
       .call = [](F& f, Args a) -> Variant { return f.CreateFolder(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "DeleteFile",
       .call = [](F& f, Args a) -> Variant { f.DeleteFile(argText(a, 0), argBool(a, 1, false)); return {}; },
       .minArgs = 1, .maxArgs = 2},
      {.name = "DeleteFolder",
       .call = [](F& f, Args a) -> Variant { f.DeleteFolder(argText(a, 0), argBool(a, 1, false)); return {}; },
       .minArgs = 1, .maxArgs = 2},
      {.name = "CopyFile",
       .call = [](F& f, Args a) -> Variant {
         f.CopyFile(argText(a, 0), argText(a, 1), argBool(a, 2, true));
         return {};
       },
       .minArgs = 2, .maxArgs = 3},
      {.name = "MoveFile",
       .call = [](F& f, Args a) -> Variant { f.MoveFile(argText(a, 0), argText(a, 1)); return {}; },
       .minArgs = 2, .maxArgs = 2},
      {.name = "CopyFolder",
       .call = [](F& f, Args a) -> Variant {
         f.CopyFolder(argText(a, 0), argText(a, 1), argBool(a, 2, true));
         return {};
       },
       .minArgs = 2, .maxArgs = 3},
      {.name = "MoveFolder",
       .call = [](F& f, Args a) -> Variant { f.MoveFolder(argText(a, 0), argText(a, 1)); return {}; },
       .minArgs = 2, .maxArgs = 2},
      {.name = "CreateTextFile",
       .call = [](F& f, Args a) -> Variant {
         return std::shared_ptr<Object>(f.CreateTextFile(argText(a, 0), argBool(a, 1, true), argBool(a, 2, false)));
       },
       .minArgs = 1, .maxArgs = 3},
      {.name = "OpenTextFile",
       .call = [](F& f, Args a) -> Variant {
         return std::shared_ptr<Object>(
             f.OpenTextFile(argText(a, 0), argLong(a, 1, 1), argBool(a, 2, false), argLong(a, 3, 0)));
       },
       .minArgs = 1, .maxArgs = 4},
  };
  return table;
}

}  // namespace corvela::scripting
