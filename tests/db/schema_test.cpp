// The schema: applies twice, holds every table the engine names with its
// key columns, and gives text columns case-insensitive comparison.
#include <gtest/gtest.h>

#include <fstream>

#include "db_test_util.h"
#include "platform/db/recordset.h"
#include "platform/db/schema.h"

namespace corvela::db {
namespace {

using SchemaTest = testing::DatabaseTest;

std::vector<std::string> columnsOf(Connection& c, const std::string& table) {
  std::vector<std::string> names;
  auto rs = c.query("PRAGMA table_info(" + table + ")");
  for (; !rs->eof(); rs->moveNext()) names.push_back(rs->value("name").toString());
  return names;
}

TEST_F(SchemaTest, AppliesTwiceAndHoldsEveryTable) {
  Connection c(connString());
  applySchema(c);
  applySchema(c);
  struct Table {
    const char* name;
    std::vector<std::string> someColumns;
  };
  const Table tables[] = {
      {"IDManager", {"tablename", "id"}},
      {"SysLog", {"logid", "logtype", "logtime", "source", "logcatalog", "username", "description"}},
      {"tips", {"tid", "tip"}},
      {"ServerCookie", {"id", "name", "cookie"}},
      {"cms_channels", {"id", "structure"}},
      {"cms_channel", {"id", "name", "indexpagesize", "reservedays", "isopen"}},
      {"cms_column", {"id", "directory", "indexpage", "magazineid"}},
      {"ChannelSchema", {"PropertyID", "Channelid", "PropertyName", "Options"}},
      {"ChannelSchema2", {"ChannelID", "Ext1", "Ext5"}},
      {"cms_acl", {"id", "resource", "userid"}},
      {"Magazine", {"id", "currentissueid", "extProperty"}},
      {"Issue", {"id", "issueyear", "issuenumber", "Description", "ExtProperty"}},
      {"cms_content", {"id", "columnid", "submitdate", "USN", "PSN", "putintopx", "issueid", "clicks", "keyword"}},
      {"ContentProperty", {"ValueID", "BOOLEAN_VALUE", "NUMBER_VALUE", "DOUBLE_VALUE", "STRING_VALUE",
                           "DATETIME_VALUE", "TEXT_VALUE"}},
      {"SearchMetadata", {"ContentID", "ChannelPath", "Summary", "FilePath", "Points", "Clicks", "MetaData"}},
      {"cms_pages", {"pageid", "pagenum", "filename", "contentid", "content"}},
      {"cms_attach", {"id", "template", "filename", "columnid"}},
      {"Vote", {"id", "Contentid", "Score", "ip", "LastVote"}},
      {"Comment", {"id", "Contentid", "ip", "LastPost", "UserName", "Comment"}},
      {"Version", {"id", "CreateDate", "Status", "OrderNum"}},
      {"VersionFile", {"id", "VersionID", "Uri", "CreateDate"}},
      {"cms_fileattribute", {"id", "filename", "title", "lockedby"}},
      {"user_users", {"userid", "username", "password", "attributes"}},
      {"userrole", {"urid", "userid", "roleid"}},
      {"UserManager", {"id", "UMName", "SessionID", "UserID", "UserName", "LastUpdated"}},
      {"dep_task", {"id", "directory", "target", "method", "active", "begintime", "frequency"}},
      {"dep_scan", {"id", "taskid"}},
      {"dep_log", {"id", "edesc", "edate"}},
      {"dep_record", {"id", "taskid", "path", "sourcetype", "lastupdated", "deletetag"}},
      {"dep_execution", {"id", "source", "target", "sourcetype", "method", "server", "port", "username", "password",
                         "operation", "status"}},
      {"CCAgent", {"id", "SourceURL", "Frequence", "NextTime", "Template", "FileName", "CreateTime", "Status"}},
      {"CCElement", {"id", "AgentID", "DOMPath", "TextHTML", "FieldName", "ElementValue"}},
  };
  for (const Table& t : tables) {
    SCOPED_TRACE(t.name);
    const std::vector<std::string> columns = columnsOf(c, t.name);
    for (const std::string& wanted : t.someColumns)
      EXPECT_NE(std::find(columns.begin(), columns.end(), wanted), columns.end()) << wanted;
  }
}

TEST_F(SchemaTest, TextIsCaselessAndDatesReadAsDates) {
  Connection c(connString());
  applySchema(c);
  c.execute("INSERT INTO cms_content (id, title, submitdate) VALUES (1, 'Hello World', CONVERT(DATETIME,'2003-1-5 9:3:7'))");
  auto rs = c.query("SELECT * FROM cms_content WHERE title='HELLO world'");
  ASSERT_EQ(rs->recordCount(), 1);
  EXPECT_EQ(rs->value("submitdate").type(), VarType::Date);
  EXPECT_EQ(rs->value("id").type(), VarType::Long);
  EXPECT_EQ(rs->field(rs->fieldIndex("title")).definedSize, 255);
}

TEST_F(SchemaTest, AFileWithABadStatementChangesNothing) {
  Connection c(connString());
  const auto path = dir_.path() / "bad.sql";
  std::ofstream(path) << "CREATE TABLE first (id INTEGER); CREATE TABLE broken (;";
  EXPECT_EQ(testing::raised([&] { applySchema(c, path); }).number, kErrCommand);
  EXPECT_FALSE(c.inTransaction());
  EXPECT_TRUE(columnsOf(c, "first").empty());

  EXPECT_EQ(testing::raised([&] { applySchema(c, dir_.path() / "missing.sql"); }).number, 53);
}

}  // namespace
}  // namespace corvela::db
