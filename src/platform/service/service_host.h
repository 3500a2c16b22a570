// ServiceHost: the running side of a service. It claims the service's run
// files (one process per service name), turns the control signals into
// events that the service's own loop picks up (SIGTERM and SIGINT stop,
// SIGUSR1 pauses, SIGUSR2 continues, SIGHUP is the "parameters changed"
// control 6) and writes the states the service reports.
#pragma once

#include <chrono>
#include <string>

#include "platform/service/service_state.h"

namespace corvela::service {

struct ControlEvent {
  enum Kind { None, Stop, Pause, Continue, Other } kind = None;
  int code = 0;  // the control code of Other
};

class ServiceHost {
 public:
  // Raises ComError kServiceAlreadyRunning when another live process runs
  // the service; otherwise reports StartPending.
  explicit ServiceHost(std::string name);
  // Reports Stopped and removes the run files.
  ~ServiceHost();
  ServiceHost(const ServiceHost&) = delete;
  ServiceHost& operator=(const ServiceHost&) = delete;

  const std::string& name() const noexcept { return name_; }
  void report(ServiceState state);
  ServiceState state() const noexcept { return state_; }

  // The next control request, waiting at most `timeout` for one.
  ControlEvent wait(std::chrono::milliseconds timeout);
  ControlEvent poll() { return wait(std::chrono::milliseconds(0)); }

 private:
  std::string name_;
  ServiceState state_ = ServiceState::StartPending;
};

}  // namespace corvela::service
