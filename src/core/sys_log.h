// SysLog (ProgID "Corvela.SysLog"): log entries of the administration pages,
// recorded, listed and cleared per kind of log.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::core {

class comDAL;

class SysLog : public DispatchObject<SysLog> {
 public:
  static constexpr std::string_view kClassName = "SysLog";
  static const DispatchTable<SysLog>& dispatchTable();

  SysLog();
  ~SysLog() override;

  // Deletes the entries of one kind (-1 when omitted; not every kind).
  void ClearAll(int16_t aLogtype = -1);
  // The entries of one kind, in the database's order.
  std::shared_ptr<db::Recordset> ListAll(int16_t aLogtype = -1);
  // Appends an entry stamped with the current time.
  void RecordLog(int16_t aLogtype, std::string_view logSource, int16_t logCata, std::string_view Username,
                 std::string_view Description);

 private:
  comDAL& dal();
  std::unique_ptr<comDAL> dal_;  // made on first use, then kept
};

}  // namespace corvela::core
