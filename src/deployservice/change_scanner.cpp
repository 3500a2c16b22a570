#include "deployservice/change_scanner.h"

#include "core/sql_literals.h"
#include "deployservice/engine_access.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "platform/fs/file_system.h"
#include "platform/text/utf8_units.h"

namespace corvela::deployservice {
namespace {

constexpr int kFolderMissingError = 555;
constexpr const char* kFolderMissingSource = "Timer.Timer";
constexpr const char* kFolderMissingText = "目录找不到：";

std::string text(Object& task, std::string_view member) {
  std::string value = task.get(member).toString();
  return value == " " ? std::string() : value;
}

TaskSettings settingsOf(Object& task) {
  TaskSettings settings;
  settings.id = task.get("id").toLong();
  settings.directory = text(task, "Directory");
  settings.target = text(task, "Target");
  settings.method = task.get("Method").toString();
  settings.server = text(task, "Server");
  settings.port = task.get("Port").toLong();
  settings.user = text(task, "UserName");
  settings.password = text(task, "Password");
  return settings;
}

std::string recordQuery(std::string_view relative, int32_t taskId) {
  return "SELECT * FROM dep_record WHERE path=" + core::quotedSqlText(relative) + " AND taskid=" + std::to_string(taskId);
}

void insertRecord(int32_t taskId, std::string_view relative, std::string_view sourceType, double modified) {
  int32_t id = newEngineId("dep_record");
  EngineDal().execute("INSERT INTO dep_record (id,taskid,path,sourcetype,lastupdated,deletetag) VALUES (" +
                      std::to_string(id) + "," + std::to_string(taskId) + "," + core::quotedSqlText(relative) + "," +
                      core::quotedSqlText(sourceType) + "," + core::SqlDate(Variant::fromDate(modified)) + ",'N')");
}

}  // namespace

void ChangeScanner::runPass() {
  auto task = createObject(kDeployTaskProgId);
  EngineDal dal;
  auto requests = dal.select("SELECT DISTINCT taskid FROM dep_scan");
  dal.execute("DELETE FROM dep_scan");
  std::vector<int32_t> taskIds;
  for (; !requests->eof(); requests->moveNext()) taskIds.push_back(requests->value("taskid").toLong());
  for (int32_t taskId : taskIds) scanTask(*task, taskId);
}

void ChangeScanner::scanTask(Object& task, int32_t taskId) {
  callWith(task, "Load", Variant(taskId));
  task.let("isActive", Variant(true));
  task.call("Save");
  TaskSettings settings = settingsOf(task);

  std::string root = settings.directory;
  fs::EntryInfo info;
  try {
    info = fs::entryInfo(root);
    if (!info.isFolder) raiseRuntimeError(76);
  } catch (const ComError& missing) {
    throw ComError(kFolderMissingError, kFolderMissingSource,
                   kFolderMissingText + settings.directory + "," + missing.description());
  }

  EngineDal dal;
  dal.execute("UPDATE dep_record SET deletetag='Y' WHERE taskid=" + std::to_string(taskId));
  ScanFolder(root, settings);

  auto gone = dal.select("SELECT * FROM dep_record WHERE deletetag='Y' And taskid = " + std::to_string(taskId));
  for (; !gone->eof(); gone->moveNext()) {
    QueueRow row = rowFor(settings, gone->value("path").toString());
    row.sourceType = gone->value("sourcetype").toString();
    row.operation = "delete";
    QueueExecution(row);
  }
  dal.execute("DELETE FROM dep_record WHERE deletetag='Y' AND taskid=" + std::to_string(taskId));

  task.let("isActive", Variant(false));
  task.call("Save");
}

QueueRow ChangeScanner::rowFor(const TaskSettings& task, std::string_view relative) const {
  QueueRow row;
  row.method = task.method;
  row.server = task.server;
  row.port = task.port;
  row.user = task.user;
  row.password = task.password;
  row.target = JoinPath(task.target, relative);
  row.status = 1;
  return row;
}

// The item's path below the task's folder, counted in characters of the
// folder as the task states it; the folder itself is "/".
std::string ChangeScanner::relativePath(const std::string& path, const TaskSettings& task) const {
  std::string base = task.directory;
  for (char& c : base)
    if (c == '\\') c = '/';
  if (text::utf16Length(base) >= 2 && base.back() == '/') base.pop_back();
  size_t cut = text::byteOffsetOfUnit(path, text::utf16Length(base));
  std::string relative = path.substr(std::min(cut, path.size()));
  return relative.empty() ? "/" : relative;
}

void ChangeScanner::ScanFolder(const std::string& folder, const TaskSettings& task) {
  context_.yield();
  EngineDal dal;
  std::string relative = relativePath(folder, task);
  std::string found = "-1";
  auto record = dal.select(recordQuery(relative, task.id));
  if (record->eof()) {
    insertRecord(task.id, relative, "dir", fs::entryInfo(folder).lastModified);
    QueueRow row = rowFor(task, relative);
    row.sourceType = "dir";
    row.operation = "create";
    QueueExecution(row);
  } else {
    found += "," + std::to_string(record->value("id").toLong());
  }

  std::vector<fs::EntryInfo> entries = fs::listFolder(folder);
  std::string prefix = folder.ends_with('/') ? folder : folder + "/";
  for (const fs::EntryInfo& entry : entries) {
    // A linked folder could lead back up the tree; it is not walked.
    if (!entry.isFolder || (entry.attributes & fs::kAlias)) continue;
    context_.yield();
    ScanFolder(prefix + entry.name, task);
  }
  for (const fs::EntryInfo& entry : entries) {
    if (entry.isFolder) continue;
    std::string full = prefix + entry.name;
    context_.yield();
    std::string fileRelative = relativePath(full, task);
    auto fileRecord = dal.select(recordQuery(fileRelative, task.id));
    QueueRow row = rowFor(task, fileRelative);
    row.sourceType = "file";
    row.operation = "create";
    if (fileRecord->eof()) {
      insertRecord(task.id, fileRelative, "file", entry.lastModified);
      row.source = context_.snapshots.CopyTemplate(full);
      QueueExecution(row);
      continue;
    }
    int32_t recordId = fileRecord->value("id").toLong();
    found += "," + std::to_string(recordId);
    // SqlDate keeps whole seconds: a change within the same second is not seen.
    std::string modified = core::SqlDate(Variant::fromDate(entry.lastModified));
    if (core::SqlDate(fileRecord->value("lastupdated")) != modified) {
      row.source = context_.snapshots.CopyTemplate(full);
      QueueExecution(row);
      dal.execute("UPDATE dep_record SET lastupdated =" + modified + " WHERE id=" + std::to_string(recordId));
    }
  }
  dal.execute("UPDATE dep_record SET deletetag='N' WHERE id IN (" + found + ")");
}

}  // namespace corvela::deployservice
