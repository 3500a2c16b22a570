// Issue over the Issue table.
//
// Mended here: the pair test and the write run under the write lock (two
// saves at once could both pass the test and store one pair twice), and
// deleting an issue removes its articles' search rows with them (search
// found deleted articles before).
#include "structure/issue.h"

#include "content/magazine_generation.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/write_transaction.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "structure/attribute_document.h"
#include "structure/magazine.h"
#include "structure/section_rows.h"

namespace corvela::structure {
namespace {

using core::SqlValue;

constexpr const char* kIssueCounter = "issue";
constexpr const char* kNoYear = "年号不能为空!";
constexpr const char* kNoNumber = "期号不能为空!";
constexpr const char* kSaveSource = "Issue.Save";
constexpr const char* kDuplicatePair = "已经有同年同期的期号存在!";

OleDate dateValue(const Variant& cell) { return OleDate{cell.isNull() || cell.isEmpty() ? 0.0 : cell.toDate()}; }

Variant date(OleDate value) { return Variant::fromDate(value.days); }

}  // namespace

Issue::Issue() : issueYear_(currentYearText()), publishDate_{oleDateNow()}, createDate_{publishDate_.days} {}

bool Issue::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT * FROM Issue WHERE id = " + std::to_string(pId));
    if (row->eof()) core::raiseNoRecord();
    id_ = core::longValue(row->value("id"));
    issueYear_ = core::textValue(row->value("issueyear"));
    issueNumber_ = core::textValue(row->value("issuenumber"));
    coverPicture_ = core::textValue(row->value("coverpicture"));
    publishDate_ = dateValue(row->value("publishdate"));
    createDate_ = dateValue(row->value("createdate"));
    status_ = core::longValue(row->value("status"));
    magazineId_ = core::longValue(row->value("magazineid"), -1);
    extProperty_ = core::textValue(row->value("ExtProperty"));
    description_ = core::textValue(row->value("Description"));
    return true;
  });
}

bool Issue::Save() {
  return core::runVoting(nullptr, [&] {
    InputChecks checks;
    checks.require(!issueYear_.empty(), kNoYear);
    checks.require(!issueNumber_.empty(), kNoNumber);
    checks.raiseIfFailed();
    core::comDAL dal;
    core::beginWriteTransaction(dal);
    const std::string pairTest = "SELECT id FROM Issue WHERE IssueYear=" + SqlValue(Variant(issueYear_)) +
                                 " AND issuenumber=" + SqlValue(Variant(issueNumber_)) +
                                 " AND magazineid=" + std::to_string(magazineId_);
    const bool isNew = dal.DoSelect("SELECT id FROM Issue WHERE id= " + std::to_string(id_))->eof();
    if (!dal.DoSelect(isNew ? pairTest : pairTest + " AND id<>" + std::to_string(id_))->eof())
      throw ComError(kDuplicateIssueError, kSaveSource, kDuplicatePair);
    if (isNew) {
      id_ = core::newID(kIssueCounter);
      dal.execCommand("INSERT INTO issue (id,issueyear,issuenumber,coverpicture,publishdate,createdate,status,"
                      "magazineid) VALUES (" +
                      SqlValue(Variant(id_)) + "," + SqlValue(Variant(issueYear_)) + "," +
                      SqlValue(Variant(issueNumber_)) + "," + SqlValue(Variant(coverPicture_)) + "," +
                      SqlValue(date(publishDate_)) + "," + SqlValue(date(createDate_)) + "," +
                      SqlValue(Variant(status_)) + "," + SqlValue(Variant(magazineId_)) + ")");
    } else {
      dal.execCommand("UPDATE issue SET issueyear=" + SqlValue(Variant(issueYear_)) +
                      ",issuenumber=" + SqlValue(Variant(issueNumber_)) +
                      ",coverpicture=" + SqlValue(Variant(coverPicture_)) +
                      ",publishdate=" + SqlValue(date(publishDate_)) + ",createdate=" + SqlValue(date(createDate_)) +
                      ",status=" + SqlValue(Variant(status_)) + ",MagazineID=" + SqlValue(Variant(magazineId_)) +
                      " WHERE id=" + std::to_string(id_));
    }
    std::string longTexts[] = {description_, extProperty_};
    dal.connection()->execute("UPDATE Issue SET Description=?,ExtProperty=? WHERE id=" + std::to_string(id_),
                              longTexts);
    Load(id_);
    return true;
  });
}

bool Issue::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    core::comDAL dal;
    const std::string id = std::to_string(pId);
    const std::string ofArticles = " WHERE contentid IN (SELECT ID from cms_content WHERE issueid=" + id + ")";
    dal.execCommand("DELETE FROM issue  WHERE id=" + id);
    dal.execCommand("DELETE FROM cms_pages WHERE contentid IN (SELECT id FROM cms_content WHERE issueid=" + id + ")");
    dal.execCommand("DELETE FROM contentProperty" + ofArticles);
    dal.execCommand("DELETE FROM SearchMetadata" + ofArticles);
    dal.execCommand("DELETE FROM cms_content WHERE issueid=" + id);
    return true;
  });
}

std::shared_ptr<Collection> Issue::AllAttribute() { return allAttributes(extProperty_, kIssueAttributes); }

std::string Issue::GetAttribute(std::string_view attName) {
  return attributeValue(extProperty_, kIssueAttributes, attName);
}

void Issue::SetAttribute(std::string_view attName, std::string_view attValue) {
  extProperty_ = withAttribute(extProperty_, kIssueAttributes, attName, attValue);
}

const DispatchTable<Issue>& Issue::dispatchTable() {
  static const DispatchTable<Issue> table = Members<Issue>()
      .property<&Issue::IssueYear, &Issue::setIssueYear>("IssueYear")
      .property<&Issue::IssueNumber, &Issue::setIssueNumber>("IssueNumber")
      .property<&Issue::CoverPicture, &Issue::setCoverPicture>("CoverPicture")
      .property<&Issue::PublishDate, &Issue::setPublishDate>("PublishDate")
      .property<&Issue::CreateDate, &Issue::setCreateDate>("CreateDate")
      .property<&Issue::Status, &Issue::setStatus>("Status")
      .property<&Issue::MagazineID, &Issue::setMagazineID>("MagazineID")
      .property<&Issue::Description, &Issue::setDescription>("Description")
      .property<&Issue::ExtProperty, &Issue::setExtProperty>("ExtProperty")
      .property<&Issue::objTemplate, &Issue::setObjTemplate>("objTemplate")
      .readOnly<&Issue::ID>("ID")
      .method<&Issue::Load>("Load")
      .method<&Issue::Save>("Save")
      .method<&Issue::Del>("Del")
      .method<&Issue::AllAttribute>("AllAttribute")
      .method<&Issue::GetAttribute>("GetAttribute")
      .method<&Issue::SetAttribute>("SetAttribute")
      .entry({.name = "Generate", .call = [](Issue& self, Args) {
                content::issueGenerateMember(self);
                return Variant();
              }})
      .entry({.name = "Publish", .call = [](Issue& self, Args) {
                content::issuePublishMember(self);
                return Variant();
              }})
      .build();
  return table;
}

}  // namespace corvela::structure
