// Recordset: moving, paging, errors at BOF/EOF, field access from C++ and
// through the script members, and in-memory recordsets; the scriptable
// database classes as scripts create them by ProgID.
#include <gtest/gtest.h>

#include <vector>

#include "db_test_util.h"
#include "platform/automation/object.h"
#include "platform/db/connection_object.h"
#include "platform/db/database_classes.h"
#include "platform/db/recordset.h"

namespace corvela::db {
namespace {

using testing::raised;
using testing::Raised;

// A recordset with fields id (Long) and title (String) and `rows` rows:
// id 1..rows, title "t1".."tN".
std::shared_ptr<Recordset> numbered(int rows) {
  std::vector<Variant> cells;
  for (int i = 1; i <= rows; ++i) {
    cells.emplace_back(i);
    cells.emplace_back("t" + std::to_string(i));
  }
  return std::make_shared<Recordset>(std::vector<FieldInfo>{{"id", adInteger, 4}, {"Title", adVarWChar, 50}},
                                     std::move(cells));
}

Variant invokeDefault(Object& o, std::vector<Variant> args) {
  Variant result;
  o.invoke(DISPID_VALUE, static_cast<InvokeKind>(InvokeMethod | InvokeGet), args, result);
  return result;
}

TEST(RecordsetTest, WalksForwardAndBack) {
  auto rs = numbered(3);
  EXPECT_FALSE(rs->bof());
  std::vector<int32_t> seen;
  while (!rs->eof()) {
    seen.push_back(rs->value("ID").rawLong());
    rs->moveNext();
  }
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3}));
  rs->moveLast();
  EXPECT_EQ(rs->value("title").toString(), "t3");
  rs->movePrevious();
  rs->movePrevious();
  rs->movePrevious();
  EXPECT_TRUE(rs->bof());
  EXPECT_FALSE(rs->eof());
  rs->moveFirst();
  EXPECT_EQ(rs->value(size_t{1}).toString(), "t1");
}

TEST(RecordsetTest, MoveIsRelativeAndStopsAtTheEnds) {
  struct Case {
    int start;  // 0-based row to start on
    int offset;
    int32_t position;  // AbsolutePosition after the move
  };
  const Case cases[] = {{0, 2, 3}, {2, -2, 1}, {1, 5, adPosEOF}, {1, -5, adPosBOF}, {0, 4, adPosEOF}};
  for (const Case& c : cases) {
    SCOPED_TRACE("start " + std::to_string(c.start) + " offset " + std::to_string(c.offset));
    auto rs = numbered(4);
    rs->setAbsolutePosition(c.start + 1);
    rs->move(c.offset);
    EXPECT_EQ(rs->absolutePosition(), c.position);
  }
}

TEST(RecordsetTest, NoCurrentRecordRaises3021) {
  auto rs = numbered(1);
  rs->moveNext();
  EXPECT_EQ(raised([&] { rs->value("id"); }),
            (Raised{3021, "ADODB.Field",
                    "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
                    "requires a current record."}));
  Raised atEof = raised([&] { rs->moveNext(); });
  EXPECT_EQ(atEof.number, 3021);
  EXPECT_EQ(atEof.source, "ADODB.Recordset");
  EXPECT_EQ(raised([&] { rs->move(1); }).number, 3021);

  auto empty = numbered(0);
  EXPECT_TRUE(empty->eof() && empty->bof());
  EXPECT_EQ(raised([&] { empty->moveFirst(); }).number, 3021);
  EXPECT_EQ(raised([&] { empty->movePrevious(); }).number, 3021);
  EXPECT_EQ(raised([&] { empty->getRows(); }).number, 3021);
}

TEST(RecordsetTest, UnknownFieldsAndClosedRecordsetsRaise) {
  auto rs = numbered(2);
  Raised unknown = raised([&] { rs->value("nope"); });
  EXPECT_EQ(unknown.number, 3265);
  EXPECT_EQ(unknown.source, "ADODB.Recordset");
  EXPECT_EQ(raised([&] { rs->value(size_t{2}); }).number, 3265);
  rs->close();
  EXPECT_EQ(rs->state(), 0);
  EXPECT_EQ(raised([&] { rs->eof(); }).number, 3704);
  EXPECT_EQ(raised([&] { rs->value("id"); }).number, 3704);
  EXPECT_EQ(raised([&] { rs->close(); }).number, 3704);
}

