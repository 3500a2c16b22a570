// Channel over the cms_channel table.
#include "structure/channel.h"

#include "content/generated_file.h"
#include "content/index_generation.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "structure/channel_manager.h"
#include "structure/schema.h"
#include "structure/section_rows.h"

namespace corvela::structure {

namespace {

using core::SqlValue;

constexpr const char* kChannelTable = "cms_channel";
constexpr const char* kChannelCounter = "cms_channel";
constexpr const char* kEmptyName = "The Column Name can not be empty!";
constexpr const char* kEmptyTemplate = "The TemplateFile can not be empty!";
constexpr const char* kEmptyNameMethod = "The NameMethod can not be empty!";

// Limits of the columns, in characters (UTF-16 units).
constexpr size_t kNameLimit = 50;
constexpr size_t kTemplateLimit = 100;
constexpr size_t kLongTextLimit = 255;

Variant text(const std::string& value) { return Variant(value); }

}  // namespace

Channel::Channel() = default;
Channel::~Channel() = default;

std::shared_ptr<Schema> Channel::ChannelSchema() {
  if (!schema_) schema_ = std::make_shared<Schema>();
  return schema_;
}

void Channel::setChannelSchema(std::shared_ptr<Schema> schema) { schema_ = std::move(schema); }

std::string Channel::aclResource() const { return sectionResource(id_); }

bool Channel::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT * FROM cms_channel WHERE id = " + std::to_string(pId));
    if (row->eof()) core::raiseNoRecord();
    id_ = core::longValue(row->value("id"));
    name_ = core::textValue(row->value("name"));
    alias_ = core::textValue(row->value("alias"));
    template_ = core::textValue(row->value("template"));
    nameMethod_ = core::textValue(row->value("namemethod"));
    indexTemplate_ = core::textValue(row->value("indextemplate"));
    indexPath_ = core::textValue(row->value("indexpath"));
    uploadDir_ = core::textValue(row->value("uploaddir"));
    indexPagesize_ = core::longValue(row->value("indexpagesize"));
    reserveDays_ = core::longValue(row->value("reservedays"));
    isOpen_ = core::longValue(row->value("isopen")) != 0;
    ChannelSchema()->Load(id_);
    return true;
  });
}

void Channel::validateAndPrepare() {
  InputChecks checks;
  checks.require(!name_.empty(), kEmptyName);
  checks.require(!template_.empty(), kEmptyTemplate);
  checks.require(!nameMethod_.empty(), kEmptyNameMethod);
  checks.raiseIfFailed();
  name_ = core::preparedText(name_, kNameLimit);
  template_ = core::preparedText(template_, kTemplateLimit);
  nameMethod_ = core::preparedText(nameMethod_, kLongTextLimit);
  indexTemplate_ = core::preparedText(indexTemplate_, kLongTextLimit);
  indexPath_ = core::preparedText(indexPath_, kLongTextLimit);
}

bool Channel::Save() {
  return core::runVoting(nullptr, [&] {
    validateAndPrepare();
    core::comDAL dal;
    if (dal.DoSelect("SELECT id FROM cms_channel WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID(kChannelCounter);
      dal.execCommand(
          "INSERT INTO cms_channel "
          "(id,name,alias,template,namemethod,indextemplate,indexpath,uploaddir,indexpagesize,isopen,reservedays) "
          "VALUES (" +
          SqlValue(Variant(id_)) + "," + SqlValue(text(name_)) + "," + SqlValue(text(alias_)) + "," +
          SqlValue(text(template_)) + "," + SqlValue(text(nameMethod_)) + "," + SqlValue(text(indexTemplate_)) + "," +
          SqlValue(text(indexPath_)) + "," + SqlValue(text(uploadDir_)) + "," + SqlValue(Variant(indexPagesize_)) +
          "," + SqlValue(Variant(isOpen_)) + "," + SqlValue(Variant(reserveDays_)) + ")");
    } else {
      // The tree names the channel by its Name: bring it in line first, so a
      // channel missing from the tree (555) changes nothing.
      ChannelManager().renameChannelById(id_, name_);
      dal.execCommand("UPDATE cms_channel SET name=" + SqlValue(text(name_)) + ",alias=" + SqlValue(text(alias_)) +
                      ",template=" + SqlValue(text(template_)) + ",namemethod=" + SqlValue(text(nameMethod_)) +
                      ",indextemplate=" + SqlValue(text(indexTemplate_)) + ",indexpath=" +
                      SqlValue(text(indexPath_)) + ",uploaddir=" + SqlValue(text(uploadDir_)) +
                      ",indexpagesize=" + SqlValue(Variant(indexPagesize_)) + ",reservedays=" +
                      SqlValue(Variant(reserveDays_)) + ",isopen=" + SqlValue(Variant(isOpen_)) +
                      " WHERE id=" + std::to_string(id_));
    }
    Load(id_);
    return true;
  });
}

bool Channel::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    core::comDAL dal;
    deleteSectionRows(dal, kChannelTable, pId);
    return true;
  });
}

std::shared_ptr<db::Recordset> Channel::ListAll() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM cms_channel order by id"); });
}

int32_t Channel::ContentCount(int32_t clid) { return sectionContentCount(clid, false); }

int32_t Channel::NewContentCount(int32_t clid) { return sectionContentCount(clid, true); }

bool Channel::GetOpenStatus(int32_t clid) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT isopen FROM cms_channel WHERE id=" + std::to_string(clid));
    if (row->eof()) core::raiseNoRecord();
    return core::longValue(row->value("isopen")) != 0;
  });
}

Variant Channel::GenerateIndex() {
  return Variant(content::generateChannelIndex(*this, *content::templateSystemIn(objTemplate_)).text);
}

// One transaction: when the index cannot be written the articles stay
// waiting, so a later Publish still finds them.
std::string Channel::Publish() {
  return core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("UPDATE cms_content SET status=5 WHERE status=3 AND columnid=" + std::to_string(id_));
    return content::generateChannelIndex(*this, *content::templateSystemIn(objTemplate_)).text;
  });
}

Variant Channel::AttachPublish() { return sectionAttachments(id_); }

Variant Channel::AddACLEntry(std::string_view UserID) {
  addSectionEntry(id_, UserID);
  return Variant();
}

Variant Channel::DeleteACLEntry(std::string_view UserID) {
  deleteSectionEntry(id_, UserID);
  return Variant();
}

void Channel::ClearACLEntry() { clearSectionEntries(id_); }

}  // namespace corvela::structure
