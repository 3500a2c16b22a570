// Folder: listings that register rows, rename carrying rows, copy and move
// with and without the trailing "/", deletes, and what is refused.
#include <cstring>

#include <gtest/gtest.h>

#include "platform/automation/collection.h"
#include "platform/db/recordset.h"
#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"

namespace corvela::sitefiles {
namespace {

using testing::expectError;

class FolderTest : public testing::SiteFilesTest {
 protected:
  std::string rowsUnder(const std::string& like) {
    return scalar("SELECT group_concat(filename, ' ') FROM (SELECT filename FROM cms_fileattribute WHERE filename "
                  "LIKE '" + like + "' ORDER BY filename)");
  }
  SiteFolder site;
};

TEST_F(FolderTest, ListingCreatesOneRowPerFileTitledWithItsName) {
  put("/news/b.htm", "bb");
  put("/news/a.htm", "a");
  put("/news/sub/c.htm", "c");
  auto rs = site.GetFolder("/news")->ListFile();
  ASSERT_EQ(rs->recordCount(), 2);
  EXPECT_EQ(rs->value("Name").toString(), "a.htm");
  EXPECT_EQ(rs->value("Title").toString(), "a.htm");
  EXPECT_EQ(rs->value("FileType").toString(), "htm");
  rs->moveNext();
  EXPECT_EQ(rs->value("FileSize").toLong(), 2);
  EXPECT_EQ(rs->field(5).type, 64);
  EXPECT_EQ(rowsUnder("/news/%"), "/news/a.htm /news/b.htm");
  auto files = site.GetFolder("/news/")->Files();
  EXPECT_EQ(files->size(), 2u);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_fileattribute"), "2");
  EXPECT_EQ(static_cast<File&>(*files->at(0).rawObject()).Name(), "/news/a.htm");
  auto subFolders = site.GetFolder("/news/")->SubFolder();
  ASSERT_EQ(subFolders->size(), 1u);
  EXPECT_EQ(static_cast<Folder&>(*subFolders->at(0).rawObject()).Name(), "/news/sub");
}

TEST_F(FolderTest, ListingKeepsExistingRows) {
  put("/news/a.htm", "a");
  sql("INSERT INTO cms_fileattribute (id,filename,title,lockedby) VALUES (1,'/news/a.htm','Story','ann ')");
  auto rs = site.GetFolder("/news/")->ListFile();
  EXPECT_EQ(rs->value("Title").toString(), "Story");
  EXPECT_EQ(rs->value("LockedBy").toString(), "ann ");
  auto files = site.GetFolder("/news/")->Files();
  EXPECT_EQ(static_cast<File&>(*files->at(0).rawObject()).Locked_By(), "ann");
}

TEST_F(FolderTest, RenameCarriesRowsOfItsFilesOnly) {
  for (const char* uri : {"/a/x.htm", "/a/sub/y.htm", "/a2/z.htm", "/aa/w.htm"}) {
    put(uri, "");
    site.GetFile(uri)->LockFile("ann");
  }
  auto folder = site.GetFolder("/a/");
  EXPECT_TRUE(folder->Rename("b"));
  EXPECT_EQ(folder->Name(), "/b/");
  EXPECT_TRUE(exists("/b/sub/y.htm"));
  EXPECT_EQ(rowsUnder("%"), "/a2/z.htm /aa/w.htm /b/sub/y.htm /b/x.htm");

  // "_" and "%" in the folder name are plain characters, not patterns.
  for (const char* uri : {"/a_%/x.htm", "/ab%/y.htm", "/a_%b/z.htm"}) {
    put(uri, "");
    site.GetFile(uri)->LockFile("ann");
  }
  EXPECT_TRUE(site.GetFolder("/a_%/")->Rename("c"));
  EXPECT_EQ(rowsUnder("/a%"), "/a2/z.htm /a_%b/z.htm /aa/w.htm /ab%/y.htm");
  EXPECT_EQ(rowsUnder("/c/%"), "/c/x.htm");
}

TEST_F(FolderTest, RootAndTemplateRootAreNotRenamedOrRemoved) {
  put("/Templates/t.htm", "");
  put("/a.htm", "");
  for (const char* name : {"/", "/Templates/", "/templates/"}) EXPECT_FALSE(site.GetFolder(name)->Rename("x"));
  Folder("/Templates/").Delete();
  EXPECT_TRUE(std::filesystem::is_directory(at("/Templates")));
  EXPECT_FALSE(exists("/Templates/t.htm"));
  // Every spelling of the root empties the site but keeps its folder.
  for (const char* name : {"", "/", "//", "/."}) {
    put("/sub/a.htm", "");
    Folder(name).Delete();
    EXPECT_TRUE(std::filesystem::is_directory(siteDir())) << name;
    EXPECT_FALSE(exists("/sub")) << name;
  }
}

TEST_F(FolderTest, CopyIntoFolderWithOrWithoutTrailingSlash) {
  put("/news/a.htm", "a");
  put("/news/sub/b.htm", "b");
  auto a = site.GetFile("/news/a.htm");
  a->LockFile("ann");
  a->setTitle("Story");
  a->Save("ann");
  for (const char* target : {"/archive/", "/archive2"}) {
    site.GetFolder("/news/")->Copy(target);
    std::string base = std::string(target) + (target[std::strlen(target) - 1] == '/' ? "" : "/");
    EXPECT_EQ(got(base + "news/a.htm"), "a") << target;
    EXPECT_EQ(got(base + "news/sub/b.htm"), "b") << target;
    auto copy = site.GetFile(base + "news/a.htm");
    EXPECT_EQ(copy->Title(), "Story");
    EXPECT_EQ(copy->Locked_By(), "");
  }
  EXPECT_TRUE(exists("/news/a.htm"));
}

TEST_F(FolderTest, MoveWithoutTrailingSlashEndsUnderTheTargetAndStopsAtALockedFile) {
  put("/news/a.htm", "a");
  auto folder = site.GetFolder("/news/");
  folder->Move("/archive");
  EXPECT_EQ(folder->Name(), "/archive/news/");
  EXPECT_EQ(got("/archive/news/a.htm"), "a");
  EXPECT_FALSE(exists("/news"));

  put("/locked/a.htm", "a");
  site.GetFile("/locked/a.htm")->LockFile("ann");
  expectError([&] { site.GetFolder("/locked/")->Move("/archive/"); }, 8193, "File.Delete", "locked");
  EXPECT_TRUE(exists("/locked/a.htm"));
  EXPECT_TRUE(exists("/archive/locked/a.htm"));
}

TEST_F(FolderTest, CopyOrMoveIntoItselfIsRefusedBeforeAnythingHappens) {
  put("/news/a.htm", "a");
  std::filesystem::create_directories(at("/news/sub"));
  for (const char* target : {"/news/sub/", "/", "/news/"}) {
    EXPECT_THROW(site.GetFolder("/news/")->Copy(target), ComError) << target;
    EXPECT_THROW(site.GetFolder("/news/")->Move(target), ComError) << target;
  }
  std::filesystem::create_directory_symlink(at("/news/sub"), at("/alias"));
  EXPECT_THROW(site.GetFolder("/news/")->Copy("/alias/"), ComError) << "the same folder by a link";
  EXPECT_THROW(site.GetFolder("/")->Move("/x/"), ComError);
  site.GetFolder("/")->Copy("/x/");  // copying the root does nothing
  EXPECT_FALSE(exists("/news/sub/news"));
  EXPECT_FALSE(exists("/x"));
  EXPECT_EQ(got("/news/a.htm"), "a");
}

TEST_F(FolderTest, ParentFolderNames) {
  std::filesystem::create_directories(at("/a/b"));
  EXPECT_EQ(site.GetFolder("/a/b/")->ParentFolder()->Name(), "/a");
  EXPECT_EQ(site.GetFolder("/a/")->ParentFolder()->Name(), "/");
  EXPECT_EQ(site.GetFolder("/")->ParentFolder()->Name(), "/");
  EXPECT_EQ(site.GetFile("/a/b/c.htm")->ParentFolder()->Name(), "/a/b");
}

}  // namespace
}  // namespace corvela::sitefiles
