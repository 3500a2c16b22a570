// DeployTask (ProgID "Corvela.DeployTask"): one source folder of the web
// server tied to one deployment target, a local folder (method "NTFS") or a
// folder on an FTP server (method "FTP"), kept as a row of dep_task.
// Administration pages create, change and delete tasks and ask for full
// scans; the site-file classes queue single files through AddFileToUpdate;
// the deploy service loads tasks by ProgID and marks them busy while it
// scans. Paths are Linux paths: a "\" in a caller's path is read as "/".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::deploy {

class DeployTask : public DispatchObject<DeployTask> {
 public:
  static constexpr std::string_view kClassName = "DeployTask";
  static const DispatchTable<DeployTask>& dispatchTable();

  DeployTask();

  // The nine settings: plain values, checked only by Save.
  const std::string& Directory() const { return directory_; }
  void setDirectory(std::string_view value) { directory_ = value; }
  const std::string& Target() const { return target_; }
  void setTarget(std::string_view value) { target_ = value; }
  const std::string& Method() const { return method_; }
  void setMethod(std::string_view value) { method_ = value; }
  const std::string& Server() const { return server_; }
  void setServer(std::string_view value) { server_ = value; }
  int32_t Port() const { return port_; }
  void setPort(int32_t value) { port_ = value; }
  const std::string& Username() const { return username_; }
  void setUsername(std::string_view value) { username_ = value; }
  const std::string& Password() const { return password_; }
  void setPassword(std::string_view value) { password_ = value; }
  OleDate BeginTime() const { return beginTime_; }
  void setBeginTime(OleDate value) { beginTime_ = value; }
  int32_t Frequency() const { return frequency_; }
  void setFrequency(int32_t value) { frequency_ = value; }
  // -1 until Save or Load gives the object a row.
  int32_t ID() const { return id_; }

  // Reads the row; 1050 "NoRecord" (empty source) when there is none.
  bool Load(int32_t pId);
  // Checks and normalises the settings (1051 with the failed checks), then
  // inserts a new row or updates the loaded one, and loads it again.
  bool Save();
  // Loads, then deletes the row (its scan requests and records stay).
  bool Del(int32_t pId);
  std::shared_ptr<db::Recordset> ListAll();
  // The tasks matching an SQL condition, all of them for a blank one.
  std::shared_ptr<db::Recordset> Search(std::string_view Conv);
  // Snapshots the file into the temporary folder and queues a "create" row
  // in dep_execution that copies it to the matching place of the target.
  void AddFileToUpdate(std::string_view Source);
  // True while the deploy service is scanning the task; stored by Save.
  bool IsActive() const { return active_ == "Y"; }
  void setIsActive(bool value) { active_ = value ? "Y" : "N"; }
  // Asks the deploy service for a full scan of the task's folder.
  void Scan();

 private:
  std::string CopyTemplate(std::string_view path);

  std::string directory_ = " ";
  std::string target_ = " ";
  std::string method_ = "NTFS";
  std::string server_ = " ";
  int32_t port_ = 21;
  std::string username_ = " ";
  std::string password_ = " ";
  OleDate beginTime_;
  int32_t frequency_ = 1;
  int32_t id_ = -1;
  std::string active_ = "Y";
  std::string tempFolder_;  // read from TempPath on first use, then kept
};

inline constexpr int kNoRecordError = 1050;
inline constexpr const char* kNoRecordText = "NoRecord";
inline constexpr int kInputError = 1051;
inline constexpr int kTempPathError = 555;

// `first` and `second` joined by exactly one "/" (when both are non-empty).
std::string JoinPath(std::string_view first, std::string_view second);

}  // namespace corvela::deploy
