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

class ComDalTest : public CoreTest {
 protected:
  ComError errorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const ComError& error) {
      return error;
    }
    ADD_FAILURE() << "expected an error";
    return ComError(0, "", "");
  }
  std::string tipCount() { return scalar("SELECT COUNT(*) FROM tips"); }
  comDAL dal;
};

TEST_F(ComDalTest, MissingConnStringIsRegReadErrUnderEachOperationsSource) {
  removeSetting(kConnStringValue);
  struct Case {
    const char* source;
    std::function<void()> call;
  } cases[] = {
      {"comDAL:GetConnect Method", [&] { dal.GetConnect(); }},
      {"comDAL:DoSelect Method", [&] { dal.DoSelect("SELECT 1"); }},
      {"comDAL:execCommand Method", [&] { dal.execCommand("DELETE FROM tips"); }},
      {"comDAL:execStoreProcedure Method", [&] { dal.execStoreProcedure(Variant("p"), Variant()); }},
  };
  for (const auto& c : cases) {
    ComError error = errorOf(c.call);
    EXPECT_EQ(error.number(), 1001) << c.source;
    EXPECT_EQ(error.source(), c.source);
    EXPECT_EQ(error.description(), "RegReadErr");
  }
}

TEST_F(ComDalTest, SameObjectConnectsOnceTheSettingIsRestored) {
  removeSetting(kConnStringValue);
  errorOf([&] { dal.DoSelect("SELECT 1"); });
  setSetting(kConnStringValue, connString());
  EXPECT_FALSE(dal.DoSelect("SELECT COUNT(*) FROM tips")->eof());
}

TEST_F(ComDalTest, ConnectionIsKeptWhileOperationsSucceed) {
  dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
  setSetting(kConnStringValue, "Provider=SQLite;Data Source=/no/such/folder/x.db");
  EXPECT_EQ(dal.DoSelect("SELECT tip FROM tips")->value("tip").toString(), "a");
}

TEST_F(ComDalTest, ProviderErrorKeepsNumberAndTextAndDropsTheConnection) {
  ComError error = errorOf([&] { dal.execCommand("INSERT INTO no_such_table VALUES (1)"); });
  EXPECT_EQ(error.number(), db::kErrCommand);
  EXPECT_EQ(error.source(), "comDAL:execCommand Method");
  EXPECT_NE(error.description().find("no_such_table"), std::string::npos) << error.description();

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

TEST_F(ComDalTest, SyntaxErrorInDoSelectNamesDoSelect) {
  ComError error = errorOf([&] { dal.DoSelect("SELEC nothing"); });
  EXPECT_EQ(error.number(), db::kErrCommand);
  EXPECT_EQ(error.source(), "comDAL:DoSelect Method");
}

TEST_F(ComDalTest, DoSelectRunsOneStatementAndExecCommandKeepsBatches) {
  dal.execCommand("INSERT INTO tips (tid, tip) VALUES (1, 'a'); INSERT INTO tips (tid, tip) VALUES (2, 'b')");
  EXPECT_EQ(tipCount(), "2");
  for (const char* batch : {"SELECT 1; DROP TABLE tips", "SELECT 1; DELETE FROM tips", "DELETE FROM tips; SELECT 1"}) {
    ComError error = errorOf([&] { dal.DoSelect(batch); });
    EXPECT_EQ(error.number(), db::kErrCommand) << batch;
    EXPECT_EQ(error.source(), "comDAL:DoSelect Method");
    EXPECT_EQ(error.description(), db::kOneStatementOnly);
    EXPECT_EQ(tipCount(), "2") << batch;
  }
  EXPECT_EQ(dal.DoSelect("SELECT tip FROM tips WHERE tip = ';' ;  ")->recordCount(), 0);
}

TEST_F(ComDalTest, StoredProceduresAreRefusedClearly) {
  ComError error = errorOf([&] { dal.execStoreProcedure(Variant("sp_who"), Variant()); });
  EXPECT_EQ(error.number(), kFeatureNotAvailable);
  EXPECT_EQ(error.source(), "comDAL:execStoreProcedure Method");
  EXPECT_EQ(error.description(), kFeatureNotAvailableText);
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

TEST_F(ComDalTest, GetConnectGivesAnOpenScriptableConnection) {
  auto connection = dal.GetConnect();
  EXPECT_EQ(connection->state(), 1);
  EXPECT_EQ(connection->className(), "Connection");
}

TEST_F(ComDalTest, OuterScopeCommitsTheWorkOfEveryCall) {
  {
    ContextScope scope;
    dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
    comDAL other;
    other.execCommand("INSERT INTO tips (tid,tip) VALUES (2,'b')");
    ObjectContext::current()->SetComplete();
  }
  EXPECT_EQ(tipCount(), "2");
}

TEST_F(ComDalTest, OuterScopeAbortRollsBackEveryCall) {
  {
    ContextScope scope;
    dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
    EXPECT_EQ(dal.DoSelect("SELECT COUNT(*) AS n FROM tips")->value("n").toLong(), 1) << "visible inside";
    ObjectContext::current()->SetAbort();
  }
  EXPECT_EQ(tipCount(), "0");
}

TEST_F(ComDalTest, FailedCallDoomsTheSurroundingTransaction) {
  {
    ContextScope scope;
    dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
    errorOf([&] { dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'duplicate key')"); });
    ObjectContext::current()->SetComplete();
  }
  EXPECT_EQ(tipCount(), "0") << "comDAL voted SetAbort when its statement failed";
}

TEST_F(ComDalTest, WithoutOuterScopeEachCallCommitsOnItsOwn) {
  dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'a')");
  errorOf([&] { dal.execCommand("INSERT INTO tips (tid,tip) VALUES (1,'duplicate key')"); });
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
