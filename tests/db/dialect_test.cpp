// Translation of the SQL Server dialect: every rewrite, and the places where
// nothing may be rewritten (literals, quoted names, comments).
#include <gtest/gtest.h>

#include <string>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"

namespace corvela::db {
namespace {

const DateParts kNow{2024, 3, 9, 7, 5, 4};

struct Case {
  const char* tsql;
  const char* sqlite;
};

class DialectTest : public ::testing::TestWithParam<Case> {};

TEST_P(DialectTest, Translates) { EXPECT_EQ(translateSql(GetParam().tsql, kNow), GetParam().sqlite); }

INSTANTIATE_TEST_SUITE_P(
    Top, DialectTest,
    ::testing::Values(
        Case{"SELECT TOP 5 id FROM t", "SELECT id FROM t LIMIT 5"},
        Case{"select top 200 id FROM t WHERE a=1 ORDER BY b DESC", "select id FROM t WHERE a=1 ORDER BY b DESC LIMIT 200"},
        Case{"SELECT DISTINCT TOP 3 a FROM t", "SELECT DISTINCT a FROM t LIMIT 3"},
        Case{"SELECT TOP (2+1) a FROM t", "SELECT a FROM t LIMIT (2+1)"},
        Case{"SELECT TOP 5 id FROM t;", "SELECT id FROM t LIMIT 5;"},
        Case{"SELECT TOP 1 a FROM t; SELECT TOP 2 b FROM u", "SELECT a FROM t LIMIT 1; SELECT b FROM u LIMIT 2"},
        // The limit belongs to its own SELECT, inside its parentheses.
        Case{"SELECT a FROM t WHERE id IN (SELECT TOP 3 id FROM u ORDER BY x) ORDER BY a",
             "SELECT a FROM t WHERE id IN (SELECT id FROM u ORDER BY x LIMIT 3) ORDER BY a"},
        Case{"SELECT TOP 2 a FROM t WHERE b IN (1,2) AND c=(SELECT TOP 1 d FROM u)",
             "SELECT a FROM t WHERE b IN (1,2) AND c=(SELECT d FROM u LIMIT 1) LIMIT 2"},
        // A trailing line comment must not swallow the limit.
        Case{"SELECT TOP 1 a FROM t -- note", "SELECT a FROM t -- note\nLIMIT 1"},
        // TOP as a plain name, or without a count, is left alone.
        Case{"SELECT top FROM t", "SELECT top FROM t"},
        Case{"SELECT a FROM t WHERE top=1", "SELECT a FROM t WHERE top=1"}));

INSTANTIATE_TEST_SUITE_P(
    Dates, DialectTest,
    ::testing::Values(
        Case{"SELECT id FROM t WHERE d<CONVERT(DATETIME,'2003-1-5 9:3:7')",
             "SELECT id FROM t WHERE d<'2003-01-05 09:03:07'"},
        Case{"VALUES (CONVERT(DATETIME,'2003-01-05 09:03:07'))", "VALUES ('2003-01-05 09:03:07')"},
        Case{"VALUES (convert( datetime , '2003-12-31' ))", "VALUES ('2003-12-31 00:00:00')"},
        Case{"VALUES (CONVERT(DATETIME,'2003/2/28 23:59:59.997', 121))", "VALUES ('2003-02-28 23:59:59')"},
        Case{"VALUES (CONVERT(DATETIME,'2004-2-29 0:0:0'))", "VALUES ('2004-02-29 00:00:00')"},
        Case{"VALUES (CONVERT(varchar(10), x))", "VALUES (CONVERT(varchar(10), x))"},
        Case{"SELECT GETDATE()", "SELECT '2024-03-09 07:05:04'"},
        Case{"WHERE d > getdate ( )", "WHERE d > '2024-03-09 07:05:04'"}));

INSTANTIATE_TEST_SUITE_P(
    Concatenation, DialectTest,
    ::testing::Values(
        Case{"WHERE keyword + ',' LIKE '%a,%'", "WHERE keyword || ',' LIKE '%a,%'"},
        Case{"SET filename = 'b/' + SUBSTRING(filename, 3, 255)", "SET filename = 'b/' || substr(filename, 3, 255)"},
        Case{"WHERE 'c:/x' LIKE directory + '%'", "WHERE 'c:/x' LIKE directory || '%'"},
        Case{"SELECT a + ' ' + b FROM t", "SELECT a || ' ' || b FROM t"},
        Case{"SET usn=usn+1, n = n + 2", "SET usn=usn+1, n = n + 2"},
        Case{"SELECT N'abc' + x", "SELECT 'abc' || x"}));

INSTANTIATE_TEST_SUITE_P(
    Statements, DialectTest,
    ::testing::Values(
        Case{"DELETE cms_content WHERE id=1", "DELETE FROM cms_content WHERE id=1"},
        Case{"delete  t", "delete FROM  t"},
        Case{"DELETE FROM issue  WHERE id=3", "DELETE FROM issue  WHERE id=3"},
        Case{"UPDATE a SET b=1; DELETE a WHERE b=1", "UPDATE a SET b=1; DELETE FROM a WHERE b=1"},
        Case{"CREATE TABLE c (p INTEGER REFERENCES a ON DELETE CASCADE)",
             "CREATE TABLE c (p INTEGER REFERENCES a ON DELETE CASCADE)"},
        Case{"SELECT LEN(a), ISNULL(b, 0), SUBSTRING(c,1,2) FROM t",
             "SELECT length(a), ifnull(b, 0), substr(c,1,2) FROM t"},
        Case{"SELECT len FROM t", "SELECT len FROM t"},
        Case{"SELECT [order], [a]]b], [x\"y] FROM [my table]", "SELECT \"order\", \"a]b\", \"x\"\"y\" FROM \"my table\""}));

// Nothing inside a literal, a quoted name or a comment is rewritten.
INSTANTIATE_TEST_SUITE_P(
    Untouched, DialectTest,
    ::testing::Values(
        Case{"SELECT 'it''s + TOP 5' FROM t", "SELECT 'it''s + TOP 5' FROM t"},
        Case{"INSERT INTO t VALUES ('SELECT TOP 5 [x] DELETE t WHERE GETDATE() LEN(')",
             "INSERT INTO t VALUES ('SELECT TOP 5 [x] DELETE t WHERE GETDATE() LEN(')"},
        Case{"SELECT \"TOP 5 + 'a'\" FROM t", "SELECT \"TOP 5 + 'a'\" FROM t"},
        Case{"SELECT a /* TOP 5 'x' + 1 */ FROM t", "SELECT a /* TOP 5 'x' + 1 */ FROM t"},
        Case{"UPDATE t SET a='CONVERT(DATETIME,''2003-1-5'')'", "UPDATE t SET a='CONVERT(DATETIME,''2003-1-5'')'"},
        Case{"SELECT '\xE4\xB8\xAD[\xE6\x96\x87]' + x", "SELECT '\xE4\xB8\xAD[\xE6\x96\x87]' || x"},
        Case{"UPDATE t SET a = ? WHERE id = 3", "UPDATE t SET a = ? WHERE id = 3"},
        Case{"", ""}));

TEST(DialectErrorTest, ImpossibleDateFailsLikeTheServer) {
  for (const char* text : {"2003-2-30", "2003-13-1", "2003-1-1 24:00:00", "yesterday", "2003-1-1 9"}) {
    SCOPED_TRACE(text);
    try {
      translateSql(std::string("SELECT CONVERT(DATETIME,'") + text + "')", kNow);
      ADD_FAILURE() << "no error";
    } catch (const ComError& e) {
      EXPECT_EQ(e.number(), kErrCommand);
      EXPECT_EQ(e.source(), kProviderSource);
    }
  }
}

}  // namespace
}  // namespace corvela::db
