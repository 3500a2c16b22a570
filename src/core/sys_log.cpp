// SysLog over the SysLog table.
#include "core/sys_log.h"

#include <string>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"

namespace corvela::core {

SysLog::SysLog() = default;
SysLog::~SysLog() = default;

comDAL& SysLog::dal() {
  if (!dal_) dal_ = std::make_unique<comDAL>();
  return *dal_;
}

void SysLog::ClearAll(int16_t aLogtype) {
  dal().execCommand("DELETE FROM SysLog WHERE logType=" + std::to_string(aLogtype));
}

std::shared_ptr<db::Recordset> SysLog::ListAll(int16_t aLogtype) {
  return dal().DoSelect("SELECT * FROM SysLog WHERE logType=" + std::to_string(aLogtype));
}

void SysLog::RecordLog(int16_t aLogtype, std::string_view logSource, int16_t logCata, std::string_view Username,
                       std::string_view Description) {
  int32_t id = newID("SysLog");
  std::string sql = "INSERT INTO SysLog(logid,logtype,logtime,source,logcatalog,username,description) VALUES (";
  sql += SqlValue(Variant(id)) + ",";
  sql += SqlValue(Variant::fromInteger(aLogtype)) + ",";
  sql += SqlValue(Variant::fromDate(oleDateNow())) + ",";
  sql += SqlValue(Variant(logSource)) + ",";
  sql += SqlValue(Variant::fromInteger(logCata)) + ",";
  sql += SqlValue(Variant(Username)) + ",";
  sql += SqlValue(Variant(Description)) + ")";
  dal().execCommand(sql);
}

const DispatchTable<SysLog>& SysLog::dispatchTable() {
  static const DispatchTable<SysLog> table = Members<SysLog>()
      .method<&SysLog::ClearAll>("ClearAll", {-1})
      .method<&SysLog::ListAll>("ListAll", {-1})
      .method<&SysLog::RecordLog>("RecordLog")
      .build();
  return table;
}

}  // namespace corvela::core
