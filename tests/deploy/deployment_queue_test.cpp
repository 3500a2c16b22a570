// Which deploy tasks hold a file, and queuing one file to all of them.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core_fixture.h"
#include "deploy/deploy_task.h"
#include "deploy/deployment_queue.h"

namespace corvela::deploy {
namespace {

TEST(FolderHolds, ComparesWholeSegmentsExactly) {
  struct Case {
    const char* directory;
    const char* path;
    bool holds;
  } cases[] = {
      {"/srv/site", "/srv/site/a.htm", true},
      {"/srv/site/", "/srv/site/news/a.htm", true},
      {"\\srv\\site", "/srv/site/a.htm", true},
      {"/srv/site", "/srv/site", true},
      {"/srv/site", "/srv/site2/a.htm", false},
      {"/srv/s_te", "/srv/site/a.htm", false},
      {"/srv/%", "/srv/site/a.htm", false},
      {"/srv/Site", "/srv/site/a.htm", false},
      {"/srv/100%_sure", "/srv/100%_sure/a.htm", true},
      {"/", "/srv/a.htm", true},
      {" ", "/srv/a.htm", false},
      {"", "/srv/a.htm", false},
  };
  for (const Case& c : cases) EXPECT_EQ(folderHolds(c.directory, c.path), c.holds) << c.directory << " " << c.path;
}

class DeploymentQueueTest : public testing::CoreTest {
 protected:
  int32_t addTask(const std::string& directory, const std::string& target) {
    DeployTask task;
    task.setDirectory(directory);
    task.setTarget(target);
    task.Save();
    return task.ID();
  }
};

TEST_F(DeploymentQueueTest, FileGoesToEveryTaskHoldingItAndNoOther) {
  std::filesystem::create_directories(siteDir() + "/news");
  std::string file = siteDir() + "/news/a.htm";
  std::ofstream(file) << "page";
  addTask(siteDir(), "/backup/one");
  addTask(siteDir() + "/news/", "/backup/two");
  addTask(siteDir() + "2", "/backup/never");
  addTask(siteDir() + "/new_", "/backup/never");
  QueueFileForDeployment(file);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_execution"), "2");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution ORDER BY id"), "/backup/one/news/a.htm");
  EXPECT_EQ(scalar("SELECT target FROM dep_execution ORDER BY id DESC"), "/backup/two/a.htm");
  EXPECT_NE(scalar("SELECT source FROM dep_execution ORDER BY id"),
            scalar("SELECT source FROM dep_execution ORDER BY id DESC"));
  size_t snapshots = 0;
  for (const auto& entry : std::filesystem::directory_iterator(tempDir())) snapshots += entry.path().extension() == ".tmp";
  EXPECT_EQ(snapshots, 2u);
}

}  // namespace
}  // namespace corvela::deploy
