// Version over the Version and VersionFile tables.
//
// The engine once chose a file's deploy tasks by '{path}' LIKE directory +
// '%' and mapped recorded URIs without checking them, so a URI with ".." or
// a link out of the site could hand any file of the machine to a target.
// Files are mapped here through the site-file guard and queued to the tasks
// whose folders hold them as whole path segments.
//
// Starting a version, recording a file and publishing read what they then
// change; each takes the database's write lock before its first read, so
// two requests never both start a version, record one URI twice, or close a
// version holding a file recorded after its list was read.
#include "content/version.h"

#include <string>
#include <vector>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/uri_validation.h"
#include "core/write_transaction.h"
#include "deploy/deployment_queue.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "sitefiles/site_path_guard.h"

namespace corvela::content {
namespace {

constexpr const char* kCurrentVersionQuery = "SELECT * FROM Version WHERE OrderNum=1";

std::string nowLiteral() { return core::SqlValue(Variant::fromDate(oleDateNow())); }

// Starts an open version in place 1 and returns its id.
int32_t startVersion(core::comDAL& dal) {
  const int32_t id = core::newID("Version");
  dal.execCommand("UPDATE Version SET OrderNum=OrderNum+1");
  dal.execCommand("INSERT INTO Version (id,CreateDate,Status,OrderNum) VALUES (" + std::to_string(id) + "," +
                  nowLiteral() + "," + std::to_string(kVersionOpen) + ",1)");
  const std::string dropped = "SELECT id FROM Version WHERE OrderNum>" + std::to_string(kVersionsKept);
  dal.execCommand("DELETE FROM VersionFile WHERE VersionID in (" + dropped + ")");
  dal.execCommand("DELETE FROM Version WHERE OrderNum>" + std::to_string(kVersionsKept));
  return id;
}

// The row of the current version, started first when there is none. Once
// a version exists, reading it needs no lock.
std::shared_ptr<db::Recordset> currentVersionRow(core::comDAL& dal) {
  auto row = dal.DoSelect(kCurrentVersionQuery);
  if (!row->eof()) return row;
  core::beginWriteTransaction(dal);
  row = dal.DoSelect(kCurrentVersionQuery);
  if (!row->eof()) return row;
  return dal.DoSelect("SELECT * FROM Version WHERE id=" + std::to_string(startVersion(dal)));
}

}  // namespace

OleDate Version::CurrentVersion() {
  return core::runVoting(nullptr, [&] {
    core::comDAL dal;
    return OleDate{currentVersionRow(dal)->value("CreateDate").toDate()};
  });
}

int32_t Version::CurrentVersionID() {
  return core::runVoting(nullptr, [&] {
    core::comDAL dal;
    return currentVersionRow(dal)->value("id").toLong();
  });
}

void Version::AddFile(std::string_view Uri) {
  core::ValidateUri(Uri);
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    core::beginWriteTransaction(dal);
    auto open = dal.DoSelect("SELECT * FROM Version WHERE OrderNum=1 AND Status=" + std::to_string(kVersionOpen));
    const std::string versionId = std::to_string(open->eof() ? startVersion(dal) : open->value("ID").toLong());
    const std::string uri = core::SqlValue(Variant(Uri));
    if (!dal.DoSelect("SELECT id FROM VersionFile WHERE VersionID=" + versionId + " AND Uri=" + uri)->eof()) return;
    dal.execCommand("INSERT INTO VersionFile (id,VersionID,Uri,CreateDate) VALUES (" +
                    std::to_string(core::newID("VersionFile")) + "," + versionId + "," + uri + "," + nowLiteral() +
                    ")");
  });
}

void Version::RemoveFile(int32_t ID) {
  core::runVoting(nullptr, [&] { core::comDAL().execCommand("DELETE FROM VersionFile WHERE id=" + std::to_string(ID)); });
}

std::shared_ptr<db::Recordset> Version::ListVersion() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM Version ORDER BY id DESC"); });
}

std::shared_ptr<db::Recordset> Version::ListFile(int32_t vID) {
  return core::runVoting(nullptr, [&] {
    return core::comDAL().DoSelect("SELECT * FROM VersionFile WHERE VersionID=" + std::to_string(vID) +
                                   " ORDER BY id DESC");
  });
}

int32_t Version::GetVersionStatus(int32_t vID) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT Status FROM Version WHERE ID=" + std::to_string(vID));
    return row->eof() ? 0 : core::longValue(row->value("status"));
  });
}

void Version::PublishCurrentVersion() {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    core::beginWriteTransaction(dal);
    std::vector<std::string> uris;
    auto files = dal.DoSelect("SELECT * FROM VersionFile WHERE VersionID in(SELECT id FROM Version WHERE Status=" +
                              std::to_string(kVersionOpen) + ") ORDER BY id");
    for (; !files->eof(); files->moveNext()) uris.push_back(core::textValue(files->value("Uri")));
    for (const std::string& uri : uris) deploy::QueueFileForDeployment(sitefiles::SitePath(uri));
    dal.execCommand("UPDATE Version SET Status=" + std::to_string(kVersionPublished) +
                    " WHERE Status=" + std::to_string(kVersionOpen));
  });
}

const DispatchTable<Version>& Version::dispatchTable() {
  static const DispatchTable<Version> table = Members<Version>()
      .readOnly<&Version::CurrentVersion>("CurrentVersion")
      .readOnly<&Version::CurrentVersionID>("CurrentVersionID")
      .method<&Version::AddFile>("AddFile")
      .method<&Version::RemoveFile>("RemoveFile")
      .method<&Version::ListVersion>("ListVersion")
      .method<&Version::ListFile>("ListFile")
      .method<&Version::GetVersionStatus>("GetVersionStatus")
      .method<&Version::PublishCurrentVersion>("PublishCurrentVersion")
      .build();
  return table;
}

}  // namespace corvela::content
