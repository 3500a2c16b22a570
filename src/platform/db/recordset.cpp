// Recordset: moving over rows, paging, reading and assigning field values,
// building in-memory recordsets.
#include "platform/db/recordset.h"

#include "platform/automation/com_error.h"

namespace corvela::db {
namespace {

constexpr const char* kFieldSource = "ADODB.Field";
constexpr const char* kCursorEngineSource = "Microsoft Cursor Engine";
constexpr int32_t kErrMultipleStep = static_cast<int32_t>(0x80040E21u);
constexpr const char* kMultipleStep = "Multiple-step operation generated errors. Check each status value.";

[[noreturn]] void raiseNoCurrentRecord(const char* source) {
  throw ComError(kErrNoCurrentRecord, source, kNoCurrentRecordText);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The value as the field's type stores it; a value that does not convert
// fails as ADO's cursor engine reported it.
Variant convertedValue(const Variant& raw, int32_t type) {
  const Variant v = raw.dereferenced();
  if (v.isNull() || v.isEmpty()) return Variant::null();
  try {
    switch (type) {
      case adSmallInt:
        return Variant::fromInteger(v.toInteger());
      case adInteger:
        return Variant(v.toLong());
      case adSingle:
      case adDouble:
      case adBigInt:
        return Variant(v.toDouble());
      case adCurrency:
        return Variant::fromCurrency(v.toCurrency());
      case adDate:
      case adDBTimeStamp:
        return Variant::fromDate(v.toDate());
      case adBoolean:
        return Variant(v.toBool());
      case adBSTR:
      case adChar:
      case adWChar:
      case adVarChar:
      case adLongVarChar:
      case adVarWChar:
      case adLongVarWChar:
        return Variant(v.toString());
      default:
        return v;
    }
  } catch (const ComError&) {
    throw ComError(kErrMultipleStep, kCursorEngineSource, kMultipleStep);
  }
}

}  // namespace

int RecordsetData::fieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields.size(); ++i)
    if (sameNameIgnoringCase(fields[i].name, name)) return static_cast<int>(i);
  return -1;
}

int RecordsetData::fieldIndexOf(const Variant& key) const {
  if (key.isString()) return fieldIndex(key.rawString());
  if (!key.isNumeric()) return -1;
  const double index = key.toDouble();
  return index >= 0 && index < static_cast<double>(fields.size()) ? static_cast<int>(index) : -1;
}

Variant& RecordsetData::currentCell(size_t index) {
  if (index >= fields.size()) throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
  if (!open) throw ComError(kErrObjectClosed, kRecordsetSource, kObjectClosedText);
  if (position < 0 || position >= rowCount()) raiseNoCurrentRecord(kFieldSource);
  return cells[static_cast<size_t>(position) * fields.size() + index];
}

Variant RecordsetData::convertForField(size_t index, const Variant& value) const {
  return convertedValue(value, fields[index].type);
}

Recordset::Recordset() : data_(std::make_shared<RecordsetData>()) {}

Recordset::Recordset(std::vector<FieldInfo> fields, std::vector<Variant> cells)
    : data_(std::make_shared<RecordsetData>()) {
  data_->fields = std::move(fields);
  data_->cells = std::move(cells);
  data_->position = 0;
  data_->open = true;
}

void Recordset::requireOpen() const {
  if (!data_->open) throw ComError(kErrObjectClosed, kRecordsetSource, kObjectClosedText);
}

void Recordset::open() {
  if (data_->open) throw ComError(kErrOpenObject, kRecordsetSource, kObjectOpenText);
  if (data_->fields.empty()) throw ComError(kErrBadArguments, kRecordsetSource, kBadArgumentsText);
  data_->cells.clear();
  data_->position = 0;
  data_->open = true;
}

void Recordset::close() {
  requireOpen();
  data_->cells.clear();
  data_->position = 0;
  data_->open = false;
}

bool Recordset::eof() const {
  requireOpen();
  return data_->position >= data_->rowCount();
}

bool Recordset::bof() const {
  requireOpen();
  return data_->position < 0 || data_->rowCount() == 0;
}

void Recordset::moveNext() {
  if (eof()) raiseNoCurrentRecord(kRecordsetSource);
  ++data_->position;
}

void Recordset::movePrevious() {
  if (bof()) raiseNoCurrentRecord(kRecordsetSource);
  --data_->position;
}

void Recordset::moveFirst() {
  requireOpen();
  if (data_->rowCount() == 0) raiseNoCurrentRecord(kRecordsetSource);
  data_->position = 0;
}

void Recordset::moveLast() {
  requireOpen();
  if (data_->rowCount() == 0) raiseNoCurrentRecord(kRecordsetSource);
  data_->position = data_->rowCount() - 1;
}

