// Date-time text as the database keeps it: 'YYYY-MM-DD HH:MM:SS', zero-padded,
// so that text order is time order.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/oledate.h"

namespace corvela::db {

// Reads "y-m-d[ h:n[:s[.fff]]]" (or with "/"), padded or not; false when the
// text is no valid date-time. Fractions of a second are dropped.
bool parseSqlDateText(std::string_view text, DateParts& parts);
// True when the text has exactly the stored form 'YYYY-MM-DD HH:MM:SS'.
bool isStoredTimestamp(std::string_view text);
// The stored form of a date-time, without quotes.
std::string formatSqlTimestamp(const DateParts& parts);

}  // namespace corvela::db
