#include "deployservice/service_paths.h"

#include "core/regrw.h"
#include "core/settings_key.h"
#include "deployservice/engine_access.h"
#include "platform/automation/com_error.h"
#include "platform/fs/file_system.h"

namespace corvela::deployservice {
namespace {

constexpr int kTempPathError = 555;
constexpr const char* kCopyTemplateSource = "CopyTemplate";
constexpr const char* kRegReadErr = "RegReadErr";

std::string slashes(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

}  // namespace

std::string JoinPath(std::string_view first, std::string_view second) {
  std::string a = slashes(first);
  std::string b = slashes(second);
  if (a.empty() || b.empty()) return a + b;
  bool aEnds = a.back() == '/', bStarts = b.front() == '/';
  if (!aEnds && !bStarts) return a + "/" + b;
  if (aEnds && bStarts) return a + b.substr(1);
  return a + b;
}

const std::string& Snapshots::folder() {
  if (folder_.empty()) {
    std::string temp = core::RegRW::readValue(core::kSettingsKey, core::kTempPathValue);
    if (temp == core::kReadFailed) throw ComError(kTempPathError, kCopyTemplateSource, kRegReadErr);
    folder_ = temp;
  }
  return folder_;
}

std::string Snapshots::CopyTemplate(std::string_view path) {
  int32_t id = newEngineId("dep_templatefile");
  std::string snapshot = JoinPath(folder(), std::to_string(id)) + ".tmp";
  fs::copyFile(path, snapshot, true);
  return snapshot;
}

}  // namespace corvela::deployservice
