// SiteFolder: folder and file creation with their checks, lookups, the URI
// text helpers, and names with quotes, percent signs, spaces and Chinese
// characters passing through every operation, in the file system and in the
// attribute rows.
#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/db/recordset.h"
#include "platform/text/codepage.h"
#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"
#include "support/temp_env.h"

namespace corvela::sitefiles {
namespace {

using testing::expectError;

class SiteFolderTest : public testing::SiteFilesTest {
 protected:
  SiteFolder site;
};

TEST_F(SiteFolderTest, CreateFolderWithOrWithoutTrailingSlashOnParent) {
  for (const char* parent : {"/news", "/news/", "\\news\\"}) {
    auto folder = site.CreateFolder(parent, "sports");
    EXPECT_EQ(folder->Name(), "/news/sports/") << parent;
  }
  EXPECT_TRUE(std::filesystem::is_directory(at("/news/sports")));
  EXPECT_EQ(site.CreateFolder("/", "x/y")->Name(), "/y/");
  EXPECT_TRUE(exists("/y"));
  EXPECT_FALSE(exists("/x"));
}

TEST_F(SiteFolderTest, CreateFolderAndFileRefuseEmptyAndForbiddenNames) {
  expectError([&] { site.CreateFolder("/", ""); }, 513, "SiteFolder", "FolderNameNull");
  expectError([&] { site.CreateFile("/", "dir/"); }, 513, "SiteFolder", "FileNameNull");
  for (const char* name : {"a|b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b"}) {
    expectError([&] { site.CreateFolder("/", name); }, 10001, "SiteFolder.CreateFolder",
                "FolderName Can't include \\/:*?\" <>|");
    expectError([&] { site.CreateFile("/", name); }, 10001, "SiteFolder.CreateFile",
                "FileName Can't include \\/:*?\" <>|");
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_fileattribute"), "0");
}

TEST_F(SiteFolderTest, CreateFileRegistersTitleAndRefusesExistingFile) {
  std::filesystem::create_directories(at("/news"));
  auto file = site.CreateFile("/news", "a.htm");
  EXPECT_EQ(file->Name(), "/news/a.htm");
  EXPECT_EQ(file->Title(), "a.htm");
  EXPECT_EQ(file->Locked_By(), "");
  EXPECT_EQ(got("/news/a.htm"), "");
  EXPECT_EQ(scalar("SELECT title || '|' || lockedby FROM cms_fileattribute WHERE filename='/news/a.htm'"), "a.htm|");

  put("/news/a.htm", "kept");
  expectError([&] { site.CreateFile("/news/", "a.htm"); }, 12293, "VFS.CreateFile", "FileExists");
  EXPECT_EQ(got("/news/a.htm"), "kept");
  EXPECT_EQ(rowCount("/news/a.htm"), "1");
  EXPECT_THROW(site.CreateFile("/missing", "a.htm"), ComError) << "the parent folder must exist";
  EXPECT_FALSE(exists("/missing"));
}

TEST_F(SiteFolderTest, CreateFileKeepsTheRowOfAnEarlierFileOfTheSameUri) {
  sql("INSERT INTO cms_fileattribute (id,filename,title,lockedby) VALUES (7,'/a.htm','Old title','ann')");
  auto file = site.CreateFile("/", "a.htm");
  EXPECT_EQ(file->Title(), "Old title");
  EXPECT_EQ(file->Locked_By(), "ann");
  EXPECT_EQ(rowCount("/a.htm"), "1");
}

TEST_F(SiteFolderTest, GetFileWithoutRowIsTitledWithItsNameAndFree) {
  auto file = site.GetFile("/news/none.htm");
  EXPECT_EQ(file->Title(), "none.htm");
  EXPECT_EQ(file->Locked_By(), "");
  sql("INSERT INTO cms_fileattribute (id,filename,title,lockedby) VALUES (1,'news/none.htm','T','  bob ')");
  EXPECT_EQ(site.GetFile("news/none.htm")->Locked_By(), "bob");
  EXPECT_EQ(site.GetFile("/news/none.htm")->Title(), "none.htm");  // another spelling, another row
  expectError([&] { site.GetFile("/news/"); }, 513, "SiteFolder", "FileNameNull");
}

TEST_F(SiteFolderTest, FileNameAndFilePathOfUris) {
  struct Case {
    const char* uri;
    const char* name;
    const char* path;
  } cases[] = {{"/news/a.htm", "a.htm", "/news"}, {"a.htm", "a.htm", "/"}, {"/a.htm", "a.htm", ""}, {"", "", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(site.GetFileName(c.uri), c.name) << c.uri;
    EXPECT_EQ(site.GetFilePath(c.uri), c.path) << c.uri;
  }
}

TEST_F(SiteFolderTest, TemplateRootIsCreatedWhenMissing) {
  auto root = site.getTemplateRoot();
  EXPECT_TRUE(std::filesystem::is_directory(at("/Templates")));
  EXPECT_EQ(root->get("Name").toString(), "Templates");
  EXPECT_EQ(site.getTree()->get("Path").toString(), siteDir());
}

TEST_F(SiteFolderTest, UrlDecodeAndUtf2GBReadingBytesOfTheSystemCodePage) {
  {
    testing::ScopedEnv utf8("CORVELA_CODEPAGE", "UTF-8");
    EXPECT_EQ(site.UrlDecode("a+b%41"), "a bA");
    EXPECT_EQ(site.Utf2GB("\xE4\xB8\xAD"), "\xE4\xB8\xAD");
  }
  testing::ScopedEnv codePage("CORVELA_CODEPAGE", "ISO-8859-1");
  EXPECT_EQ(site.Utf2GB("x"), "x");
  // The three Latin-1 characters whose bytes are E4 B8 AD.
  EXPECT_EQ(site.Utf2GB("\xC3\xA4\xC2\xB8\xC2\xAD"), "\xE4\xB8\xAD");
  expectError([&] { site.Utf2GB("a\xC3\xA4\xC2\xB8"); }, 5, "Microsoft VBScript runtime error",
              "Invalid procedure call or argument");
}

TEST_F(SiteFolderTest, MakeUriFoldersSureMakesEveryLevel) {
  MakeUriFoldersSure("/a/b/c/");
  EXPECT_TRUE(std::filesystem::is_directory(at("/a/b/c")));
  MakeUriFoldersSure("single");
  EXPECT_FALSE(exists("/single"));
}

TEST_F(SiteFolderTest, MakeUriFoldersSureTakesFoldersAnotherWriterMadeMeanwhile) {
  // Generator threads writing into one new folder all make sure of it.
  for (int round = 0; round < 20; ++round) {
    std::string uri = "/race" + std::to_string(round) + "/x/y/";
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t)
      writers.emplace_back([&] {
        try {
          MakeUriFoldersSure(uri);
        } catch (const ComError&) {
          ++failures;
        }
      });
    for (auto& w : writers) w.join();
    EXPECT_EQ(failures.load(), 0) << uri;
    EXPECT_TRUE(SiteFolder().FolderExists(uri));
  }
}

TEST_F(SiteFolderTest, NamesWithQuotesPercentSignsSpacesAndChineseSurviveEveryOperation) {
  const std::string folderName = "it's 100% \xE6\x96\xB0\xE9\x97\xBB";  // 新闻
  const std::string fileName = "O'Neil 50%off %41 \xE4\xB8\xAD.htm";   // 中
  auto folder = site.CreateFolder("/", folderName);
  EXPECT_EQ(folder->Name(), "/" + folderName + "/");
  auto file = folder->CreateFile(fileName);
  std::string uri = "/" + folderName + "/" + fileName;
  EXPECT_EQ(file->Name(), uri);
  file->setContent("body \xE4\xB8\xAD");
  EXPECT_EQ(got(uri), "body \xE4\xB8\xAD");
  EXPECT_EQ(site.GetFile(uri)->Content(), "body \xE4\xB8\xAD\r\n");
  EXPECT_TRUE(site.GetFile(uri)->LockFile("o'brien"));
  EXPECT_EQ(site.GetFile(uri)->Locked_By(), "o'brien");
  EXPECT_TRUE(site.GetFile(uri)->UnlockFile("o'brien"));

  auto rs = folder->ListFile();
  EXPECT_EQ(rs->value("Name").toString(), fileName);
  EXPECT_EQ(rs->value("Title").toString(), fileName);

  site.CreateFolder("/", "copy's %");
  site.CopyFile(uri, "/copy's %/");
  EXPECT_EQ(got("/copy's %/" + fileName), "body \xE4\xB8\xAD");
  site.GetFile("/copy's %/" + fileName)->Rename(Variant("renamed 'x' 100%.htm"));
  EXPECT_TRUE(exists("/copy's %/renamed 'x' 100%.htm"));
  EXPECT_EQ(rowCount("/copy''s %/renamed ''x'' 100%.htm"), "1");

  EXPECT_TRUE(folder->Rename("moved '%' \xE4\xB8\xAD"));
  std::string moved = "/moved '%' \xE4\xB8\xAD/" + fileName;
  EXPECT_EQ(got(moved), "body \xE4\xB8\xAD");
  EXPECT_EQ(site.GetFile(moved)->Title(), fileName);
  site.GetFile(moved)->Delete();
  EXPECT_FALSE(exists(moved));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_fileattribute WHERE title='" + std::string("O''Neil 50%off %41 \xE4\xB8\xAD.htm") +
                   "'"),
            "1");  // only the copy's row is left
}

}  // namespace
}  // namespace corvela::sitefiles
