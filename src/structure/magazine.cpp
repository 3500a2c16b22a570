// Magazine over the Magazine table.
#include "structure/magazine.h"

#include "content/magazine_generation.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/path_parts.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/oledate.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "structure/acl.h"
#include "structure/attribute_document.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/section_rows.h"

namespace corvela::structure {
namespace {

using core::SqlValue;

constexpr const char* kMagazineCounter = "cms_channel";  // shared with channels and columns
constexpr const char* kEmptyName = "The Column Name can not be empty!";

// Limits of the columns, in characters (UTF-16 units).
constexpr size_t kNameLimit = 50;
constexpr size_t kPathLimit = 500;
constexpr size_t kIssueTextLimit = 50;

Variant text(const std::string& value) { return Variant(value); }

template <class Record>
std::shared_ptr<Collection> loadedById(const std::string& query) {
  auto records = std::make_shared<Collection>();
  for (auto rows = core::comDAL().DoSelect(query); !rows->eof(); rows->moveNext()) {
    auto record = std::make_shared<Record>();
    record->Load(core::longValue(rows->value("id")));
    records->add(Variant(std::shared_ptr<Object>(record)));
  }
  return records;
}

template <class Record>
std::vector<std::shared_ptr<Record>> itemsOf(const Collection& records) {
  std::vector<std::shared_ptr<Record>> items;
  for (size_t i = 0; i < records.size(); ++i) items.push_back(std::static_pointer_cast<Record>(records.at(i).rawObject()));
  return items;
}

}  // namespace

std::string currentYearText() { return std::to_string(partsFromOleDate(oleDateNow()).year); }

Magazine::Magazine() : currentYear_(currentYearText()) {}

bool Magazine::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT * FROM Magazine WHERE id = " + std::to_string(pId));
    if (row->eof()) core::raiseNoRecord();
    id_ = core::longValue(row->value("id"));
    name_ = core::textValue(row->value("name"));
    alias_ = core::textValue(row->value("alias"));
    directory_ = core::textValue(row->value("directory"));
    coverPage_ = core::textValue(row->value("coverpage"));
    coverTemplate_ = core::textValue(row->value("covertemplate"));
    indexPage_ = core::textValue(row->value("indexpage"));
    indexTemplate_ = core::textValue(row->value("indextemplate"));
    coverPicture_ = core::textValue(row->value("coverpicture"));
    isOpen_ = core::longValue(row->value("isopen")) != 0;
    currentYear_ = core::textValue(row->value("currentyear"));
    currentIssue_ = core::textValue(row->value("currentissue"));
    currentIssueId_ = core::longValue(row->value("currentissueid"), -1);
    extProperty_ = core::textValue(row->value("extProperty"));
    return true;
  });
}

void Magazine::validateAndPrepare() {
  InputChecks checks;
  checks.require(!name_.empty(), kEmptyName);
  checks.raiseIfFailed();
  name_ = core::preparedText(name_, kNameLimit);
  for (std::string* path : {&directory_, &coverPage_, &coverTemplate_, &indexTemplate_, &indexPage_, &coverPicture_})
    *path = core::preparedText(*path, kPathLimit);
  currentYear_ = core::preparedText(currentYear_, kIssueTextLimit);
  currentIssue_ = core::preparedText(currentIssue_, kIssueTextLimit);
  coverPage_ = core::FileNameOf(coverPage_);
  indexPage_ = core::FileNameOf(indexPage_);
}

bool Magazine::Save() {
  return core::runVoting(nullptr, [&] {
    validateAndPrepare();
    core::comDAL dal;
    const std::string values[] = {SqlValue(text(name_)),          SqlValue(text(alias_)),
                                  SqlValue(text(directory_)),     SqlValue(text(coverPage_)),
                                  SqlValue(text(coverTemplate_)), SqlValue(text(indexPage_)),
                                  SqlValue(text(indexTemplate_)), SqlValue(text(coverPicture_)),
                                  SqlValue(Variant(isOpen_)),     SqlValue(text(currentYear_)),
                                  SqlValue(text(currentIssue_)),  SqlValue(Variant(currentIssueId_))};
    if (dal.DoSelect("SELECT id FROM Magazine WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID(kMagazineCounter);
      std::string sql =
          "INSERT INTO Magazine (id,name,alias,directory,coverpage,covertemplate,indexpage,indextemplate"
          ",coverpicture,isopen,currentyear,currentissue,currentissueid) VALUES (" +
          SqlValue(Variant(id_));
      for (const std::string& value : values) sql += "," + value;
      dal.execCommand(sql + ")");
    } else {
      static constexpr const char* kColumns[] = {"name",          "alias",      "directory",  "CoverPage",
                                                 "CoverTemplate", "IndexPage",  "indextemplate", "CoverPicture",
                                                 "isopen",        "CurrentYear", "CurrentIssue", "CurrentIssueid"};
      std::string sql = "UPDATE Magazine SET ";
      for (size_t i = 0; i < std::size(kColumns); ++i) sql += (i ? "," : "") + std::string(kColumns[i]) + "=" + values[i];
      dal.execCommand(sql + " WHERE id=" + std::to_string(id_));
    }
    std::string longText[] = {extProperty_};
    dal.connection()->execute("UPDATE Magazine SET ExtProperty=? WHERE id=" + std::to_string(id_), longText);
    Load(id_);
    return true;
  });
}

bool Magazine::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    for (const auto& column : itemsOf<Column>(*Columns())) column->Del(column->ID());
    for (const auto& issue : itemsOf<Issue>(*Issues())) issue->Del(issue->ID());
    core::comDAL dal;
    const std::string id = std::to_string(pId);
    dal.execCommand("DELETE FROM Magazine  WHERE id=" + id);
    dal.execCommand("DELETE FROM cms_attach WHERE columnid=" + id);
    dal.execCommand("DELETE FROM cms_acl WHERE Resource='" + sectionResource(pId) + "'");
    return true;
  });
}

