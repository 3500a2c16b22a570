// Recordset: a disconnected, client-side table of rows, as ADO's Recordset
// was when detached from its connection. Queries fill it (Connection::query);
// scripts and callers may also build one in memory (Fields.Append, Open,
// AddNew, field assignment, Update).
//
// Scripts see it as "Recordset": its default member is Fields, whose default
// is Item, whose default is Field.Value, so rs("title") reads the value of the
// current row. C++ callers use value() directly.
//
// Errors (ADO's numbers and texts):
//   3021 "Either BOF or EOF is True, or the current record has been deleted.
//         Requested operation requires a current record." (source
//         "ADODB.Field" for field access, "ADODB.Recordset" for moves)
//   3265 "Item cannot be found in the collection corresponding to the
//         requested name or ordinal." (unknown field name or index)
//   3704 "Operation is not allowed when the object is closed."
//   3001 "Arguments are of the wrong type, are out of acceptable range, or
//         are in conflict with one another."
//   3705 "Operation is not allowed when the object is open." (Open twice)
//   3219 "Operation is not allowed in this context." (Fields.Append while open)
//   3367 "Object is already in collection. Cannot append."
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/variant.h"

namespace corvela::db {

// ADO DataTypeEnum values reported by Field.Type and taken by Fields.Append.
enum FieldType : int32_t {
  adEmpty = 0,
  adSmallInt = 2,
  adInteger = 3,
  adSingle = 4,
  adDouble = 5,
  adCurrency = 6,
  adDate = 7,
  adBSTR = 8,
  adBoolean = 11,
  adVariant = 12,
  adBigInt = 20,
  adVarBinary = 204,
  adChar = 129,
  adWChar = 130,
  adDBTimeStamp = 135,
  adVarChar = 200,
  adLongVarChar = 201,
  adVarWChar = 202,
  adLongVarWChar = 203,
};

// ADO's position answers for AbsolutePosition and AbsolutePage.
inline constexpr int32_t adPosUnknown = -1;
inline constexpr int32_t adPosBOF = -2;
inline constexpr int32_t adPosEOF = -3;

inline constexpr int32_t kErrNoCurrentRecord = 3021;
inline constexpr int32_t kErrItemNotFound = 3265;
inline constexpr int32_t kErrObjectClosed = 3704;
inline constexpr int32_t kErrBadArguments = 3001;
inline constexpr int32_t kErrNotAllowedInContext = 3219;
inline constexpr int32_t kErrOpenObject = 3705;
inline constexpr int32_t kErrAlreadyInCollection = 3367;
inline constexpr const char* kRecordsetSource = "ADODB.Recordset";
inline constexpr const char* kNoCurrentRecordText =
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current "
    "record.";
inline constexpr const char* kItemNotFoundText =
    "Item cannot be found in the collection corresponding to the requested name or ordinal.";
inline constexpr const char* kObjectClosedText = "Operation is not allowed when the object is closed.";
inline constexpr const char* kObjectOpenText = "Operation is not allowed when the object is open.";
inline constexpr const char* kBadArgumentsText =
    "Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.";

struct FieldInfo {
  std::string name;
  int32_t type = adVariant;  // a FieldType
  int32_t definedSize = 0;   // characters for text, bytes otherwise
};

// Rows and columns shared by a Recordset and the Field objects handed out
// from it (a Field keeps reading the recordset's current row after the
// script has moved on, as in ADO).
struct RecordsetData {
  std::vector<FieldInfo> fields;
  std::vector<Variant> cells;  // row-major: row r, field f at r * fields.size() + f
  int64_t position = 0;        // -1 BOF, rowCount() EOF
  bool open = false;

  int64_t rowCount() const { return fields.empty() ? 0 : static_cast<int64_t>(cells.size() / fields.size()); }
  // Index of a field by name (case-insensitive), -1 when there is none.
  int fieldIndex(std::string_view name) const;
  // Index of a field named by a key: a number is a 0-based index, text a
  // name; -1 when the key names no field.
  int fieldIndexOf(const Variant& key) const;
  // The cell of field `index` on the current row: 3265 for a bad index, 3704
  // when closed, 3021 (source "ADODB.Field") off a row.
  Variant& currentCell(size_t index);
  // A value converted to the type of field `index`, as assignment stores it.
  Variant convertForField(size_t index, const Variant& value) const;
};

class Fields;

class Recordset : public DispatchObject<Recordset> {
 public:
  static constexpr std::string_view kClassName = "Recordset";
  static const DispatchTable<Recordset>& dispatchTable();

  // A closed recordset without fields (scripts: Fields.Append, then Open).
  Recordset();
  // An open recordset over the given rows, positioned on the first row.
  // cells holds fields.size() values per row, row after row.
  Recordset(std::vector<FieldInfo> fields, std::vector<Variant> cells);

