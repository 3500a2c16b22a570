// Tests of drives: which mounts are listed, the drive holding a path, the
// kind of a drive and a drive that is not ready. The corpus script
// fso_drives_a.vbs covers the members on this machine's root drive.
#include "platform/scripting/drive.h"
#include "script_call.h"

namespace corvela::scripting {
namespace {

const char* const kMountTable =
    "proc /proc proc rw 0 0\n"
    "overlay / overlay rw,lowerdir=/x 0 0\n"
    "tmpfs /dev/shm tmpfs rw 0 0\n"
    "/dev/sda2 /home ext4 rw 0 0\n"
    "/dev/sda1 /etc/hosts ext4 rw 0 0\n"
    "server:/export /mnt/My\\040Share nfs4 rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw 0 0\n"
    "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/sdb1 /tmp ext4 rw 0 0\n"
    "garbage\n"
    "/dev/sr0 /media/cd iso9660 ro 0 0\n";

TEST(MountTableTest, ListsStorageMountsAndFindsTheDriveOfAPath) {
  std::vector<Mount> mounts = parseMountTable(kMountTable);
  ASSERT_EQ(mounts.size(), 12u) << "the malformed line is skipped";
  std::string listed;
  for (const Mount& m : drivesAmong(mounts, [](const std::string& path) { return path != "/etc/hosts"; }))
    listed += m.path + "=" + m.type + ",";
  EXPECT_EQ(listed, "/=overlay,/home=ext4,/media/cd=iso9660,/mnt/My Share=nfs4,/tmp=ext4,");
  // The drive of a path is the longest mount prefix.
  std::vector<Mount> drives = drivesAmong(mounts, [](const std::string&) { return true; });
  const std::pair<const char*, const char*> cases[] = {
      {"/home/ann/a.txt", "/home"}, {"/home", "/home"}, {"/homework/x", "/"}, {"/", "/"},
      {"/mnt/My Share/b", "/mnt/My Share"}, {"relative/a", ""},
  };
  for (auto [path, drive] : cases) {
    std::optional<Mount> found = driveHolding(drives, path);
    EXPECT_EQ(found ? found->path : "", drive) << path;
  }
  const std::pair<const char*, const char*> names[] = {
      {"/home/", "/home"}, {"\\home\\", "/home"}, {"/a/../b", "/b"}, {"home", ""}, {"C:", ""}, {"", ""},
  };
  for (auto [name, expected] : names) EXPECT_EQ(mountPointNamed(name), expected) << name;
}

TEST(DriveTest, KindFollowsTheFileSystem) {
  const std::pair<Mount, int> cases[] = {
      {{"server:/x", "/n", "nfs4"}, kRemote},    {{"//srv/share", "/s", "cifs"}, kRemote},
      {{"/dev/sr0", "/cd", "iso9660"}, kCDRom},  {{"tmpfs", "/tmp", "tmpfs"}, kRamDisk},
      {{"/dev/none-such", "/", "ext4"}, kFixed}, {{"overlay", "/", "overlay"}, kFixed},
  };
  for (const auto& [mount, kind] : cases) EXPECT_EQ(driveKindOf(mount), kind) << mount.type;
}

TEST(DriveTest, ADriveThatCannotBeQueriedIsNotReady) {
  auto drive = std::make_shared<Drive>(Mount{"server:/gone", "/no/such/mount/point", "nfs"});
  EXPECT_FALSE(get(drive, "IsReady").toBool());
  EXPECT_EQ(get(drive, "Path").toString(), "/no/such/mount/point");
  EXPECT_EQ(get(drive, "ShareName").toString(), "server:/gone");
  for (const char* member : {"FreeSpace", "AvailableSpace", "TotalSize", "FileSystem", "VolumeName", "SerialNumber",
                             "RootFolder"})
    EXPECT_EQ(errorNumberOf([&] { get(drive, member); }), 71) << member;
}

}  // namespace
}  // namespace corvela::scripting
