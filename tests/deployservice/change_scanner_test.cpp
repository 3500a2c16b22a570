// The change scanner: a first scan queues every folder and file with
// snapshots, later scans only what changed; apostrophes, links, duplicate
// requests and the errors that end a pass; and JoinPath, which makes the
// targets of the queue rows.
#include "deployservice/change_scanner.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "deployservice/service_paths.h"
#include "platform/automation/com_error.h"

namespace corvela::deployservice {
namespace {

namespace fsys = std::filesystem;

class ChangeScannerTest : public testing::DeployServiceTest {
 protected:
  void SetUp() override {
    write(site() / "a.html", "a");
    write(site() / "b.html", "b");
    write(site() / "news" / "c.html", "c");
    task_ = addTask(site().string(), "/backup/site");
  }
  // The queue rows a pass writes, then empties the queue for the next step.
  std::vector<std::string> scan() {
    requestScan(task_);
    ChangeScanner(context_).runPass();
    auto rows = queue();
    sql("DELETE FROM dep_execution");
    return rows;
  }
  std::string records() {
    return scalar("SELECT group_concat(path || ':' || sourcetype || ':' || deletetag, ' ') FROM "
                  "(SELECT * FROM dep_record ORDER BY path)");
  }
  static std::vector<std::string> sorted(std::vector<std::string> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  int task_ = 0;
};

TEST_F(ChangeScannerTest, FirstScanQueuesEveryFolderAndFileWithSnapshots) {
  auto rows = scan();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], "dir create /backup/site/   1") << "the root folder comes first and targets Target + /";
  EXPECT_EQ(rows[1], "dir create /backup/site/news   1");
  EXPECT_TRUE(rows[2].starts_with("file create /backup/site/news/c.html " + tempDir() + "/")) << rows[2];
  EXPECT_EQ(records(), "/:dir:N /a.html:file:N /b.html:file:N /news:dir:N /news/c.html:file:N");
  EXPECT_EQ(snapshotsLeft().size(), 3u);
  EXPECT_EQ(scalar("SELECT active FROM dep_task"), "N") << "the task is marked busy only while it is scanned";
  EXPECT_EQ(scalar("SELECT count(*) FROM dep_scan"), "0");
}

TEST_F(ChangeScannerTest, LaterScansQueueOnlyWhatChanged) {
  scan();
  EXPECT_TRUE(scan().empty()) << "nothing changed";
  EXPECT_EQ(records(), "/:dir:N /a.html:file:N /b.html:file:N /news:dir:N /news/c.html:file:N");

  write(site() / "a.html", "a2");
  touch(site() / "a.html", 5);
  auto changed = scan();
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_TRUE(changed[0].starts_with("file create /backup/site/a.html ")) << changed[0];
  EXPECT_TRUE(scan().empty()) << "the new time was recorded";

  // A rename is a delete of the old name and a create of the new.
  fsys::rename(site() / "b.html", site() / "renamed.html");
  auto renamed = sorted(scan());
  ASSERT_EQ(renamed.size(), 2u);
  EXPECT_TRUE(renamed[0].starts_with("file create /backup/site/renamed.html ")) << renamed[0];
  EXPECT_EQ(renamed[1], "file delete /backup/site/b.html   1");
  fsys::remove(site() / "renamed.html");
  EXPECT_EQ(scan(), std::vector<std::string>{"file delete /backup/site/renamed.html   1"});

  fsys::remove_all(site() / "news");
  EXPECT_EQ(sorted(scan()), (std::vector<std::string>{"dir delete /backup/site/news   1",
                                                      "file delete /backup/site/news/c.html   1"}));
  EXPECT_EQ(records(), "/:dir:N /a.html:file:N");
}

TEST_F(ChangeScannerTest, NamesWithApostrophesAreFoundAgain) {
  write(site() / "it's.html", "x");
  write(site() / "o'folder" / "d.html", "d");
  EXPECT_EQ(scan().size(), 8u);
  EXPECT_TRUE(scan().empty()) << "an apostrophe made the record unfindable";
}

TEST_F(ChangeScannerTest, ALinkedFolderIsNotWalked) {
  fsys::create_directory_symlink(site(), site() / "loop");
  EXPECT_EQ(scan().size(), 5u) << "a link back up the tree was followed";
}

TEST_F(ChangeScannerTest, DuplicateRequestsScanATaskOnce) {
  requestScan(task_);
  EXPECT_EQ(scan().size(), 5u);
}

TEST_F(ChangeScannerTest, AMissingFolderOrUnknownTaskEndsThePassWithTheError) {
  struct Case {
    std::string directory;
    bool unknownTask;
    int number;
    std::string source;
    std::string descriptionStart;
  };
  std::string missing = (dataDir() / "gone").string();
  const Case cases[] = {
      {missing, false, 555, "Timer.Timer", "目录找不到：" + missing + ","},
      {"", true, 1050, "", "NoRecord"},
  };
  for (const Case& c : cases) {
    sql("DELETE FROM dep_scan");
    int id = c.unknownTask ? 99 : addTask(c.directory, "/x");
    requestScan(id);
    try {
      ChangeScanner(context_).runPass();
      ADD_FAILURE() << "the pass went through for " << c.directory;
    } catch (const ComError& error) {
      EXPECT_EQ(error.number(), c.number);
      EXPECT_EQ(error.source(), c.source);
      EXPECT_TRUE(error.description().starts_with(c.descriptionStart)) << error.description();
    }
    EXPECT_EQ(scalar("SELECT count(*) FROM dep_execution"), "0");
    EXPECT_EQ(scalar("SELECT count(*) FROM dep_scan"), "0") << "the requests of the failed pass are taken";
  }
}

TEST(ServicePaths, JoinPathPutsExactlyOneSeparatorBetweenParts) {
  struct Case {
    const char* first;
    const char* second;
    const char* joined;
  };
  const Case cases[] = {
      {"/backup/site", "/", "/backup/site/"},
      {"/backup/site", "/news/a.html", "/backup/site/news/a.html"},
      {"/backup/site/", "/news/a.html", "/backup/site/news/a.html"},
      {"/backup/site/", "news", "/backup/site/news"},
      {"\\backup\\site\\", "\\news\\a.html", "/backup/site/news/a.html"},
      {"/www", "a.html", "/www/a.html"},
      {"", "/a.html", "/a.html"},
      {"/www", "", "/www"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.first, c.second), c.joined) << c.first << " + " << c.second;
}

}  // namespace
}  // namespace corvela::deployservice
