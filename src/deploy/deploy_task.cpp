// DeployTask over dep_task, dep_scan and dep_execution.
//
// The engine once doubled the quotes of a setting and then cut it to the
// column's length, so the cut could leave half of a doubled quote at the
// end of the literal and break the statement (or let the rest of it run as
// SQL). Here the text is cut so that its doubled form fits the limit, and
// only then quoted; the stored value is the same whenever the old statement
// was valid.
#include "deploy/deploy_task.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/path_parts.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/fs/file_system.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"

namespace corvela::deploy {
namespace {

constexpr const char* kInputMessage = "Some Error in your Input:";
constexpr const char* kDirectoryEmpty = "Directory can not be empty!";
constexpr const char* kTargetEmpty = "Target can not be empty!";
constexpr const char* kCopyTemplateSource = "CopyTemplate";
constexpr const char* kRegReadErr = "RegReadErr";

constexpr size_t kPathLimit = 255;
constexpr size_t kAccountLimit = 100;
constexpr double kOneMinute = 1.0 / (24 * 60);

[[noreturn]] void raiseNoRecord() { throw ComError(kNoRecordError, "", kNoRecordText); }

// The longest start of the text whose doubled-quote form has at most
// `limit` UTF-16 code units, as an SQL literal; " " when that is empty.
std::string cleanField(std::string_view text, size_t limit) {
  size_t used = 0, pos = 0;
  while (pos < text.size()) {
    size_t next = pos;
    char32_t cp = text::decodeCodePoint(text, next);
    size_t units = cp == '\'' ? 2 : cp > 0xFFFF ? 2 : 1;
    if (used + units > limit) break;
    used += units;
    pos = next;
  }
  std::string_view kept = text.substr(0, pos);
  return core::quotedSqlText(kept.empty() ? std::string_view(" ") : kept);
}

std::string textField(const db::Recordset& rs, std::string_view name) {
  const Variant& value = rs.value(name);
  if (value.isNull() || value.isEmpty()) return {};
  return std::string(core::trimSpaces(value.toString()));
}

// The settings as they go into the statements: each text an SQL literal.
struct StoredTask {
  std::string directory, target, method, server, username, password, active;
  std::string port, beginTime, frequency;
};

}  // namespace

std::string JoinPath(std::string_view first, std::string_view second) {
  std::string a = core::NormaliseSeparators(first);
  std::string b = core::NormaliseSeparators(second);
  if (a.empty() || b.empty()) return a + b;
  bool aEnds = a.back() == '/', bStarts = b.front() == '/';
  if (!aEnds && !bStarts) return a + "/" + b;
  if (aEnds && bStarts) return a + b.substr(1);
  return a + b;
}

DeployTask::DeployTask() : beginTime_{oleDateNow() + kOneMinute} {}

bool DeployTask::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    core::comDAL dal;
    auto rs = dal.DoSelect("SELECT * FROM dep_task WHERE id = " + std::to_string(pId));
    if (rs->eof()) raiseNoRecord();
    id_ = rs->value("id").toLong();
    directory_ = textField(*rs, "directory");
    target_ = textField(*rs, "target");
    method_ = textField(*rs, "method");
    server_ = textField(*rs, "server");
    username_ = textField(*rs, "username");
    password_ = textField(*rs, "password");
    active_ = textField(*rs, "active");
    const Variant& port = rs->value("port");
    port_ = port.isNull() ? 0 : port.toLong();
    const Variant& begin = rs->value("begintime");
    beginTime_ = OleDate{begin.isNull() ? 0.0 : begin.toDate()};
    const Variant& frequency = rs->value("frequency");
    frequency_ = frequency.isNull() ? 0 : frequency.toLong();
    return true;
  });
}

bool DeployTask::Save() {
  return core::runVoting(nullptr, [&] {
    // The checks, on copies: a refused task keeps the values its caller set.
    std::string message = kInputMessage;
    StoredTask stored;
    stored.directory = cleanField(directory_, kPathLimit);
    stored.target = cleanField(target_, kPathLimit);
    std::string method = text::toUpper(method_);
    stored.method = core::quotedSqlText(method == "NTFS" ? "NTFS" : "FTP");
    stored.server = cleanField(server_, kPathLimit);
    stored.username = cleanField(username_, kAccountLimit);
    stored.password = cleanField(password_, kAccountLimit);
    stored.active = core::quotedSqlText(text::toUpper(active_) == "Y" ? "Y" : "N");
    double now = oleDateNow();
    stored.beginTime = core::SqlDate(Variant::fromDate(now > beginTime_.days ? now : beginTime_.days));
    stored.frequency = std::to_string(frequency_ < 0 ? 1 : frequency_);
    stored.port = std::to_string(port_);
    if (core::trimSpaces(directory_).empty()) message += kDirectoryEmpty;
    if (core::trimSpaces(target_).empty()) message += kTargetEmpty;
    if (message.size() != std::string_view(kInputMessage).size()) throw ComError(kInputError, "", message);

    core::comDAL dal;
    auto existing = dal.DoSelect("SELECT id FROM dep_task WHERE id= " + std::to_string(id_));
    if (existing->eof()) {
      id_ = core::newID("dep_task");
      dal.execCommand(
          "INSERT INTO dep_task (id,directory,target,method,server,port,username,password,active,begintime,"
          "frequency) VALUES (" +
          std::to_string(id_) + "," + stored.directory + "," + stored.target + "," + stored.method + "," +
          stored.server + "," + stored.port + "," + stored.username + "," + stored.password + "," + stored.active +
          "," + stored.beginTime + "," + stored.frequency + ")");
    } else {
      dal.execCommand("UPDATE dep_task SET directory=" + stored.directory + ",target=" + stored.target +
                      ",method=" + stored.method + ",server=" + stored.server + ",port=" + stored.port +
                      ",username=" + stored.username + ",password=" + stored.password + ",active=" +
                      stored.active + ",begintime=" + stored.beginTime + ",frequency=" + stored.frequency +
                      " WHERE id=" + std::to_string(id_));
    }
    return Load(id_);
  });
}

