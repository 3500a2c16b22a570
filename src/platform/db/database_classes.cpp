// Registration of "ADODB.Recordset" and "ADODB.Connection" with the ProgID
// factory.
#include "platform/db/database_classes.h"

#include "platform/automation/progid_factory.h"
#include "platform/db/connection_object.h"
#include "platform/db/recordset.h"

namespace corvela::db {

void registerDatabaseClasses() {
  registerClass("ADODB.Recordset", [] { return std::make_shared<Recordset>(); });
  registerClass("ADODB.Connection", [] { return std::make_shared<ConnectionObject>(); });
}

}  // namespace corvela::db
