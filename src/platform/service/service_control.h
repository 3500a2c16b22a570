// The service operations that pages call through Tidewell and
// Sluicegate.Service, on a service found by name on this computer: the
// computer's name is read from the registry first, as the directory-service
// binding "WinNT://<computer>,Computer" needed it, and a failed read raises
// 555 / "GetServerStatus" / "RegReadErr" for every operation.
#pragma once

#include <string>
#include <string_view>

namespace corvela::service {

inline constexpr std::string_view kComputerNameKey =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
inline constexpr int kComputerNameError = 555;
inline constexpr const char* kComputerNameErrorSource = "GetServerStatus";
inline constexpr const char* kComputerNameErrorText = "RegReadErr";

// "Stop", "Running", "Pause", or "Unknown" for the pending states.
inline constexpr const char* kStatusStopped = "Stop";
inline constexpr const char* kStatusRunning = "Running";
inline constexpr const char* kStatusPaused = "Pause";
inline constexpr const char* kStatusOther = "Unknown";

enum class ServiceRequest { Stop, Start, Pause, Continue };

std::string serviceStatusText(std::string_view serviceName);
// Sends the request; errors of the service manager pass unchanged.
void requestService(std::string_view serviceName, ServiceRequest request);

}  // namespace corvela::service
