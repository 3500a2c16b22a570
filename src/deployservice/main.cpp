// shipvane: the deploy service. "-install" and "-uninstall" register or
// remove it with the service manager (and the Sluicegate.Service library
// found beside it); "-debug" runs it in the foreground
// with its log echoed to stderr; no argument runs it as the service
// manager starts it.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "deployservice/deploy_service.h"
#include "deployservice/service_log.h"
#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"
#include "platform/service/service_host.h"
#include "platform/service/service_manager.h"

namespace {

constexpr const char* kServiceName = "Shipvane";
// The name the engine's Tidewell class asks for.
constexpr const char* kServiceAlias = "Tidewell";
constexpr const char* kDisplayName = "内容发布服务";
constexpr const char* kInstalled = " 安装成功。";
constexpr const char* kInstallFailed = " 安装失败。";
constexpr const char* kUninstalled = " 卸载成功。";
constexpr const char* kUninstallFailed = " 卸载失败。";
constexpr const char* kBadArguments = "参数错误。";
constexpr const char* kUsageTail = " -install|-uninstall|-debug";

// The service-control library that pages create as "Sluicegate.Service",
// registered by the deploy service's installation when it stands beside
// the program (as the build and the installed layout put it).
constexpr const char* kControlKey = "HKEY_CLASSES_ROOT\\Sluicegate.Service";
constexpr const char* kInprocServerValue = "InprocServer";

std::string programPath() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

void registerControlLibrary(const std::string& program) {
  std::filesystem::path folder = std::filesystem::path(program).parent_path();
  for (const auto& candidate : {folder / "libsluicegate.so", folder.parent_path() / "lib" / "libsluicegate.so"}) {
    std::error_code error;
    if (!std::filesystem::exists(candidate, error)) continue;
    corvela::registry::createKey(kControlKey);
    corvela::registry::writeValue(kControlKey, kInprocServerValue, candidate.lexically_normal().string());
    return;
  }
}

// Removes the registration only when it names the library beside this
// program; another installation's stays.
void unregisterControlLibrary(const std::string& program) {
  auto library = corvela::registry::readValue(kControlKey, kInprocServerValue);
  std::filesystem::path root = std::filesystem::path(program).parent_path().parent_path();
  if (library && library->starts_with(root.string() + "/")) corvela::registry::deleteKey(kControlKey);
}

int install() {
  std::string program = programPath();
  corvela::service::ServiceEntry entry{kServiceName, kDisplayName, program};
  bool done = corvela::service::installService(entry, {kServiceAlias});
  if (done) {
    corvela::service::writeSystemdUnit(entry);
    registerControlLibrary(program);
  }
  std::fprintf(done ? stdout : stderr, "%s%s\n", kServiceName, done ? kInstalled : kInstallFailed);
  return done ? 0 : 1;
}

int uninstall() {
  bool done = corvela::service::uninstallService(kServiceName);
  if (done) unregisterControlLibrary(programPath());
  std::fprintf(done ? stdout : stderr, "%s%s\n", kServiceName, done ? kUninstalled : kUninstallFailed);
  return done ? 0 : 1;
}

int usage(const char* argv0, FILE* out) {
  std::string name = std::filesystem::path(argv0).stem().string();
  std::fprintf(out, "%s\n%s%s\n", kBadArguments, name.c_str(), kUsageTail);
  return out == stdout ? 0 : 2;
}

int runService(bool debug) {
  using namespace corvela;
  deployservice::setLogEcho(debug);
  try {
    service::ServiceHost host(kServiceName);
    deployservice::DeployService deploy(host, debug);
    return deploy.run();
  } catch (const ComError& error) {
    if (debug) std::fprintf(stderr, "[%d] %s\n", error.number(), error.description().c_str());
    else deployservice::WriteLog(deployservice::kStartUpFailedLog + error.description());
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return runService(false);
  std::string_view argument = argv[1];
  if (argc == 2 && argument == "-install") return install();
  if (argc == 2 && argument == "-uninstall") return uninstall();
  if (argc == 2 && argument == "-debug") return runService(true);
  if (argc == 2 && (argument == "--help" || argument == "-h")) return usage(argv[0], stdout);
  return usage(argv[0], stderr);
}
