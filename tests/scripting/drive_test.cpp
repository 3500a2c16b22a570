// Tests of drives: which mounts are listed, the drive of a path, the Drive
// object on this machine's root and on a drive that is not ready, and the
// FileSystemObject members around them.
#include <fstream>

#include "platform/scripting/drive.h"
#include "platform/scripting/file_system_object.h"
#include "script_call.h"
#include "support/temp_env.h"

namespace corvela::scripting {
namespace {

const char* const kMountTable =
    "proc /proc proc rw 0 0\n"
    "sysfs /sys sysfs rw 0 0\n"
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

std::string pathsOf(const std::vector<Mount>& mounts) {
  std::string out;
  for (const Mount& m : mounts) out += (out.empty() ? "" : ",") + m.path + "=" + m.type;
  return out;
}

TEST(MountTableTest, ListsStorageMountsAndLeavesOutPseudoRuntimeAndHiddenOnes) {
  std::vector<Mount> mounts = parseMountTable(kMountTable);
  ASSERT_EQ(mounts.size(), 13u) << "the malformed line is skipped";
  EXPECT_EQ(mounts[6].path, "/mnt/My Share");
  auto notFiles = [](const std::string& path) { return path != "/etc/hosts"; };
  EXPECT_EQ(pathsOf(drivesAmong(mounts, notFiles)),
            "/=overlay,/home=ext4,/media/cd=iso9660,/mnt/My Share=nfs4,/tmp=ext4");
}

TEST(MountTableTest, TheDriveOfAPathIsTheLongestMountPrefix) {
  std::vector<Mount> drives = drivesAmong(parseMountTable(kMountTable), [](const std::string&) { return true; });
  const std::pair<const char*, const char*> cases[] = {
      {"/home/ann/a.txt", "/home"}, {"/home", "/home"},  {"/homework/x", "/"},
      {"/", "/"},                    {"/tmp/a", "/tmp"}, {"/mnt/My Share/b", "/mnt/My Share"},
  };
  for (auto [path, drive] : cases) {
    std::optional<Mount> found = driveHolding(drives, path);
    ASSERT_TRUE(found) << path;
    EXPECT_EQ(found->path, drive) << path;
  }
  EXPECT_FALSE(driveHolding(drives, "relative/path"));
}

TEST(MountTableTest, DriveSpecificationsAreAbsolutePaths) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/", "/home"}, {"\\home\\", "/home"}, {"/", "/"}, {"/a/../b", "/b"},
      {"home", ""},        {"C:", ""},            {"", ""},
  };
  for (auto [spec, expected] : cases) EXPECT_EQ(driveSpec(spec), expected) << spec;
}

TEST(MountTableTest, DriveTypeFollowsTheFileSystem) {
  const std::pair<Mount, int> cases[] = {
      {{"server:/x", "/n", "nfs4"}, kRemote},        {{"//srv/share", "/s", "cifs"}, kRemote},
      {{"/dev/sr0", "/cd", "iso9660"}, kCDRom},      {{"tmpfs", "/tmp", "tmpfs"}, kRamDisk},
      {{"/dev/none-such", "/", "ext4"}, kFixed},     {{"overlay", "/", "overlay"}, kFixed},
  };
  for (const auto& [mount, kind] : cases) EXPECT_EQ(driveKindOf(mount), kind) << mount.type;
}

