// corvela-uninstall against a fake installation in temporary folders.
#include <signal.h>

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "platform/service/service_manager.h"
#include "support/temp_env.h"

namespace corvela {
namespace {

namespace fsys = std::filesystem;
using testing::ScopedEnv;

constexpr std::string_view kSettings = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela";

class UninstallTest : public testing::IsolatedTest {
 protected:
  UninstallTest() : runDir_("CORVELA_RUN_DIR", (root_.path() / "run").string()) {
    fsys::path bin = testing::buildDir() / "bin";
    fsys::create_directories(install_ / "bin");
    fsys::create_directories(install_ / "lib");
    fsys::create_directories(install_ / "script");
    fsys::copy_file(bin / "shipvane", install_ / "bin" / "shipvane");
    fsys::copy_file(testing::buildDir() / "lib" / "libsluicegate.so", install_ / "lib" / "libsluicegate.so");
    write(install_ / "script" / "default.asp", "<% %>");
    write(install_ / "install_manifest.txt",
          (install_ / "bin" / "shipvane").string() + "\n" + (install_ / "lib" / "libsluicegate.so").string() + "\n");
    write(siteEntry_, "server {}");
    write(database_, "the database stays");

    registry::createKey(kSettings);
    registry::writeValue(kSettings, "InstallDir", install_.string() + "/");
    registry::writeValue(kSettings, "SiteIndex", siteEntry_.string());
    registry::writeValue(kSettings, "WebServerReload", "touch '" + reloaded_.string() + "'");
    registry::createKey("HKEY_CLASSES_ROOT\\Sluicegate.Service");
    registry::writeValue("HKEY_CLASSES_ROOT\\Sluicegate.Service", "InprocServer",
                         (install_ / "lib" / "libsluicegate.so").string());
    registry::createKey("HKEY_CLASSES_ROOT\\Other.Thing");
    registry::writeValue("HKEY_CLASSES_ROOT\\Other.Thing", "InprocServer", "/elsewhere/libother.so");

    EXPECT_EQ(std::system(("'" + (install_ / "bin" / "shipvane").string() + "' -install >/dev/null").c_str()), 0);
    service::startService("Shipvane");
  }
  ~UninstallTest() override {
    service::RunningProcess left = service::runningProcess("Shipvane");
    if (left.pid) ::kill(left.pid, SIGKILL);
  }

  static void write(const fsys::path& path, const std::string& text) {
    fsys::create_directories(path.parent_path());
    std::ofstream(path) << text;
  }
  int uninstall(const std::string& how) {
    std::string program = (testing::buildDir() / "bin" / "corvela-uninstall").string();
    return std::system((how + " '" + program + "'" + (how.empty() ? " --yes" : "") + " >'" +
                        (root_.path() / "out.txt").string() + "'").c_str());
  }
  std::string output() {
    std::ifstream in(root_.path() / "out.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  ScopedEnv runDir_;
  fsys::path install_ = root_.path() / "opt" / "corvela";
  fsys::path siteEntry_ = root_.path() / "sites" / "corvela.conf";
  fsys::path reloaded_ = root_.path() / "reloaded";
  fsys::path database_ = dataDir() / "corvela.db";
};

TEST_F(UninstallTest, AnsweringYesLeavesNothingOfTheInstallation) {
  ASSERT_NE(service::runningProcess("Shipvane").pid, 0);
  EXPECT_EQ(uninstall(""), 0);
  EXPECT_EQ(service::runningProcess("Shipvane").pid, 0) << "the service still runs";
  EXPECT_FALSE(service::findService("Shipvane"));
  EXPECT_FALSE(service::findService("Tidewell"));
  EXPECT_FALSE(registry::keyExists("HKEY_CLASSES_ROOT\\Sluicegate.Service"));
  EXPECT_TRUE(registry::keyExists("HKEY_CLASSES_ROOT\\Other.Thing")) << "a registration of someone else went";
  EXPECT_FALSE(registry::keyExists(kSettings));
  EXPECT_FALSE(fsys::exists(siteEntry_));
  EXPECT_TRUE(fsys::exists(reloaded_)) << "the web server was not reloaded";
  EXPECT_FALSE(fsys::exists(install_)) << "files of the installation are left";
  EXPECT_TRUE(fsys::exists(database_)) << "the database was touched";
  EXPECT_EQ(output(),
            "程序即将卸载Pellamar内容管理系统。\n真的要完全卸载Pellamar内容管理系统吗？ (y/n) y\n"
            "请首先手工删除数据库Corvela！\n正在停止Shipvane服务...\n正在卸载Shipvane服务...\nShipvane 卸载成功。\n正在卸载COM+应用...\n"
            "正在删除IIS站点...\n正在重启IIS...\n正在删除文件...\n正在清理注册表...\n继续进行卸载...\n");
}

TEST_F(UninstallTest, AnsweringNoLeavesEverythingInPlace) {
  EXPECT_EQ(uninstall("echo n |"), 0);
  EXPECT_NE(service::runningProcess("Shipvane").pid, 0);
  EXPECT_TRUE(service::findService("Tidewell"));
  EXPECT_TRUE(registry::keyExists("HKEY_CLASSES_ROOT\\Sluicegate.Service"));
  EXPECT_TRUE(registry::keyExists(kSettings));
  EXPECT_TRUE(fsys::exists(siteEntry_));
  EXPECT_FALSE(fsys::exists(reloaded_));
  EXPECT_TRUE(fsys::exists(install_ / "script" / "default.asp"));
  EXPECT_TRUE(fsys::exists(install_ / "bin" / "shipvane"));
}

}  // namespace
}  // namespace corvela
