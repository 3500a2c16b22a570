// Tests of FileSystemObject and its File, Folder, Files and Folders objects.
#include "script_call.h"

namespace corvela::scripting {
namespace {

using FileSystemObjectTest = FsoTest;

TEST_F(FileSystemObjectTest, PathFunctionsReadBackslashesAsSlashesAndTempFollowsTmpdir) {
  EXPECT_EQ(fso("BuildPath", {"\\srv\\site", "a.htm"}).toString(), "/srv/site/a.htm");
  EXPECT_EQ(fso("GetFileName", {"\\srv\\site\\a.htm"}).toString(), "a.htm");
  EXPECT_EQ(fso("GetBaseName", {"/srv/site/a.b.htm"}).toString(), "a.b");
  EXPECT_EQ(fso("GetExtensionName", {"/srv/site/a.HTM"}).toString(), "HTM");
  EXPECT_EQ(fso("GetParentFolderName", {"\\srv\\site\\"}).toString(), "/srv");
  EXPECT_EQ(fso("GetAbsolutePathName", {"/srv/./site/../x"}).toString(), "/srv/x");
  EXPECT_EQ(fso("GetTempName").toString().substr(0, 3), "rad");
  EXPECT_EQ(fso("GetDriveName", {"C:\\x"}).toString(), "");
  corvela::testing::ScopedEnv tmpdir("TMPDIR", dir_.str());
  EXPECT_EQ(get(callObject(fso_, "GetSpecialFolder", {Variant(2)}), "Path").toString(), dir_.str());
  EXPECT_EQ(errorNumberOf([&] { fso("GetSpecialFolder", {Variant(0)}); }), 5);
}

TEST_F(FileSystemObjectTest, FilesAndFoldersDescribeThemselves) {
  make("a.txt", "12345");
  std::filesystem::create_directories(dir_.path() / "sub" / "deeper");
  make("sub/b.txt", "xy");
  EXPECT_TRUE(fso("FileExists", {at("a.txt")}).toBool());
  EXPECT_FALSE(fso("FileExists", {at("sub")}).toBool());
  EXPECT_TRUE(fso("FolderExists", {at("sub")}).toBool());

  auto file = callObject(fso_, "GetFile", {Variant(at("a.txt"))});
  EXPECT_EQ(get(file, "Name").toString(), "a.txt");
  EXPECT_EQ(get(file, "Path").toString(), at("a.txt"));
  EXPECT_EQ(get(file, "Size").toLong(), 5);
  EXPECT_EQ(get(file, "Size").type(), VarType::Long);
  EXPECT_EQ(get(file, "DateLastModified").type(), VarType::Date);
  EXPECT_EQ(get(get(file, "ParentFolder").toObject(), "Path").toString(), dir_.str());

  auto folder = callObject(fso_, "GetFolder", {Variant(dir_.str() + "\\sub\\")});
  EXPECT_EQ(get(folder, "Name").toString(), "sub");
  EXPECT_EQ(get(folder, "Size").toLong(), 2);
  EXPECT_FALSE(get(folder, "IsRootFolder").toBool());
  auto files = get(folder, "Files").toObject();
  EXPECT_EQ(get(files, "Count").toLong(), 1);
  EXPECT_EQ(get(get(files, "Item", {Variant("B.TXT")}).toObject(), "Size").toLong(), 2);
  auto subFolders = get(folder, "SubFolders").toObject();
  EXPECT_EQ(get(subFolders, "Count").toLong(), 1);
  std::vector<std::string> names;
  auto it = subFolders->newEnum();
  for (Variant item; it->next(item);) names.push_back(get(item.toObject(), "Name").toString());
  EXPECT_EQ(names, std::vector<std::string>{"deeper"});
  call(subFolders, "Add", {Variant("added")});
  EXPECT_TRUE(exists("sub/added"));

  auto root = callObject(fso_, "GetFolder", {Variant("/")});
  EXPECT_TRUE(get(root, "IsRootFolder").toBool());
  EXPECT_TRUE(get(root, "ParentFolder").isObject());
  EXPECT_EQ(get(root, "ParentFolder").rawObject(), nullptr);
}

TEST_F(FileSystemObjectTest, FailuresRaiseVBScriptNumbers) {
  make("a.txt", "x");
  std::filesystem::create_directory(dir_.path() / "sub");
  auto folder = callObject(fso_, "GetFolder", {Variant(at("sub"))});
  const struct { const char* what; std::function<void()> action; int number; } cases[] = {
      {"GetFile of missing", [&] { fso("GetFile", {at("missing.txt")}); }, 53},
      {"GetFile of a folder", [&] { fso("GetFile", {at("sub")}); }, 53},
      {"GetFolder of missing", [&] { fso("GetFolder", {at("nothing")}); }, 76},
      {"CreateFolder existing", [&] { fso("CreateFolder", {at("sub")}); }, 58},
      {"DeleteFile no match", [&] { fso("DeleteFile", {at("*.none")}); }, 53},
      {"DeleteFolder missing", [&] { fso("DeleteFolder", {at("nothing")}); }, 76},
      {"MoveFile onto existing", [&] { fso("MoveFile", {at("a.txt"), at("a.txt")}); }, 58},
      {"CopyFile without overwrite", [&] { fso("CopyFile", {at("a.txt"), at("a.txt"), false}); }, 58},
      {"Files item missing", [&] { get(get(folder, "Files").toObject(), "Item", {Variant("x")}); }, 53},
      {"SubFolders item missing", [&] { get(get(folder, "SubFolders").toObject(), "Item", {Variant("x")}); }, 76},
      {"BuildPath one argument", [&] { fso("BuildPath", {"x"}); }, 450},
  };
  for (const auto& c : cases) EXPECT_EQ(errorNumberOf(c.action), c.number) << c.what;
}

TEST_F(FileSystemObjectTest, CopyMoveAndDeleteWithWildcards) {
  make("a.htm", "a");
  make("b.HTM", "b");
  make("c.txt", "c");
  fso("CreateFolder", {at("out")});
  fso("CopyFile", {at("*.htm"), at("out")});
  EXPECT_EQ(listing("out"), "a.htm b.HTM");
  fso("CopyFile", {at("c.txt"), dir_.str() + "\\out\\"});
  fso("MoveFile", {at("c.txt"), at("moved.txt")});
  make("out/ab.htm", "ab");
  fso("DeleteFile", {at("out/?.htm")});
  EXPECT_EQ(listing(), "a.htm b.HTM moved.txt out/ out/ab.htm out/c.txt")
      << "? stands for exactly one character, and names match without regard to case";
}

TEST_F(FileSystemObjectTest, FolderTreesCopyMoveAndDelete) {
  std::filesystem::create_directories(dir_.path() / "tree" / "inner");
  make("tree/inner/f.txt", "f");
  fso("CopyFolder", {at("tree"), at("copy")});
  EXPECT_EQ(listing("copy"), "inner/ inner/f.txt");
  fso("MoveFolder", {at("copy"), at("moved")});
  EXPECT_EQ(listing(), "moved/ moved/inner/ moved/inner/f.txt tree/ tree/inner/ tree/inner/f.txt");
  std::filesystem::permissions(dir_.path() / "moved" / "inner" / "f.txt", std::filesystem::perms::owner_read);
  EXPECT_EQ(errorNumberOf([&] { fso("DeleteFolder", {at("moved")}); }), 70);
  EXPECT_TRUE(exists("moved/inner/f.txt"));
  fso("DeleteFolder", {at("moved"), true});
  EXPECT_FALSE(exists("moved"));
}

TEST_F(FileSystemObjectTest, CopyFolderIntoItselfIsRefusedBeforeCopyingAnything) {
  std::filesystem::create_directories(dir_.path() / "tree" / "inner");
  make("tree/inner/f.txt", "f");
  for (const std::string& target : {at("tree/inner/copy"), at("tree"), at("tree/"), at("tree/inner/../sub"),
                                    dir_.str() + "/./tree/x"}) {
    EXPECT_EQ(errorNumberOf([&] { fso("CopyFolder", {at("tree"), target}); }), 52) << target;
    EXPECT_EQ(listing(), "tree/ tree/inner/ tree/inner/f.txt") << "nothing copied for " << target;
  }
  fso("CopyFolder", {at("tree"), at("tree2")});
  EXPECT_TRUE(exists("tree2/inner/f.txt")) << "a sibling whose name starts the same is not inside";
}

TEST_F(FileSystemObjectTest, FileObjectsRenameMoveAndOpen) {
  make("a.txt", "line");
  auto file = callObject(fso_, "GetFile", {Variant(at("a.txt"))});
  file->let("Name", Variant("b.txt"));
  EXPECT_TRUE(exists("b.txt"));
  EXPECT_EQ(get(file, "Path").toString(), at("b.txt"));
  EXPECT_EQ(call(callObject(file, "OpenAsTextStream"), "ReadLine").toString(), "line");
  file->let("Attributes", Variant(1));
  EXPECT_EQ(get(file, "Attributes").toLong() & 1, 1);
  EXPECT_EQ(errorNumberOf([&] { call(file, "Delete"); }), 70);
  call(file, "Delete", {Variant(true)});
  EXPECT_FALSE(exists("b.txt"));
}

}  // namespace
}  // namespace corvela::scripting
