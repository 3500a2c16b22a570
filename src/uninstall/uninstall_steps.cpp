#include "uninstall_steps.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"
#include "platform/service/service_manager.h"

namespace corvela::uninstall {
namespace {

namespace fsys = std::filesystem;

constexpr const char* kStopping = "正在停止Shipvane服务...";
constexpr const char* kUnregistering = "正在卸载Shipvane服务...";
constexpr const char* kRemovingComponents = "正在卸载COM+应用...";
constexpr const char* kRemovingSite = "正在删除IIS站点...";
constexpr const char* kReloadingServer = "正在重启IIS...";
constexpr const char* kDeletingFiles = "正在删除文件...";
constexpr const char* kCleaningRegistry = "正在清理注册表...";
constexpr const char* kContinuing = "继续进行卸载...";

constexpr const char* kServiceName = "Shipvane";
constexpr std::string_view kInstallDirValue = "InstallDir";
constexpr std::string_view kSiteIndexValue = "SiteIndex";
// The command that makes the web server drop the removed site, when the
// installation configured one.
constexpr std::string_view kWebServerReloadValue = "WebServerReload";
constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT";
constexpr auto kStopWait = std::chrono::seconds(30);

// Runs a program and waits for it without a time limit; its exit status is
// not examined.
void runAndWait(const std::vector<std::string>& args) {
  pid_t child = ::fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (child > 0) ::waitpid(child, nullptr, 0);
}

void stopDeployService() {
  try {
    service::stopService(kServiceName);
  } catch (const ComError&) {
    return;  // not registered or not running: nothing to stop
  }
  auto deadline = std::chrono::steady_clock::now() + kStopWait;
  while (service::queryService(kServiceName) != service::ServiceState::Stopped &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

// Component registrations whose library lies in the installation.
void removeComponents(const std::string& installDir) {
  if (installDir == core::kReadFailed || installDir.empty()) return;
  for (const std::string& progId : registry::subkeyNames(kClassesRoot)) {
    std::string key = std::string(kClassesRoot) + "\\" + progId;
    auto library = registry::readValue(key, "InprocServer");
    if (library && library->starts_with(installDir)) registry::deleteKey(key);
  }
}

void removeSiteEntry(const std::string& siteIndex) {
  if (siteIndex == core::kReadFailed || !siteIndex.starts_with("/")) return;
  std::error_code ignored;
  fsys::remove(siteIndex, ignored);
}

void removeManifestFiles(const std::string& manifest, const std::string& installDir) {
  std::ifstream in(manifest);
  if (!in) return;
  std::string line;
  std::vector<fsys::path> folders;
  std::error_code ignored;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    fsys::path file(line);
    if (fsys::is_directory(fsys::symlink_status(file, ignored))) continue;
    fsys::remove(file, ignored);
    folders.push_back(file.parent_path());
  }
  in.close();
  fsys::remove(manifest, ignored);
  // Folders the installation made are removed once they are empty; a folder
  // that still holds anything (the database, files of others) stays.
  if (installDir != core::kReadFailed && !installDir.empty()) folders.push_back(installDir);
  for (fsys::path folder : folders) {
    while (!folder.empty() && folder != folder.root_path() && fsys::is_empty(folder, ignored) && !ignored) {
      if (!fsys::remove(folder, ignored)) break;
      folder = folder.parent_path();
    }
    ignored.clear();
  }
}

}  // namespace

void runUninstall(const UninstallPlan& plan) {
  std::string installDir = core::RegRW::readValue(core::kSettingsKey, kInstallDirValue);
  std::string siteIndex = core::RegRW::readValue(core::kSettingsKey, kSiteIndexValue);
  std::string reload = core::RegRW::readValue(core::kSettingsKey, kWebServerReloadValue);

  plan.show(kStopping);
  stopDeployService();

  plan.show(kUnregistering);
  runAndWait({installDir + "bin/shipvane", "-uninstall"});

  plan.show(kRemovingComponents);
  removeComponents(installDir);

  plan.show(kRemovingSite);
  removeSiteEntry(siteIndex);

  plan.show(kReloadingServer);
  if (reload != core::kReadFailed && !reload.empty()) runAndWait({"/bin/sh", "-c", reload});

  plan.show(kDeletingFiles);
  std::error_code ignored;
  fsys::remove_all(installDir + "script", ignored);

  plan.show(kCleaningRegistry);
  registry::deleteKey(core::kSettingsKey);

  plan.show(kContinuing);
  removeManifestFiles(plan.manifest.empty() ? installDir + "install_manifest.txt" : plan.manifest, installDir);
}

}  // namespace corvela::uninstall
