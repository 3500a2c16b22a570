// Channel (ProgID "Corvela.Channel"): one row of cms_channel, a section of
// the site with its templates, upload folder, property schema, attachments
// and access entries. Its place in the channel tree is kept by
// ChannelManager, under the channel's Name.
//
// Del removes the row and everything hanging on it in one transaction: a
// failure part-way leaves every row as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::structure {

class Schema;

class Channel : public DispatchObject<Channel> {
 public:
  static constexpr std::string_view kClassName = "Channel";
  static const DispatchTable<Channel>& dispatchTable();

  Channel();
  ~Channel() override;

  std::string Name() const { return name_; }
  void setName(std::string_view v) { name_ = v; }
  std::string Alias() const { return alias_; }
  void setAlias(std::string_view v) { alias_ = v; }
  std::string Template() const { return template_; }
  void setTemplate(std::string_view v) { template_ = v; }
  std::string NameMethod() const { return nameMethod_; }
  void setNameMethod(std::string_view v) { nameMethod_ = v; }
  std::string IndexTemplate() const { return indexTemplate_; }
  void setIndexTemplate(std::string_view v) { indexTemplate_ = v; }
  std::string IndexPath() const { return indexPath_; }
  void setIndexPath(std::string_view v) { indexPath_ = v; }
  std::string UploadDir() const { return uploadDir_; }
  void setUploadDir(std::string_view v) { uploadDir_ = v; }
  int32_t IndexPagesize() const { return indexPagesize_; }
  void setIndexPagesize(int32_t v) { indexPagesize_ = v; }
  // A fresh Schema when none is set.
  std::shared_ptr<Schema> ChannelSchema();
  void setChannelSchema(std::shared_ptr<Schema> schema);
  int32_t ReserveDays() const { return reserveDays_; }
  void setReserveDays(int32_t v) { reserveDays_ = v; }
  bool IsOpen() const { return isOpen_; }
  void setIsOpen(bool v) { isOpen_ = v; }
  // The template object index generation uses; Nothing until set.
  std::shared_ptr<Object> objTemplate() const { return objTemplate_; }
  void setObjTemplate(std::shared_ptr<Object> object) { objTemplate_ = std::move(object); }

  int32_t ID() const { return id_; }
  // 1050 "NoRecord" when there is no such row.
  bool Load(int32_t pId);
  // Validates (1051 with the collected messages), cuts the texts to their
  // limits, then inserts a new row or updates the row; an existing channel's
  // tree element is renamed to Name first (555 "Nocolumn" when it has none).
  bool Save();
  bool Del(int32_t pId);
  std::shared_ptr<db::Recordset> ListAll();
  int32_t ContentCount(int32_t clid);
  // Content of the channel not yet published (status below 3).
  int32_t NewContentCount(int32_t clid);
  bool GetOpenStatus(int32_t clid);
  // Writes the channel's index pages and attached files; returns the report.
  Variant GenerateIndex();
  // Submitted content (status 3) of this channel becomes published (5),
  // then GenerateIndex; returns its report.
  std::string Publish();
  Variant AttachPublish();
  Variant AddACLEntry(std::string_view UserID);
  Variant DeleteACLEntry(std::string_view UserID);
  void ClearACLEntry();
  // Copies this channel's access entries (or custom properties) to every
  // channel below it.
  Variant ApplyACLToChild();
  Variant ApplySchemaToChild();

  // "CHANNEL_" + id: the access resource of a channel or column.
  std::string aclResource() const;

 private:
  void validateAndPrepare();
  std::vector<std::shared_ptr<Channel>> subChannels();

  int32_t id_ = -1;
  std::string name_ = " ";
  std::string alias_, template_, nameMethod_, indexTemplate_, indexPath_, uploadDir_;
  int32_t indexPagesize_ = 20;
  int32_t reserveDays_ = 7;
  bool isOpen_ = true;
  std::shared_ptr<Schema> schema_;
  std::shared_ptr<Object> objTemplate_;
};

}  // namespace corvela::structure
