#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/service/service_host.h"

using corvela::service::ControlEvent;
using corvela::service::ServiceHost;
using corvela::service::ServiceState;

int main() {
  const char* name = std::getenv("TEST_SERVICE_NAME");
  const char* pauseMs = std::getenv("TEST_PAUSE_MS");
  ServiceHost host(name ? name : "TestService");
  host.report(ServiceState::Running);
  for (;;) {
    ControlEvent event = host.wait(std::chrono::milliseconds(1000));
    if (event.kind == ControlEvent::Stop) return 0;
    if (event.kind == ControlEvent::Pause) {
      host.report(ServiceState::PausePending);
      if (pauseMs) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(pauseMs)));
      host.report(ServiceState::Paused);
    }
    if (event.kind == ControlEvent::Continue) host.report(ServiceState::Running);
  }
}