void Recordset::move(int32_t offset) {
  if ((offset >= 0 && eof()) || (offset <= 0 && bof())) raiseNoCurrentRecord(kRecordsetSource);
  const int64_t target = data_->position + offset;
  data_->position = target < 0 ? -1 : std::min(target, data_->rowCount());
}

int32_t Recordset::recordCount() const {
  requireOpen();
  return static_cast<int32_t>(data_->rowCount());
}

size_t Recordset::fieldCount() const { return data_->fields.size(); }

const FieldInfo& Recordset::field(size_t index) const {
  if (index >= data_->fields.size()) throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
  return data_->fields[index];
}

size_t Recordset::fieldIndex(std::string_view name) const {
  const int index = data_->fieldIndex(name);
  if (index < 0) throw ComError(kErrItemNotFound, kRecordsetSource, kItemNotFoundText);
  return static_cast<size_t>(index);
}

const Variant& Recordset::value(std::string_view name) const { return value(fieldIndex(name)); }

const Variant& Recordset::value(size_t index) const { return data_->currentCell(index); }

void Recordset::setValue(std::string_view name, const Variant& v) { setValue(fieldIndex(name), v); }

void Recordset::setValue(size_t index, const Variant& v) {
  Variant& cell = data_->currentCell(index);
  cell = data_->convertForField(index, v);
}

void Recordset::setPageSize(int32_t size) {
  if (size < 1) throw ComError(kErrBadArguments, kRecordsetSource, kBadArgumentsText);
  pageSize_ = size;
}

int32_t Recordset::pageCount() const {
  requireOpen();
  const int64_t rows = data_->rowCount();
  return static_cast<int32_t>((rows + pageSize_ - 1) / pageSize_);
}

int32_t Recordset::absolutePage() const {
  requireOpen();
  if (data_->rowCount() == 0) return adPosUnknown;
  if (data_->position < 0) return adPosBOF;
  if (data_->position >= data_->rowCount()) return adPosEOF;
  return static_cast<int32_t>(data_->position / pageSize_ + 1);
}

void Recordset::setAbsolutePage(int32_t page) {
  requireOpen();
  if (page < 1) throw ComError(kErrBadArguments, kRecordsetSource, kBadArgumentsText);
  const int64_t first = static_cast<int64_t>(page - 1) * pageSize_;
  data_->position = std::min(first, data_->rowCount());
}

int32_t Recordset::absolutePosition() const {
  requireOpen();
  if (data_->rowCount() == 0) return adPosUnknown;
  if (data_->position < 0) return adPosBOF;
  if (data_->position >= data_->rowCount()) return adPosEOF;
  return static_cast<int32_t>(data_->position + 1);
}

void Recordset::setAbsolutePosition(int32_t position) {
  requireOpen();
  if (position < 1 || position > data_->rowCount())
    throw ComError(kErrBadArguments, kRecordsetSource, kBadArgumentsText);
  data_->position = position - 1;
}

void Recordset::appendField(std::string name, int32_t type, int32_t definedSize) {
  fieldsObject()->append(std::move(name), type, definedSize);
}

void Recordset::addNew() {
  requireOpen();
  data_->cells.resize(data_->cells.size() + data_->fields.size(), Variant::null());
  data_->position = data_->rowCount() - 1;
}

void Recordset::update() {
  requireOpen();
  if (data_->position < 0 || data_->position >= data_->rowCount()) raiseNoCurrentRecord(kRecordsetSource);
}

Variant Recordset::getRows(int32_t rows) {
  if (eof()) raiseNoCurrentRecord(kRecordsetSource);
  if (data_->position < 0) data_->position = 0;
  const int64_t available = data_->rowCount() - data_->position;
  const int64_t taken = rows < 0 ? available : std::min<int64_t>(rows, available);
  const size_t width = data_->fields.size();
  Variant result = Variant::array({ArrayBound{0, static_cast<uint32_t>(width)}, ArrayBound{0, static_cast<uint32_t>(taken)}});
  // Both the array (first index fastest) and the cells are laid out row by row.
  auto first = data_->cells.begin() + static_cast<ptrdiff_t>(data_->position * static_cast<int64_t>(width));
  std::copy(first, first + static_cast<ptrdiff_t>(taken * static_cast<int64_t>(width)), result.mutableArray()->items.begin());
  data_->position += taken;
  return result;
}

std::shared_ptr<Fields> Recordset::fieldsObject() {
  if (!fields_) fields_ = std::make_shared<Fields>(data_);
  return fields_;
}

}  // namespace corvela::db
