// Connection: connection strings, value types of query results, bound text,
// error numbers, transactions and the per-thread pool.
#include <gtest/gtest.h>

#include <thread>

#include "db_test_util.h"
#include "platform/automation/oledate.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::db {
namespace {

using testing::DatabaseTest;
using testing::raised;
using testing::Raised;

// A test with its own database file, open as `c`.
class ConnectionTest : public DatabaseTest {
 protected:
  Connection c{connString()};
};

TEST(ConnectionStringTest, ParsesKeysCaselesslyAndQuotedValues) {
  struct Case {
    const char* text;
    Provider provider;
    const char* dataSource;
  };
  const Case cases[] = {
      {"Provider=SQLite;Data Source=/a/b.db", Provider::SQLite, "/a/b.db"},
      {"provider = sqlite ; DATA SOURCE = /a/b c.db ;", Provider::SQLite, "/a/b c.db"},
      {"Provider=SQLite;Data Source='/x;y/it''s.db'", Provider::SQLite, "/x;y/it's.db"},
      {"Data Source=\"/q.db\";Provider=SQLite;Extra=1", Provider::SQLite, "/q.db"},
      {"Provider=PostgreSQL;Host=h;Port=5432;Database=d;User ID=u;Password=p", Provider::PostgreSQL, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ConnectionSettings s = parseConnectionString(c.text);
    EXPECT_EQ(s.provider, c.provider);
    EXPECT_EQ(s.dataSource, c.dataSource);
  }
  const ConnectionSettings pg = parseConnectionString("Provider=PostgreSQL;Host=h;Port=5432;Database=d;User ID=u;Password=p");
  EXPECT_EQ((std::vector<std::string>{pg.host, pg.port, pg.database, pg.user, pg.password}),
            (std::vector<std::string>{"h", "5432", "d", "u", "p"}));
}

TEST(ConnectionStringTest, UnknownOrMissingProviderRaises3706) {
  for (const char* text : {"Provider=SQLOLEDB;Data Source=x", "Data Source=/tmp/x.db", ""}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(raised([&] { parseConnectionString(text); }),
              (Raised{kErrProviderNotFound, "ADODB.Connection",
                      "Provider cannot be found. It may not be properly installed."}));
  }
}

TEST_F(DatabaseTest, OpenFailuresAreProviderErrors) {
  EXPECT_EQ(raised([&] { Connection c("Provider=SQLite;Data Source=" + (dir_.path() / "no/such/dir.db").string()); }),
            (Raised{kErrProvider, kProviderSource, "unable to open database file"}));
  EXPECT_EQ(raised([] { Connection c("Provider=PostgreSQL;Host=localhost"); }).number, kErrProviderNotFound);
  EXPECT_EQ(raised([] { Connection c("Provider=SQLite"); }).number, kErrProvider);

  const auto notADatabase = dir_.path() / "junk.db";
  FILE* f = std::fopen(notADatabase.c_str(), "w");
  std::fputs("this is not a database file, not at all, no header here......................", f);
  std::fclose(f);
  EXPECT_EQ(raised([&] { Connection c("Provider=SQLite;Data Source=" + notADatabase.string()); }),
            (Raised{kErrProvider, kProviderSource, "file is not a database"}));
}

TEST_F(ConnectionTest, OpensInWalModeAndCreatesTheFile) {
  auto rs = c.query("PRAGMA journal_mode");
  EXPECT_EQ(rs->value(size_t{0}).toString(), "wal");
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "test.db"));
}

