// Version (ProgID "Corvela.Version"): site versions, named batches of changed
// site files released to the deploy tasks in one step. Pages that change a
// site file record its URI in the current version; PublishCurrentVersion
// queues every recorded file of the open versions to the deploy tasks whose
// folders hold it, and closes them.
//
// OrderNum places the versions by age: 1 is the current one. Starting a
// version moves every other one back a place; the one pushed past place 30
// is forgotten with its file list, so at most 30 versions are kept.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::content {

inline constexpr int32_t kVersionOpen = 1;
inline constexpr int32_t kVersionPublished = 2;
inline constexpr int32_t kVersionsKept = 30;

class Version : public DispatchObject<Version> {
 public:
  static constexpr std::string_view kClassName = "Version";
  static const DispatchTable<Version>& dispatchTable();

  // When the current version was started / its id; reading either on an
  // empty table starts the first version.
  OleDate CurrentVersion();
  int32_t CurrentVersionID();
  // Records the URI in the open current version, starting a new version
  // when the current one is published (or there is none). A URI already
  // recorded there is not recorded again; one that climbs out of the site
  // is refused (513 "InvalidURL").
  void AddFile(std::string_view Uri);
  // Forgets one recorded file by its VersionFile id.
  void RemoveFile(int32_t ID);
  // Every version, newest id first.
  std::shared_ptr<db::Recordset> ListVersion();
  // The files of a version, newest first.
  std::shared_ptr<db::Recordset> ListFile(int32_t vID);
  // 1 open, 2 published, 0 for an id that names no version.
  int32_t GetVersionStatus(int32_t vID);
  // Queues the files of every open version to the deploy tasks that hold
  // them and marks those versions published. An error (a file that cannot
  // be mapped or copied) leaves every version open and nothing queued.
  void PublishCurrentVersion();
};

}  // namespace corvela::content
