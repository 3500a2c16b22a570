// States of a service, numbered as the Windows service control manager
// numbers them (the numbers pages and tools compare), and the run files
// through which a running service reports its state: under the run folder
// ($CORVELA_RUN_DIR, else /run/corvela for root, else
// $XDG_RUNTIME_DIR/corvela), "<Name>.pid" holds the process id and its start
// time, "<Name>.state" the state number. Both are replaced atomically.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvela::service {

enum class ServiceState : int32_t {
  Stopped = 1,
  StartPending = 2,
  StopPending = 3,
  Running = 4,
  ContinuePending = 5,
  PausePending = 6,
  Paused = 7,
};

std::filesystem::path runFolder();

// The process of a running service: its pid file names a live process that
// started when the file says (a reused pid is not the service).
struct RunningProcess {
  pid_t pid = 0;
  uint64_t startTime = 0;  // clock ticks after boot, from /proc/<pid>/stat
};

// The process that runs under `name`, or pid 0 when none does.
RunningProcess runningProcess(std::string_view name);
// The reported state; Stopped when no process runs the service (also after
// a crash that left the run files behind).
ServiceState reportedState(std::string_view name);

// Used by the service itself.
void writePidFile(std::string_view name);
void writeState(std::string_view name, ServiceState state);
void removeRunFiles(std::string_view name);

uint64_t processStartTime(pid_t pid);

}  // namespace corvela::service
