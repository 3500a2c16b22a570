// ACL over the cms_acl table. Resource names and user ids are compared by
// the database (case-insensitively, as the table's collation does).
#include "structure/acl.h"

#include <string>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::structure {
namespace {

using core::comDAL;
using core::quotedSqlText;
using core::runVoting;

std::string pairCondition(std::string_view resource, std::string_view userId) {
  return " WHERE resource=" + quotedSqlText(resource) + " AND userid=" + quotedSqlText(userId);
}

}  // namespace

void ACL::AddEntry(std::string_view Resource, std::string_view UserID) {
  runVoting(nullptr, [&] {
    comDAL dal;
    if (!dal.DoSelect("SELECT ID FROM cms_acl" + pairCondition(Resource, UserID))->eof()) return;
    int32_t id = core::newID("cms_acl");
    dal.execCommand("INSERT INTO cms_acl (id,resource,userid) VALUES (" + std::to_string(id) + "," +
                    quotedSqlText(Resource) + "," + quotedSqlText(UserID) + ")");
  });
}

void ACL::DeleteEntry(std::string_view Resource, std::string_view UserID) {
  runVoting(nullptr, [&] { comDAL().execCommand("DELETE FROM cms_acl" + pairCondition(Resource, UserID)); });
}

bool ACL::HasEntry(std::string_view Resource, std::string_view UserID) {
  return runVoting(nullptr, [&] { return !comDAL().DoSelect("SELECT id FROM cms_acl" + pairCondition(Resource, UserID))->eof(); });
}

std::shared_ptr<db::Recordset> ACL::ListAllEntry(std::string_view Resource) {
  return runVoting(nullptr,
                   [&] { return comDAL().DoSelect("SELECT * FROM cms_acl WHERE resource=" + quotedSqlText(Resource)); });
}

const DispatchTable<ACL>& ACL::dispatchTable() {
  static const DispatchTable<ACL> table = Members<ACL>()
      .method<&ACL::AddEntry>("AddEntry")
      .method<&ACL::DeleteEntry>("DeleteEntry")
      .method<&ACL::HasEntry>("HasEntry")
      .method<&ACL::ListAllEntry>("ListAllEntry")
      .build();
  return table;
}

}  // namespace corvela::structure
