// The shipvane program itself: its command line, and the service run with
// -debug in the background, controlled through Sluicegate.Service and
// killed in the middle of a queue.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "deployservice/change_scanner.h"
#include "platform/registry/registry.h"
#include "platform/service/service_manager.h"

namespace corvela::deployservice {
namespace {

namespace fsys = std::filesystem;
using testing::ScopedEnv;

class ShipvaneProcessTest : public testing::DeployServiceTest {
 protected:
  ShipvaneProcessTest() : runDir_("CORVELA_RUN_DIR", (root_.path() / "run").string()) {
    std::string key = "HKEY_CLASSES_ROOT\\Sluicegate.Service";
    registry::createKey(key);
    registry::writeValue(key, "InprocServer", (testing::buildDir() / "lib" / "libsluicegate.so").string());
  }
  ~ShipvaneProcessTest() override {
    if (child_ > 0) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
  }

  std::string program() const { return (testing::buildDir() / "bin" / "shipvane").string(); }

  testing::CommandOutcome runShipvane(const char* argument) {
    return testing::runShell(dataDir(), "'" + program() + "' " + argument);
  }

  // Starts `shipvane -debug` in the background, its log echo in a file.
  void startDebug() {
    child_ = ::fork();
    if (child_ == 0) {
      int log = ::open((dataDir() / "debug.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      ::dup2(log, 1);
      ::dup2(log, 2);
      std::string path = program();
      ::execl(path.c_str(), path.c_str(), "-debug", static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  int waitForExit() {
    int status = 0;
    ::waitpid(child_, &status, 0);
    child_ = -1;
    return status;
  }

  std::string status(Object& control) {
    Variant name("Shipvane");
    return control.call("GetServerStatus", std::span<Variant>(&name, 1)).toString();
  }
  void request(Object& control, const char* member) {
    Variant name("Shipvane");
    control.call(member, std::span<Variant>(&name, 1));
  }
  template <class Check>
  bool eventually(Check&& check, int tenths = 150) {
    for (int i = 0; i < tenths * 10; ++i) {
      if (check()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  ScopedEnv runDir_;
  pid_t child_ = -1;
};

TEST_F(ShipvaneProcessTest, CommandLineInstallsUninstallsAndRefusesAnythingElse) {
  registry::deleteKey("HKEY_CLASSES_ROOT\\Sluicegate.Service");
  auto bad = runShipvane("-INSTALL");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err, "参数错误。\nshipvane -install|-uninstall|-debug\n");
  EXPECT_FALSE(service::findService("Shipvane")) << "a bad argument installed something";

  auto installed = runShipvane("-install");
  EXPECT_EQ(installed.status, 0);
  EXPECT_EQ(installed.out, "Shipvane 安装成功。\n");
  ASSERT_TRUE(service::findService("Tidewell"));
  EXPECT_EQ(service::findService("Tidewell")->imagePath, program());
  EXPECT_EQ(registry::readValue("HKEY_CLASSES_ROOT\\Sluicegate.Service", "InprocServer"),
            (testing::buildDir() / "lib" / "libsluicegate.so").lexically_normal().string());

  EXPECT_EQ(runShipvane("-uninstall").out, "Shipvane 卸载成功。\n");
  EXPECT_FALSE(service::findService("Tidewell"));
  EXPECT_FALSE(registry::keyExists("HKEY_CLASSES_ROOT\\Sluicegate.Service"));
  auto again = runShipvane("-uninstall");
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "Shipvane 卸载失败。\n");
}

TEST_F(ShipvaneProcessTest, DebugRunIsPausedContinuedAndStoppedThroughSluicegate) {
  ASSERT_EQ(runShipvane("-install").status, 0);
  queueRow(1, " ", (mirror() / "failed").string(), "dir", "NTFS", "create", 3);
  auto control = createObject("Sluicegate.Service");
  startDebug();
  ASSERT_TRUE(eventually([&] { return status(*control) == "Running"; }));
  EXPECT_TRUE(queue().empty()) << "rows whose attempts were used up survive a start";

  request(*control, "PauseServer");
  ASSERT_TRUE(eventually([&] { return status(*control) == "Pause"; }));
  write(site() / "a.html", "a");
  requestScan(addTask(site().string(), mirror().string()));
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  EXPECT_FALSE(fsys::exists(mirror() / "a.html")) << "a paused service ran its passes";

  request(*control, "ContinueServer");
  ASSERT_TRUE(eventually([&] { return status(*control) == "Running"; }));
  EXPECT_TRUE(eventually([&] { return fsys::exists(mirror() / "a.html"); }));

  request(*control, "StopServer");
  EXPECT_TRUE(eventually([&] { return status(*control) == "Stop"; }));
  EXPECT_EQ(waitForExit(), 0);
  EXPECT_EQ(logTexts(), (std::vector<std::string>{"Service.Start：内容发布服务启动。", "Service.Pause：内容发布服务暂停。",
                                                  "Service.Continue：内容发布服务启动。", "Service.Stop：内容发布服务停止。"}));
}

TEST_F(ShipvaneProcessTest, KilledMidQueueAndStartedAgainDeliversEveryFileOnce) {
  ASSERT_EQ(runShipvane("-install").status, 0);
  constexpr int kFiles = 600;
  for (int i = 0; i < kFiles; ++i)
    write(site() / ("d" + std::to_string(i % 7)) / ("f" + std::to_string(i) + ".html"), "content " + std::to_string(i));
  requestScan(addTask(site().string(), mirror().string()));
  ChangeScanner(context_).runPass();

  auto delivered = [&] {
    int count = 0;
    for (const auto& entry : fsys::recursive_directory_iterator(mirror())) count += entry.is_regular_file();
    return count;
  };
  startDebug();
  ASSERT_TRUE(eventually([&] { return delivered() > kFiles / 4; }, 300));
  ::kill(child_, SIGKILL);
  waitForExit();
  ASSERT_LT(delivered(), kFiles) << "the kill came too late to test anything";

  startDebug();
  ASSERT_TRUE(eventually([&] { return queue().empty(); }, 600));
  auto control = createObject("Sluicegate.Service");
  request(*control, "StopServer");
  waitForExit();

  for (const auto& entry : fsys::recursive_directory_iterator(site())) {
    if (!entry.is_regular_file()) continue;
    fsys::path copy = mirror() / fsys::relative(entry.path(), site());
    ASSERT_EQ(read(copy), read(entry.path())) << copy;
  }
  EXPECT_EQ(delivered(), kFiles);
  EXPECT_TRUE(snapshotsLeft().empty()) << snapshotsLeft()[0];
}

}  // namespace
}  // namespace corvela::deployservice