TEST(RecordsetTest, PagingFollowsPageSize) {
  struct Case {
    int rows;
    int32_t pageSize;
    int32_t pageCount;
  };
  for (const Case& c : {Case{25, 10, 3}, Case{30, 10, 3}, Case{0, 10, 0}, Case{1, 10, 1}, Case{7, 1, 7}}) {
    SCOPED_TRACE(std::to_string(c.rows) + " rows");
    auto rs = numbered(c.rows);
    rs->setPageSize(c.pageSize);
    EXPECT_EQ(rs->pageCount(), c.pageCount);
  }

  auto rs = numbered(25);
  EXPECT_EQ(rs->pageSize(), 10);  // ADO's default
  rs->setAbsolutePage(3);
  EXPECT_EQ(rs->value("id").rawLong(), 21);
  EXPECT_EQ(rs->absolutePage(), 3);
  EXPECT_EQ(rs->absolutePosition(), 21);
  int taken = 0;
  while (!rs->eof() && taken < 10) {
    ++taken;
    rs->moveNext();
  }
  EXPECT_EQ(taken, 5);
  EXPECT_EQ(rs->absolutePage(), adPosEOF);
  rs->setAbsolutePage(4);  // past the last page: EOF, no error
  EXPECT_TRUE(rs->eof());
  EXPECT_EQ(raised([&] { rs->setAbsolutePage(0); }).number, 3001);
  EXPECT_EQ(raised([&] { rs->setPageSize(0); }).number, 3001);
  EXPECT_EQ(raised([&] { rs->setAbsolutePosition(26); }).number, 3001);
}

TEST(RecordsetTest, GetRowsReturnsFieldByRowFromTheCurrentRow) {
  auto rs = numbered(3);
  rs->moveNext();
  Variant rows = rs->getRows();
  ASSERT_TRUE(rows.isArray());
  const ArrayRep& a = *rows.rawArray();
  ASSERT_EQ(a.bounds.size(), 2u);
  EXPECT_EQ(a.bounds[0].count, 2u);  // fields
  EXPECT_EQ(a.bounds[1].count, 2u);  // rows 2 and 3
  const int32_t titleOfSecond[] = {1, 1};
  EXPECT_EQ(a.items[static_cast<size_t>(a.offsetOf(titleOfSecond, 2))].toString(), "t3");
  EXPECT_TRUE(rs->eof());

  auto limited = numbered(5);
  Variant two = limited->getRows(2);
  EXPECT_EQ(two.rawArray()->bounds[1].count, 2u);
  EXPECT_EQ(limited->value("id").rawLong(), 3);
}

TEST(RecordsetTest, ScriptMembersReadTheCurrentRow) {
  auto rs = numbered(2);
  // rs("title") is Fields.Item("title"), a Field whose default is Value.
  Variant field = invokeDefault(*rs, {Variant("TITLE")});
  ASSERT_TRUE(field.isObject());
  EXPECT_EQ(field.typeName(), "Field");
  EXPECT_EQ(field.dereferenced().toString(), "t1");
  rs->call("MoveNext");
  EXPECT_EQ(field.dereferenced().toString(), "t2");  // a Field follows the recordset
  EXPECT_FALSE(rs->get("EOF").toBool());
  EXPECT_EQ(rs->get("RecordCount").toLong(), 2);

  Variant fields = rs->get("Fields");
  EXPECT_EQ(fields.rawObject()->get("Count").toLong(), 2);
  Variant byIndex = invokeDefault(*fields.rawObject(), {Variant(0)});
  EXPECT_EQ(byIndex.rawObject()->get("Name").toString(), "id");
  EXPECT_EQ(byIndex.rawObject()->get("Type").toLong(), adInteger);
  EXPECT_EQ(field.rawObject()->get("DefinedSize").toLong(), 50);
  EXPECT_EQ(field.rawObject()->get("ActualSize").toLong(), 2);

  std::vector<std::string> names;
  auto e = fields.rawObject()->newEnum();
  Variant item;
  while (e->next(item)) names.push_back(item.rawObject()->get("Name").toString());
  EXPECT_EQ(names, (std::vector<std::string>{"id", "Title"}));

  EXPECT_EQ(raised([&] { invokeDefault(*rs, {Variant("nope")}); }).number, 3265);
  rs->call("MoveNext");
  EXPECT_EQ(raised([&] { field.dereferenced(); }).number, 3021);
}

