#include "deployservice/engine_access.h"

#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"

namespace corvela::deployservice {

EngineDal::EngineDal() : dal_(createObject(kDalProgId)) {}

std::shared_ptr<db::Recordset> EngineDal::select(std::string_view sql) {
  Variant rows = callWith(*dal_, "DoSelect", Variant(std::string(sql)));
  auto recordset = std::dynamic_pointer_cast<db::Recordset>(rows.toObject());
  if (!recordset) raiseRuntimeError(13);
  return recordset;
}

void EngineDal::execute(std::string_view sql) { callWith(*dal_, "execCommand", Variant(std::string(sql))); }

int32_t newEngineId(std::string_view counter) {
  auto ids = createObject(kIdManagerProgId);
  return callWith(*ids, "newID", Variant(std::string(counter))).toLong();
}

Variant callWith(Object& object, std::string_view member, Variant argument) {
  return object.call(member, std::span<Variant>(&argument, 1));
}

}  // namespace corvela::deployservice
