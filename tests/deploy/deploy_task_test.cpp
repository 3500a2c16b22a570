// DeployTask: the checks and normalisations of Save, the error texts, scan
// requests and the queue rows with their snapshots.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/settings_key.h"
#include "core_fixture.h"
#include "deploy/deploy_task.h"
#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"

namespace corvela::deploy {
namespace {

using testing::CoreTest;

void expectError(const std::function<void()>& action, int number, const std::string& source,
                 const std::string& description) {
  try {
    action();
    ADD_FAILURE() << "expected error " << number << " " << description;
  } catch (const ComError& error) {
    EXPECT_EQ(error.number(), number);
    EXPECT_EQ(error.source(), source);
    EXPECT_EQ(error.description(), description);
  }
}

class DeployTaskTest : public CoreTest {
 protected:
  DeployTask savedTask(const std::string& directory, const std::string& target) {
    DeployTask task;
    task.setDirectory(directory);
    task.setTarget(target);
    task.Save();
    return task;
  }
  void writeFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(DeployTaskTest, SaveWithoutSettingsNamesBothMissingFields) {
  DeployTask task;
  expectError([&] { task.Save(); }, 1051, "",
              "Some Error in your Input:Directory can not be empty!Target can not be empty!");
  task.setDirectory("/srv/site");
  expectError([&] { task.Save(); }, 1051, "", "Some Error in your Input:Target can not be empty!");
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
    DeployTask task;
    task.setDirectory("/srv/site");
    task.setTarget("/backup");
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
  DeployTask task;
  task.setDirectory(std::string(300, 'd'));
  task.setTarget(std::string(254, 't') + "'s");
  task.setPassword("it's");
  task.Save();
  EXPECT_EQ(task.Directory(), std::string(255, 'd'));
  // The doubled quote would have made 256: it is left out rather than split.
  EXPECT_EQ(task.Target(), std::string(254, 't'));
  EXPECT_EQ(task.Password(), "it's");
}

TEST_F(DeployTaskTest, BeginTimeAndFrequencyAreCorrected) {
  DeployTask past;
  past.setDirectory("/a");
  past.setTarget("/b");
  past.setBeginTime(OleDate{oleDateNow() - 10});
  past.setFrequency(-5);
  double before = oleDateNow();
  past.Save();
  EXPECT_GE(past.BeginTime().days, before - 2.0 / 86400);
  EXPECT_EQ(past.Frequency(), 1);

  DeployTask future;
  future.setDirectory("/a");
  future.setTarget("/b");
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
  expectError([&] { task.Load(42); }, 1050, "", "NoRecord");
  expectError([&] { task.Del(42); }, 1050, "", "NoRecord");
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

TEST_F(DeployTaskTest, AddFileToUpdateQueuesSnapshotAndJoinedTarget) {
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
    EXPECT_EQ(readFile(snapshot), "first");
  }
}

TEST_F(DeployTaskTest, SnapshotKeepsTheContentOfTheMomentOfQueuing) {
  std::string source = siteDir() + "/a.htm";
  writeFile(source, "old");
  DeployTask task = savedTask(siteDir(), "/backup");
  task.AddFileToUpdate(source);
  writeFile(source, "new");
  EXPECT_EQ(readFile(scalar("SELECT source FROM dep_execution")), "old");
}

TEST_F(DeployTaskTest, MissingTempPathRaisesCopyTemplateError) {
  std::string source = siteDir() + "/a.htm";
  writeFile(source, "x");
  DeployTask task = savedTask(siteDir(), "/backup");
  removeSetting(core::kTempPathValue);
  expectError([&] { task.AddFileToUpdate(source); }, 555, "CopyTemplate", "RegReadErr");
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

}  // namespace
}  // namespace corvela::deploy
