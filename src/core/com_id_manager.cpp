// comIDManager.newID over the database layer's one-statement allocation.
#include "core/com_id_manager.h"

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "platform/automation/member_binding.h"
#include "platform/db/id_allocation.h"

namespace corvela::core {

int32_t newID(std::string_view tablename) {
  return runVoting(kNewIdSource, [&] {
    comDAL dal;
    return db::allocateId(*dal.connection(), tablename);
  });
}

int32_t comIDManager::newID(std::string_view tablename) { return core::newID(tablename); }

const DispatchTable<comIDManager>& comIDManager::dispatchTable() {
  static const DispatchTable<comIDManager> table = Members<comIDManager>()
      .method<&comIDManager::newID>("newID")
      .build();
  return table;
}

}  // namespace corvela::core