TEST(DriveTest, TheRootDriveDescribesItself) {
  auto drives = std::make_shared<Drives>(currentDrives());
  ASSERT_GE(drives->Count(), 1);
  std::shared_ptr<Object> root = drives->Item("/");
  EXPECT_EQ(get(root, "Path").toString(), "/");
  EXPECT_EQ(get(root, "DriveLetter").toString(), "");
  EXPECT_TRUE(get(root, "IsReady").toBool());
  EXPECT_EQ(get(get(root, "RootFolder").toObject(), "Path").toString(), "/");
  double total = get(root, "TotalSize").toDouble();
  double free = get(root, "FreeSpace").toDouble();
  double available = get(root, "AvailableSpace").toDouble();
  EXPECT_GT(total, 0);
  EXPECT_LE(free, total);
  EXPECT_LE(available, free);
  EXPECT_FALSE(get(root, "FileSystem").toString().empty());
  EXPECT_EQ(get(root, "SerialNumber").type(), VarType::Long);
  EXPECT_EQ(get(root, "ShareName").toString(), "");

  int count = 0;
  bool sawRoot = false;
  auto each = drives->newEnum();
  for (Variant item; each->next(item); ++count) sawRoot |= get(item.toObject(), "Path").toString() == "/";
  EXPECT_EQ(count, drives->Count());
  EXPECT_TRUE(sawRoot);
}

TEST(DriveTest, ADriveThatCannotBeQueriedIsNotReady) {
  auto drive = std::make_shared<Drive>(Mount{"server:/gone", "/no/such/mount/point", "nfs"});
  EXPECT_FALSE(get(drive, "IsReady").toBool());
  EXPECT_EQ(get(drive, "Path").toString(), "/no/such/mount/point");
  EXPECT_EQ(get(drive, "ShareName").toString(), "server:/gone");
  EXPECT_EQ(get(drive, "DriveType").toLong(), kRemote);
  for (const char* member : {"FreeSpace", "AvailableSpace", "TotalSize", "FileSystem", "VolumeName", "SerialNumber",
                             "RootFolder"})
    EXPECT_EQ(errorNumberOf([&] { get(drive, member); }), 71) << member;
}

TEST(DriveTest, FileSystemObjectFindsDrivesByMountPoint) {
  auto fso = std::make_shared<FileSystemObject>();
  EXPECT_TRUE(call(fso, "DriveExists", {"/"}).toBool());
  EXPECT_TRUE(call(fso, "DriveExists", {"\\"}).toBool());
  EXPECT_FALSE(call(fso, "DriveExists", {"/proc"}).toBool());
  EXPECT_FALSE(call(fso, "DriveExists", {"C:"}).toBool());
  EXPECT_EQ(get(callObject(fso, "GetDrive", {"/"}), "Path").toString(), "/");
  EXPECT_EQ(errorNumberOf([&] { call(fso, "GetDrive", {"C:"}); }), 5);
  EXPECT_EQ(errorNumberOf([&] { call(fso, "GetDrive", {"/no/such/mount"}); }), 68);
  std::shared_ptr<Object> drives = get(fso, "Drives").toObject();
  EXPECT_EQ(get(drives, "Count").toLong(), static_cast<int32_t>(currentDrives().size()));
  EXPECT_EQ(errorNumberOf([&] { get(drives, "Item", {"/no/such/mount"}); }), 68);
}

TEST(DriveTest, FilesAndFoldersKnowTheirDrive) {
  corvela::testing::TempDir dir;
  std::string file = (dir.path() / "a.txt").string();
  std::ofstream(file) << "x";
  auto fso = std::make_shared<FileSystemObject>();
  std::string name = call(fso, "GetDriveName", {Variant(file)}).toString();
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(file.rfind(name == "/" ? "/" : name + "/", 0), 0u) << name << " does not hold " << file;
  EXPECT_EQ(call(fso, "GetDriveName", {"relative/a.txt"}).toString(), "");
  EXPECT_EQ(get(get(callObject(fso, "GetFile", {Variant(file)}), "Drive").toObject(), "Path").toString(), name);
  EXPECT_EQ(get(get(callObject(fso, "GetFolder", {Variant(dir.str())}), "Drive").toObject(), "Path").toString(),
            name);
  EXPECT_EQ(get(callObject(fso, "GetDrive", {Variant(name)}), "Path").toString(), name);
}

}  // namespace
}  // namespace corvela::scripting
