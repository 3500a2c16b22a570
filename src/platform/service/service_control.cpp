#include "platform/service/service_control.h"

#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"
#include "platform/service/service_manager.h"

namespace corvela::service {
namespace {

void requireComputerName() {
  auto name = registry::readValue(kComputerNameKey, "ComputerName");
  if (!name || name->empty() || *name == "Error")
    throw ComError(kComputerNameError, kComputerNameErrorSource, kComputerNameErrorText);
}

}  // namespace

std::string serviceStatusText(std::string_view serviceName) {
  requireComputerName();
  switch (queryService(serviceName)) {
    case ServiceState::Stopped:
      return kStatusStopped;
    case ServiceState::Running:
      return kStatusRunning;
    case ServiceState::Paused:
      return kStatusPaused;
    default:
      return kStatusOther;
  }
}

void requestService(std::string_view serviceName, ServiceRequest request) {
  requireComputerName();
  switch (request) {
    case ServiceRequest::Stop:
      return stopService(serviceName);
    case ServiceRequest::Start:
      return startService(serviceName);
    case ServiceRequest::Pause:
      return pauseService(serviceName);
    case ServiceRequest::Continue:
      return continueService(serviceName);
  }
}

}  // namespace corvela::service
