#include "deployservice/deploy_service.h"

#include <cstdio>
#include <exception>

#include "core/regrw.h"
#include "core/settings_key.h"
#include "deployservice/engine_access.h"
#include "deployservice/service_log.h"
#include "platform/automation/com_error.h"

namespace corvela::deployservice {
namespace {

constexpr const char* kStartLog = "Service.Start：内容发布服务启动。";
constexpr const char* kStopLog = "Service.Stop：内容发布服务停止。";
constexpr const char* kPauseLog = "Service.Pause：内容发布服务暂停。";
constexpr const char* kContinueLog = "Service.Continue：内容发布服务启动。";
constexpr const char* kControlLog = "Service.Control：";
// Trusted certificates for ftps:// deploy targets, beside the system's.
constexpr std::string_view kFtpsCaFileValue = "FtpsCAFile";

using Clock = std::chrono::steady_clock;

}  // namespace

void DeployService::Timer::enable() {
  enabled = true;
  due = Clock::now() + interval;
}

DeployService::DeployService(service::ServiceHost& host, bool interactive, TimerIntervals intervals)
    : host_(host),
      interactive_(interactive),
      scanner_(context_),
      runner_(context_),
      publishing_(context_),
      scanTimer_{intervals.scan},
      runTimer_{intervals.run},
      publishTimer_{intervals.publish} {
  context_.yield = [this] { yield(); };
}

void DeployService::onStart() {
  std::string caFile = core::RegRW::readValue(core::kSettingsKey, kFtpsCaFileValue);
  if (caFile != core::kReadFailed) context_.ftpsCaFile = caFile;
  EngineDal().execute("DELETE FROM dep_execution WHERE status=3");
  runner_.removeDeliveredSnapshots();
  WriteLog(kStartLog);
}

bool DeployService::startUp() {
  try {
    onStart();
  } catch (const ComError& error) {
    if (interactive_) {
      std::fprintf(stderr, "[%d] %s\n", error.number(), error.description().c_str());
      return false;
    }
    WriteLog(kStartUpFailedLog + error.description());
  }
  setTimersEnabled(true);
  host_.report(service::ServiceState::Running);
  return true;
}

void DeployService::setTimersEnabled(bool enabled) {
  for (Timer* timer : {&scanTimer_, &runTimer_, &publishTimer_}) {
    if (enabled && !timer->busy) timer->enable();
    else timer->enabled = false;
  }
}

bool DeployService::anyPassRunning() const { return scanTimer_.busy || runTimer_.busy || publishTimer_.busy; }

void DeployService::handle(const service::ControlEvent& event) {
  switch (event.kind) {
    case service::ControlEvent::Stop:
      throw StopRequested{};
    case service::ControlEvent::Pause:
      if (paused_) return;
      paused_ = true;
      setTimersEnabled(false);
      WriteLog(kPauseLog);
      host_.report(anyPassRunning() ? service::ServiceState::PausePending : service::ServiceState::Paused);
      return;
    case service::ControlEvent::Continue:
      if (!paused_) return;
      paused_ = false;
      setTimersEnabled(true);
      WriteLog(kContinueLog);
      host_.report(service::ServiceState::Running);
      return;
    case service::ControlEvent::Other:
      WriteLog(kControlLog + std::to_string(event.code));
      return;
    case service::ControlEvent::None:
      return;
  }
}

void DeployService::yield() {
  for (auto event = host_.poll(); event.kind != service::ControlEvent::None; event = host_.poll()) handle(event);
}

template <class Pass, class OnError>
void DeployService::tick(Timer& timer, Pass&& pass, OnError&& onError) {
  if (timer.busy) return;
  timer.busy = true;
  timer.enabled = false;
  try {
    pass();
  } catch (const ComError& error) {
    onError(error.source(), error.description());
  } catch (const StopRequested&) {
    timer.busy = false;
    throw;
  } catch (const std::exception& error) {
    // A fault below the engine (file system, memory): logged like any
    // other, so the timer keeps running.
    onError("", error.what());
  }
  timer.busy = false;
  if (!paused_) timer.enable();
  if (paused_ && !anyPassRunning() && host_.state() == service::ServiceState::PausePending)
    host_.report(service::ServiceState::Paused);
}

int DeployService::run() {
  if (!startUp()) return 1;
  try {
    for (;;) {
      auto now = Clock::now();
      auto next = now + std::chrono::milliseconds(1000);
      for (Timer* timer : {&scanTimer_, &runTimer_, &publishTimer_})
        if (timer->enabled && timer->due < next) next = timer->due;
      auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - now);
      handle(host_.wait(std::max(wait, std::chrono::milliseconds(0))));
      now = Clock::now();
      if (scanTimer_.enabled && scanTimer_.due <= now)
        tick(scanTimer_, [&] { scanner_.runPass(); },
             [](const std::string& source, const std::string& description) {
               WriteLog(kScannerLogPrefix + source + description);
             });
      if (runTimer_.enabled && runTimer_.due <= now)
        tick(runTimer_, [&] { runner_.runPass(); },
             [&](const std::string&, const std::string& description) {
               WriteLog(description + ":" + runner_.currentSource());
             });
      if (publishTimer_.enabled && publishTimer_.due <= now)
        tick(publishTimer_, [&] { publishing_.runPass(); },
             [](const std::string& source, const std::string& description) {
               WriteLog(kPublishLogPrefix + source + description);
             });
    }
  } catch (const StopRequested&) {
    host_.report(service::ServiceState::StopPending);
    WriteLog(kStopLog);
  }
  return 0;
}

}  // namespace corvela::deployservice
