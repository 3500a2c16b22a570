// The service manager: what the Windows service control manager and the
// ADSI service objects did for the system. A service is registered under
// "HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\<Name>" (values
// ImagePath and DisplayName); start launches ImagePath detached, and stop,
// pause and continue are the signals SIGTERM, SIGUSR1 and SIGUSR2 to the
// process named in the service's pid file (service_state.h).
//
// A registration may carry other names for the same service: each is a key
// of its own whose value "AliasOf" names the service, so callers that know
// the service under another name reach the same process.
//
// Control failures raise ComError with the HRESULT the Windows service
// control manager gave for the same fault (number, kServiceErrorSource and
// its text).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/service/service_state.h"

namespace corvela::service {

inline constexpr std::string_view kServicesKey = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services";
inline constexpr std::string_view kAliasOfValue = "AliasOf";

inline constexpr const char* kServiceErrorSource = "Active Directory";
inline constexpr int32_t kServiceDoesNotExist = static_cast<int32_t>(0x80070424);
inline constexpr int32_t kServiceAlreadyRunning = static_cast<int32_t>(0x80070420);
inline constexpr int32_t kServiceNotActive = static_cast<int32_t>(0x80070426);
inline constexpr int32_t kServiceCannotAcceptControl = static_cast<int32_t>(0x80070425);
inline constexpr int32_t kServiceRequestTimeout = static_cast<int32_t>(0x8007041D);
inline constexpr int32_t kServiceFileNotFound = static_cast<int32_t>(0x80070002);

struct ServiceEntry {
  std::string name;  // the service's own name, also behind an alias
  std::string displayName;
  std::string imagePath;
};

// Registers the service and its aliases; false when the registry refuses.
bool installService(const ServiceEntry& entry, const std::vector<std::string>& aliases = {});
// Removes the service, every alias that names it and its systemd unit;
// false when it was not registered.
bool uninstallService(std::string_view name);
// The registration behind a name or an alias.
std::optional<ServiceEntry> findService(std::string_view name);

// Control through a name or an alias; kServiceDoesNotExist for unknown ones.
ServiceState queryService(std::string_view name);
// Launches the program detached and waits (up to the timeout) until its
// process has announced itself.
void startService(std::string_view name);
void stopService(std::string_view name);
void pauseService(std::string_view name);
void continueService(std::string_view name);

// Where systemd runs (and the unit folder is writable), writes
// "<name>.service" that starts ImagePath; returns its path or nothing.
// Nothing else depends on the unit.
std::optional<std::filesystem::path> writeSystemdUnit(const ServiceEntry& entry,
                                                      const std::filesystem::path& unitFolder = "/etc/systemd/system");

}  // namespace corvela::service
