// The deploy service's only doors into the engine: objects created by ProgID
// and called by member name, exactly as any outside program would.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/automation/object.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::deployservice {

inline constexpr const char* kDalProgId = "Corvela.comDAL";
inline constexpr const char* kIdManagerProgId = "Corvela.comIDManager";
inline constexpr const char* kDeployTaskProgId = "Corvela.DeployTask";
inline constexpr const char* kChannelManagerProgId = "Corvela.ChannelManager";

// A Corvela.comDAL created for the object's life.
class EngineDal {
 public:
  EngineDal();
  std::shared_ptr<db::Recordset> select(std::string_view sql);
  void execute(std::string_view sql);

 private:
  std::shared_ptr<Object> dal_;
};

// newID of a Corvela.comIDManager created for the call.
int32_t newEngineId(std::string_view counter);

// Calls with one argument, for the late-bound calls that take one.
Variant callWith(Object& object, std::string_view member, Variant argument);

}  // namespace corvela::deployservice
