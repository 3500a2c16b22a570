// corvela service and corvela log, run as users run them, against a deploy
// service installed by `shipvane -install`.
#include <signal.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/service/service_state.h"
#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class ServiceCliTest : public IsolatedTest {
 protected:
  ServiceCliTest() : runDir_("CORVELA_RUN_DIR", (root_.path() / "run").string()) {}
  ~ServiceCliTest() override {
    auto left = service::runningProcess("Shipvane");
    if (left.pid) ::kill(left.pid, SIGKILL);
  }
  CommandOutcome run(const std::string& program, const std::string& args) {
    return runShell(root_.path(), "'" + builtProgram(program) + "' " + args);
  }
  bool statusBecomes(const std::string& wanted) {
    for (int i = 0; i < 300; ++i) {
      if (run("corvela", "service status").out == wanted + "\n") return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  ScopedEnv runDir_;
};

TEST_F(ServiceCliTest, ServiceActionsAndTheLog) {
  ASSERT_EQ(run("corvela", "init").status, 0);
  CommandOutcome missing = run("corvela", "service status");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("The specified service does not exist as an installed service."), std::string::npos);

  ASSERT_EQ(run("shipvane", "-install").status, 0);
  EXPECT_EQ(run("corvela", "service status").out, "Stop\n");
  EXPECT_EQ(run("corvela", "service start").status, 0);
  EXPECT_TRUE(statusBecomes("Running"));
  EXPECT_EQ(run("corvela", "service pause").status, 0);
  EXPECT_TRUE(statusBecomes("Pause"));
  EXPECT_EQ(run("corvela", "service continue").status, 0);
  EXPECT_TRUE(statusBecomes("Running"));
  EXPECT_EQ(run("corvela", "service stop").status, 0);
  EXPECT_TRUE(statusBecomes("Stop"));

  CommandOutcome log = run("corvela", "log");
  EXPECT_EQ(log.status, 0);
  size_t stop = log.out.find("Service.Stop：内容发布服务停止。"), start = log.out.find("Service.Start：内容发布服务启动。");
  ASSERT_NE(stop, std::string::npos) << log.out;
  ASSERT_NE(start, std::string::npos) << log.out;
  EXPECT_EQ(run("corvela", "log --clear").status, 0);
  EXPECT_EQ(run("corvela", "log").out, "");
}

}  // namespace
}  // namespace corvela::testing
