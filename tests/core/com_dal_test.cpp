// comDAL: error sources, dropping the connection on failure, disconnected
// recordsets, and taking part in object-context transactions.
#include <gtest/gtest.h>

#include "core/com_dal.h"
#include "core/settings_key.h"
#include "core_fixture.h"
#include "platform/automation/object_context.h"
#include "platform/db/connection.h"
#include "platform/db/connection_object.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"

namespace corvela::core {
namespace {

using testing::CoreTest;
using testing::raised;
using testing::Raised;

class ComDalTest : public CoreTest {
 protected:
  std::string tipCount() { return scalar("SELECT COUNT(*) FROM tips"); }
  comDAL dal;
};

TEST_F(ComDalTest, MissingConnStringIsRegReadErrUnderEachOperationsSource) {
  removeSetting(kConnStringValue);
  struct Case { const char* source; std::function<void()> call; } cases[] = {
      {"comDAL:GetConnect Method", [&] { dal.GetConnect(); }},
      {"comDAL:DoSelect Method", [&] { dal.DoSelect("SELECT 1"); }},
      {"comDAL:execCommand Method", [&] { dal.execCommand("DELETE FROM tips"); }},
      {"comDAL:execStoreProcedure Method", [&] { dal.execStoreProcedure(Variant("p"), Variant()); }},
  };
  for (const auto& c : cases) EXPECT_EQ(raised(c.call), (Raised{1001, c.source, "RegReadErr"})) << c.source;
  // The same object connects once the setting is restored.
  setSetting(kConnStringValue, connString());
  EXPECT_FALSE(dal.DoSelect("SELECT COUNT(*) FROM tips")->eof());
}

TEST_F(ComDalTest, ConnectionIsKeptWhileOperationsSucceed) {
  auto connection = dal.GetConnect();
  EXPECT_EQ(connection->state(), 1) << "GetConnect gives an open scriptable connection";
  EXPECT_EQ(connection->className(), "Connection");
  dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
  setSetting(kConnStringValue, "Provider=SQLite;Data Source=/no/such/folder/x.db");
  EXPECT_EQ(dal.DoSelect("SELECT tip FROM tips")->value("tip").toString(), "a");
}

TEST_F(ComDalTest, ProviderErrorKeepsNumberAndTextAndDropsTheConnection) {
  Raised syntax = raised([&] { dal.DoSelect("SELEC nothing"); });
  EXPECT_EQ(syntax.number, db::kErrCommand);
  EXPECT_EQ(syntax.source, "comDAL:DoSelect Method");
  Raised error = raised([&] { dal.execCommand("INSERT INTO no_such_table VALUES (1)"); });
  EXPECT_EQ(error.number, db::kErrCommand);
  EXPECT_EQ(error.source, "comDAL:execCommand Method");
  EXPECT_NE(error.description.find("no_such_table"), std::string::npos) << error.description;

  // The next call connects afresh, reading ConnString again: point it at a
  // second database and the same object now sees that one.
  std::string other = (dataDir() / "other.db").string();
  {
    db::Connection second("Provider=SQLite;Data Source=" + other);
    db::applySchema(second);
    second.execute("INSERT INTO tips (tid,tip) VALUES (9,'from the other database')");
  }
  setSetting(kConnStringValue, "Provider=SQLite;Data Source=" + other);
  EXPECT_EQ(dal.DoSelect("SELECT tip FROM tips")->value("tip").toString(), "from the other database");
  db::releasePooledConnection("Provider=SQLite;Data Source=" + other);
}

TEST_F(ComDalTest, DoSelectRunsOneStatementAndExecCommandKeepsBatches) {
  dal.execCommand("INSERT INTO tips (tid, tip) VALUES (1, 'a'); INSERT INTO tips (tid, tip) VALUES (2, 'b')");
  EXPECT_EQ(tipCount(), "2");
  for (const char* batch : {"SELECT 1; DROP TABLE tips", "SELECT 1; DELETE FROM tips", "DELETE FROM tips; SELECT 1"}) {
    EXPECT_EQ(raised([&] { dal.DoSelect(batch); }),
              (Raised{db::kErrCommand, "comDAL:DoSelect Method", db::kOneStatementOnly})) << batch;
    EXPECT_EQ(tipCount(), "2") << batch;
  }
  EXPECT_EQ(dal.DoSelect("SELECT tip FROM tips WHERE tip = ';' ;  ")->recordCount(), 0);
}

TEST_F(ComDalTest, StoredProceduresAreRefusedClearly) {
  EXPECT_EQ(raised([&] { dal.execStoreProcedure(Variant("sp_who"), Variant()); }),
            (Raised{kFeatureNotAvailable, "comDAL:execStoreProcedure Method", kFeatureNotAvailableText}));
}

TEST_F(ComDalTest, RecordsetStaysReadableAfterTheComDalIsGone) {
  sql("INSERT INTO tips (tid,tip) VALUES (1,'kept')");
  std::shared_ptr<db::Recordset> rs;
  {
    comDAL shortLived;
    rs = shortLived.DoSelect("SELECT tid, tip FROM tips");
  }
  ASSERT_FALSE(rs->eof());
  EXPECT_EQ(rs->value("TIP").toString(), "kept");
}

TEST_F(ComDalTest, DialectIsTranslatedForCallersStatements) {
  sql("INSERT INTO tips (tid,tip) VALUES (1,'a'); INSERT INTO tips (tid,tip) VALUES (2,'b')");
  auto rs = dal.DoSelect("SELECT TOP 1 tip FROM tips ORDER BY tid DESC");
  EXPECT_EQ(rs->recordCount(), 1);
  EXPECT_EQ(rs->value("tip").toString(), "b");
}

TEST_F(ComDalTest, OuterScopeCommitsOrRollsBackTheWorkOfEveryCall) {
  for (bool abort : {true, false}) {
    ContextScope scope;
    dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
    comDAL other;
    other.execCommand("INSERT INTO tips (tid,tip) VALUES (2,'b')");
    EXPECT_EQ(dal.DoSelect("SELECT COUNT(*) AS n FROM tips")->value("n").toLong(), 2) << "visible inside";
    abort ? ObjectContext::current()->SetAbort() : ObjectContext::current()->SetComplete();
  }
  EXPECT_EQ(tipCount(), "2") << "the aborted round left nothing, the completed one both rows";
}

TEST_F(ComDalTest, FailedCallDoomsTheSurroundingTransaction) {
  {
    ContextScope scope;
    dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
    EXPECT_NE(raised([&] { dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'duplicate key')"); }).number, 0);
    ObjectContext::current()->SetComplete();
  }
  EXPECT_EQ(tipCount(), "0") << "comDAL voted SetAbort when its statement failed";
}

TEST_F(ComDalTest, WithoutOuterScopeEachCallCommitsOnItsOwn) {
  dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
  EXPECT_NE(raised([&] { dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'duplicate key')"); }).number, 0);
  EXPECT_EQ(tipCount(), "1");
}

TEST_F(ComDalTest, LateBoundDoSelectAndExecCommand) {
  auto object = createObject("Corvela.comDAL");
  Variant insert("INSERT INTO tips (tid,tip) VALUES (5,'late')");
  EXPECT_TRUE(object->call("execCommand", std::span<Variant>(&insert, 1)).toBool());
  Variant select("SELECT tip FROM tips");
  auto rs = object->call("DoSelect", std::span<Variant>(&select, 1)).toObject();
  EXPECT_EQ(rs->className(), "Recordset");
  Variant field("tip");
  Variant value;  // rs("tip"), as a script writes it
  rs->invoke(DISPID_VALUE, static_cast<InvokeKind>(InvokeMethod | InvokeGet), std::span<Variant>(&field, 1), value);
  EXPECT_EQ(value.dereferenced().toString(), "late");
}

}  // namespace
}  // namespace corvela::core
