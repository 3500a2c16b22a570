// DeployTask: the checks and normalisations of Save, the error texts, scan
// requests and the queue rows with their snapshots; which tasks hold a file,
// and queuing one file to all of them.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "core/settings_key.h"
#include "deploy/deploy_task.h"
#include "deploy/deployment_queue.h"
#include "platform/automation/object.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "support/cli_runner.h"

namespace corvela::deploy {
namespace {

using testing::raised;
using testing::Raised;
using testing::readFileText;

class DeployTaskTest : public testing::CoreTest {
 protected:
  static DeployTask unsavedTask(const std::string& directory, const std::string& target) {
    DeployTask task;
    task.setDirectory(directory);
    task.setTarget(target);
    return task;
  }
  static DeployTask savedTask(const std::string& directory, const std::string& target) {
    DeployTask task = unsavedTask(directory, target);
    task.Save();
    return task;
  }
  static void writeFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
};

TEST_F(DeployTaskTest, SaveWithoutSettingsNamesBothMissingFields) {
  DeployTask task;
  EXPECT_EQ(raised([&] { task.Save(); }),
            (Raised{1051, "", "Some Error in your Input:Directory can not be empty!Target can not be empty!"}));
  task.setDirectory("/srv/site");
  EXPECT_EQ(raised([&] { task.Save(); }), (Raised{1051, "", "Some Error in your Input:Target can not be empty!"}));
  EXPECT_EQ(task.ID(), -1);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_task"), "0");
}

TEST_F(DeployTaskTest, SaveNormalisesMethodAndActiveFlag) {
  struct Case {
    const char* method;
    const char* storedMethod;
    bool active;
    const char* storedActive;
  } cases[] = {{"ftp", "FTP", true, "Y"}, {"Ftp", "FTP", false, "N"}, {"SMB", "FTP", true, "Y"},
               {"ntfs", "NTFS", false, "N"}};
  for (const Case& c : cases) {
    DeployTask task = unsavedTask("/srv/site", "/backup");
    task.setMethod(c.method);
    task.setIsActive(c.active);
    task.Save();
    EXPECT_EQ(scalar("SELECT method FROM dep_task WHERE id=" + std::to_string(task.ID())), c.storedMethod);
    EXPECT_EQ(scalar("SELECT active FROM dep_task WHERE id=" + std::to_string(task.ID())), c.storedActive);
    EXPECT_EQ(task.Method(), c.storedMethod);
  }
}

TEST_F(DeployTaskTest, BlankTextsAreStoredAsOneSpaceAndReadBackEmpty) {
  DeployTask task = savedTask("/srv/site", "/backup");
  EXPECT_EQ(scalar("SELECT '[' + server + ']' FROM dep_task"), "[ ]");
  DeployTask loaded;
  loaded.Load(task.ID());
  EXPECT_EQ(loaded.Server(), "");
  EXPECT_EQ(loaded.Username(), "");
  EXPECT_EQ(loaded.Directory(), "/srv/site");
  EXPECT_EQ(loaded.Port(), 21);
  EXPECT_TRUE(loaded.IsActive());
}

TEST_F(DeployTaskTest, LongTextsAreCutSoThatTheirQuotedFormFits) {
  DeployTask task = unsavedTask(std::string(300, 'd'), std::string(254, 't') + "'s");
  task.setPassword("it's");
  task.Save();
  EXPECT_EQ(task.Directory(), std::string(255, 'd'));
  // The doubled quote would have made 256: it is left out rather than split.
  EXPECT_EQ(task.Target(), std::string(254, 't'));
  EXPECT_EQ(task.Password(), "it's");
}

TEST_F(DeployTaskTest, BeginTimeAndFrequencyAreCorrected) {
  DeployTask past = unsavedTask("/a", "/b");
  past.setBeginTime(OleDate{oleDateNow() - 10});
  past.setFrequency(-5);
  double before = oleDateNow();
  past.Save();
  EXPECT_GE(past.BeginTime().days, before - 2.0 / 86400);
  EXPECT_EQ(past.Frequency(), 1);

  DeployTask future = unsavedTask("/a", "/b");
  future.setBeginTime(OleDate{oleDateNow() + 10});
  future.setFrequency(0);
  future.Save();
  EXPECT_GT(future.BeginTime().days, oleDateNow() + 9);
  EXPECT_EQ(future.Frequency(), 0);
}

TEST_F(DeployTaskTest, SaveUpdatesItsRowOrInsertsWhenTheRowIsGone) {
  DeployTask task = savedTask("/srv/site", "/backup");
  int32_t first = task.ID();
  task.setTarget("/elsewhere");
  task.Save();
  EXPECT_EQ(task.ID(), first);
  EXPECT_EQ(scalar("SELECT target FROM dep_task WHERE id=" + std::to_string(first)), "/elsewhere");
  sql("DELETE FROM dep_task");
  task.Save();
  EXPECT_NE(task.ID(), first);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_task"), "1");
}

TEST_F(DeployTaskTest, LoadAndDelOfMissingRowRaiseNoRecord) {
  DeployTask task;
  EXPECT_EQ(raised([&] { task.Load(42); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { task.Del(42); }), (Raised{1050, "", "NoRecord"}));
  DeployTask saved = savedTask("/srv/site", "/backup");
  EXPECT_TRUE(task.Del(saved.ID()));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_task"), "0");
}

TEST_F(DeployTaskTest, SearchWithBlankConditionListsEveryTask) {
  savedTask("/srv/a", "/x");
  savedTask("/srv/b", "/y");
  DeployTask task;
  EXPECT_EQ(task.Search("   ")->recordCount(), 2);
  EXPECT_EQ(task.Search("directory='/srv/b'")->recordCount(), 1);
  EXPECT_EQ(task.ListAll()->recordCount(), 2);
}

TEST_F(DeployTaskTest, ScanOfUnsavedTaskRequestsTaskMinusOne) {
  DeployTask task;
  task.Scan();
  EXPECT_EQ(scalar("SELECT taskid FROM dep_scan"), "-1");
}

TEST_F(DeployTaskTest, AddFileToUpdateQueuesASnapshotAndTheJoinedTarget) {
  std::string source = siteDir() + "/news/it's a.html";
  writeFile(source, "first");
  for (const char* target : {"/backup/site", "/backup/site/", "\\backup\\site\\"}) {
    sql("DELETE FROM dep_execution");
    DeployTask task = savedTask(siteDir(), target);
    task.setPassword("p'w");
    task.AddFileToUpdate(source);
    EXPECT_EQ(scalar("SELECT target FROM dep_execution"), "/backup/site/news/it's a.html") << target;
    EXPECT_EQ(scalar("SELECT sourcetype || operation || method || password FROM dep_execution"), "filecreateNTFSp'w");
    EXPECT_EQ(scalar("SELECT status FROM dep_execution"), "1");
    std::string snapshot = scalar("SELECT source FROM dep_execution");
    EXPECT_EQ(std::filesystem::path(snapshot).parent_path(), tempDir());
    EXPECT_EQ(std::filesystem::path(snapshot).extension(), ".tmp");
    EXPECT_EQ(readFileText(snapshot), "first");
  }
  writeFile(source, "changed after queuing");
  EXPECT_EQ(readFileText(scalar("SELECT source FROM dep_execution")), "first") << "the snapshot keeps its moment";
}

TEST_F(DeployTaskTest, MissingTempPathRaisesCopyTemplateError) {
  std::string source = siteDir() + "/a.htm";
  writeFile(source, "x");
  DeployTask task = savedTask(siteDir(), "/backup");
  removeSetting(core::kTempPathValue);
  EXPECT_EQ(raised([&] { task.AddFileToUpdate(source); }), (Raised{555, "CopyTemplate", "RegReadErr"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM dep_execution"), "0");
}

TEST_F(DeployTaskTest, ServiceReachesMembersByNameInAnyCase) {
  DeployTask saved = savedTask("/srv/site", "/backup");
  auto task = createObject("Corvela.DeployTask");
  Variant id(saved.ID());
  EXPECT_TRUE(task->call("Load", std::span<Variant>(&id, 1)).toBool());
  EXPECT_EQ(task->get("id").toLong(), saved.ID());
  EXPECT_EQ(task->get("UserName").toString(), "");
  task->let("isActive", Variant(false));
  task->call("Save");
  EXPECT_EQ(scalar("SELECT active FROM dep_task"), "N");
}

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

TEST_F(DeployTaskTest, QueueFileForDeploymentGoesToEveryTaskHoldingTheFileAndNoOther) {
  std::string file = siteDir() + "/news/a.htm";
  writeFile(file, "page");
  savedTask(siteDir(), "/backup/one");
  savedTask(siteDir() + "/news/", "/backup/two");
  savedTask(siteDir() + "2", "/backup/never");
  savedTask(siteDir() + "/new_", "/backup/never");
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
