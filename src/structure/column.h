// Column (ProgID "Corvela.Column"): one row of cms_column, a content section
// of a magazine. Columns take their ids from the channels' counter, so a
// columnid names exactly one channel or column; they are not in the channel
// tree.
//
// Del removes the row and everything hanging on it in one transaction: a
// failure part-way leaves every row as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::structure {

class Schema;

class Column : public DispatchObject<Column> {
 public:
  static constexpr std::string_view kClassName = "Column";
  static const DispatchTable<Column>& dispatchTable();

  Column();
  ~Column() override;

  std::string Name() const { return name_; }
  void setName(std::string_view v) { name_ = v; }
  std::string Alias() const { return alias_; }
  void setAlias(std::string_view v) { alias_ = v; }
  std::string Directory() const { return directory_; }
  void setDirectory(std::string_view v) { directory_ = v; }
  std::string Template() const { return template_; }
  void setTemplate(std::string_view v) { template_ = v; }
  std::string NameMethod() const { return nameMethod_; }
  void setNameMethod(std::string_view v) { nameMethod_ = v; }
  std::string IndexTemplate() const { return indexTemplate_; }
  void setIndexTemplate(std::string_view v) { indexTemplate_ = v; }
  std::string IndexPage() const { return indexPage_; }
  void setIndexPage(std::string_view v) { indexPage_ = v; }
  std::string UploadDir() const { return uploadDir_; }
  void setUploadDir(std::string_view v) { uploadDir_ = v; }
  bool IsOpen() const { return isOpen_; }
  void setIsOpen(bool v) { isOpen_ = v; }
  int32_t MagazineID() const { return magazineId_; }
  void setMagazineID(int32_t v) { magazineId_ = v; }
  // A fresh Schema when none is set.
  std::shared_ptr<Schema> ChannelSchema();
  void setChannelSchema(std::shared_ptr<Schema> schema);
  std::shared_ptr<Object> objTemplate() const { return objTemplate_; }
  void setObjTemplate(std::shared_ptr<Object> object) { objTemplate_ = std::move(object); }

  int32_t ID() const { return id_; }
  // 1050 "NoRecord" when there is no such row.
  bool Load(int32_t pId);
  // Validates (1051 with the collected messages), cuts the texts to their
  // limits, then inserts a new row or updates the row.
  bool Save();
  bool Del(int32_t pId);
  std::shared_ptr<db::Recordset> ListAll();
  int32_t ContentCount(int32_t clid);
  // Content of this column not yet published (status below 3).
  int32_t NewContentCount();
  // Writes one index page per year of the magazine's published issues and
  // the column's attached files; returns the report.
  Variant GenerateIndex();
  Variant AttachPublish();
  Variant AddACLEntry(std::string_view UserID);
  Variant DeleteACLEntry(std::string_view UserID);
  void ClearACLEntry();

 private:
  void validateAndPrepare();

  int32_t id_ = -1;
  std::string name_ = " ";
  std::string alias_, directory_, template_, nameMethod_, indexTemplate_, indexPage_, uploadDir_;
  bool isOpen_ = true;
  int32_t magazineId_ = -1;
  std::shared_ptr<Schema> schema_;
  std::shared_ptr<Object> objTemplate_;
};

}  // namespace corvela::structure