TEST(RecordsetTest, InMemoryRecordsetsAreBuiltThroughScriptMembers) {
  auto object = std::make_shared<Recordset>();
  Recordset& rs = *object;
  Object& fields = *rs.get("Fields").rawObject();
  std::vector<Variant> title{Variant("title"), Variant(adVarWChar), Variant(50)};
  fields.call("Append", title);
  std::vector<Variant> count{Variant("count"), Variant(adInteger)};
  fields.call("Append", count);
  std::vector<Variant> when{Variant("when"), Variant(adDate)};
  fields.call("Append", when);
  EXPECT_EQ(raised([&] { fields.call("Append", count); }).number, 3367);
  rs.call("Open");
  EXPECT_EQ(rs.get("State").toLong(), 1);
  EXPECT_EQ(raised([&] { fields.call("Append", title); }).number, 3219);
  EXPECT_TRUE(rs.eof());

  rs.call("AddNew");
  // rs("count") = "42": stored converted to the field's type.
  std::vector<Variant> assign{Variant("count"), Variant("42")};
  Variant ignored;
  rs.invoke(DISPID_VALUE, InvokeLet, assign, ignored);
  rs.setValue("title", Variant("first"));
  rs.call("Update");
  std::vector<Variant> values{Variant::array({Variant("title"), Variant("count")}),
                              Variant::array({Variant("second"), Variant(7)})};
  rs.call("AddNew", values);

  EXPECT_EQ(rs.recordCount(), 2);
  rs.moveFirst();
  EXPECT_EQ(rs.value("count").type(), VarType::Long);
  EXPECT_EQ(rs.value("count").rawLong(), 42);
  EXPECT_TRUE(rs.value("when").isNull());
  rs.moveNext();
  EXPECT_EQ(rs.value("title").toString(), "second");

  EXPECT_EQ(raised([&] { rs.setValue("count", Variant("many")); }).number, static_cast<int32_t>(0x80040E21u));
  EXPECT_EQ(rs.value("count").rawLong(), 7);  // unchanged by the failed assignment
}

TEST(RecordsetTest, OpenRunsASourceOnAConnection) {
  corvela::testing::TempDir dir;
  const std::string cs = "Provider=SQLite;Data Source=" + (dir.path() / "o.db").string();
  auto connection = std::make_shared<ConnectionObject>();
  connection->open(cs);
  connection->execute("CREATE TABLE t (id INTEGER)");
  connection->execute("INSERT INTO t VALUES (5)");

  auto rs = std::make_shared<Recordset>();
  std::vector<Variant> args{Variant("SELECT id FROM t"), Variant(std::static_pointer_cast<Object>(connection))};
  rs->call("Open", args);
  EXPECT_EQ(rs->value("id").rawLong(), 5);
  EXPECT_EQ(raised([&] { rs->call("Open", args); }).number, 3705);

  // A Field kept across Close and Open of a narrower source fails cleanly.
  connection->execute("CREATE TABLE w (a INTEGER, b INTEGER)");
  connection->execute("INSERT INTO w VALUES (1, 2)");
  auto wide = std::make_shared<Recordset>();
  std::vector<Variant> wideArgs{Variant("SELECT a, b FROM w"), Variant(std::static_pointer_cast<Object>(connection))};
  wide->call("Open", wideArgs);
  Variant b = invokeDefault(*wide, {Variant("b")});
  wide->call("Close");
  wide->call("Open", args);
  EXPECT_EQ(raised([&] { b.rawObject()->get("Name"); }).number, 3265);
  EXPECT_EQ(raised([&] { b.dereferenced(); }).number, 3265);

  auto byString = std::make_shared<Recordset>();
  std::vector<Variant> withString{Variant("SELECT id FROM t"), Variant(cs)};
  byString->call("Open", withString);
  EXPECT_EQ(byString->recordCount(), 1);

  std::vector<Variant> affected{Variant("UPDATE t SET id=6"), Variant(0)};
  Variant closed = connection->call("Execute", affected);
  EXPECT_EQ(closed.rawObject()->get("State").toLong(), 0);
  EXPECT_EQ(affected[1].toLong(), 1);
}

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
