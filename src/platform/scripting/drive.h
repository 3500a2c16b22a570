// The Drive object and the Drives collection of FileSystemObject. A drive
// is a mount point (see mount_table.h for which ones are listed): it has no
// letter, its Path is the mount point ("/", "/home") and its sizes come
// from statvfs when they are asked for.
//
// A drive whose file system cannot be queried (a vanished network share,
// an unmounted device) is not ready: IsReady is False and the sizes,
// FileSystem, SerialNumber and VolumeName raise 71 "Disk not ready", as
// Windows does for an empty CD drive.
#pragma once

#include <memory>
#include <vector>

#include "platform/automation/dispatch_table.h"
#include "platform/scripting/mount_table.h"

namespace corvela::scripting {

// DriveTypeConst.
enum DriveKind : int32_t {
  kUnknownDrive = 0,
  kRemovable = 1,
  kFixed = 2,
  kRemote = 3,
  kCDRom = 4,
  kRamDisk = 5,
};

class Drive : public DispatchObject<Drive> {
 public:
  static constexpr std::string_view kClassName = "Drive";
  static const DispatchTable<Drive>& dispatchTable();

  explicit Drive(Mount mount) : mount_(std::move(mount)) {}

  // Bytes; a Long when they fit, else a Double (as File.Size).
  Variant AvailableSpace() const;  // what this user may still write
  Variant FreeSpace() const;       // including blocks kept for root
  Variant TotalSize() const;
  std::string DriveLetter() const { return {}; }
  int32_t DriveType() const;
  std::string FileSystem() const;
  bool IsReady() const;
  const std::string& Path() const { return mount_.path; }
  std::shared_ptr<Object> RootFolder() const;
  int32_t SerialNumber() const;  // the file system id, low 32 bits
  std::string ShareName() const;  // the share of a network drive, else ""
  std::string VolumeName() const;  // the file system label, "" without one

 private:
  Mount mount_;
};

// Drives: Count, Item(path) (the default member; 68 for a path that is no
// drive) and For Each, over the drives listed when the collection was taken.
class Drives : public DispatchObject<Drives> {
 public:
  static constexpr std::string_view kClassName = "Drives";
  static const DispatchTable<Drives>& dispatchTable();

  explicit Drives(std::vector<Mount> drives) : drives_(std::move(drives)) {}

  int32_t Count() const { return static_cast<int32_t>(drives_.size()); }
  std::shared_ptr<Object> Item(std::string_view path) const;
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  std::vector<Mount> drives_;
};

// The kind of drive a mount is: network file systems are Remote, iso9660
// and udf CDRom, tmpfs and ramfs RamDisk, a device the kernel marks
// removable Removable, everything else Fixed.
int32_t driveKindOf(const Mount& mount);

// The drive of a file or folder path (File.Drive, Folder.Drive); 68 when no
// listed drive holds it.
std::shared_ptr<Object> driveOfPath(std::string_view path);

}  // namespace corvela::scripting
