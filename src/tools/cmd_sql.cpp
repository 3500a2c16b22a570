// corvela sql: one statement through comDAL.DoSelect, which refuses text
// holding more than one. Statements that return rows (SELECT, WITH, VALUES,
// PRAGMA, EXPLAIN) print a header of field names and tab-separated rows;
// anything else prints "ok".
#include <cstdio>
#include <string>

#include "core/com_dal.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela sql \"STATEMENT\"\n"
    "\n"
    "Runs one statement in the SQL Server dialect the engine writes (TOP n,\n"
    "CONVERT(DATETIME,...), ...) on the database named by ConnString.\n"
    "A query prints a header line of field names and one tab-separated line per\n"
    "row (Null prints as NULL); any other statement prints \"ok\". Text holding\n"
    "more than one statement is refused before any of it runs. Errors print\n"
    "\"number source: description\" and exit with status 1.\n";

bool returnsRows(std::string_view sql) {
  size_t start = sql.find_first_not_of(" \t\r\n(");
  if (start == std::string_view::npos) return false;
  size_t end = sql.find_first_of(" \t\r\n(", start);
  std::string_view word = sql.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  for (std::string_view keyword : {"SELECT", "WITH", "VALUES", "PRAGMA", "EXPLAIN"})
    if (text::equalsIgnoreCase(word, keyword)) return true;
  return false;
}

std::string cellText(const Variant& value) { return value.isNull() ? "NULL" : value.toString(); }

void printRows(db::Recordset& rs) {
  std::string line;
  for (size_t f = 0; f < rs.fieldCount(); ++f) {
    if (f) line += '\t';
    line += rs.field(f).name;
  }
  std::printf("%s\n", line.c_str());
  for (; !rs.eof(); rs.moveNext()) {
    line.clear();
    for (size_t f = 0; f < rs.fieldCount(); ++f) {
      if (f) line += '\t';
      line += cellText(rs.value(f));
    }
    std::printf("%s\n", line.c_str());
  }
}

}  // namespace

int sqlCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc != 1) return usageError("sql", "expected one STATEMENT");
  std::string_view sql = argv[0];
  try {
    core::comDAL dal;
    std::shared_ptr<db::Recordset> rows = dal.DoSelect(sql);
    if (returnsRows(sql))
      printRows(*rows);
    else
      std::printf("ok\n");
    return kExitOk;
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
