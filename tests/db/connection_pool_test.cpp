// The pooled connection inside object-context scopes: writes of a scope are
// committed or rolled back together, reads never take the write lock.
#include <gtest/gtest.h>

#include <stdexcept>

#include "db_test_util.h"
#include "platform/automation/object_context.h"
#include "platform/db/id_allocation.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"

namespace corvela::db {
namespace {

class PoolTest : public testing::DatabaseTest {
 protected:
  void SetUp() override { Connection(connString()).execute("CREATE TABLE t (id INTEGER)"); }
  void TearDown() override { releasePooledConnection(connString()); }
  int32_t rowsSeenByAnotherConnection() {
    Connection other(connString());
    return other.query("SELECT COUNT(*) AS n FROM t")->value("n").toLong();
  }
};

TEST_F(PoolTest, OutermostScopeCommitsTheWritesOfNestedScopes) {
  {
    ContextScope outer;
    pooledConnection(connString())->execute("INSERT INTO t VALUES (1)");
    {
      ContextScope inner;
      pooledConnection(connString())->execute("INSERT INTO t VALUES (2)");
      ObjectContext::current()->SetComplete();
    }
    EXPECT_EQ(rowsSeenByAnotherConnection(), 0);  // not committed while the outer scope is open
    ObjectContext::current()->SetComplete();
  }
  EXPECT_EQ(rowsSeenByAnotherConnection(), 2);
  EXPECT_FALSE(pooledConnection(connString())->inTransaction());
}

TEST_F(PoolTest, AbortOrExceptionRollsBackTheScope) {
  {
    ContextScope scope;
    pooledConnection(connString())->execute("INSERT INTO t VALUES (1)");
    {
      ContextScope inner;
      ObjectContext::current()->SetAbort();
    }
  }
  EXPECT_EQ(rowsSeenByAnotherConnection(), 0);

  EXPECT_THROW(
      {
        ContextScope scope;
        pooledConnection(connString())->execute("INSERT INTO t VALUES (1)");
        throw std::runtime_error("fails");
      },
      std::runtime_error);
  EXPECT_EQ(rowsSeenByAnotherConnection(), 0);

  // Outside a scope every statement commits on its own.
  pooledConnection(connString())->execute("INSERT INTO t VALUES (3)");
  EXPECT_EQ(rowsSeenByAnotherConnection(), 1);
}

TEST_F(PoolTest, AReleasedConnectionStaysTheScopesConnection) {
  {
    ContextScope scope;
    auto first = pooledConnection(connString());
    first->execute("INSERT INTO t VALUES (1)");
    releasePooledConnection(connString());  // what comDAL does after a failure
    auto again = pooledConnection(connString());
    EXPECT_EQ(first, again);
    again->execute("INSERT INTO t VALUES (2)");
    ObjectContext::current()->SetAbort();
  }
  EXPECT_EQ(rowsSeenByAnotherConnection(), 0);
}

TEST_F(PoolTest, ReadingScopesLeaveTheWriteLockFree) {
  ContextScope scope;
  auto pooled = pooledConnection(connString());
  EXPECT_EQ(pooled->query("SELECT COUNT(*) AS n FROM t")->value("n").toLong(), 0);
  EXPECT_FALSE(pooled->inTransaction());
  // Another process can write while this scope is open; with the write lock
  // held this would fail with a timeout error.
  Connection other(connString());
  other.begin();
  other.execute("INSERT INTO t VALUES (9)");
  other.commit();
  pooled->execute("INSERT INTO t VALUES (10)");
  EXPECT_TRUE(pooled->inTransaction());
}

TEST_F(PoolTest, IdsTakenBeforeTheFirstWriteSurviveARollback) {
  {
    Connection setup(connString());
    applySchema(setup);
  }
  {
    ContextScope scope;
    EXPECT_EQ(allocateId(*pooledConnection(connString()), "t"), 1);  // commits on its own
    pooledConnection(connString())->execute("INSERT INTO t VALUES (1)");
    EXPECT_EQ(allocateId(*pooledConnection(connString()), "t"), 2);  // part of the transaction
    ObjectContext::current()->SetAbort();
  }
  Connection other(connString());
  EXPECT_EQ(allocateId(other, "t"), 2);
  EXPECT_EQ(rowsSeenByAnotherConnection(), 0);
}

}  // namespace
}  // namespace corvela::db
