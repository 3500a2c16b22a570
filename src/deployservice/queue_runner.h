// The queue runner: carries out the rows of dep_execution in the order
// method, server, id (so one FTP connection serves a server's rows in
// turn), calls the deploy plug-in after each file copy, removes each row
// and its snapshot, and logs what failed.
//
// Crash safety: a delivered snapshot is renamed with kDeliveredSuffix
// before its row is deleted and removed when the pass ends. A run that finds a row
// whose snapshot carries the suffix knows the file went out before the
// service stopped and only finishes the row; start-up removes suffixed
// snapshots that no row names any more.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "deployservice/engine_access.h"
#include "deployservice/ftp_steps.h"
#include "deployservice/service_context.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::deployservice {

class QueueRunner {
 public:
  explicit QueueRunner(ServiceContext& context) : context_(context), steps_(context) {}

  // One pass. Errors outside a row's own handling are raised to the tick.
  void runPass();
  // The source of the row being carried out, for the tick's log entry.
  const std::string& currentSource() const { return currentSource_; }

  // Removes delivered snapshots that no queue row names (start-up).
  void removeDeliveredSnapshots();

 private:
  void carryOut(db::Recordset& row, EngineDal& dal);
  void callPlugin(const std::string& target);
  void deleteExecuted(EngineDal& dal);
  void finishPass(EngineDal& dal);

  ServiceContext& context_;
  FtpSteps steps_;
  std::string plugin_;
  std::string currentSource_;
  std::vector<int32_t> executed_;       // rows carried out, not yet deleted
  std::vector<std::string> delivered_;  // marked snapshots to remove after the pass
};

}  // namespace corvela::deployservice
