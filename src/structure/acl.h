// ACL (ProgID "Corvela.ACL"): access entries, plain pairs of a resource name
// ("CHANNEL_12" for a channel, column or magazine; any text to the class)
// and a user's account name. A pair is stored at most once; what a pair
// permits is decided by the pages that ask for it.
#pragma once

#include <memory>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::structure {

class ACL : public DispatchObject<ACL> {
 public:
  static constexpr std::string_view kClassName = "ACL";
  static const DispatchTable<ACL>& dispatchTable();

  // Stores the pair unless it is stored already.
  void AddEntry(std::string_view Resource, std::string_view UserID);
  // Removes the pair; a missing pair is no error.
  void DeleteEntry(std::string_view Resource, std::string_view UserID);
  bool HasEntry(std::string_view Resource, std::string_view UserID);
  // Rows (id, resource, userid) of the resource's entries.
  std::shared_ptr<db::Recordset> ListAllEntry(std::string_view Resource);
};

}  // namespace corvela::structure
