// The one place where the SQL Server dialect that the engine writes becomes
// SQLite's: a tokenizer walks the text, so nothing inside a string literal
// or a quoted identifier is ever touched.
//
//   SELECT TOP n ...                  -> SELECT ... LIMIT n (at the end of that SELECT)
//   CONVERT(DATETIME,'2003-1-5 9:3:7') -> '2003-01-05 09:03:07'
//   'a' + x, x + 'a'                  -> 'a' || x, x || 'a'
//   DELETE t WHERE ...                -> DELETE FROM t WHERE ...
//   SUBSTRING( LEN( ISNULL(           -> substr( length( ifnull(
//   GETDATE()                         -> the current local time as a literal
//   [name]                            -> "name"
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/oledate.h"

namespace corvela::db {

// Translates with GETDATE() read from the clock.
std::string translateSql(std::string_view tsql);
// Translates with GETDATE() taken as `now` (tests).
std::string translateSql(std::string_view tsql, const DateParts& now);

}  // namespace corvela::db
