// comIDManager.newID over the database layer's one-statement allocation.
#include "core/com_id_manager.h"

#include "core/com_dal.h"
#include "core/context_votes.h"
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
  static const DispatchTable<comIDManager> table{
      {.name = "newID",
       .call = [](comIDManager& self, Args args) -> Variant {
         return Variant(self.newID(args[0].dereferenced().toString()));
       },
       .minArgs = 1,
       .maxArgs = 1},
  };
  return table;
}

}  // namespace corvela::core
