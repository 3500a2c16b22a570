// Attach (ProgID "Corvela.Attach"): an attachment of a channel or column, a
// further template rendered into a further file whenever that channel's or
// column's index is generated. A row of cms_attach.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::content {

class Attach : public DispatchObject<Attach> {
 public:
  static constexpr std::string_view kClassName = "Attach";
  static const DispatchTable<Attach>& dispatchTable();

  std::string Template() const { return template_; }
  void setTemplate(std::string_view text) { template_ = text; }
  std::string FileName() const { return fileName_; }
  void setFileName(std::string_view text) { fileName_ = text; }
  int32_t Columnid() const { return columnId_; }
  void setColumnid(int32_t id) { columnId_ = id; }
  int32_t ID() const { return id_; }

  // 1050 "NoRecord" when there is no such attachment.
  bool Load(int32_t pId);
  // Cuts Template and FileName to 255 characters (" " when empty), refuses
  // blank ones with 1051, inserts or updates the row and loads it again.
  bool Save();
  // Deletes the row; generated files stay.
  bool Del(int32_t pId);
  // The attachments of a channel or column by id.
  std::shared_ptr<db::Recordset> ListAll(int32_t colid);

 private:
  int32_t id_ = -1;
  std::string template_ = " ";
  std::string fileName_ = " ";
  int32_t columnId_ = -1;
};

// The longest template or file name kept, in characters.
inline constexpr size_t kAttachTextLimit = 255;

}  // namespace corvela::content
