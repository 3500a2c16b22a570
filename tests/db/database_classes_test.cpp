// The scriptable database classes as scripts create them by ProgID.
#include <gtest/gtest.h>

#include "db_test_util.h"
#include "platform/automation/object.h"
#include "platform/db/database_classes.h"

namespace corvela::db {
namespace {

using ScriptedConnectionTest = testing::DatabaseTest;

TEST_F(ScriptedConnectionTest, ProgIdsCreateRecordsetAndConnection) {
  registerDatabaseClasses();
  EXPECT_EQ(createObject("ADODB.Recordset")->className(), "Recordset");
  std::shared_ptr<Object> connection = createObject("adodb.connection");
  ASSERT_EQ(connection->className(), "Connection");

  // conn.ConnectionString = ...: Open: BeginTrans: Execute: RollbackTrans
  connection->let("ConnectionString", Variant(connString()));
  connection->call("Open");
  EXPECT_EQ(connection->get("State").toLong(), 1);
  std::vector<Variant> create{Variant("CREATE TABLE t (id INTEGER)")};
  connection->call("Execute", create);
  connection->call("BeginTrans");
  std::vector<Variant> insert{Variant("INSERT INTO t VALUES (1)")};
  connection->call("Execute", insert);
  connection->call("RollbackTrans");
  std::vector<Variant> count{Variant("SELECT COUNT(*) AS n FROM t")};
  Variant rs = connection->call("Execute", count);
  EXPECT_EQ(rs.rawObject()->get("Fields").rawObject()->get("Count").toLong(), 1);
  EXPECT_EQ(rs.rawObject()->call("GetRows").rawArray()->items[0].toLong(), 0);

  EXPECT_EQ(testing::raised([&] { connection->call("Open"); }).number, 3705);
  connection->call("Close");
  testing::Raised closed = testing::raised([&] { connection->call("Execute", count); });
  EXPECT_EQ(closed.number, 3704);
  EXPECT_EQ(closed.source, "ADODB.Connection");
}

}  // namespace
}  // namespace corvela::db
