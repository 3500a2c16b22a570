// Tests of the file and folder operations: results on disk and the VBScript
// error numbers of each failure.
#include "platform/fs/file_system.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "support/runtime_errors.h"
#include "support/temp_env.h"

namespace corvela::fs {
namespace {

namespace stdfs = std::filesystem;

using testing::errorNumberOf;

class FileSystemTest : public ::testing::Test {
 protected:
  std::string at(const std::string& name) const { return (dir_.path() / name).string(); }
  void make(const std::string& name, const std::string& content) {
    std::ofstream(dir_.path() / name, std::ios::binary) << content;
  }
  void makeReadOnly(const std::string& name) { ::chmod(at(name).c_str(), 0444); }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& entry : stdfs::directory_iterator(dir_.path())) out.push_back(entry.path().filename());
    std::sort(out.begin(), out.end());
    return out;
  }
  corvela::testing::TempDir dir_;
};

TEST_F(FileSystemTest, FailuresRaiseVBScriptNumbers) {
  make("file.txt", "x");
  make("readonly.txt", "x");
  makeReadOnly("readonly.txt");
  stdfs::create_directory(dir_.path() / "folder");
  make("other.txt", "y");
  const struct { const char* what; std::function<void()> action; int number; } cases[] = {
      {"read missing file", [&] { readFile(at("missing.txt")); }, 53},
      {"read in missing folder", [&] { readFile(at("nofolder/x.txt")); }, 76},
      {"read a folder", [&] { readFile(at("folder")); }, 70},
      {"read with NUL in name", [&] { readFile(at("a") + std::string(1, '\0')); }, 52},
      {"write into missing folder", [&] { writeFile(at("nofolder/x.txt"), "x"); }, 76},
      {"write over read-only file", [&] { writeFile(at("readonly.txt"), "x"); }, 70},
      {"write over a folder", [&] { writeFile(at("folder"), "x"); }, 70},
      {"copy missing source", [&] { copyFile(at("missing.txt"), at("t.txt"), true); }, 53},
      {"copy over existing without overwrite", [&] { copyFile(at("file.txt"), at("other.txt"), false); }, 58},
      {"copy over read-only file", [&] { copyFile(at("file.txt"), at("readonly.txt"), true); }, 70},
      {"copy onto itself", [&] { copyFile(at("file.txt"), at("file.txt"), true); }, 70},
      {"copy a folder", [&] { copyFile(at("folder"), at("t.txt"), true); }, 53},
      {"delete missing file", [&] { deleteFile(at("missing.txt"), true); }, 53},
      {"delete read-only unforced", [&] { deleteFile(at("readonly.txt"), false); }, 70},
      {"delete a folder as file", [&] { deleteFile(at("folder"), true); }, 53},
      {"create existing folder", [&] { createFolder(at("folder")); }, 58},
      {"create folder over file", [&] { createFolder(at("file.txt")); }, 58},
      {"create folder in missing parent", [&] { createFolder(at("no/such")); }, 76},
      {"create tree through a file", [&] { createFolderTree(at("file.txt/sub")); }, 58},
      {"delete missing folder", [&] { deleteFolderTree(at("nofolder"), true); }, 76},
      {"delete a file as folder", [&] { deleteFolderTree(at("file.txt"), true); }, 76},
      {"move onto existing", [&] { moveItem(at("file.txt"), at("other.txt")); }, 58},
      {"move missing", [&] { moveItem(at("missing.txt"), at("new.txt")); }, 53},
      {"info of missing", [&] { entryInfo(at("missing.txt")); }, 53},
      {"list missing folder", [&] { listFolder(at("nofolder")); }, 76},
  };
  for (const auto& c : cases) EXPECT_EQ(errorNumberOf(c.action), c.number) << c.what;
  // None of the failures changed anything.
  EXPECT_EQ(readFile(at("other.txt")), "y");
  EXPECT_EQ(readFile(at("readonly.txt")), "x");
  EXPECT_EQ(names(), (std::vector<std::string>{"file.txt", "folder", "other.txt", "readonly.txt"}));
}

