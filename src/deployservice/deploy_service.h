// The deploy service's shell: one thread, three timers (change scanner and
// queue runner every 2 s, timed publishing every 60 s) and the service
// events. A pass sets its busy flag and disables its own timer while it
// runs, so it never re-enters itself; a failing pass writes one log entry
// and its timer runs on. Pause disables the three timers (a pass already
// running finishes first), continue enables them, stop ends the program.
#pragma once

#include <chrono>
#include <memory>

#include "deployservice/change_scanner.h"
#include "deployservice/queue_runner.h"
#include "deployservice/service_context.h"
#include "deployservice/timed_publishing.h"
#include "platform/service/service_host.h"

namespace corvela::deployservice {

inline constexpr const char* kStartUpFailedLog = "启动服务：";

struct TimerIntervals {
  std::chrono::milliseconds scan{2000};
  std::chrono::milliseconds run{2000};
  std::chrono::milliseconds publish{60000};
};

class DeployService {
 public:
  DeployService(service::ServiceHost& host, bool interactive, TimerIntervals intervals = {});
  // Runs until stopped; the exit status of the program.
  int run();

 private:
  struct Timer {
    std::chrono::milliseconds interval;
    bool enabled = false;
    bool busy = false;
    std::chrono::steady_clock::time_point due;
    void enable();
  };

  bool startUp();
  void onStart();
  void handle(const service::ControlEvent& event);
  void yield();
  template <class Pass, class OnError>
  void tick(Timer& timer, Pass&& pass, OnError&& onError);
  void setTimersEnabled(bool enabled);
  bool anyPassRunning() const;

  service::ServiceHost& host_;
  bool interactive_;
  ServiceContext context_;
  ChangeScanner scanner_;
  QueueRunner runner_;
  TimedPublishing publishing_;
  Timer scanTimer_, runTimer_, publishTimer_;
  bool paused_ = false;
};

}  // namespace corvela::deployservice
