// Version: the first version, recording and removing files, publishing to
// the deploy tasks that hold each file, the 30-version window and refused
// URIs.
#include "content/version.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "content_fixture.h"
#include "deploy/deploy_task.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::content {
namespace {

using testing::CoreTest;

class VersionTest : public CoreTest {
 protected:
  int32_t addTask(const std::string& directory) {
    deploy::DeployTask task;
    task.setDirectory(directory);
    task.setTarget((dataDir() / "target").string());
    task.Save();
    return task.ID();
  }
  void writeSiteFile(const std::string& uri) {
    std::filesystem::path path = siteDir() + uri;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "page " << uri;
  }
  std::string queuedTargets() {
    std::string out;
    db::Connection connection(connString());
    for (auto rs = connection.query("SELECT target FROM dep_execution ORDER BY id"); !rs->eof(); rs->moveNext())
      out += rs->value("target").toString().substr((dataDir() / "target").string().size()) + ",";
    return out;
  }
  std::string count(const std::string& table) { return scalar("SELECT COUNT(*) FROM " + table); }
};

TEST_F(VersionTest, ReadingTheCurrentVersionOnAnEmptyTableStartsTheFirst) {
  Version version;
  EXPECT_EQ(version.CurrentVersionID(), 1);
  EXPECT_EQ(scalar("SELECT Status || ' ' || OrderNum FROM Version WHERE id=1"), "1 1");
  EXPECT_NEAR(version.CurrentVersion().days, oleDateNow(), 5.0 / 86400);
  EXPECT_EQ(count("Version"), "1") << "later reads use the version that exists";
  EXPECT_EQ(version.GetVersionStatus(1), kVersionOpen);
  EXPECT_EQ(version.GetVersionStatus(77), 0);
}

TEST_F(VersionTest, EveryUriIsRecordedOnceReadBackExactlyAndRemovable) {
  Version version;
  for (const std::string& text : testing::trickyTexts()) {
    version.AddFile("/news/" + text + ".html");
    version.AddFile("/news/" + text + ".html");
  }
  EXPECT_EQ(count("VersionFile"), std::to_string(testing::trickyTexts().size()));
  auto rs = version.ListFile(version.CurrentVersionID());
  for (auto text = testing::trickyTexts().rbegin(); text != testing::trickyTexts().rend(); ++text, rs->moveNext()) {
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->value("Uri").toString(), "/news/" + *text + ".html") << "newest first";
  }
  version.AddFile("/a.html");
  version.RemoveFile(std::stoi(scalar("SELECT id FROM VersionFile WHERE Uri='/a.html'")));
  EXPECT_EQ(count("VersionFile"), std::to_string(testing::trickyTexts().size())) << "RemoveFile forgets one file";
}

TEST_F(VersionTest, UrisClimbingOutOfTheSiteAreRefused) {
  Version version;
  for (const char* uri : {"/../etc/passwd", "/a/../../x", "/%2e%2e/x"}) {
    testing::Raised error = testing::raised([&] { version.AddFile(uri); });
    EXPECT_EQ(error.number, 513) << uri;
    EXPECT_EQ(error.description, "InvalidURL") << uri;
  }
  EXPECT_EQ(count("VersionFile"), "0");
}

TEST_F(VersionTest, PublishingQueuesEachFileToEveryTaskHoldingItAndClosesTheVersion) {
  addTask(siteDir());
  addTask(siteDir() + "/news");
  addTask(siteDir() + "/new");  // a sibling prefix, not a folder of the files
  for (const char* uri : {"/news/o'neil.html", "/about 100%.html"}) writeSiteFile(uri);
  Version version;
  version.AddFile("/news/o'neil.html");
  version.AddFile("/about 100%.html");
  const int32_t first = version.CurrentVersionID();
  version.PublishCurrentVersion();
  EXPECT_EQ(queuedTargets(), "/news/o'neil.html,/o'neil.html,/about 100%.html,");
  EXPECT_EQ(version.GetVersionStatus(first), kVersionPublished);

  version.AddFile("/news/o'neil.html");
  const int32_t second = version.CurrentVersionID();
  EXPECT_NE(second, first) << "a published version takes no more files";
  EXPECT_EQ(scalar("SELECT OrderNum FROM Version WHERE id=" + std::to_string(second)), "1");
  EXPECT_EQ(scalar("SELECT OrderNum FROM Version WHERE id=" + std::to_string(first)), "2");
  version.PublishCurrentVersion();
  EXPECT_EQ(count("dep_execution"), "5") << "only the new version's file is queued again";
}

TEST_F(VersionTest, AFailedPublishLeavesTheVersionOpenAndNothingQueued) {
  addTask(siteDir());
  writeSiteFile("/here.html");
  std::filesystem::create_directories(dataDir() / "outside");
  std::ofstream(dataDir() / "outside" / "secret.txt") << "not for the site";
  std::filesystem::create_directory_symlink(dataDir() / "outside", siteDir() + "/link");
  struct Case {
    const char* uri;
    int error;
  };
  for (const Case& c : {Case{"/gone.html", 0}, Case{"/link/secret.txt", 513}}) {
    SCOPED_TRACE(c.uri);
    Version version;
    version.AddFile("/here.html");
    version.AddFile(c.uri);
    testing::Raised error = testing::raised([&] { version.PublishCurrentVersion(); });
    EXPECT_NE(error.number, 0) << "published";
    EXPECT_TRUE(c.error == 0 || error.number == c.error) << error.number;
    EXPECT_EQ(version.GetVersionStatus(version.CurrentVersionID()), kVersionOpen);
    EXPECT_EQ(count("dep_execution"), "0");
    sql("DELETE FROM VersionFile");
  }
}

TEST_F(VersionTest, ConcurrentRequestsStartOneVersionAndRecordAUriOnce) {
  runTogether(6, [](int) { Version().CurrentVersionID(); });
  EXPECT_EQ(count("Version"), "1");
  Version().PublishCurrentVersion();
  runTogether(6, [](int) { Version().AddFile("/same.html"); });
  EXPECT_EQ(count("Version"), "2") << "one new version after the published one";
  EXPECT_EQ(count("VersionFile"), "1");
  EXPECT_EQ(scalar("SELECT group_concat(OrderNum) FROM (SELECT OrderNum FROM Version ORDER BY id)"), "2,1");
}

TEST_F(VersionTest, TheThirtyFirstVersionDropsTheOldestWithItsFiles) {
  Version version;
  for (int i = 1; i <= 31; ++i) {
    version.AddFile("/v" + std::to_string(i) + ".html");
    version.PublishCurrentVersion();
  }
  EXPECT_EQ(count("Version"), "30");
  EXPECT_EQ(scalar("SELECT MIN(OrderNum) || '-' || MAX(OrderNum) || '-' || COUNT(DISTINCT OrderNum) FROM Version"),
            "1-30-30");
  EXPECT_EQ(version.GetVersionStatus(1), 0) << "the oldest version is gone";
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM VersionFile WHERE Uri='/v1.html'"), "0") << "with its files";
  EXPECT_EQ(count("VersionFile"), "30");
  auto rs = version.ListVersion();
  EXPECT_EQ(rs->value("id").toLong(), 31) << "newest first";
  EXPECT_EQ(rs->value("OrderNum").toLong(), 1);
}

}  // namespace
}  // namespace corvela::content
