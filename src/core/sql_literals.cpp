// SqlValue and SqlDate: the two literal forms the engine's statements use.
#include "core/sql_literals.h"

#include <cstdio>

#include "platform/automation/oledate.h"

namespace corvela::core {
namespace {

std::string convertDateTime(const char* format, double oleDate) {
  DateParts p = partsFromOleDate(oleDate);
  char text[96];
  std::snprintf(text, sizeof text, format, p.year, p.month, p.day, p.hour, p.minute, p.second);
  return std::string("CONVERT(DATETIME,'") + text + "')";
}

}  // namespace

std::string quotedSqlText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  out += '\'';
  return out;
}

std::string SqlValue(const Variant& value) {
  switch (value.type()) {
    case VarType::String:
      return quotedSqlText(value.rawString());
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
      return value.toString();
    case VarType::Date:
      return convertDateTime("%d-%d-%d %d:%d:%d", value.rawDate());
    case VarType::Boolean:
      return value.rawBool() ? "1" : "0";
    default:
      return {};
  }
}

std::string SqlDate(const Variant& value) {
  return convertDateTime("%04d-%02d-%02d %02d:%02d:%02d", value.toDate());
}

}  // namespace corvela::core
