// Issue (ProgID "Corvela.Issue"): one issue of a magazine, a row of Issue
// named by a year text and a number text, unique as a pair within its
// magazine, with a description and free named attributes kept as XML. Its
// articles are the cms_content rows with its id as issueid.
//
// Status: 1 on creation; publishing sets 2, and page lists take issues of
// status 2 or more.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela {
class Collection;
}

namespace corvela::structure {

class Issue : public DispatchObject<Issue> {
 public:
  static constexpr std::string_view kClassName = "Issue";
  static const DispatchTable<Issue>& dispatchTable();

  Issue();

  std::string IssueYear() const { return issueYear_; }
  void setIssueYear(std::string_view v) { issueYear_ = v; }
  std::string IssueNumber() const { return issueNumber_; }
  void setIssueNumber(std::string_view v) { issueNumber_ = v; }
  std::string CoverPicture() const { return coverPicture_; }
  void setCoverPicture(std::string_view v) { coverPicture_ = v; }
  OleDate PublishDate() const { return publishDate_; }
  void setPublishDate(OleDate v) { publishDate_ = v; }
  OleDate CreateDate() const { return createDate_; }
  void setCreateDate(OleDate v) { createDate_ = v; }
  int32_t Status() const { return status_; }
  void setStatus(int32_t v) { status_ = v; }
  int32_t MagazineID() const { return magazineId_; }
  void setMagazineID(int32_t v) { magazineId_ = v; }
  std::string Description() const { return description_; }
  void setDescription(std::string_view v) { description_ = v; }
  std::string ExtProperty() const { return extProperty_; }
  void setExtProperty(std::string_view v) { extProperty_ = v; }
  std::shared_ptr<Object> objTemplate() const { return objTemplate_; }
  void setObjTemplate(std::shared_ptr<Object> object) { objTemplate_ = std::move(object); }
  int32_t ID() const { return id_; }

  // 1050 "NoRecord" when there is no such issue.
  bool Load(int32_t pId);
  // 1051 without a year or a number; 6145 "Issue.Save" when the magazine
  // has another issue with the same year and number. The test and the write
  // run under the database's write lock, so two saves at once cannot both
  // take one pair.
  bool Save();
  // Deletes the issue with its articles, their pages, property values and
  // search rows, in one transaction. Generated files stay.
  bool Del(int32_t pId);
  std::shared_ptr<Collection> AllAttribute();
  std::string GetAttribute(std::string_view attName);
  void SetAttribute(std::string_view attName, std::string_view attValue);

 private:
  int32_t id_ = -1;
  std::string issueYear_;
  std::string issueNumber_ = "1";
  std::string coverPicture_;
  OleDate publishDate_;
  OleDate createDate_;
  int32_t status_ = 1;
  int32_t magazineId_ = -1;
  std::string description_, extProperty_;
  std::shared_ptr<Object> objTemplate_;
};

inline constexpr int32_t kDuplicateIssueError = 6145;

}  // namespace corvela::structure
