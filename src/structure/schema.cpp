// Schema over the ChannelSchema table.
//
// Custom property ids come from the "Schema" counter, which once handed out
// 9995 ... 9999 as well, and such a property was shadowed by the built-in of
// the same id (GetProperty found the built-in). Those ids are skipped here.
#include "structure/schema.h"

#include <algorithm>
#include <array>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "structure/property.h"
#include "structure/schema2.h"

namespace corvela::structure {
namespace {

using core::quotedSqlText;

constexpr const char* kSchemaSource = "Schema";
constexpr const char* kAddSource = "Schema.AddProperty";
constexpr const char* kDeleteSource = "Schema.DeleteProperty";
constexpr const char* kUndefinedProperty = "Channel的Schema错误，属性未定义：";
constexpr const char* kAddNotLoaded = "Schema对象尚未初始化，请调用Load";
constexpr const char* kEmptyName = "属性名称不能为空！";
constexpr const char* kBadPropertyType = "属性类型不合法！";
constexpr const char* kBadInputType = "输入类型不合法！";
constexpr const char* kDeleteNotLoaded = "Schema对象未初始化，请先调用Load";
constexpr const char* kUpdateNotLoaded = "Schema尚未初始化，请先调用Load";

constexpr std::array<std::string_view, 6> kPropertyTypes = {"NUMBER", "BOOLEAN", "DOUBLE",
                                                            "STRING", "TEXT",    "DATETIME"};
constexpr std::array<std::string_view, 7> kInputTypes = {"TEXT", "SELECT", "TEXTAREA", "DATETIME",
                                                         "IMAGE", "FILE",  "LABEL"};

struct BuiltIn {
  int32_t id;
  const char* name;
  const char* type;
  const char* input;
  const char* options;
  const char* alias;
};
constexpr BuiltIn kBuiltIns[] = {
    {9999, "TITLE", "STRING", "TEXT", "", "标题"},
    {9998, "PUTINTOPX", "STRING", "SELECT", "Y,N", "是否头条"},
    {9997, "ISIMAGENEWS", "STRING", "SELECT", "Y,N", "图片新闻"},
    {9996, "PUBLISHDATE", "DATETIME", "TEXT", "", "发布时间"},
    {9995, "KEYWORD", "STRING", "TEXT", "", "关键字"},
};

bool isBuiltInName(std::string_view upperName) {
  return std::any_of(std::begin(kBuiltIns), std::end(kBuiltIns),
                     [&](const BuiltIn& b) { return upperName == b.name; });
}

template <size_t N>
bool listed(const std::array<std::string_view, N>& names, std::string_view text) {
  return std::find(names.begin(), names.end(), text) != names.end();
}

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

int32_t newPropertyId() {
  int32_t id;
  do id = core::newID("Schema");
  while (id >= kFirstBuiltInId && id <= kLastBuiltInId);
  return id;
}

}  // namespace

Schema::Schema() = default;
Schema::~Schema() = default;

std::shared_ptr<Schema2> Schema::ExtSchema() {
  if (!ext_) ext_ = std::make_shared<Schema2>();
  return ext_;
}

void Schema::setExtSchema(std::shared_ptr<Schema2> ext) { ext_ = std::move(ext); }

std::shared_ptr<Property> Schema::GetProperty(int32_t sPropertyID) {
  for (const auto& p : properties_)
    if (p->PropertyID() == sPropertyID) return p;
  throw ComError(kSchemaError, kSchemaSource, kUndefinedProperty + std::to_string(sPropertyID));
}

std::shared_ptr<Property> Schema::GetPropertyByName(std::string_view sPropertyName) {
  for (const auto& p : properties_)
    if (p->PropertyName() == sPropertyName) return p;
  throw ComError(kSchemaError, kSchemaSource, kUndefinedProperty + std::string(sPropertyName));
}

void Schema::AddProperty(std::string_view PropertyName, std::string_view Alias, std::string_view PropertyType,
                         std::string_view InputType, std::string_view Options) {
  if (channelId_ < 0) throw ComError(kSchemaError, kAddSource, kAddNotLoaded);
  if (blank(PropertyName)) throw ComError(kSchemaError, kAddSource, kEmptyName);
  std::string alias(Alias.empty() ? PropertyName : Alias);
  std::string type = text::toUpper(PropertyType);
  if (!listed(kPropertyTypes, type)) throw ComError(kSchemaError, kAddSource, kBadPropertyType);
  std::string input = text::toUpper(InputType);
  if (!listed(kInputTypes, input)) throw ComError(kSchemaError, kAddSource, kBadInputType);

  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    std::string name = quotedSqlText(PropertyName);
    std::string channel = std::to_string(channelId_);
    if (dal.DoSelect("SELECT PropertyID FROM ChannelSchema WHERE PropertyName=" + name + " AND Channelid=" + channel)
            ->eof()) {
      dal.execCommand(
          "INSERT INTO ChannelSchema (PropertyID,Channelid,PropertyName,Alias,PropertyType,InputType,Options) VALUES (" +
          std::to_string(newPropertyId()) + "," + channel + "," + name + "," + quotedSqlText(alias) + "," +
          quotedSqlText(type) + "," + quotedSqlText(input) + "," + quotedSqlText(Options) + ")");
    } else {
      dal.execCommand("UPDATE ChannelSchema SET PropertyType=" + quotedSqlText(type) + ",InputType=" +
                      quotedSqlText(input) + ",Alias=" + quotedSqlText(alias) + ",Options=" + quotedSqlText(Options) +
                      " WHERE PropertyName=" + name + " AND Channelid=" + channel);
    }
    Load(channelId_);
  });
}

