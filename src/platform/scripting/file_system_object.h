// Scripting.FileSystemObject over Linux paths ("\" in a caller's path reads
// as "/"). Defaults of optional arguments follow the Windows type library:
// CopyFile/CopyFolder/CreateTextFile overwrite unless told not to, DeleteFile
// and DeleteFolder leave read-only files alone unless forced, OpenTextFile
// reads ANSI text and does not create.
#pragma once

#include <memory>
#include <string>

#include "platform/automation/dispatch_table.h"

namespace corvela::scripting {

class TextStream;

class FileSystemObject : public DispatchObject<FileSystemObject> {
 public:
  static constexpr std::string_view kClassName = "FileSystemObject";
  static const DispatchTable<FileSystemObject>& dispatchTable();

  std::string BuildPath(std::string_view path, std::string_view name) const;
  std::string GetAbsolutePathName(std::string_view path) const;
  std::string GetBaseName(std::string_view path) const;
  std::string GetExtensionName(std::string_view path) const;
  std::string GetFileName(std::string_view path) const;
  std::string GetParentFolderName(std::string_view path) const;
  std::string GetTempName() const;
  // Drives are mount points (see mount_table.h). The drive name of an
  // absolute path is the mount point of the drive that holds it, found in
  // the text of the path as Windows found "C:"; a relative path has none
  // (""). So GetDrive(GetDriveName(path)) gives the drive a file is on.
  std::string GetDriveName(std::string_view path) const;
  std::shared_ptr<Object> Drives() const;
  // 5 for a drive name that is not an absolute path, 68 "Device
  // unavailable" for a path that is not a drive's mount point.
  std::shared_ptr<Object> GetDrive(std::string_view name) const;
  bool DriveExists(std::string_view name) const;
  // 0 StdIn, 1 StdOut, 2 StdErr; 5 for any other number.
  std::shared_ptr<TextStream> GetStandardStream(int32_t which, bool unicode) const;
  // Only 2 (TemporaryFolder: $TMPDIR, else /tmp) has a Linux counterpart;
  // 0 (WindowsFolder) and 1 (SystemFolder) raise 5.
  std::shared_ptr<Object> GetSpecialFolder(int32_t which) const;
  bool FileExists(std::string_view path) const;
  bool FolderExists(std::string_view path) const;
  std::shared_ptr<Object> GetFile(std::string_view path) const;    // 53 when missing
  std::shared_ptr<Object> GetFolder(std::string_view path) const;  // 76 when missing
  std::shared_ptr<Object> CreateFolder(std::string_view path) const;  // 58 when it exists
  // The Delete/Copy/Move sources may end in a wildcard pattern ("*.htm").
  void DeleteFile(std::string_view path, bool force) const;
  void DeleteFolder(std::string_view path, bool force) const;
  void CopyFile(std::string_view source, std::string_view destination, bool overwrite) const;
  void MoveFile(std::string_view source, std::string_view destination) const;
  void CopyFolder(std::string_view source, std::string_view destination, bool overwrite) const;
  void MoveFolder(std::string_view source, std::string_view destination) const;
  std::shared_ptr<TextStream> CreateTextFile(std::string_view path, bool overwrite, bool unicode) const;
  std::shared_ptr<TextStream> OpenTextFile(std::string_view path, int32_t ioMode, bool create,
                                           int32_t tristate) const;
};

}  // namespace corvela::scripting
