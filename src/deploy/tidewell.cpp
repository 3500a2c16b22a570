#include "deploy/tidewell.h"

#include "core/com_dal.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/service/service_control.h"

namespace corvela::deploy {
namespace {

constexpr const char* kListQueueSql = "SELECT * FROM dep_execution ORDER BY id";
constexpr const char* kListLogSql = "SELECT * FROM dep_log ORDER BY edate DESC";
constexpr const char* kClearLogSql = "DELETE FROM dep_log";
constexpr const char* kClearRecordSql = "DELETE FROM dep_execution WHERE status>2";

bool request(service::ServiceRequest what) {
  service::requestService(kTidewellServiceName, what);
  return false;
}

}  // namespace

const DispatchTable<Tidewell>& Tidewell::dispatchTable() {
  static const DispatchTable<Tidewell> table = Members<Tidewell>()
                                                   .method<&Tidewell::GetServerStatus>("GetServerStatus")
                                                   .method<&Tidewell::StopServer>("StopServer")
                                                   .method<&Tidewell::StartServer>("StartServer")
                                                   .method<&Tidewell::PauseServer>("PauseServer")
                                                   .method<&Tidewell::ContinueServer>("ContinueServer")
                                                   .method<&Tidewell::ListAllProcess>("ListAllProcess")
                                                   .method<&Tidewell::ListAllLog>("ListAllLog")
                                                   .method<&Tidewell::ClearLog>("ClearLog")
                                                   .method<&Tidewell::ClearRecord>("ClearRecord")
                                                   .build();
  return table;
}

std::string Tidewell::GetServerStatus() { return service::serviceStatusText(kTidewellServiceName); }
bool Tidewell::StopServer() { return request(service::ServiceRequest::Stop); }
bool Tidewell::StartServer() { return request(service::ServiceRequest::Start); }
bool Tidewell::PauseServer() { return request(service::ServiceRequest::Pause); }
bool Tidewell::ContinueServer() { return request(service::ServiceRequest::Continue); }

std::shared_ptr<db::Recordset> Tidewell::ListAllProcess() { return core::comDAL().DoSelect(kListQueueSql); }
std::shared_ptr<db::Recordset> Tidewell::ListAllLog() { return core::comDAL().DoSelect(kListLogSql); }
void Tidewell::ClearLog() { core::comDAL().execCommand(kClearLogSql); }
void Tidewell::ClearRecord() { core::comDAL().execCommand(kClearRecordSql); }

}  // namespace corvela::deploy