std::shared_ptr<db::Recordset> Magazine::ListAll() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM Magazine order by id"); });
}

std::shared_ptr<Collection> Magazine::Columns() {
  return core::runVoting(nullptr, [&] {
    return loadedById<Column>("SELECT id FROM cms_column WHERE MagazineID=" + std::to_string(id_) + " order by id");
  });
}

std::shared_ptr<Collection> Magazine::Issues() {
  return core::runVoting(nullptr, [&] {
    return loadedById<Issue>("SELECT id FROM Issue WHERE MagazineID=" + std::to_string(id_) +
                             " order by IssueYear DESC,IssueNumber DESC,id DESC");
  });
}

std::shared_ptr<Collection> Magazine::AllAttribute() { return allAttributes(extProperty_, kMagazineAttributes); }

std::string Magazine::GetAttribute(std::string_view attName) {
  return attributeValue(extProperty_, kMagazineAttributes, attName);
}

void Magazine::SetAttribute(std::string_view attName, std::string_view attValue) {
  extProperty_ = withAttribute(extProperty_, kMagazineAttributes, attName, attValue);
}

Variant Magazine::AttachPublish() { return sectionAttachments(id_); }

Variant Magazine::AddACLEntry(std::string_view UserID) {
  addSectionEntry(id_, UserID);
  return Variant();
}

Variant Magazine::DeleteACLEntry(std::string_view UserID) {
  deleteSectionEntry(id_, UserID);
  return Variant();
}

void Magazine::ClearACLEntry() { clearSectionEntries(id_); }

Variant Magazine::ApplyACLToChild() {
  core::runVoting(nullptr, [&] {
    std::vector<std::string> users;
    for (auto entries = ACL().ListAllEntry(sectionResource(id_)); !entries->eof(); entries->moveNext())
      users.push_back(core::textValue(entries->value("userid")));
    for (const auto& column : itemsOf<Column>(*Columns())) {
      column->ClearACLEntry();
      for (const std::string& user : users) column->AddACLEntry(user);
    }
  });
  return Variant();
}

Variant Magazine::ApplySchemaToChild() { return Variant(); }

const DispatchTable<Magazine>& Magazine::dispatchTable() {
  static const DispatchTable<Magazine> table = Members<Magazine>()
      .property<&Magazine::Name, &Magazine::setName>("Name")
      .property<&Magazine::Alias, &Magazine::setAlias>("Alias")
      .property<&Magazine::Directory, &Magazine::setDirectory>("Directory")
      .property<&Magazine::CoverPage, &Magazine::setCoverPage>("CoverPage")
      .property<&Magazine::CoverTemplate, &Magazine::setCoverTemplate>("CoverTemplate")
      .property<&Magazine::IndexPage, &Magazine::setIndexPage>("IndexPage")
      .property<&Magazine::IndexTemplate, &Magazine::setIndexTemplate>("IndexTemplate")
      .property<&Magazine::CoverPicture, &Magazine::setCoverPicture>("CoverPicture")
      .property<&Magazine::ExtProperty, &Magazine::setExtProperty>("ExtProperty")
      .property<&Magazine::IsOpen, &Magazine::setIsOpen>("IsOpen")
      .property<&Magazine::CurrentYear, &Magazine::setCurrentYear>("CurrentYear")
      .property<&Magazine::CurrentIssue, &Magazine::setCurrentIssue>("CurrentIssue")
      .property<&Magazine::CurrentIssueId, &Magazine::setCurrentIssueId>("CurrentIssueId")
      .property<&Magazine::objTemplate, &Magazine::setObjTemplate>("objTemplate")
      .readOnly<&Magazine::ID>("ID")
      .method<&Magazine::Load>("Load")
      .method<&Magazine::Save>("Save")
      .method<&Magazine::Del>("Del")
      .method<&Magazine::ListAll>("ListAll")
      .method<&Magazine::Columns>("Columns")
      .method<&Magazine::Issues>("Issues")
      .method<&Magazine::AllAttribute>("AllAttribute")
      .method<&Magazine::GetAttribute>("GetAttribute")
      .method<&Magazine::SetAttribute>("SetAttribute")
      .method<&Magazine::AttachPublish>("AttachPublish")
      .method<&Magazine::AddACLEntry>("AddACLEntry")
      .method<&Magazine::DeleteACLEntry>("DeleteACLEntry")
      .method<&Magazine::ClearACLEntry>("ClearACLEntry")
      .method<&Magazine::ApplyACLToChild>("ApplyACLToChild")
      .method<&Magazine::ApplySchemaToChild>("ApplySchemaToChild")
      .entry({.name = "Generate", .call = [](Magazine& self, Args) {
                content::magazineGenerateMember(self);
                return Variant();
              }})
      .build();
  return table;
}

}  // namespace corvela::structure
