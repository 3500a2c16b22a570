// Drive and Drives (see drive.h) and their member tables.
#include "platform/scripting/drive.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <span>

#include "platform/scripting/arguments.h"
#include "platform/scripting/file_objects.h"

namespace corvela::scripting {
namespace {

constexpr int32_t kDeviceUnavailable = 68;
constexpr int32_t kDiskNotReady = 71;

constexpr std::array<std::string_view, 13> kNetworkTypes = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "9p", "fuse.sshfs", "davfs",
    "fuse.glusterfs",
};

bool isOneOf(std::string_view type, std::span<const std::string_view> types) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

bool isNetworkType(std::string_view type) { return isOneOf(type, kNetworkTypes); }

struct statvfs statsOrRaise(const std::string& path) {
  struct statvfs stats;
  if (::statvfs(path.c_str(), &stats) != 0) raiseRuntimeError(kDiskNotReady);
  return stats;
}

// The kernel's removable flag of the disk a block device belongs to: on the
// device itself for a whole disk, on its parent for a partition.
bool isRemovableDevice(const std::string& source) {
  if (source.rfind("/dev/", 0) != 0) return false;
  struct stat st;
  if (::stat(source.c_str(), &st) != 0 || !S_ISBLK(st.st_mode)) return false;
  std::string device = "/sys/dev/block/" + std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
  for (const char* flag : {"/removable", "/../removable"}) {
    std::ifstream file(device + flag);
    char value = 0;
    if (file >> value) return value == '1';
  }
  return false;
}

// udev writes unsafe characters of a label in its link name as \xNN.
std::string decodeLabel(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(std::string(name.substr(i + 2, 2)), nullptr, 16));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

// The label of a block device, from the links udev keeps for labels.
std::string labelOfDevice(const std::string& source) {
  if (source.rfind("/dev/", 0) != 0) return {};
  std::error_code error;
  std::filesystem::path device = std::filesystem::canonical(source, error);
  if (error) return {};
  for (const auto& entry : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
    std::error_code ignored;
    if (std::filesystem::canonical(entry.path(), ignored) == device && !ignored)
      return decodeLabel(entry.path().filename().string());
  }
  return {};
}

}  // namespace

int32_t driveKindOf(const Mount& mount) {
  if (isNetworkType(mount.type)) return kRemote;
  if (mount.type == "iso9660" || mount.type == "udf") return kCDRom;
  if (mount.type == "tmpfs" || mount.type == "ramfs") return kRamDisk;
  if (isRemovableDevice(mount.source)) return kRemovable;
  return kFixed;
}

Variant Drive::AvailableSpace() const {
  struct statvfs s = statsOrRaise(mount_.path);
  return sizeVariant(static_cast<uint64_t>(s.f_bavail) * s.f_frsize);
}

Variant Drive::FreeSpace() const {
  struct statvfs s = statsOrRaise(mount_.path);
  return sizeVariant(static_cast<uint64_t>(s.f_bfree) * s.f_frsize);
}

Variant Drive::TotalSize() const {
  struct statvfs s = statsOrRaise(mount_.path);
  return sizeVariant(static_cast<uint64_t>(s.f_blocks) * s.f_frsize);
}

int32_t Drive::DriveType() const { return driveKindOf(mount_); }

std::string Drive::FileSystem() const {
  statsOrRaise(mount_.path);
  return mount_.type;
}

bool Drive::IsReady() const {
  struct statvfs stats;
  return ::statvfs(mount_.path.c_str(), &stats) == 0;
}

std::shared_ptr<Object> Drive::RootFolder() const {
  statsOrRaise(mount_.path);
  return std::make_shared<Folder>(mount_.path);
}

int32_t Drive::SerialNumber() const {
  struct statvfs s = statsOrRaise(mount_.path);
  return static_cast<int32_t>(static_cast<uint32_t>(s.f_fsid));
}

std::string Drive::ShareName() const { return isNetworkType(mount_.type) ? mount_.source : std::string(); }

std::string Drive::VolumeName() const {
  statsOrRaise(mount_.path);
  return labelOfDevice(mount_.source);
}

const DispatchTable<Drive>& Drive::dispatchTable() {
  using D = Drive;
  static const DispatchTable<D> table{
      {.name = "Path", .get = [](D& d, Args) -> Variant { return d.Path(); }, .isDefault = true},
      {.name = "DriveLetter", .get = [](D& d, Args) -> Variant { return d.DriveLetter(); }},
      {.name = "ShareName", .get = [](D& d, Args) -> Variant { return d.ShareName(); }},
      {.name = "DriveType", .get = [](D& d, Args) -> Variant { return d.DriveType(); }},
      {.name = "RootFolder", .get = [](D& d, Args) -> Variant { return d.RootFolder(); }},
      {.name = "AvailableSpace", .get = [](D& d, Args) -> Variant { return d.AvailableSpace(); }},
      {.name = "FreeSpace", .get = [](D& d, Args) -> Variant { return d.FreeSpace(); }},
      {.name = "TotalSize", .get = [](D& d, Args) -> Variant { return d.TotalSize(); }},
      {.name = "VolumeName", .get = [](D& d, Args) -> Variant { return d.VolumeName(); }},
      {.name = "FileSystem", .get = [](D& d, Args) -> Variant { return d.FileSystem(); }},
      {.name = "SerialNumber", .get = [](D& d, Args) -> Variant { return d.SerialNumber(); }},
      {.name = "IsReady", .get = [](D& d, Args) -> Variant { return d.IsReady(); }},
  };
  return table;
}

std::shared_ptr<Object> Drives::Item(std::string_view path) const {
  std::string mountPoint = mountPointNamed(path);
  for (const Mount& drive : drives_)
    if (drive.path == mountPoint) return std::make_shared<Drive>(drive);
  raiseRuntimeError(kDeviceUnavailable);
}

std::unique_ptr<Enumerator> Drives::newEnum() {
  std::vector<Variant> items;
  for (const Mount& drive : drives_) items.push_back(Variant(std::shared_ptr<Object>(std::make_shared<Drive>(drive))));
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<Drives>& Drives::dispatchTable() {
  using C = Drives;
  static const DispatchTable<C> table{
      {.name = "Item",
       .get = [](C& c, Args a) -> Variant { return c.Item(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1, .isDefault = true},
      {.name = "Count", .get = [](C& c, Args) -> Variant { return c.Count(); }},
  };
  return table;
}

std::shared_ptr<Object> driveOfPath(std::string_view path) {
  std::optional<Mount> drive = driveHolding(currentDrives(), path);
  if (!drive) raiseRuntimeError(kDeviceUnavailable);
  return std::make_shared<Drive>(std::move(*drive));
}

}  // namespace corvela::scripting