bool DeployTask::Del(int32_t pId) {
  Load(pId);  // raises NoRecord for a missing row
  core::comDAL dal;
  dal.execCommand("DELETE FROM dep_task  WHERE id=" + std::to_string(pId));
  return true;
}

std::shared_ptr<db::Recordset> DeployTask::ListAll() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM dep_task"); });
}

std::shared_ptr<db::Recordset> DeployTask::Search(std::string_view Conv) {
  return core::runVoting(nullptr, [&] {
    std::string_view condition = core::trimSpaces(Conv);
    std::string sql = "SELECT * FROM dep_task";
    if (!condition.empty()) sql += " WHERE " + std::string(condition);
    return core::comDAL().DoSelect(sql);
  });
}

void DeployTask::Scan() {
  core::runVoting(nullptr, [&] {
    int32_t id = core::newID("dep_scan");
    core::comDAL().execCommand("INSERT INTO dep_scan (id,taskid) VALUES (" + std::to_string(id) + "," +
                               std::to_string(id_) + ")");
  });
}

void DeployTask::AddFileToUpdate(std::string_view Source) {
  // The part of Source after the task's folder, counted in characters as
  // the folder's length.
  std::string source = core::NormaliseSeparators(Source);
  size_t cut = text::byteOffsetOfUnit(source, text::utf16Length(core::NormaliseSeparators(directory_)));
  std::string targetPath = JoinPath(target_, std::string_view(source).substr(cut));
  std::string snapshot = CopyTemplate(source);
  int32_t id = core::newID("dep_execution");
  core::comDAL().execCommand(
      "INSERT INTO dep_execution (id,source,target,sourcetype,method,server,port,username,password,operation,"
      "status) VALUES (" +
      std::to_string(id) + "," + core::quotedSqlText(snapshot) + "," + core::quotedSqlText(targetPath) +
      ",'file'," + core::quotedSqlText(method_) + "," + core::quotedSqlText(server_) + "," + std::to_string(port_) +
      "," + core::quotedSqlText(username_) + "," + core::quotedSqlText(password_) + ",'create',1)");
}

// The snapshot freezes the file as it is now: the queue runner copies the
// snapshot, not the live file, which may change again before it runs.
std::string DeployTask::CopyTemplate(std::string_view path) {
  int32_t id = core::newID("dep_templatefile");
  if (tempFolder_.empty()) {
    std::string temp = core::RegRW::readValue(core::kSettingsKey, core::kTempPathValue);
    if (temp == core::kReadFailed) throw ComError(kTempPathError, kCopyTemplateSource, kRegReadErr);
    tempFolder_ = temp;
  }
  std::string snapshot = JoinPath(tempFolder_, std::to_string(id)) + ".tmp";
  fs::copyFile(path, snapshot, true);
  return snapshot;
}

const DispatchTable<DeployTask>& DeployTask::dispatchTable() {
  static const DispatchTable<DeployTask> table = Members<DeployTask>()
      .property<&DeployTask::Directory, &DeployTask::setDirectory>("Directory")
      .property<&DeployTask::Target, &DeployTask::setTarget>("Target")
      .property<&DeployTask::Method, &DeployTask::setMethod>("Method")
      .property<&DeployTask::Server, &DeployTask::setServer>("Server")
      .property<&DeployTask::Port, &DeployTask::setPort>("Port")
      .property<&DeployTask::Username, &DeployTask::setUsername>("Username")
      .property<&DeployTask::Password, &DeployTask::setPassword>("Password")
      .property<&DeployTask::BeginTime, &DeployTask::setBeginTime>("BeginTime")
      .property<&DeployTask::Frequency, &DeployTask::setFrequency>("Frequency")
      .readOnly<&DeployTask::ID>("ID")
      .method<&DeployTask::Load>("Load")
      .method<&DeployTask::Save>("Save")
      .method<&DeployTask::Del>("Del")
      .method<&DeployTask::ListAll>("ListAll")
      .method<&DeployTask::Search>("Search")
      .method<&DeployTask::AddFileToUpdate>("AddFileToUpdate")
      .property<&DeployTask::IsActive, &DeployTask::setIsActive>("IsActive")
      .method<&DeployTask::Scan>("Scan")
      .build();
  return table;
}

}  // namespace corvela::deploy