TEST_F(ConnectionTest, ValuesComeBackWithAdoTypes) {
  c.execute(
      "CREATE TABLE t (i INTEGER, s SMALLINT, r FLOAT, v VARCHAR(20) COLLATE NOCASE, x TEXT, d DATETIME, n INTEGER)");
  c.execute("INSERT INTO t VALUES (7, 3, 1.5, 'abc', 'long', CONVERT(DATETIME,'2003-1-5 9:3:7'), NULL)");
  c.execute("INSERT INTO t VALUES (4294967296, 70000, 2, 'b', 'c', 'not a date', 1)");
  auto rs = c.query("SELECT * FROM t");
  ASSERT_EQ(rs->recordCount(), 2);

  EXPECT_EQ(rs->value("i").type(), VarType::Long);
  EXPECT_EQ(rs->value("i").rawLong(), 7);
  EXPECT_EQ(rs->value("s").type(), VarType::Integer);
  EXPECT_EQ(rs->value("r").type(), VarType::Double);
  EXPECT_EQ(rs->value("v").type(), VarType::String);
  EXPECT_EQ(rs->value("n").type(), VarType::Null);
  ASSERT_EQ(rs->value("d").type(), VarType::Date);
  const DateParts p = partsFromOleDate(rs->value("d").rawDate());
  EXPECT_EQ((std::vector<int>{p.year, p.month, p.day, p.hour, p.minute, p.second}),
            (std::vector<int>{2003, 1, 5, 9, 3, 7}));

  EXPECT_EQ(rs->field(rs->fieldIndex("i")).type, adInteger);
  EXPECT_EQ(rs->field(rs->fieldIndex("s")).type, adSmallInt);
  EXPECT_EQ(rs->field(rs->fieldIndex("v")).type, adVarWChar);
  EXPECT_EQ(rs->field(rs->fieldIndex("v")).definedSize, 20);
  EXPECT_EQ(rs->field(rs->fieldIndex("x")).type, adLongVarWChar);
  EXPECT_EQ(rs->field(rs->fieldIndex("d")).type, adDBTimeStamp);

  rs->moveNext();
  EXPECT_EQ(rs->value("i").type(), VarType::Double);  // beyond 32 bits
  EXPECT_EQ(rs->value("i").rawDouble(), 4294967296.0);
  EXPECT_EQ(rs->value("s").type(), VarType::Long);  // beyond 16 bits
  EXPECT_EQ(rs->value("d").type(), VarType::String);  // text that is no date stays text
}

TEST_F(ConnectionTest, ExpressionColumnsTakeTheTypeOfTheirValues) {
  c.execute("CREATE TABLE t (d DATETIME, n INTEGER, s TEXT)");
  c.execute("INSERT INTO t VALUES ('2003-01-05 09:03:07', 1, 'x'), ('2004-02-01 00:00:00', 2, 'y')");
  auto rs = c.query(
      "SELECT MAX(d) AS latest, COUNT(*) AS n, AVG(n) AS mean, MIN(s) AS first, "
      "CONVERT(DATETIME,'2003-1-5') AS lit, NULL AS empty FROM t");
  EXPECT_EQ(rs->value("latest").type(), VarType::Date);
  EXPECT_EQ(rs->field(0).type, adDBTimeStamp);
  EXPECT_EQ(rs->value("n").type(), VarType::Long);
  EXPECT_EQ(rs->value("n").rawLong(), 2);
  EXPECT_EQ(rs->value("mean").type(), VarType::Double);
  EXPECT_EQ(rs->value("first").type(), VarType::String);
  EXPECT_EQ(rs->value("lit").type(), VarType::Date);
  EXPECT_EQ(rs->value("empty").type(), VarType::Null);
}

TEST_F(ConnectionTest, QualifiedColumnsAreNamedWithoutTheirTable) {
  c.execute("CREATE TABLE cms_content (id INTEGER, title TEXT); CREATE TABLE cms_pages (contentid INTEGER)");
  c.execute("INSERT INTO cms_content VALUES (1, 'a'); INSERT INTO cms_pages VALUES (1)");
  auto rs = c.query(
      "SELECT cms_content.id, cms_content.title, cms_pages.contentid AS cid FROM cms_content, cms_pages "
      "WHERE cms_pages.contentid = cms_content.id");
  EXPECT_EQ(rs->field(0).name, "id");
  EXPECT_EQ(rs->field(1).name, "title");
  EXPECT_EQ(rs->field(2).name, "cid");
}

TEST_F(ConnectionTest, DatesCompareAndSortInTimeOrder) {
  c.execute("CREATE TABLE t (id INTEGER, d DATETIME)");
  // Written unpadded, as the engine's value literal does; stored padded.
  c.execute("INSERT INTO t VALUES (1, CONVERT(DATETIME,'2003-1-5 10:0:0'))");
  c.execute("INSERT INTO t VALUES (2, CONVERT(DATETIME,'2003-1-5 9:3:7'))");
  c.execute("INSERT INTO t VALUES (3, CONVERT(DATETIME,'2003-11-5 0:0:0'))");
  auto later = c.query("SELECT id FROM t WHERE d > CONVERT(DATETIME,'2003-1-5 9:30:0') ORDER BY d");
  ASSERT_EQ(later->recordCount(), 2);
  EXPECT_EQ(later->value("id").rawLong(), 1);
  later->moveNext();
  EXPECT_EQ(later->value("id").rawLong(), 3);
}

TEST_F(ConnectionTest, NocaseColumnsCompareWithoutLetterCase) {
  c.execute("CREATE TABLE t (name VARCHAR(50) COLLATE NOCASE)");
  c.execute("INSERT INTO t VALUES ('News')");
  EXPECT_EQ(c.query("SELECT * FROM t WHERE name='NEWS'")->recordCount(), 1);
  EXPECT_EQ(c.query("SELECT * FROM t WHERE name LIKE 'new%'")->recordCount(), 1);
}

