// Tidewell (ProgID "Corvela.Tidewell"): the deploy service as administration
// pages see it. Status, stop, start, pause and continue address the service
// named "Tidewell" (the deploy service registers that name beside its own);
// the queue and the service log are read and cleared here too. The control
// methods report success only by not raising: their Boolean stays false.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::deploy {

class Tidewell : public DispatchObject<Tidewell> {
 public:
  static constexpr std::string_view kClassName = "Tidewell";
  static const DispatchTable<Tidewell>& dispatchTable();

  std::string GetServerStatus();
  bool StopServer();
  bool StartServer();
  bool PauseServer();
  bool ContinueServer();
  // The whole queue in execution-id order.
  std::shared_ptr<db::Recordset> ListAllProcess();
  // The service log, newest first.
  std::shared_ptr<db::Recordset> ListAllLog();
  void ClearLog();
  // Removes the queue rows whose attempts are used up (status 3).
  void ClearRecord();
};

inline constexpr std::string_view kTidewellServiceName = "Tidewell";

}  // namespace corvela::deploy
