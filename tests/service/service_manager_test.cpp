// The service manager against a real detached process (test_service_program).
#include "platform/service/service_manager.h"

#include <signal.h>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/service/service_host.h"
#include "support/temp_env.h"

namespace corvela::service {
namespace {

using corvela::testing::ScopedEnv;

class ServiceManagerTest : public corvela::testing::IsolatedTest {
 protected:
  ServiceManagerTest()
      : runDir_("CORVELA_RUN_DIR", (root_.path() / "run").string()), name_("TEST_SERVICE_NAME", "Shipvane") {}

  ~ServiceManagerTest() override {
    RunningProcess left = runningProcess("Shipvane");
    if (left.pid) ::kill(left.pid, SIGKILL);
  }

  void install() {
    ServiceEntry entry{"Shipvane", "content publishing", (corvela::testing::buildDir() / "bin" / "test_service_program").string()};
    ASSERT_TRUE(installService(entry, {"Tidewell"}));
  }

  bool waitFor(std::string_view name, ServiceState state) {
    for (int i = 0; i < 250; ++i) {
      if (queryService(name) == state) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  int32_t errorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const ComError& error) {
      EXPECT_EQ(error.source(), kServiceErrorSource);
      return error.number();
    }
    return 0;
  }

  ScopedEnv runDir_;
  ScopedEnv name_;
};

TEST_F(ServiceManagerTest, StartPauseContinueStopThroughEitherName) {
  install();
  EXPECT_EQ(queryService("Tidewell"), ServiceState::Stopped);
  startService("Tidewell");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Running));
  EXPECT_EQ(errorOf([] { startService("Shipvane"); }), kServiceAlreadyRunning);
  EXPECT_EQ(errorOf([] { continueService("Shipvane"); }), kServiceCannotAcceptControl);

  pauseService("Shipvane");
  ASSERT_TRUE(waitFor("Tidewell", ServiceState::Paused));
  continueService("Tidewell");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Running));
  stopService("Tidewell");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Stopped));
  EXPECT_EQ(errorOf([] { pauseService("Shipvane"); }), kServiceNotActive);
  EXPECT_EQ(errorOf([] { stopService("Shipvane"); }), kServiceNotActive);
}

TEST_F(ServiceManagerTest, ASecondProcessCannotRunTheSameService) {
  install();
  startService("Shipvane");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Running));
  EXPECT_EQ(errorOf([] { ServiceHost second("Shipvane"); }), kServiceAlreadyRunning);
  EXPECT_EQ(queryService("Shipvane"), ServiceState::Running) << "the refused second process took the run files";
  stopService("Shipvane");
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Stopped));
}

TEST_F(ServiceManagerTest, APendingPauseIsReportedUntilTheServiceHasPaused) {
  ScopedEnv slowPause("TEST_PAUSE_MS", "600");
  install();
  startService("Shipvane");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Running));
  pauseService("Shipvane");
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::PausePending));
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Paused));
  stopService("Shipvane");
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Stopped));
}

TEST_F(ServiceManagerTest, AKilledServiceReadsAsStoppedAndStartsAgain) {
  install();
  startService("Shipvane");
  ASSERT_TRUE(waitFor("Shipvane", ServiceState::Running));
  ::kill(runningProcess("Shipvane").pid, SIGKILL);
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Stopped)) << "the stale pid file still counts as running";
  startService("Shipvane");
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Running));
  stopService("Shipvane");
  EXPECT_TRUE(waitFor("Shipvane", ServiceState::Stopped));
}

TEST_F(ServiceManagerTest, UnknownNamesAndUninstalledServicesAreRefused) {
  EXPECT_EQ(errorOf([] { queryService("Nothing"); }), kServiceDoesNotExist);
  EXPECT_EQ(errorOf([] { queryService("..\\Services"); }), kServiceDoesNotExist);
  install();
  EXPECT_TRUE(uninstallService("Shipvane"));
  EXPECT_FALSE(findService("Tidewell")) << "the alias outlived its service";
  EXPECT_EQ(errorOf([] { startService("Tidewell"); }), kServiceDoesNotExist);
  EXPECT_FALSE(uninstallService("Shipvane"));

  ServiceEntry missing{"Ghost", "", "/nonexistent/program"};
  ASSERT_TRUE(installService(missing));
  EXPECT_EQ(errorOf([] { startService("Ghost"); }), kServiceFileNotFound);
}

}  // namespace
}  // namespace corvela::service