TEST_F(ConnectionTest, BoundTextKeepsQuotesAndLength) {
  c.execute("CREATE TABLE t (id INTEGER, body TEXT)");
  std::string body(200000, 'x');
  body += "it's -- 'quoted' ; DROP TABLE t; \xE4\xB8\xAD";
  const std::string params[] = {body};
  c.execute("INSERT INTO t (id, body) VALUES (1, ?)", params);
  EXPECT_EQ(c.lastChanges(), 1);
  EXPECT_EQ(c.query("SELECT body FROM t WHERE id=1")->value("body").toString(), body);

  const std::string two[] = {"a", "b"};
  EXPECT_EQ(raised([&] { c.execute("UPDATE t SET body=? WHERE id=1", two); }).number, kErrCommand);
}

TEST_F(ConnectionTest, ErrorsCarryTheMappedNumberAndSqliteText) {
  c.execute("CREATE TABLE t (id INTEGER PRIMARY KEY)");
  c.execute("INSERT INTO t VALUES (1)");
  struct Case {
    const char* sql;
    int32_t number;
    const char* description;
  };
  const Case cases[] = {
      {"SELEC 1", kErrCommand, "near \"SELEC\": syntax error"},
      {"SELECT * FROM missing", kErrCommand, "no such table: missing"},
      {"INSERT INTO t VALUES (1)", kErrIntegrity, "UNIQUE constraint failed: t.id"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.sql);
    EXPECT_EQ(raised([&] { c.execute(k.sql); }), (Raised{k.number, kProviderSource, k.description}));
  }
  // The connection stays usable after errors.
  EXPECT_EQ(c.query("SELECT COUNT(*) AS n FROM t")->value("n").rawLong(), 1);
}

TEST_F(ConnectionTest, CachedStatementsSeeNewData) {
  c.execute("CREATE TABLE t (id INTEGER)");
  for (int i = 1; i <= 3; ++i) {
    c.execute("INSERT INTO t VALUES (" + std::to_string(i) + ")");
    EXPECT_EQ(c.query("SELECT COUNT(*) AS n FROM t")->value("n").rawLong(), i);
  }
  // A statement cached before a schema change still runs afterwards.
  c.execute("ALTER TABLE t ADD COLUMN extra INTEGER");
  EXPECT_EQ(c.query("SELECT * FROM t")->fieldCount(), 2u);
}

TEST_F(ConnectionTest, SeveralStatementsRunInOrder) {
  c.execute("CREATE TABLE t (id INTEGER); INSERT INTO t VALUES (1); INSERT INTO t VALUES (2);");
  auto rs = c.query("UPDATE t SET id=id*10; SELECT id FROM t ORDER BY id");
  ASSERT_EQ(rs->recordCount(), 2);
  EXPECT_EQ(rs->value("id").rawLong(), 10);
  // A statement without rows leaves a closed recordset, as ADO did.
  EXPECT_EQ(c.query("DELETE t WHERE id=10")->state(), 0);
  EXPECT_EQ(c.lastChanges(), 1);
}

TEST_F(ConnectionTest, RollbackUndoesAndCommitKeeps) {
  c.execute("CREATE TABLE t (id INTEGER)");
  c.begin();
  EXPECT_TRUE(c.inTransaction());
  c.execute("INSERT INTO t VALUES (1)");
  c.rollback();
  EXPECT_FALSE(c.inTransaction());
  c.begin();
  c.execute("INSERT INTO t VALUES (2)");
  c.commit();
  Connection other(connString());
  auto rs = other.query("SELECT id FROM t");
  ASSERT_EQ(rs->recordCount(), 1);
  EXPECT_EQ(rs->value("id").rawLong(), 2);
}

TEST_F(DatabaseTest, PoolGivesOneConnectionPerThreadAndString) {
  auto a = pooledConnection(connString());
  EXPECT_EQ(a, pooledConnection(connString()));
  std::shared_ptr<Connection> fromOtherThread;
  std::thread([&] { fromOtherThread = pooledConnection(connString()); }).join();
  EXPECT_NE(a, fromOtherThread);

  releasePooledConnection(connString());
  auto b = pooledConnection(connString());
  EXPECT_NE(a, b);
  a->execute("CREATE TABLE kept (id INTEGER)");  // the released one still works for its holder
  releasePooledConnection(connString());
}

}  // namespace
}  // namespace corvela::db
