// Magazine (ProgID "Corvela.Magazine"): a periodical section of the site, a
// row of Magazine with its folder, cover and index pages, the columns that
// hold its articles (cms_column rows with its id as MagazineID), its issues
// and free named attributes kept as XML. Magazines take their ids from the
// channels' counter and their access entries from the resource
// "CHANNEL_" + id, as channels and columns do.
//
// Del removes the magazine with its columns, issues and their articles,
// attachments and access entries in one transaction: a failure part-way
// leaves every row as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela {
class Collection;
}
namespace corvela::db {
class Recordset;
}

namespace corvela::structure {

class Magazine : public DispatchObject<Magazine> {
 public:
  static constexpr std::string_view kClassName = "Magazine";
  static const DispatchTable<Magazine>& dispatchTable();

  Magazine();

  std::string Name() const { return name_; }
  void setName(std::string_view v) { name_ = v; }
  std::string Alias() const { return alias_; }
  void setAlias(std::string_view v) { alias_ = v; }
  std::string Directory() const { return directory_; }
  void setDirectory(std::string_view v) { directory_ = v; }
  std::string CoverPage() const { return coverPage_; }
  void setCoverPage(std::string_view v) { coverPage_ = v; }
  std::string CoverTemplate() const { return coverTemplate_; }
  void setCoverTemplate(std::string_view v) { coverTemplate_ = v; }
  std::string IndexPage() const { return indexPage_; }
  void setIndexPage(std::string_view v) { indexPage_ = v; }
  std::string IndexTemplate() const { return indexTemplate_; }
  void setIndexTemplate(std::string_view v) { indexTemplate_ = v; }
  std::string CoverPicture() const { return coverPicture_; }
  void setCoverPicture(std::string_view v) { coverPicture_ = v; }
  std::string ExtProperty() const { return extProperty_; }
  void setExtProperty(std::string_view v) { extProperty_ = v; }
  bool IsOpen() const { return isOpen_; }
  void setIsOpen(bool v) { isOpen_ = v; }
  std::string CurrentYear() const { return currentYear_; }
  void setCurrentYear(std::string_view v) { currentYear_ = v; }
  std::string CurrentIssue() const { return currentIssue_; }
  void setCurrentIssue(std::string_view v) { currentIssue_ = v; }
  int32_t CurrentIssueId() const { return currentIssueId_; }
  void setCurrentIssueId(int32_t v) { currentIssueId_ = v; }
  // The template object generation uses; Nothing until set.
  std::shared_ptr<Object> objTemplate() const { return objTemplate_; }
  void setObjTemplate(std::shared_ptr<Object> object) { objTemplate_ = std::move(object); }
  int32_t ID() const { return id_; }

  // 1050 "NoRecord" when there is no such magazine.
  bool Load(int32_t pId);
  // 1051 without a name; cuts the texts to their limits (the object keeps
  // the cut values), keeps only the file names of CoverPage and IndexPage,
  // then inserts or updates the row and loads it again.
  bool Save();
  bool Del(int32_t pId);
  std::shared_ptr<db::Recordset> ListAll();
  // The magazine's columns by id, loaded.
  std::shared_ptr<Collection> Columns();
  // The magazine's issues, newest first (year, number, id descending), loaded.
  std::shared_ptr<Collection> Issues();
  // myAttribute objects; Nothing when ExtProperty does not parse.
  std::shared_ptr<Collection> AllAttribute();
  std::string GetAttribute(std::string_view attName);
  // Changes ExtProperty only; Save stores it.
  void SetAttribute(std::string_view attName, std::string_view attValue);
  // The page templates attached to the magazine (Attach.ListAll).
  Variant AttachPublish();
  Variant AddACLEntry(std::string_view UserID);
  Variant DeleteACLEntry(std::string_view UserID);
  void ClearACLEntry();
  // Gives every column exactly the magazine's access entries.
  Variant ApplyACLToChild();
  // Columns keep their own schemas: nothing to do.
  Variant ApplySchemaToChild();

 private:
  void validateAndPrepare();

  int32_t id_ = -1;
  std::string name_ = " ";
  std::string alias_, directory_, coverPage_, coverTemplate_, indexPage_;
  std::string indexTemplate_ = " ";
  std::string coverPicture_, extProperty_;
  bool isOpen_ = true;
  std::string currentYear_;
  std::string currentIssue_ = "1";
  int32_t currentIssueId_ = -1;
  std::shared_ptr<Object> objTemplate_;
};

// The current year as text, what a new magazine or issue starts with.
std::string currentYearText();

}  // namespace corvela::structure
