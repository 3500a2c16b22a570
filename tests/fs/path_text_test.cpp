// Tests of the FileSystemObject-style path text functions.
#include "platform/fs/path_text.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvela::fs {
namespace {

TEST(PathTextTest, SplitsPaths) {
  const struct {
    const char* path;
    const char* fileName;
    const char* baseName;
    const char* extension;
    const char* parent;
  } cases[] = {
      {"/a/b/c.txt", "c.txt", "c", "txt", "/a/b"}, {"\\a\\b\\c.txt", "c.txt", "c", "txt", "/a/b"},
      {"/a/b/", "b", "b", "", "/a"},
      {"/a//b//", "b", "b", "", "/a"},
      {"/a", "a", "a", "", "/"}, {"/", "", "", "", ""}, {"", "", "", "", ""},
      {"c.tar.gz", "c.tar.gz", "c.tar", "gz", ""}, {"dir/.hidden", ".hidden", "", "hidden", "dir"},
      {"/x/noext", "noext", "noext", "", "/x"}, {"/x.d/file", "file", "file", "", "/x.d"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fileNameOf(c.path), c.fileName) << c.path;
    EXPECT_EQ(baseNameOf(c.path), c.baseName) << c.path;
    EXPECT_EQ(extensionOf(c.path), c.extension) << c.path;
    EXPECT_EQ(parentFolderOf(c.path), c.parent) << c.path;
  }
}

TEST(PathTextTest, BuildsPaths) {
  const struct { const char* path; const char* name; const char* expected; } cases[] = {
      {"/a", "b", "/a/b"},   {"/a/", "b", "/a/b"}, {"/a", "/b", "/a/b"}, {"/a/", "/b", "/a/b"},
      {"", "b", "b"},        {"/a", "", "/a"},     {"C:\\x", "y\\z", "C:/x/y/z"},
  };
  for (const auto& c : cases) EXPECT_EQ(buildPath(c.path, c.name), c.expected) << c.path << " + " << c.name;
}

TEST(PathTextTest, MakesAbsolutePaths) {
  std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(absolutePathOf("/a/./b/../c/"), "/a/c");
  EXPECT_EQ(absolutePathOf("/../.."), "/");
  EXPECT_EQ(absolutePathOf("\\srv\\site\\"), "/srv/site");
  EXPECT_EQ(absolutePathOf(""), cwd == "/" ? "/" : cwd);
  EXPECT_EQ(absolutePathOf("x/y"), (cwd == "/" ? "" : cwd) + "/x/y");
}

}  // namespace
}  // namespace corvela::fs
