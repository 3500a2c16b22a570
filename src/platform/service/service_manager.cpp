#include "platform/service/service_manager.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"

namespace corvela::service {
namespace {

constexpr std::string_view kImagePathValue = "ImagePath";
constexpr std::string_view kDisplayNameValue = "DisplayName";
constexpr const char* kDoesNotExistText = "The specified service does not exist as an installed service.";
constexpr const char* kAlreadyRunningText = "An instance of the service is already running.";
constexpr const char* kNotActiveText = "The service has not been started.";
constexpr const char* kCannotAcceptText = "The service cannot accept control messages at this time.";
constexpr const char* kTimeoutText = "The service did not respond to the start or control request in a timely fashion.";
constexpr const char* kFileNotFoundText = "The system cannot find the file specified.";
constexpr auto kStartWait = std::chrono::seconds(10);

std::string keyOf(std::string_view name) { return std::string(kServicesKey) + "\\" + std::string(name); }

ServiceEntry requireService(std::string_view name) {
  auto entry = findService(name);
  if (!entry) throw ComError(kServiceDoesNotExist, kServiceErrorSource, kDoesNotExistText);
  return *entry;
}

// A process that has reported Stopped is on its way out: it is no longer
// active, even while its pid lives on for the last moments.
RunningProcess requireRunning(const ServiceEntry& entry) {
  RunningProcess process = runningProcess(entry.name);
  if (process.pid == 0 || reportedState(entry.name) == ServiceState::Stopped)
    throw ComError(kServiceNotActive, kServiceErrorSource, kNotActiveText);
  return process;
}

void signalService(std::string_view name, int signal, ServiceState acceptedIn) {
  ServiceEntry entry = requireService(name);
  RunningProcess process = requireRunning(entry);
  if (signal != SIGTERM && reportedState(entry.name) != acceptedIn)
    throw ComError(kServiceCannotAcceptControl, kServiceErrorSource, kCannotAcceptText);
  if (::kill(process.pid, signal) != 0) throw ComError(kServiceNotActive, kServiceErrorSource, kNotActiveText);
}

// Runs `program` in a session of its own, its standard streams on /dev/null,
// not a child of this process (so it outlives the caller).
void launchDetached(const std::string& program) {
  pid_t child = ::fork();
  if (child < 0) throw ComError(kServiceRequestTimeout, kServiceErrorSource, kTimeoutText);
  if (child == 0) {
    ::setsid();
    if (::fork() != 0) ::_exit(0);
    int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(null, 2);
    if (null > 2) ::close(null);
    for (int fd = 3; fd < 1024; ++fd) ::close(fd);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::waitpid(child, nullptr, 0);
}

}  // namespace

bool installService(const ServiceEntry& entry, const std::vector<std::string>& aliases) {
  auto write = [&](const std::string& key, bool alias) {
    if (!registry::createKey(key)) return false;
    bool ok = registry::writeValue(key, kImagePathValue, entry.imagePath) &&
              registry::writeValue(key, kDisplayNameValue, entry.displayName);
    if (alias) ok = ok && registry::writeValue(key, kAliasOfValue, entry.name);
    else registry::deleteValue(key, kAliasOfValue);
    return ok;
  };
  if (!write(keyOf(entry.name), false)) return false;
  for (const std::string& alias : aliases)
    if (!write(keyOf(alias), true)) return false;
  return true;
}

bool uninstallService(std::string_view name) {
  auto entry = findService(name);
  if (!entry) return false;
  for (const std::string& other : registry::subkeyNames(kServicesKey)) {
    auto aliasOf = registry::readValue(keyOf(other), kAliasOfValue);
    if (aliasOf && *aliasOf == entry->name)
      registry::deleteKey(keyOf(other));
  }
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path("/etc/systemd/system") / (entry->name + ".service"), ignored);
  return registry::deleteKey(keyOf(entry->name));
}

std::optional<ServiceEntry> findService(std::string_view name) {
  if (name.empty() || name.find_first_of("\\/") != std::string_view::npos) return std::nullopt;
  std::string key = keyOf(name);
  auto image = registry::readValue(key, kImagePathValue);
  if (!image) return std::nullopt;
  std::string canonical(name);
  if (auto aliasOf = registry::readValue(key, kAliasOfValue); aliasOf && !aliasOf->empty()) {
    canonical = *aliasOf;
    image = registry::readValue(keyOf(canonical), kImagePathValue);
    if (!image) return std::nullopt;
  }
  ServiceEntry entry;
  entry.name = canonical;
  entry.imagePath = *image;
  entry.displayName = registry::readValue(keyOf(canonical), kDisplayNameValue).value_or("");
  return entry;
}

ServiceState queryService(std::string_view name) { return reportedState(requireService(name).name); }

void startService(std::string_view name) {
  ServiceEntry entry = requireService(name);
  if (runningProcess(entry.name).pid != 0)
    throw ComError(kServiceAlreadyRunning, kServiceErrorSource, kAlreadyRunningText);
  if (::access(entry.imagePath.c_str(), X_OK) != 0)
    throw ComError(kServiceFileNotFound, kServiceErrorSource, kFileNotFoundText);
  launchDetached(entry.imagePath);
  auto deadline = std::chrono::steady_clock::now() + kStartWait;
  while (runningProcess(entry.name).pid == 0) {
    if (std::chrono::steady_clock::now() > deadline)
      throw ComError(kServiceRequestTimeout, kServiceErrorSource, kTimeoutText);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void stopService(std::string_view name) { signalService(name, SIGTERM, ServiceState::Running); }
void pauseService(std::string_view name) { signalService(name, SIGUSR1, ServiceState::Running); }
void continueService(std::string_view name) { signalService(name, SIGUSR2, ServiceState::Paused); }

std::optional<std::filesystem::path> writeSystemdUnit(const ServiceEntry& entry, const std::filesystem::path& unitFolder) {
  std::error_code error;
  if (!std::filesystem::is_directory("/run/systemd/system", error) || !std::filesystem::is_directory(unitFolder, error))
    return std::nullopt;
  std::filesystem::path unit = unitFolder / (entry.name + ".service");
  std::ofstream out(unit, std::ios::trunc);
  if (!out) return std::nullopt;
  out << "[Unit]\nDescription=" << entry.displayName << "\nAfter=network.target\n\n"
      << "[Service]\nType=simple\nExecStart=" << entry.imagePath << "\nExecReload=/bin/kill -USR2 $MAINPID\n"
      << "Restart=on-failure\n\n[Install]\nWantedBy=multi-user.target\n";
  return out ? std::optional(unit) : std::nullopt;
}

}  // namespace corvela::service
