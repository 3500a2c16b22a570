// Signals reach the loop through a self-pipe: the handler only writes one
// byte naming the signal, which wait() reads with poll().
#include "platform/service/service_host.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/automation/com_error.h"
#include "platform/service/service_manager.h"

namespace corvela::service {
namespace {

int signalPipe[2] = {-1, -1};
constexpr int kHandledSignals[] = {SIGTERM, SIGINT, SIGUSR1, SIGUSR2, SIGHUP};
constexpr int kParamChangeControl = 6;

void onSignal(int signal) {
  int saved = errno;
  unsigned char code = static_cast<unsigned char>(signal);
  [[maybe_unused]] ssize_t ignored = ::write(signalPipe[1], &code, 1);
  errno = saved;
}

void installHandlers() {
  if (signalPipe[0] >= 0) return;
  if (::pipe2(signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kHandledSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

ServiceHost::ServiceHost(std::string name) : name_(std::move(name)) {
  if (runningProcess(name_).pid != 0)
    throw ComError(kServiceAlreadyRunning, kServiceErrorSource, "An instance of the service is already running.");
  installHandlers();
  writeState(name_, ServiceState::StartPending);
  writePidFile(name_);
}

ServiceHost::~ServiceHost() {
  writeState(name_, ServiceState::Stopped);
  removeRunFiles(name_);
}

void ServiceHost::report(ServiceState state) {
  state_ = state;
  writeState(name_, state);
}

ControlEvent ServiceHost::wait(std::chrono::milliseconds timeout) {
  pollfd entry{signalPipe[0], POLLIN, 0};
  int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
  if (ready <= 0) return {};
  unsigned char code = 0;
  if (::read(signalPipe[0], &code, 1) != 1) return {};
  switch (code) {
    case SIGTERM:
    case SIGINT:
      return {ControlEvent::Stop};
    case SIGUSR1:
      return {ControlEvent::Pause};
    case SIGUSR2:
      return {ControlEvent::Continue};
    default:
      return {ControlEvent::Other, kParamChangeControl};
  }
}

}  // namespace corvela::service
