// File: locks between two users, deletes of locked files, content in its
// encodings with whole-file replacement, content types, copies and moves,
// and written or created files reaching the deploy queue.
#include <sys/resource.h>

#include <csignal>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/regrw.h"
#include "platform/registry/registry.h"
#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"
#include "support/temp_env.h"

namespace corvela::sitefiles {
namespace {

using testing::expectError;

class FileTest : public testing::SiteFilesTest {
 protected:
  std::shared_ptr<File> registered(const std::string& uri) {
    std::filesystem::create_directories(std::filesystem::path(at(uri)).parent_path());
    return site.CreateFile(site.GetFilePath(uri), site.GetFileName(uri));
  }
  std::string lockedBy(const std::string& uri) {
    return scalar("SELECT lockedby FROM cms_fileattribute WHERE filename='" + uri + "'");
  }
  SiteFolder site;
};

TEST_F(FileTest, LockUnlockAndStatusForTwoUsers) {
  registered("/a.htm");
  auto ann = site.GetFile("/a.htm");
  EXPECT_TRUE(ann->LockFile("ann"));
  EXPECT_EQ(lockedBy("/a.htm"), "ann");
  EXPECT_EQ(ann->LockStatus("ann"), 1);
  EXPECT_EQ(ann->LockStatus("bob"), -1);
  EXPECT_EQ(ann->LockStatus("  "), -1);
  auto bob = site.GetFile("/a.htm");
  EXPECT_FALSE(bob->LockFile("bob"));
  EXPECT_FALSE(bob->UnlockFile("bob"));
  EXPECT_FALSE(bob->LockFile(""));
  expectError([&] { bob->Save("bob"); }, 8193, "File.Save", "locked");
  EXPECT_TRUE(ann->UnlockFile("ann"));
  EXPECT_EQ(lockedBy("/a.htm"), "");
  EXPECT_EQ(ann->LockStatus("ann"), 0);
  EXPECT_TRUE(ann->UnlockFile("ann"));  // unlocking a free file succeeds

  // A file without an attribute row gets one when it is locked.
  put("/plain.htm", "x");
  EXPECT_TRUE(site.GetFile("/plain.htm")->LockFile("ann"));
  EXPECT_EQ(lockedBy("/plain.htm"), "ann");
  EXPECT_FALSE(site.GetFile("/plain.htm")->LockFile("bob"));
}

TEST_F(FileTest, TwoObjectsLockingOneFileCannotBothWin) {
  registered("/a.htm");
  auto first = site.GetFile("/a.htm");
  auto second = site.GetFile("/a.htm");  // read while the file was free
  EXPECT_TRUE(first->LockFile("ann"));
  EXPECT_FALSE(second->LockFile("bob"));
  EXPECT_EQ(second->Locked_By(), "ann");
  EXPECT_EQ(lockedBy("/a.htm"), "ann");
  // Nor can a stale object clear the lock by saving its title.
  auto stale = site.GetFile("/a.htm");
  stale->setLocked_By("");
  expectError([&] { stale->Save("carl"); }, 8193, "File.Save", "locked");
  EXPECT_EQ(lockedBy("/a.htm"), "ann");
}

TEST_F(FileTest, ConcurrentLockersOnThreadsGetOneLock) {
  registered("/race.htm");
  constexpr int kUsers = 6;
  std::vector<int> won(kUsers, 0);
  // Every object reads the file while it is still free.
  std::vector<std::shared_ptr<File>> files;
  for (int i = 0; i < kUsers; ++i) files.push_back(site.GetFile("/race.htm"));
  std::vector<std::thread> threads;
  for (int i = 0; i < kUsers; ++i)
    threads.emplace_back([&, i] { won[i] = files[i]->LockFile("user" + std::to_string(i)); });
  for (auto& thread : threads) thread.join();
  int winners = 0;
  for (int w : won) winners += w;
  EXPECT_EQ(winners, 1);
}

TEST_F(FileTest, DeleteOfLockedFileLeavesFileAndRow) {
  registered("/a.htm");
  auto holder = site.GetFile("/a.htm");
  auto staleCopy = site.GetFile("/a.htm");
  holder->LockFile("ann");
  expectError([&] { holder->Delete(); }, 8193, "File.Delete", "locked");
  expectError([&] { staleCopy->Delete(); }, 8193, "File.Delete", "locked");
  EXPECT_TRUE(exists("/a.htm"));
  EXPECT_EQ(rowCount("/a.htm"), "1");
  holder->UnlockFile("ann");
  site.GetFile("/a.htm")->Delete();
  EXPECT_FALSE(exists("/a.htm"));
  EXPECT_EQ(rowCount("/a.htm"), "0");
}

// XML as UTF-8, other text in the system code page; a shorter text leaves no
// old bytes behind, and missing folders are made.
TEST_F(FileTest, ContentIsWrittenInItsEncodingAndReplacesTheWholeFile) {
  testing::ScopedEnv codePage("CORVELA_CODEPAGE", "GB18030");
  put("/data/a.xml", "");
  File xml("/data/a.xml", "", "");
  xml.setContent("<a>\xE4\xB8\xAD\xE6\x96\x87 long old text</a>");
  xml.setContent("<b>\xE4\xB8\xAD</b>");
  EXPECT_EQ(got("/data/a.xml"), "<b>\xE4\xB8\xAD</b>");

  File file("/new/deep/a.htm", "", "");
  file.setContent("\xE4\xB8\xAD");
  EXPECT_EQ(got("/new/deep/a.htm"), "\xD6\xD0");
  EXPECT_EQ(file.Content(), "\xE4\xB8\xAD\r\n");
  EXPECT_EQ(File("/new/deep/a.gif", "", "").Content(), "");
}

TEST_F(FileTest, FailedWriteKeepsTheOldFileWhole) {
  put("/a.htm", "good page");
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = {4096, old.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_THROW(File("/a.htm", "", "").setContent(std::string(100000, 'x')), ComError);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(got("/a.htm"), "good page");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(siteDir()), {}), 1) << "no temporary file left";
}

TEST_F(FileTest, ContentTypesFromTheRegistryAndServerPages) {
  registry::createKey("HKEY_CLASSES_ROOT\\.gif");
  registry::writeValue("HKEY_CLASSES_ROOT\\.gif", "Content Type", "Image/GIF");
  registry::createKey("HKEY_CLASSES_ROOT\\.aspx");
  registry::writeValue("HKEY_CLASSES_ROOT\\.aspx", "Content Type", "text/aspx");
  struct Case {
    const char* uri;
    const char* type;
  } cases[] = {{"/a.gif", "image/gif"},  {"/a.php3", "text/html"}, {"/a.asp", "text/html"},
               {"/a.aspx", "text/htmlx"}, {"/a.css", "text/css"}, {"/readme", "text/unknown"}};
  for (const Case& c : cases) EXPECT_EQ(File(c.uri, "", "").ContentType(), c.type) << c.uri;
  EXPECT_EQ(File("", "", "").ContentType(), "");
}

TEST_F(FileTest, CopyToFolderOrFileUriTakesTitleOnlyForNewTarget) {
  auto source = registered("/news/a.htm");
  put("/news/a.htm", "body");
  source->setTitle("Headline");
  source->Save("");
  std::filesystem::create_directories(at("/archive"));
  source->Copy("/archive/");
  EXPECT_EQ(got("/archive/a.htm"), "body");
  EXPECT_EQ(site.GetFile("/archive/a.htm")->Title(), "Headline");
  registered("/archive/b.htm");
  source->Copy("/archive/b.htm");
  EXPECT_EQ(got("/archive/b.htm"), "body");
  EXPECT_EQ(site.GetFile("/archive/b.htm")->Title(), "b.htm");
}

TEST_F(FileTest, CopiedFileIsQueuedWithItsBytes) {
  addTask(siteDir(), "/backup");
  put("/a.htm", "body");
  File("/a.htm", "", "t").Copy("/b.htm");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_execution"), "1");
  EXPECT_EQ(bytesAt(scalar("SELECT source FROM dep_execution")), "body");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution"), "/backup/b.htm");
}

TEST_F(FileTest, MoveOfLockedFileCopiesThenRefuses) {
  registered("/a.htm");
  put("/a.htm", "x");
  auto file = site.GetFile("/a.htm");
  file->LockFile("ann");
  std::filesystem::create_directories(at("/to"));
  expectError([&] { file->Move("/to/"); }, 8193, "File.Delete", "locked");
  EXPECT_TRUE(exists("/to/a.htm"));
  EXPECT_TRUE(exists("/a.htm"));
  file->UnlockFile("ann");
  file->Move("/to/c.htm");
  EXPECT_FALSE(exists("/a.htm"));
  EXPECT_EQ(got("/to/c.htm"), "x");
}

TEST_F(FileTest, RenameCarriesTheRowAndRefusesEmptyName) {
  auto file = registered("/news/a.htm");
  file->Rename(Variant("b.htm"));
  EXPECT_EQ(file->Name(), "/news/b.htm");
  EXPECT_TRUE(exists("/news/b.htm"));
  EXPECT_EQ(rowCount("/news/b.htm"), "1");
  expectError([&] { file->Rename(Variant("/news/")); }, 513, "File.Rename", "FileNameNull");
  put("/news/c.htm", "");
  EXPECT_THROW(file->Rename(Variant("c.htm")), ComError);  // no silent overwrite
}

TEST_F(FileTest, BinaryContentIsIndexedFromOne) {
  put("/a.bin", std::string("\x00\x01\xFF", 3));
  Variant bytes = File("/a.bin", "", "").GetBinaryContent();
  ASSERT_TRUE(bytes.isArray());
  EXPECT_EQ(bytes.rawArray()->bounds[0].lower, 1);
  EXPECT_EQ(bytes.rawArray()->bytes, (std::vector<uint8_t>{0, 1, 255}));
  put("/empty.bin", "");
  EXPECT_EQ(File("/empty.bin", "", "").GetBinaryContent().rawArray()->bytes.size(), 0u);
  EXPECT_EQ(File("/none.bin", "", "").GetBinaryContent().toString(), "OpenError");
}

TEST_F(FileTest, ApplyTemplateWritesWhatTheTemplateMakesAndABrokenOneKeepsTheFile) {
  put("/t.tpl", "<b><!--% Response.Output 1 + 1 %--></b>");
  put("/a.htm", "old");
  File("/a.htm", "", "").ApplyTemplate("/t.tpl");
  EXPECT_EQ(File("/a.htm", "", "").Content(), "<b>\r\n2</b>\r\n");

  put("/bad.tpl", "<!--% x = 1 / 0 %-->");
  testing::Raised error = testing::raised([] { File("/a.htm", "", "").ApplyTemplate("/bad.tpl"); });
  EXPECT_EQ(error.number, 555);
  EXPECT_EQ(error.source, "File.ApplyTemplate");
  EXPECT_NE(error.description.find("Division by zero\r\nError At Line 1"), std::string::npos) << error.description;
  EXPECT_EQ(File("/a.htm", "", "").Content(), "<b>\r\n2</b>\r\n");
}

// One file to each task holding it, with a snapshot each in the temporary folder.
TEST_F(FileTest, WrittenAndCreatedFilesAreQueuedToEachTaskHoldingThem) {
  addTask(siteDir(), "/mirror/one");
  addTask(siteDir() + "/news", "/mirror/two");
  addTask(siteDir() + "/new", "/mirror/never");
  File("/news/a.htm", "", "").setContent("version 1");
  std::filesystem::create_directories(at("/other"));
  SiteFolder().CreateFile("/other/", "b.htm");  // held by the first task only
  EXPECT_EQ(scalar("SELECT group_concat(target, ' ') FROM (SELECT target FROM dep_execution ORDER BY id)"),
            "/mirror/one/news/a.htm /mirror/two/a.htm /mirror/one/other/b.htm");
  for (int row : {0, 1}) {
    std::string snapshot = scalar("SELECT source FROM dep_execution ORDER BY id LIMIT 1 OFFSET " + std::to_string(row));
    EXPECT_EQ(std::filesystem::path(snapshot).parent_path(), tempDir());
    EXPECT_EQ(bytesAt(snapshot), "version 1");
  }
}

}  // namespace
}  // namespace corvela::sitefiles
