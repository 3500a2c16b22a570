// Service (ProgID "Sluicegate.Service"): lets pages query, stop, start,
// pause and continue a service whose name they pass. The control methods
// report success only by not raising: their Boolean result stays false, as
// pages written for this class expect.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::servicecontrol {

class Service : public DispatchObject<Service> {
 public:
  static constexpr std::string_view kClassName = "Service";
  static const DispatchTable<Service>& dispatchTable();

  std::string GetServerStatus(std::string_view ServiceName);
  bool StopServer(std::string_view ServiceName);
  bool StartServer(std::string_view ServiceName);
  bool PauseServer(std::string_view ServiceName);
  bool ContinueServer(std::string_view ServiceName);
};

inline constexpr const char* kServiceProgId = "Sluicegate.Service";

}  // namespace corvela::servicecontrol
