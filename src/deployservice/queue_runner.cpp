#include "deployservice/queue_runner.h"

#include <cctype>
#include <filesystem>
#include <optional>

#include "core/regrw.h"
#include "core/settings_key.h"
#include "core/sql_literals.h"
#include "deployservice/engine_access.h"
#include "deployservice/local_delivery.h"
#include "deployservice/service_log.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "platform/fs/file_system.h"

namespace corvela::deployservice {
namespace {

constexpr size_t kDeleteBatch = 500;
constexpr const char* kQueueQuery = "SELECT * FROM dep_execution  WHERE status<3 ORDER BY method,server,id";

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string field(db::Recordset& row, std::string_view name) {
  const Variant& value = row.value(name);
  return value.isNull() ? std::string() : value.toString();
}

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

void removeQuietly(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace

void QueueRunner::runPass() {
  plugin_ = core::RegRW::readValue(core::kSettingsKey, core::kDeployPluginValue);
  EngineDal dal;
  auto rows = dal.select(kQueueQuery);
  try {
    for (; !rows->eof(); rows->moveNext()) {
      currentSource_ = field(*rows, "source");
      context_.yield();
      carryOut(*rows, dal);
    }
  } catch (...) {
    // Whatever ends the pass (an error, a stop), the rows already carried
    // out are removed first, and their snapshots with them.
    finishPass(dal);
    throw;
  }
  finishPass(dal);
  currentSource_.clear();
}

// Executed rows are deleted in batches and delivered snapshots removed at
// the end of the pass: one statement per row and removing files between
// the copies made the queue several times slower than the copies
// themselves. A crash before a batch is deleted only runs those rows again,
// and a delivered snapshot (marked) is not copied twice.
void QueueRunner::deleteExecuted(EngineDal& dal) {
  if (executed_.empty()) return;
  std::string ids;
  for (int32_t id : executed_) ids += (ids.empty() ? "" : ",") + std::to_string(id);
  executed_.clear();
  dal.execute("DELETE FROM dep_execution WHERE id IN (" + ids + ")");
}

void QueueRunner::finishPass(EngineDal& dal) {
  deleteExecuted(dal);
  for (const std::string& path : delivered_) removeQuietly(path);
  delivered_.clear();
}

void QueueRunner::carryOut(db::Recordset& row, EngineDal& dal) {
  int32_t id = row.value("id").toLong();
  std::string source = trimmed(field(row, "source"));
  std::string target = field(row, "target");
  bool isDir = lower(field(row, "sourcetype")) == "dir";
  std::string operation = lower(field(row, "operation"));
  bool local = lower(field(row, "method")) == "ntfs";
  int32_t status = row.value("status").toLong();
  bool fileCopy = !isDir && operation == "create";
  std::string delivered = source + std::string(kDeliveredSuffix);
  bool alreadyDelivered = fileCopy && !source.empty() && !fs::fileExists(source) && fs::fileExists(delivered);
  FtpTarget to{field(row, "server"), row.value("port").toLong(), field(row, "username"), field(row, "password")};

  std::optional<ComError> failure;
  bool keepSnapshot = false;
  try {
    if (alreadyDelivered) {
      // The copy went out before the service stopped; only the row is left.
    } else if (local && isDir && operation == "create") {
      if (!fs::folderExists(target)) fs::createFolder(target);
    } else if (local && isDir && operation == "delete") {
      if (fs::folderExists(target)) fs::deleteFolderTree(target, true);
    } else if (local && fileCopy) {
      try {
        deliverFile(source, target);
      } catch (const ComError& error) {
        failure = error;
      }
      callPlugin(target);
    } else if (local && operation == "delete") {
      if (fs::fileExists(target)) fs::deleteFile(target, true);
    } else if (isDir && operation == "create") {
      steps_.ftpCreateFolder(target, to, status);
    } else if (isDir && operation == "delete") {
      if (steps_.ftpFolderExist(target, to)) steps_.ftpDeleteFolder(target, to, status);
    } else if (fileCopy) {
      keepSnapshot = steps_.ftpCopyFile(source, target, to, status);
      callPlugin(target);
    } else if (operation == "delete") {
      if (steps_.ftpFileExist(target, to)) steps_.ftpDeleteFile(target, to, status);
    }
  } catch (const ComError& error) {
    failure = error;
  }

  bool dropSnapshot = fileCopy && !keepSnapshot && !source.empty();
  if (dropSnapshot && !alreadyDelivered) {
    std::error_code missing;  // a snapshot that is already gone needs no mark
    std::filesystem::rename(source, delivered, missing);
  }
  executed_.push_back(id);
  // A row that queued its own retry is deleted at once, so a crash cannot
  // run it beside its retry.
  if (keepSnapshot || executed_.size() >= kDeleteBatch) deleteExecuted(dal);
  if (dropSnapshot) delivered_.push_back(delivered);
  if (failure) WriteLog(failure->description() + ":" + field(row, "source"));
}

// The plug-in is outside the system: whatever it does wrong is its own
// business and never stops the queue.
void QueueRunner::callPlugin(const std::string& target) {
  if (plugin_ == core::kReadFailed || plugin_.empty()) return;
  try {
    auto plugin = createObject(plugin_);
    callWith(*plugin, "RunPlugin", Variant(target));
  } catch (const ComError&) {
  }
}

void QueueRunner::removeDeliveredSnapshots() {
  std::string folder = context_.snapshots.folder();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string path = entry.path().string();
    if (!path.ends_with(kDeliveredSuffix)) continue;
    std::string source = path.substr(0, path.size() - kDeliveredSuffix.size());
    auto named = EngineDal().select("SELECT id FROM dep_execution WHERE status<3 AND source=" + core::quotedSqlText(source));
    if (named->eof()) removeQuietly(path);
  }
}

}  // namespace corvela::deployservice
