// Files written or created through the site classes reach the deploy queue:
// one file to each task holding it, with a snapshot each in the temporary
// folder.
#include <gtest/gtest.h>

#include "sitefiles/file.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"

namespace corvela::sitefiles {
namespace {

class DeploymentQueueingTest : public testing::SiteFilesTest {};

TEST_F(DeploymentQueueingTest, WrittenAndCreatedFilesAreQueuedToEachTaskHoldingThem) {
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