TEST_F(FileSystemTest, WriteReplacesWholeFileAndLeavesNoTempFiles) {
  std::string bytes("a\0b\r\n\xFF", 6);
  writeFile(at("f.bin"), bytes);
  EXPECT_EQ(readFile(at("f.bin")), bytes);
  ::chmod(at("f.bin").c_str(), 0640);
  writeFile(dir_.str() + "\\f.bin", "second");
  EXPECT_EQ(readFile(at("f.bin")), "second");
  struct stat st;
  ASSERT_EQ(::stat(at("f.bin").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its mode";
  EXPECT_EQ(names(), std::vector<std::string>{"f.bin"});
}

TEST_F(FileSystemTest, WriteWorksNearTheNameLengthLimitAndThroughLinks) {
  std::string name(250, 'n');
  writeFile(at(name), "x");
  copyFile(at(name), at(name + "c"), true);
  EXPECT_EQ(readFile(at(name + "c")), "x");
  // Writing through a symbolic link changes its target.
  make("target.txt", "old");
  stdfs::create_symlink(at("target.txt"), at("link.txt"));
  writeFile(at("link.txt"), "new");
  EXPECT_TRUE(stdfs::is_symlink(at("link.txt")));
  EXPECT_EQ(readFile(at("target.txt")), "new");
}

TEST_F(FileSystemTest, CopyKeepsContentAndModificationTimeAndMoveRenames) {
  make("src.txt", "content");
  struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, at("src.txt").c_str(), times, 0), 0);
  copyFile(at("src.txt"), at("dst.txt"), false);
  copyFile(at("src.txt"), at("dst.txt"), true);
  EXPECT_EQ(readFile(at("dst.txt")), "content");
  EXPECT_EQ(entryInfo(at("dst.txt")).lastModified, entryInfo(at("src.txt")).lastModified);
  EXPECT_EQ(names(), (std::vector<std::string>{"dst.txt", "src.txt"}));
  moveItem(at("dst.txt"), at("moved.txt"));
  EXPECT_FALSE(fileExists(at("dst.txt")));
  EXPECT_EQ(readFile(at("moved.txt")), "content");
  createFolder(at("d1"));
  moveItem(at("d1"), at("d2"));
  EXPECT_TRUE(folderExists(at("d2")));
}

TEST_F(FileSystemTest, ForcedDeletesRemoveReadOnlyFilesAndFolderTrees) {
  make("ro.txt", "x");
  makeReadOnly("ro.txt");
  deleteFile(at("ro.txt"), true);
  EXPECT_FALSE(fileExists(at("ro.txt")));
  createFolderTree(at("a//b/c/"));
  createFolderTree(at("a/b/c"));  // existing: nothing happens
  EXPECT_TRUE(folderExists(at("a\\b\\c")));
  EXPECT_FALSE(fileExists(at("a/b/c")));
  make("a/b/c/f.txt", "1234");
  make("a/b/ro.txt", "12");
  makeReadOnly("a/b/ro.txt");
  EXPECT_EQ(folderSize(at("a")), 6u);

  EXPECT_EQ(errorNumberOf([&] { deleteFolderTree(at("a"), false); }), 70);
  EXPECT_TRUE(fileExists(at("a/b/c/f.txt"))) << "an unforced delete that fails removes nothing";
  deleteFolderTree(at("a/"), true);
  EXPECT_FALSE(folderExists(at("a")));
}

TEST_F(FileSystemTest, DeletingALinkToAFolderKeepsItsTarget) {
  createFolder(at("real"));
  make("real/keep.txt", "x");
  stdfs::create_directory_symlink(at("real"), at("link"));
  deleteFolderTree(at("link"), true);
  EXPECT_FALSE(stdfs::exists(stdfs::symlink_status(at("link"))));
  EXPECT_TRUE(fileExists(at("real/keep.txt")));
}

TEST_F(FileSystemTest, ListsEntriesWithAttributesInNameOrder) {
  make("b.txt", "12345");
  make(".hidden", "");
  make("A.TXT", "1");
  makeReadOnly("A.TXT");
  createFolder(at("c"));
  stdfs::create_symlink(at("b.txt"), at("link"));
  struct timespec times[2] = {{0, UTIME_OMIT}, {0, 0}};
  DateParts parts{2003, 1, 5, 9, 3, 7};
  struct tm local = {};
  local.tm_year = 103, local.tm_mon = 0, local.tm_mday = 5, local.tm_hour = 9, local.tm_min = 3,
  local.tm_sec = 7, local.tm_isdst = -1;
  times[1].tv_sec = ::mktime(&local);
  ASSERT_EQ(::utimensat(AT_FDCWD, at("b.txt").c_str(), times, 0), 0);

  std::vector<EntryInfo> entries = listFolder(dir_.str());
  std::vector<std::string> listed;
  for (const auto& entry : entries) listed.push_back(entry.name);
  EXPECT_EQ(listed, (std::vector<std::string>{".hidden", "A.TXT", "b.txt", "c", "link"}));
  EXPECT_EQ(entries[0].attributes, kArchive | kHidden);
  EXPECT_EQ(entries[1].attributes, kArchive | kReadOnly);
  EXPECT_EQ(entries[2].attributes, kArchive);
  EXPECT_EQ(entries[2].size, 5u);
  EXPECT_EQ(entries[3].attributes, kDirectory);
  EXPECT_TRUE(entries[3].isFolder);
  EXPECT_EQ(entries[4].attributes, kArchive | kAlias);
  double expected = 0;
  ASSERT_TRUE(oleDateFromParts(parts, expected));
  EXPECT_DOUBLE_EQ(entries[2].lastModified, expected);
}

TEST(TempNameTest, HasTheWindowsShape) {
  for (int i = 0; i < 20; ++i) {
    std::string name = tempName();
    ASSERT_EQ(name.size(), 12u) << name;
    EXPECT_EQ(name.substr(0, 3), "rad") << name;
    EXPECT_EQ(name.substr(8), ".tmp") << name;
    EXPECT_EQ(name.substr(3, 5).find_first_not_of("0123456789ABCDEF"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace corvela::fs
