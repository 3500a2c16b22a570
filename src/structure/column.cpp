// Column over the cms_column table.
#include "structure/column.h"

#include "content/generated_file.h"
#include "content/index_generation.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/schema.h"
#include "structure/section_rows.h"

namespace corvela::structure {

namespace {

using core::SqlValue;

constexpr const char* kColumnTable = "cms_column";
constexpr const char* kColumnCounter = "cms_channel";  // shared with channels and magazines
constexpr const char* kEmptyName = "The Column Name can not be empty!";
constexpr const char* kEmptyTemplate = "The TemplateFile can not be empty!";
constexpr const char* kEmptyDirectory = "The Directory can not be empty!";
constexpr const char* kEmptyNameMethod = "The NameMethod can not be empty!";

// Limits of the columns, in characters (UTF-16 units).
constexpr size_t kNameLimit = 50;
constexpr size_t kPathLimit = 500;
constexpr size_t kShortLimit = 255;

Variant text(const std::string& value) { return Variant(value); }

}  // namespace

Column::Column() = default;
Column::~Column() = default;

std::shared_ptr<Schema> Column::ChannelSchema() {
  if (!schema_) schema_ = std::make_shared<Schema>();
  return schema_;
}

void Column::setChannelSchema(std::shared_ptr<Schema> schema) { schema_ = std::move(schema); }

bool Column::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT * FROM cms_column WHERE id = " + std::to_string(pId));
    if (row->eof()) core::raiseNoRecord();
    id_ = core::longValue(row->value("id"));
    name_ = core::textValue(row->value("name"));
    alias_ = core::textValue(row->value("alias"));
    directory_ = core::textValue(row->value("Directory"));
    template_ = core::textValue(row->value("template"));
    nameMethod_ = core::textValue(row->value("namemethod"));
    indexTemplate_ = core::textValue(row->value("indextemplate"));
    indexPage_ = core::textValue(row->value("indexpage"));
    uploadDir_ = core::textValue(row->value("Uploaddir"));
    isOpen_ = core::longValue(row->value("isopen")) != 0;
    magazineId_ = core::longValue(row->value("magazineid"), -1);
    ChannelSchema()->Load(id_);
    return true;
  });
}

void Column::validateAndPrepare() {
  InputChecks checks;
  checks.require(!name_.empty(), kEmptyName);
  checks.require(!template_.empty(), kEmptyTemplate);
  checks.require(!directory_.empty(), kEmptyDirectory);
  checks.require(!nameMethod_.empty(), kEmptyNameMethod);
  checks.raiseIfFailed();
  name_ = core::preparedText(name_, kNameLimit);
  directory_ = core::preparedText(directory_, kPathLimit);
  template_ = core::preparedText(template_, kPathLimit);
  nameMethod_ = core::preparedText(nameMethod_, kShortLimit);
  indexTemplate_ = core::preparedText(indexTemplate_, kPathLimit);
  indexPage_ = core::preparedText(indexPage_, kShortLimit);
}

bool Column::Save() {
  return core::runVoting(nullptr, [&] {
    validateAndPrepare();
    core::comDAL dal;
    std::string values[] = {SqlValue(text(name_)),          SqlValue(text(alias_)),       SqlValue(text(directory_)),
                            SqlValue(text(template_)),      SqlValue(text(nameMethod_)),  SqlValue(text(indexTemplate_)),
                            SqlValue(text(indexPage_)),     SqlValue(text(uploadDir_)),   SqlValue(Variant(isOpen_)),
                            SqlValue(Variant(magazineId_))};
    if (dal.DoSelect("SELECT id FROM cms_column WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID(kColumnCounter);
      std::string sql =
          "INSERT INTO cms_column "
          "(id,name,alias,directory,template,namemethod,indextemplate,indexpage,uploaddir,isopen,magazineid) VALUES (" +
          SqlValue(Variant(id_));
      for (const std::string& v : values) sql += "," + v;
      dal.execCommand(sql + ")");
    } else {
      static constexpr const char* kColumns[] = {"name",          "alias",     "directory", "template",
                                                 "namemethod",    "indextemplate", "indexpage", "uploaddir",
                                                 "isopen",        "magazineid"};
      std::string sql = "UPDATE cms_column SET ";
      for (size_t i = 0; i < std::size(kColumns); ++i) sql += (i ? "," : "") + std::string(kColumns[i]) + "=" + values[i];
      dal.execCommand(sql + " WHERE id=" + std::to_string(id_));
    }
    Load(id_);
    return true;
  });
}

bool Column::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    core::comDAL dal;
    deleteSectionRows(dal, kColumnTable, pId);
    return true;
  });
}

std::shared_ptr<db::Recordset> Column::ListAll() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM cms_column order by id"); });
}

int32_t Column::ContentCount(int32_t clid) { return sectionContentCount(clid, false); }

int32_t Column::NewContentCount() { return sectionContentCount(id_, true); }

Variant Column::GenerateIndex() {
  return Variant(content::generateColumnIndex(*this, *content::templateSystemIn(objTemplate_)).text);
}

Variant Column::AttachPublish() { return sectionAttachments(id_); }

Variant Column::AddACLEntry(std::string_view UserID) {
  addSectionEntry(id_, UserID);
  return Variant();
}

Variant Column::DeleteACLEntry(std::string_view UserID) {
  deleteSectionEntry(id_, UserID);
  return Variant();
}

void Column::ClearACLEntry() { clearSectionEntries(id_); }

const DispatchTable<Column>& Column::dispatchTable() {
  static const DispatchTable<Column> table = Members<Column>()
      .property<&Column::Name, &Column::setName>("Name")
      .property<&Column::Alias, &Column::setAlias>("Alias")
      .property<&Column::Directory, &Column::setDirectory>("Directory")
      .property<&Column::Template, &Column::setTemplate>("Template")
      .property<&Column::NameMethod, &Column::setNameMethod>("NameMethod")
      .property<&Column::IndexTemplate, &Column::setIndexTemplate>("IndexTemplate")
      .property<&Column::IndexPage, &Column::setIndexPage>("IndexPage")
      .property<&Column::UploadDir, &Column::setUploadDir>("UploadDir")
      .property<&Column::IsOpen, &Column::setIsOpen>("IsOpen")
      .property<&Column::MagazineID, &Column::setMagazineID>("MagazineID")
      .property<&Column::ChannelSchema, &Column::setChannelSchema>("ChannelSchema")
      .property<&Column::objTemplate, &Column::setObjTemplate>("objTemplate")
      .readOnly<&Column::ID>("ID")
      .method<&Column::Load>("Load")
      .method<&Column::Save>("Save")
      .method<&Column::Del>("Del")
      .method<&Column::ListAll>("ListAll")
      .method<&Column::ContentCount>("ContentCount")
      .method<&Column::NewContentCount>("NewContentCount")
      .method<&Column::GenerateIndex>("GenerateIndex")
      .method<&Column::AttachPublish>("AttachPublish")
      .method<&Column::AddACLEntry>("AddACLEntry")
      .method<&Column::DeleteACLEntry>("DeleteACLEntry")
      .method<&Column::ClearACLEntry>("ClearACLEntry")
      .build();
  return table;
}

}  // namespace corvela::structure
