// The machine's mounted file systems, read from /proc/self/mounts, and the
// choice of which of them FileSystemObject shows as drives.
//
// A Linux "drive" is a mount point where files are kept. Listed are the
// mounts of block devices, network shares, RAM disks (tmpfs, ramfs) and the
// root file system, whatever its type (overlay in a container). Left out:
//   - kernel and pseudo file systems (proc, sysfs, cgroup, devpts, ...) and
//     read-only package images (squashfs, as snaps mount them by the dozen);
//   - anything mounted in the runtime areas /proc, /sys, /dev and /run
//     (/dev/shm, /run/user/1000, ...), which hold no user files;
//   - mount points that are not folders (files bind-mounted into a
//     container, such as /etc/hosts);
//   - mounts hidden by a later mount on the same folder.
// Drives are ordered by path, so "/" comes first as C: did.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::scripting {

struct Mount {
  std::string source;  // device, "server:/export", "//server/share", "tmpfs", ...
  std::string path;    // the mount point
  std::string type;    // "ext4", "nfs4", "tmpfs", ...
};

// The lines of a mounts file, with the octal escapes (\040 for a space)
// decoded. Malformed lines are skipped.
std::vector<Mount> parseMountTable(std::string_view text);

// The mounts that are drives (see above); isFolder tells whether a mount
// point is a folder.
std::vector<Mount> drivesAmong(const std::vector<Mount>& mounts,
                               const std::function<bool(const std::string&)>& isFolder);

// The drives of this machine now.
std::vector<Mount> currentDrives();

// The drive whose mount point is the longest folder prefix of an absolute,
// normalised path; nullopt when none is.
std::optional<Mount> driveHolding(const std::vector<Mount>& drives, std::string_view path);

// A drive name as scripts give it ("/home", "\home\", "/home/")
// reduced to the form mount points are kept in; "" when it is not absolute.
std::string mountPointNamed(std::string_view name);

}  // namespace corvela::scripting
