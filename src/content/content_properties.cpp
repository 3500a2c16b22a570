// Typed custom property values of an article: held by name in the object,
// checked against the channel's schema when set, stored one row per value in
// ContentProperty, in the column that the property's type names.
//
// Mended here: a DOUBLE property is checked like a NUMBER (a value that is
// no number was lost once the database refused it); numbers are stored as
// numbers and an empty value as NULL, so no value is written in a form its
// column cannot take; only the six known types name a value column.
#include <array>

#include "content/content.h"
#include "content/property_values.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/com_error.h"
#include "platform/automation/value_kinds.h"
#include "platform/db/recordset.h"
#include "structure/property.h"
#include "structure/schema.h"

namespace corvela::content {
namespace {

constexpr int32_t kTypedValueError = 10001;
constexpr const char* kPropertySource = "Content";
constexpr const char* kNotNumberStart = "[";
constexpr const char* kNotNumberEnd = "] 的数据类型不合法,要求数值类型。";
constexpr const char* kNotDateStart = "[";
constexpr const char* kNotDateEnd = "] 的类型不合法，要求日期类型。";
constexpr const char* kValueCounter = "PROPERTY_VALUE";

bool emptyValue(const Variant& v) { return v.isEmpty() || (v.isString() && v.rawString().empty()); }

}  // namespace

std::optional<std::string> valueColumnOf(std::string_view propertyType) {
  static constexpr std::array<std::string_view, 6> kTypes = {"BOOLEAN", "NUMBER", "DOUBLE",
                                                             "STRING",  "DATETIME", "TEXT"};
  for (std::string_view type : kTypes)
    if (type == propertyType) return std::string(type) + "_VALUE";
  return std::nullopt;
}

std::string propertyValueLiteral(std::string_view propertyType, const Variant& value) {
  if (value.isNull() || emptyValue(value)) return "NULL";
  if (propertyType == "NUMBER" || propertyType == "DOUBLE") return core::SqlValue(Variant(value.toDouble()));
  if (propertyType == "DATETIME") return core::SqlValue(Variant::fromDate(value.toDate()));
  if (propertyType == "BOOLEAN") return core::SqlValue(Variant(value.toBool()));
  return core::SqlValue(Variant(value.toString()));
}

Variant storedPropertyValue(std::string_view propertyType, const Variant& cell) {
  if (propertyType == "BOOLEAN" && !cell.isNull()) return Variant(cell.toBool());
  return cell;
}

Variant Content::Item(std::string_view sProperty) const {
  for (const auto& [name, value] : properties_)
    if (name == sProperty) return Variant(value.isNull() ? std::string() : value.toString());
  return Variant("");
}

void Content::setItem(std::string_view sProperty, const Variant& assigned) {
  structure::Schema schema;
  schema.Load(columnId_);
  const std::string type = schema.GetPropertyByName(sProperty)->PropertyType();
  const Variant value = assigned.dereferenced();
  Variant held;
  if (type == "STRING" || type == "TEXT") {
    held = Variant(value.toString());
  } else if (type == "NUMBER" || type == "DOUBLE") {
    if (!isNumericValue(value) && !emptyValue(value))
      throw ComError(kTypedValueError, kPropertySource, kNotNumberStart + std::string(sProperty) + kNotNumberEnd);
    held = value;
  } else if (type == "DATETIME") {
    if (!isDateValue(value) && !emptyValue(value))
      throw ComError(kTypedValueError, kPropertySource, kNotDateStart + std::string(sProperty) + kNotDateEnd);
    held = emptyValue(value) ? value : Variant::fromDate(value.toDate());
  } else if (type == "BOOLEAN") {
    held = Variant(value.toBool());
  } else {
    held = value;
  }
  for (auto& [name, current] : properties_)
    if (name == sProperty) {
      current = std::move(held);
      return;
    }
  properties_.emplace_back(std::string(sProperty), std::move(held));
}

void Content::ClearField() { properties_.clear(); }

void Content::LoadProperties() {
  core::runVoting(nullptr, [&] {
    properties_.clear();
    auto rows = core::comDAL().DoSelect(
        "SELECT ContentProperty.PropertyID, ChannelSchema.PropertyName,ChannelSchema.PropertyType, "
        "ContentProperty.BOOLEAN_VALUE,ContentProperty.NUMBER_VALUE, ContentProperty.DOUBLE_VALUE,"
        "ContentProperty.STRING_VALUE, ContentProperty.DATETIME_VALUE,ContentProperty.TEXT_VALUE"
        " FROM ChannelSchema INNER JOIN ContentProperty ON ChannelSchema.PropertyID = ContentProperty.PropertyID"
        " Where (ChannelSchema.Channelid = " +
        std::to_string(columnId_) + ") And (ContentProperty.ContentID = " + std::to_string(id_) +
        ") ORDER BY ContentProperty.PropertyID");
    for (; !rows->eof(); rows->moveNext()) {
      const std::string type = core::textValue(rows->value("PropertyType"));
      std::optional<std::string> column = valueColumnOf(type);
      if (!column) continue;
      const Variant& cell = rows->value(*column);
      if (!cell.isNull()) properties_.emplace_back(core::textValue(rows->value("PropertyName")),
                                                   storedPropertyValue(type, cell));
    }
  });
}

// Runs inside Save's transaction. A name the schema does not know has no
// row to go to and is left out.
void Content::saveProperties() {
  if (properties_.empty()) return;
  structure::Schema schema;
  schema.Load(columnId_);
  core::comDAL dal;
  const std::string contentId = std::to_string(id_);
  for (const auto& [name, value] : properties_) {
    std::shared_ptr<structure::Property> property;
    try {
      property = schema.GetPropertyByName(name);
    } catch (const ComError& error) {
      if (error.number() != structure::kSchemaError) throw;
      continue;
    }
    const std::string type = property->PropertyType();
    std::optional<std::string> column = valueColumnOf(type);
    if (!column) continue;
    const std::string propertyId = std::to_string(property->PropertyID());
    const std::string literal = propertyValueLiteral(type, value);
    if (dal.DoSelect("SELECT ValueID FROM ContentProperty WHERE Contentid=" + contentId +
                     " AND PropertyID =" + propertyId)
            ->eof()) {
      dal.execCommand("INSERT INTO ContentProperty (ValueID,PropertyID,ContentID," + *column + ") VALUES ( " +
                      std::to_string(core::newID(kValueCounter)) + "," + propertyId + "," + contentId + "," +
                      literal + ")");
    } else {
      dal.execCommand("UPDATE ContentProperty SET " + *column + " =" + literal + " WHERE PropertyID=" + propertyId +
                      " AND ContentID=" + contentId);
    }
  }
}

}  // namespace corvela::content
