// Reading the rows of a prepared statement into a disconnected Recordset,
// with the Variant types ADO gave for the same columns.
#pragma once

#include <memory>

struct sqlite3_stmt;

namespace corvela::db {

class Recordset;

// Steps the statement to its end and returns every row. Types follow the
// declared column type where there is one:
//   INT...                  -> Long (Double beyond 32 bits); SMALLINT/TINYINT -> Integer
//   REAL, FLOAT, DOUBLE     -> Double
//   DATE.../...TIME...      -> Date, read from 'YYYY-MM-DD HH:MM:SS' text
//   CHAR/TEXT/CLOB          -> String
// Expression columns (no declared type) take the type their values share; a
// column whose values are all stored date-time texts reads as Date, as SQL
// Server's MAX(date) or CONVERT(DATETIME, ...) did. NULL is Null everywhere.
// Provider errors while stepping are raised as ComError.
std::shared_ptr<Recordset> readRecordset(sqlite3_stmt* statement);

}  // namespace corvela::db
