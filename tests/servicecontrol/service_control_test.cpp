// Sluicegate.Service and Corvela.Tidewell, created by ProgID, against a real
// detached service process and a real database.
#include <signal.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"
#include "platform/service/service_manager.h"
#include "platform/service/service_state.h"

namespace corvela {
namespace {

using testing::ScopedEnv;

class ServiceControlTest : public testing::CoreTest {
 protected:
  ServiceControlTest()
      : runDir_("CORVELA_RUN_DIR", (root_.path() / "run").string()), name_("TEST_SERVICE_NAME", "Shipvane") {
    std::string key = "HKEY_CLASSES_ROOT\\Sluicegate.Service";
    registry::createKey(key);
    registry::writeValue(key, "InprocServer", (testing::buildDir() / "lib" / "libsluicegate.so").string());
    service::ServiceEntry entry{"Shipvane", "content publishing",
                                (testing::buildDir() / "bin" / "test_service_program").string()};
    service::installService(entry, {"Tidewell"});
  }
  ~ServiceControlTest() override {
    service::RunningProcess left = service::runningProcess("Shipvane");
    if (left.pid) ::kill(left.pid, SIGKILL);
  }

  std::string status(Object& control, const char* name = nullptr) {
    Variant arg(name ? name : "");
    return control.call("GetServerStatus", name ? std::span<Variant>(&arg, 1) : std::span<Variant>()).toString();
  }
  Variant request(Object& control, const char* member, const char* name = nullptr) {
    Variant arg(name ? name : "");
    return control.call(member, name ? std::span<Variant>(&arg, 1) : std::span<Variant>());
  }
  bool waitForStatus(Object& control, const std::string& wanted, const char* name = nullptr) {
    for (int i = 0; i < 250; ++i) {
      if (status(control, name) == wanted) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  ScopedEnv runDir_;
  ScopedEnv name_;
};

TEST_F(ServiceControlTest, SluicegateControlsANamedServiceAndReportsItsState) {
  ScopedEnv slowPause("TEST_PAUSE_MS", "500");
  auto control = createObject("Sluicegate.Service");
  EXPECT_EQ(status(*control, "Shipvane"), "Stop");
  Variant started = request(*control, "StartServer", "Shipvane");
  EXPECT_EQ(started.type(), Variant(false).type());
  EXPECT_FALSE(started.toBool()) << "the control methods never report true";
  ASSERT_TRUE(waitForStatus(*control, "Running", "Shipvane"));
  EXPECT_FALSE(request(*control, "PauseServer", "Shipvane").toBool());
  EXPECT_TRUE(waitForStatus(*control, "Unknown", "Shipvane")) << "a pending pause reads as Unknown";
  EXPECT_TRUE(waitForStatus(*control, "Pause", "Shipvane"));
  request(*control, "ContinueServer", "Shipvane");
  EXPECT_TRUE(waitForStatus(*control, "Running", "Shipvane"));
  EXPECT_FALSE(request(*control, "StopServer", "Shipvane").toBool());
  EXPECT_TRUE(waitForStatus(*control, "Stop", "Shipvane"));
}

TEST_F(ServiceControlTest, AnUnknownServiceRaisesTheServiceManagersError) {
  auto control = createObject("Sluicegate.Service");
  try {
    status(*control, "NoSuchService");
    FAIL() << "an unknown service had a status";
  } catch (const ComError& error) {
    EXPECT_EQ(error.number(), service::kServiceDoesNotExist);
    EXPECT_EQ(error.description(), "The specified service does not exist as an installed service.");
  }
}

TEST_F(ServiceControlTest, TidewellReachesTheDeployServiceUnderItsOwnName) {
  auto tidewell = createObject("Corvela.Tidewell");
  EXPECT_EQ(status(*tidewell), "Stop");
  request(*tidewell, "StartServer");
  ASSERT_TRUE(waitForStatus(*tidewell, "Running"));
  EXPECT_EQ(service::queryService("Shipvane"), service::ServiceState::Running);
  request(*tidewell, "PauseServer");
  EXPECT_TRUE(waitForStatus(*tidewell, "Pause"));
  request(*tidewell, "ContinueServer");
  EXPECT_TRUE(waitForStatus(*tidewell, "Running"));
  request(*tidewell, "StopServer");
  EXPECT_TRUE(waitForStatus(*tidewell, "Stop"));
}

TEST_F(ServiceControlTest, TidewellListsAndClearsTheQueueAndTheLog) {
  const int statuses[] = {1, 2, 3, 3};
  for (int id = 1; id <= 4; ++id)
    sql("INSERT INTO dep_execution (id,source,target,sourcetype,method,server,port,username,password,operation,status) "
        "VALUES (" + std::to_string(id) + ",' ','/t','file','NTFS',' ',21,' ',' ','create'," +
        std::to_string(statuses[id - 1]) + ")");
  sql("INSERT INTO dep_log (id,edesc,edate) VALUES (1,'older','2003-01-05 09:03:07')");
  sql("INSERT INTO dep_log (id,edesc,edate) VALUES (2,'newer','2003-01-05 09:03:08')");
  auto tidewell = createObject("Corvela.Tidewell");

  auto queue = request(*tidewell, "ListAllProcess").toObject();
  EXPECT_EQ(queue->get("RecordCount").toLong(), 4);
  auto log = request(*tidewell, "ListAllLog").toObject();
  Variant field("edesc");
  EXPECT_EQ(log->call("Fields", std::span<Variant>(&field, 1)).toString(), "newer");

  request(*tidewell, "ClearRecord");
  EXPECT_EQ(scalar("SELECT group_concat(status) FROM (SELECT status FROM dep_execution ORDER BY status)"), "1,2");
  request(*tidewell, "ClearLog");
  EXPECT_EQ(scalar("SELECT count(*) FROM dep_log"), "0");
}

}  // namespace
}  // namespace corvela
