#include "platform/service/service_state.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace corvela::service {
namespace {

std::filesystem::path runFile(std::string_view name, std::string_view suffix) {
  return runFolder() / (std::string(name) + std::string(suffix));
}

void replaceFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::filesystem::path temporary = path;
  temporary += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << text << '\n';
  }
  std::filesystem::rename(temporary, path);
}

std::string firstLine(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

std::filesystem::path runFolder() {
  if (const char* dir = std::getenv("CORVELA_RUN_DIR"); dir && *dir) return dir;
  if (::geteuid() == 0) return "/run/corvela";
  if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) return std::filesystem::path(xdg) / "corvela";
  return std::filesystem::temp_directory_path() / ("corvela-run-" + std::to_string(::geteuid()));
}

uint64_t processStartTime(pid_t pid) {
  // 0 for a process that has ended.
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  std::getline(in, stat);
  // The command name (field 2) may hold blanks; fields after it do not.
  size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  // A zombie (state Z or X) has ended; only its parent has not looked yet.
  if (!(fields >> field) || field == "Z" || field == "X") return 0;
  for (int index = 4; index <= 22 && fields >> field; ++index)
    if (index == 22) return std::strtoull(field.c_str(), nullptr, 10);
  return 0;
}

RunningProcess runningProcess(std::string_view name) {
  std::istringstream line(firstLine(runFile(name, ".pid")));
  RunningProcess process;
  if (!(line >> process.pid >> process.startTime) || process.pid <= 0) return {};
  if (::kill(process.pid, 0) != 0 && errno == ESRCH) return {};
  if (processStartTime(process.pid) != process.startTime) return {};
  return process;
}

ServiceState reportedState(std::string_view name) {
  if (runningProcess(name).pid == 0) return ServiceState::Stopped;
  int number = std::atoi(firstLine(runFile(name, ".state")).c_str());
  if (number < 1 || number > 7) return ServiceState::StartPending;
  return static_cast<ServiceState>(number);
}

void writePidFile(std::string_view name) {
  pid_t self = ::getpid();
  replaceFile(runFile(name, ".pid"), std::to_string(self) + " " + std::to_string(processStartTime(self)));
}

void writeState(std::string_view name, ServiceState state) {
  replaceFile(runFile(name, ".state"), std::to_string(static_cast<int32_t>(state)));
}

void removeRunFiles(std::string_view name) {
  std::error_code ignored;
  std::filesystem::remove(runFile(name, ".pid"), ignored);
  std::filesystem::remove(runFile(name, ".state"), ignored);
}

}  // namespace corvela::service
