// The change scanner: takes every pending scan request (dep_scan), walks the
// requested tasks' source folders and compares what it finds with what it
// saw last time (dep_record, mark and sweep). New folders, new and changed
// files become "create" queue rows (files through a snapshot); whatever has
// gone becomes a "delete" row.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "deployservice/queue_rows.h"
#include "deployservice/service_context.h"

namespace corvela::deployservice {

// The settings of a task as the scanner reads them from Corvela.DeployTask.
struct TaskSettings {
  int32_t id = 0;
  std::string directory, target, method, server, user, password;
  int32_t port = 21;
};

class ChangeScanner {
 public:
  explicit ChangeScanner(ServiceContext& context) : context_(context) {}

  // One pass. Errors are raised to the tick, which logs them.
  void runPass();

 private:
  void scanTask(Object& task, int32_t taskId);
  void ScanFolder(const std::string& folder, const TaskSettings& task);
  QueueRow rowFor(const TaskSettings& task, std::string_view relative) const;
  std::string relativePath(const std::string& path, const TaskSettings& task) const;

  ServiceContext& context_;
};

inline constexpr const char* kScannerLogPrefix = "Timer.Timer：";
inline constexpr const char* kScanningLabel = "正在扫描：";

}  // namespace corvela::deployservice
