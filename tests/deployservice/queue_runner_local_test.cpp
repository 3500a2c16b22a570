// The queue runner on local-folder rows, with and without a deploy plug-in.
#include "deployservice/queue_runner.h"

#include <gtest/gtest.h>

#include "core/settings_key.h"
#include "deploy_fixture.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/progid_factory.h"

namespace corvela::deployservice {
namespace {

namespace fsys = std::filesystem;

// A deploy plug-in that records the targets it is told about.
class RecordingPlugin : public DispatchObject<RecordingPlugin> {
 public:
  static constexpr std::string_view kClassName = "RecordingPlugin";
  static const DispatchTable<RecordingPlugin>& dispatchTable() {
    static const DispatchTable<RecordingPlugin> table =
        Members<RecordingPlugin>().method<&RecordingPlugin::RunPlugin>("RunPlugin").build();
    return table;
  }
  void RunPlugin(std::string_view target) { calls().push_back(std::string(target)); }
  static std::vector<std::string>& calls() {
    static std::vector<std::string> seen;
    return seen;
  }
};

class QueueRunnerLocalTest : public testing::DeployServiceTest {
 protected:
  void run() { QueueRunner(context_).runPass(); }
  void useRecordingPlugin() {
    registerClass("Test.RecordingPlugin", [] { return std::make_shared<RecordingPlugin>(); });
    setSetting(core::kDeployPluginValue, "Test.RecordingPlugin");
  }
};

TEST_F(QueueRunnerLocalTest, RowsCreateAndDeleteFoldersAndFiles) {
  std::string deep = (mirror() / "news" / "2003" / "a.html").string();
  queueRow(1, snapshot("57.tmp", "page"), deep, "file", "NTFS", "create");
  queueRow(2, " ", (mirror() / "img").string(), "dir", "NTFS", "create");
  write(mirror() / "old" / "x.html", "x");
  queueRow(3, " ", (mirror() / "old").string(), "dir", "ntfs", "delete");
  queueRow(4, " ", (mirror() / "gone.html").string(), "file", "NTFS", "delete");
  queueRow(5, " ", (mirror() / "never").string(), "dir", "NTFS", "nothing");
  queueRow(6, " ", (mirror() / "later").string(), "dir", "NTFS", "create", 3);
  run();
  EXPECT_EQ(read(deep), "page");
  EXPECT_TRUE(fsys::is_directory(mirror() / "img"));
  EXPECT_FALSE(fsys::exists(mirror() / "old"));
  EXPECT_FALSE(fsys::exists(mirror() / "never"));
  EXPECT_FALSE(fsys::exists(mirror() / "later")) << "a row whose attempts are used up ran";
  EXPECT_EQ(queue(), std::vector<std::string>{"dir create " + (mirror() / "later").string() + "   3"});
  EXPECT_TRUE(snapshotsLeft().empty());
  EXPECT_TRUE(logTexts().empty()) << logTexts()[0];
}

TEST_F(QueueRunnerLocalTest, AMissingSnapshotIsLoggedWithAndWithoutAPlugin) {
  for (bool withPlugin : {false, true}) {
    sql("DELETE FROM dep_log");
    RecordingPlugin::calls().clear();
    if (withPlugin) useRecordingPlugin();
    std::string missing = tempDir() + "/404.tmp";
    std::string target = (mirror() / "a.html").string();
    queueRow(1, missing, target, "file", "NTFS", "create");
    run();
    EXPECT_EQ(logTexts(), std::vector<std::string>{"File not found:" + missing}) << "plug-in: " << withPlugin;
    EXPECT_TRUE(queue().empty());
    EXPECT_EQ(RecordingPlugin::calls(), withPlugin ? std::vector<std::string>{target} : std::vector<std::string>{});
  }
}

TEST_F(QueueRunnerLocalTest, ThePluginHearsOfEveryCopyAndItsFailuresAreIgnored) {
  RecordingPlugin::calls().clear();
  useRecordingPlugin();
  queueRow(1, snapshot("1.tmp", "1"), (mirror() / "one.html").string(), "file", "NTFS", "create");
  queueRow(2, " ", (mirror() / "dir").string(), "dir", "NTFS", "create");
  queueRow(3, snapshot("2.tmp", "2"), (mirror() / "two.html").string(), "file", "NTFS", "create");
  run();
  EXPECT_EQ(RecordingPlugin::calls(),
            (std::vector<std::string>{(mirror() / "one.html").string(), (mirror() / "two.html").string()}));

  setSetting(core::kDeployPluginValue, "No.SuchPlugin");
  queueRow(4, snapshot("3.tmp", "3"), (mirror() / "three.html").string(), "file", "NTFS", "create");
  run();
  EXPECT_EQ(read(mirror() / "three.html"), "3");
  EXPECT_TRUE(logTexts().empty()) << "a plug-in that cannot be created was logged";
}

TEST_F(QueueRunnerLocalTest, ARowWhoseSnapshotWasDeliveredBeforeACrashIsOnlyFinished) {
  // The service stopped after marking the snapshot delivered and before
  // deleting the row: the file is out, so only the row and the mark remain.
  std::string source = tempDir() + "/9.tmp";
  write(source + ".done", "delivered");
  write(mirror() / "a.html", "delivered");
  queueRow(1, source, (mirror() / "a.html").string(), "file", "NTFS", "create");
  write(tempDir() + "/8.tmp.done", "stray");
  QueueRunner(context_).removeDeliveredSnapshots();
  EXPECT_EQ(snapshotsLeft(), std::vector<std::string>{"9.tmp.done"}) << "only marks no row names are removed at start";
  run();
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(snapshotsLeft().empty());
  EXPECT_TRUE(logTexts().empty()) << logTexts()[0];
}

}  // namespace
}  // namespace corvela::deployservice
