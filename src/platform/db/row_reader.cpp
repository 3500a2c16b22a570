// Conversion of SQLite result rows into Recordset values.
#include "platform/db/row_reader.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/db/provider_error.h"
#include "platform/db/recordset.h"
#include "platform/db/sql_date.h"

namespace corvela::db {
namespace {

enum class ColumnClass { Unknown, SmallInt, Integer, Real, DateTime, Text, LongText, Binary };

// ntext/text columns report this DefinedSize in ADO.
constexpr int32_t kLongTextSize = 1073741823;

std::string upper(const char* text) {
  std::string s = text ? text : "";
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The n of "VARCHAR(n)", or 0.
int32_t declaredLength(const std::string& decl) {
  size_t open = decl.find('(');
  if (open == std::string::npos) return 0;
  return static_cast<int32_t>(std::strtol(decl.c_str() + open + 1, nullptr, 10));
}

FieldInfo classify(sqlite3_stmt* st, int column, ColumnClass& cls) {
  FieldInfo info;
  info.name = sqlite3_column_name(st, column);
  const std::string decl = upper(sqlite3_column_decltype(st, column));
  auto has = [&](const char* part) { return decl.find(part) != std::string::npos; };
  if (decl.empty()) {
    cls = ColumnClass::Unknown;
    info.type = adVariant;
  } else if (has("SMALLINT") || has("TINYINT")) {
    cls = ColumnClass::SmallInt;
    info.type = adSmallInt;
    info.definedSize = 2;
  } else if (has("INT")) {
    cls = ColumnClass::Integer;
    info.type = adInteger;
    info.definedSize = 4;
  } else if (has("DATE") || has("TIME")) {
    cls = ColumnClass::DateTime;
    info.type = adDBTimeStamp;
    info.definedSize = 16;
  } else if (has("CHAR") || has("TEXT") || has("CLOB")) {
    const int32_t length = declaredLength(decl);
    cls = length > 0 ? ColumnClass::Text : ColumnClass::LongText;
    info.type = length > 0 ? adVarWChar : adLongVarWChar;
    info.definedSize = length > 0 ? length : kLongTextSize;
  } else if (has("BLOB")) {
    cls = ColumnClass::Binary;
    info.type = adVarBinary;
    info.definedSize = kLongTextSize;
  } else {
    cls = ColumnClass::Real;
    info.type = adDouble;
    info.definedSize = 8;
  }
  return info;
}

Variant integerValue(sqlite3_int64 v, ColumnClass cls) {
  if (cls == ColumnClass::SmallInt && v >= INT16_MIN && v <= INT16_MAX) return Variant::fromInteger(static_cast<int16_t>(v));
  if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<int32_t>(v));
  return Variant(static_cast<double>(v));
}

bool dateValue(std::string_view text, Variant& out) {
  DateParts parts;
  double ole;
  if (!parseSqlDateText(text, parts) || !oleDateFromParts(parts, ole)) return false;
  out = Variant::fromDate(ole);
  return true;
}

Variant cellValue(sqlite3_stmt* st, int column, ColumnClass cls) {
  switch (sqlite3_column_type(st, column)) {
    case SQLITE_NULL:
      return Variant::null();
    case SQLITE_INTEGER:
      return integerValue(sqlite3_column_int64(st, column), cls);
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(st, column));
    case SQLITE_BLOB: {
      const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(st, column));
      const int size = sqlite3_column_bytes(st, column);
      return Variant::bytes(std::vector<uint8_t>(bytes, bytes + size));
    }
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
      const std::string_view view(text, static_cast<size_t>(sqlite3_column_bytes(st, column)));
      Variant date;
      if (cls == ColumnClass::DateTime && dateValue(view, date)) return date;
      return Variant(view);
    }
  }
}

// Gives an expression column the type its values share, converting them
// where SQL Server's type would have differed from the stored one.
void settleExpressionColumn(std::vector<Variant>& cells, size_t fieldCount, size_t column, FieldInfo& info) {
  bool anyLong = false, anyDouble = false, anyText = false, anyOther = false, allTimestamps = true;
  int32_t longestText = 0;
  for (size_t i = column; i < cells.size(); i += fieldCount) {
    const Variant& v = cells[i];
    switch (v.type()) {
      case VarType::Null:
        break;
      case VarType::Integer:
      case VarType::Long:
        anyLong = true;
        break;
      case VarType::Double:
        anyDouble = true;
        break;
      case VarType::String:
        anyText = true;
        allTimestamps = allTimestamps && isStoredTimestamp(v.rawString());
        longestText = std::max<int32_t>(longestText, static_cast<int32_t>(v.stringLength()));
        break;
      default:
        anyOther = true;
        break;
    }
  }
  if (anyOther || (anyText && (anyLong || anyDouble))) return;  // mixed: stays adVariant
  if (anyText && allTimestamps) {
    info.type = adDBTimeStamp;
    info.definedSize = 16;
    for (size_t i = column; i < cells.size(); i += fieldCount)
      if (cells[i].isString()) dateValue(cells[i].rawString(), cells[i]);
  } else if (anyText) {
    info.type = adVarWChar;
    info.definedSize = std::max<int32_t>(longestText, 1);
  } else if (anyDouble) {
    info.type = adDouble;
    info.definedSize = 8;
    for (size_t i = column; i < cells.size(); i += fieldCount)
      if (!cells[i].isNull() && cells[i].type() != VarType::Double) cells[i] = Variant(cells[i].toDouble());
  } else if (anyLong) {
    info.type = adInteger;
    info.definedSize = 4;
  }
}

}  // namespace

std::shared_ptr<Recordset> readRecordset(sqlite3_stmt* st) {
  const int columns = sqlite3_column_count(st);
  std::vector<FieldInfo> fields;
  std::vector<ColumnClass> classes(static_cast<size_t>(columns));
  fields.reserve(static_cast<size_t>(columns));
  for (int c = 0; c < columns; ++c) fields.push_back(classify(st, c, classes[static_cast<size_t>(c)]));

  std::vector<Variant> cells;
  int rc;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    for (int c = 0; c < columns; ++c) cells.push_back(cellValue(st, c, classes[static_cast<size_t>(c)]));
  }
  if (rc != SQLITE_DONE) raiseProviderError(sqlite3_db_handle(st), rc);

  for (size_t c = 0; c < classes.size(); ++c)
    if (classes[c] == ColumnClass::Unknown) settleExpressionColumn(cells, fields.size(), c, fields[c]);
  return std::make_shared<Recordset>(std::move(fields), std::move(cells));
}

}  // namespace corvela::db
