// Files written through the site classes reach the deploy queue: one file
// to two tasks, with a snapshot of each in the temporary folder.
#include <gtest/gtest.h>

#include "sitefiles/file.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"

namespace corvela::sitefiles {
namespace {

class DeploymentQueueingTest : public testing::SiteFilesTest {};

TEST_F(DeploymentQueueingTest, WrittenFileIsQueuedToEachTaskHoldingIt) {
  addTask(siteDir(), "/mirror/one");
  addTask(siteDir() + "/news", "/mirror/two");
  addTask(siteDir() + "/new", "/mirror/never");
  File("/news/a.htm", "", "").setContent("version 1");
  ASSERT_EQ(scalar("SELECT COUNT(*) FROM dep_execution"), "2");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution ORDER BY id"), "/mirror/one/news/a.htm");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution ORDER BY id DESC"), "/mirror/two/a.htm");
  for (const char* order : {"", " DESC"}) {
    std::string snapshot = scalar(std::string("SELECT source FROM dep_execution ORDER BY id") + order);
    EXPECT_EQ(std::filesystem::path(snapshot).parent_path(), tempDir());
    EXPECT_EQ(bytesAt(snapshot), "version 1");
  }
}

TEST_F(DeploymentQueueingTest, CreatedFileIsQueuedAndUnrelatedTasksAreNot) {
  addTask(siteDir() + "/news", "/mirror");
  std::filesystem::create_directories(at("/news"));
  std::filesystem::create_directories(at("/other"));
  SiteFolder site;
  site.CreateFile("/news/", "a.htm");
  site.CreateFile("/other/", "b.htm");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_execution"), "1");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution"), "/mirror/a.htm");
}

}  // namespace
}  // namespace corvela::sitefiles