  // State: 1 open, 0 closed (adStateOpen / adStateClosed).
  int32_t state() const noexcept { return data_->open ? 1 : 0; }
  void open();   // opens an in-memory recordset over its appended fields
  void close();  // 3704 when already closed

  bool eof() const;
  bool bof() const;
  void moveNext();      // 3021 at EOF
  void movePrevious();  // 3021 at BOF
  void moveFirst();  // 3021 when there are no rows
  void moveLast();   // 3021 when there are no rows
  void move(int32_t offset);  // relative; stops at BOF/EOF; 3021 when already there in that direction
  int32_t recordCount() const;

  // Fields: count, names, lookup (3265 when unknown).
  size_t fieldCount() const;
  const FieldInfo& field(size_t index) const;
  size_t fieldIndex(std::string_view name) const;

  // The value of a field on the current row (3021 at BOF/EOF).
  const Variant& value(std::string_view name) const;
  const Variant& value(size_t index) const;
  // Assigns a field on the current row, converted to the field's type.
  void setValue(std::string_view name, const Variant& v);
  void setValue(size_t index, const Variant& v);

  // Paging. PageSize defaults to 10; AbsolutePage moves to the first row of
  // the page (pages count from 1); a page past the last leaves the recordset
  // at EOF. AbsolutePage/AbsolutePosition read adPosBOF/adPosEOF off a row.
  int32_t pageSize() const noexcept { return pageSize_; }
  void setPageSize(int32_t size);  // 3001 when < 1
  int32_t pageCount() const;
  int32_t absolutePage() const;
  void setAbsolutePage(int32_t page);
  int32_t absolutePosition() const;
  void setAbsolutePosition(int32_t position);  // 1-based; 3001 when out of range

  // In-memory building. appendField only while closed (3219 otherwise).
  void appendField(std::string name, int32_t type, int32_t definedSize = 0);
  void addNew();  // appends an empty row and moves to it
  void update();  // ends AddNew; values are already stored

  // GetRows: a 2-dimensional array (field, row) of up to `rows` rows (-1 all)
  // from the current row on; the recordset is left after the last row read.
  Variant getRows(int32_t rows = -1);

  // The Fields collection object scripts see.
  std::shared_ptr<Fields> fieldsObject();

  const std::shared_ptr<RecordsetData>& data() const noexcept { return data_; }

 private:
  void requireOpen() const;
  // Open(Source, ActiveConnection, ...) for scripts: runs the source on the
  // connection (an "ADODB.Connection" object or a connection string), or
  // opens in memory when there is no source.
  void scriptOpen(Args args);
  // AddNew/Update's (FieldList, Values): one name and value, or two arrays.
  void assignFields(const Variant& names, const Variant& values);

  std::shared_ptr<RecordsetData> data_;
  std::shared_ptr<Fields> fields_;
  int32_t pageSize_ = 10;
  // Kept for scripts that set them before Open; every recordset here is a
  // client-side static cursor whatever they say.
  Variant activeConnection_ = Variant::nothing();
  int32_t cursorLocation_ = 3;  // adUseClient
  int32_t cursorType_ = 3;      // adOpenStatic
  int32_t lockType_ = 1;        // adLockReadOnly
};

// Field: one column of a recordset, reading the recordset's current row.
class Field : public DispatchObject<Field> {
 public:
  static constexpr std::string_view kClassName = "Field";
  static const DispatchTable<Field>& dispatchTable();

  Field(std::shared_ptr<RecordsetData> data, size_t index) : data_(std::move(data)), index_(index) {}

  // 3265 when the recordset was reopened with fewer fields.
  const FieldInfo& info() const;
  const std::string& name() const { return info().name; }
  int32_t type() const { return info().type; }
  int32_t definedSize() const { return info().definedSize; }
  // Characters of a text value, bytes of other values, 0 for Null.
  int32_t actualSize() const;
  const Variant& value() const;  // 3021 at BOF/EOF (source "ADODB.Field")
  void setValue(const Variant& v);

 private:
  std::shared_ptr<RecordsetData> data_;
  size_t index_;
};

// Fields: the collection of a recordset's Field objects (0-based Item by
// index or case-insensitive name; Count; Append; For Each).
class Fields : public DispatchObject<Fields> {
 public:
  static constexpr std::string_view kClassName = "Fields";
  static const DispatchTable<Fields>& dispatchTable();

  explicit Fields(std::shared_ptr<RecordsetData> data) : data_(std::move(data)) {}

  int32_t count() const;
  // By index (number) or name (text); 3265 when there is none.
  std::shared_ptr<Field> item(const Variant& key);
  // Fields.Append (3219 while the recordset is open, 3367 for a name that
  // is already there).
  void append(std::string name, int32_t type, int32_t definedSize);
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  std::shared_ptr<Field> itemAt(size_t index);
  std::shared_ptr<RecordsetData> data_;
  std::vector<std::shared_ptr<Field>> items_;  // made on first use, one per field
};

}  // namespace corvela::db
