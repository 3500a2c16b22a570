#include "servicecontrol/service.h"

#include "platform/automation/member_binding.h"
#include "platform/service/service_control.h"

namespace corvela::servicecontrol {

using service::ServiceRequest;

const DispatchTable<Service>& Service::dispatchTable() {
  static const DispatchTable<Service> table = Members<Service>()
                                                  .method<&Service::GetServerStatus>("GetServerStatus")
                                                  .method<&Service::StopServer>("StopServer")
                                                  .method<&Service::StartServer>("StartServer")
                                                  .method<&Service::PauseServer>("PauseServer")
                                                  .method<&Service::ContinueServer>("ContinueServer")
                                                  .build();
  return table;
}

std::string Service::GetServerStatus(std::string_view ServiceName) { return service::serviceStatusText(ServiceName); }

bool Service::StopServer(std::string_view ServiceName) {
  service::requestService(ServiceName, ServiceRequest::Stop);
  return false;
}

bool Service::StartServer(std::string_view ServiceName) {
  service::requestService(ServiceName, ServiceRequest::Start);
  return false;
}

bool Service::PauseServer(std::string_view ServiceName) {
  service::requestService(ServiceName, ServiceRequest::Pause);
  return false;
}

bool Service::ContinueServer(std::string_view ServiceName) {
  service::requestService(ServiceName, ServiceRequest::Continue);
  return false;
}

}  // namespace corvela::servicecontrol