void Schema::DeleteProperty(std::string_view PropertyName) {
  if (channelId_ < 0) throw ComError(kSchemaNotLoadedOnDelete, kDeleteSource, kDeleteNotLoaded);
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("DELETE FROM ChannelSchema WHERE Propertyname=" + quotedSqlText(PropertyName) +
                               " AND Channelid=" + std::to_string(channelId_));
    Load(channelId_);
  });
}

void Schema::Load(int32_t ChannelId) {
  core::runVoting(nullptr, [&] {
    std::vector<std::shared_ptr<Property>> loaded;
    for (const BuiltIn& b : kBuiltIns)
      loaded.push_back(std::make_shared<Property>(b.id, b.name, b.alias, b.type, b.input, b.options));
    auto rs = core::comDAL().DoSelect("SELECT * FROM ChannelSchema WHERE ChannelID=" + std::to_string(ChannelId) +
                                      " ORDER BY PropertyID");
    for (; !rs->eof(); rs->moveNext()) {
      std::string name = core::textValue(rs->value("PropertyName"));
      if (isBuiltInName(text::toUpper(name))) continue;
      std::string alias = core::textValue(rs->value("Alias"));
      if (alias.empty()) alias = name;
      loaded.push_back(std::make_shared<Property>(
          core::longValue(rs->value("PropertyID")), name, alias, core::textValue(rs->value("PropertyType")),
          core::textValue(rs->value("InputType")), core::textValue(rs->value("Options"))));
    }
    auto ext = std::make_shared<Schema2>();
    ext->Load(ChannelId);
    properties_ = std::move(loaded);
    ext_ = std::move(ext);
    channelId_ = ChannelId;
  });
}

void Schema::Update() {
  if (channelId_ < 0) throw ComError(kSchemaNotLoadedOnUpdate, kSchemaSource, kUpdateNotLoaded);
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    for (const auto& p : properties_)
      dal.execCommand("UPDATE ChannelSchema SET PropertyName=" + quotedSqlText(p->PropertyName()) +
                      ",PropertyType=" + quotedSqlText(p->PropertyType()) + ",Alias=" + quotedSqlText(p->Alias()) +
                      ",InputType=" + quotedSqlText(p->InputType()) + ",Options=" + quotedSqlText(p->Options()) +
                      " WHERE PropertyID=" + std::to_string(p->PropertyID()) +
                      " AND Channelid=" + std::to_string(channelId_));
  });
}

std::unique_ptr<Enumerator> Schema::newEnum() {
  std::vector<Variant> items;
  items.reserve(properties_.size());
  for (const auto& p : properties_) items.emplace_back(std::shared_ptr<Object>(p));
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<Schema>& Schema::dispatchTable() {
  static const DispatchTable<Schema> table = Members<Schema>()
      .property<&Schema::ExtSchema, &Schema::setExtSchema>("ExtSchema")
      .method<&Schema::GetProperty>("GetProperty")
      .method<&Schema::GetPropertyByName>("GetPropertyByName")
      .method<&Schema::AddProperty>("AddProperty")
      .method<&Schema::DeleteProperty>("DeleteProperty")
      .method<&Schema::Load>("Load")
      .method<&Schema::Update>("Update")
      .build();
  return table;
}

}  // namespace corvela::structure
