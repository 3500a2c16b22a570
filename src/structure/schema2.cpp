// Schema2 over the ChannelSchema2 table.
#include "structure/schema2.h"

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::structure {
namespace {

constexpr const char* kSlotNames[] = {"Ext1", "Ext2", "Ext3", "Ext4", "Ext5"};

}  // namespace

void Schema2::Load(int32_t acid) {
  core::runVoting(nullptr, [&] {
    auto rs = core::comDAL().DoSelect("SELECT * FROM ChannelSchema2 WHERE ChannelID=" + std::to_string(acid));
    if (!rs->eof())
      for (size_t i = 0; i < ext_.size(); ++i) ext_[i] = core::textValue(rs->value(kSlotNames[i]));
  });
  channelId_ = acid;
}

void Schema2::Save() {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    std::string id = std::to_string(channelId_);
    if (dal.DoSelect("SELECT ChannelID FROM ChannelSchema2 WHERE ChannelID=" + id)->eof()) {
      std::string sql = "INSERT INTO ChannelSchema2 (ChannelID,Ext1,Ext2,Ext3,Ext4,Ext5) VALUES (" + id;
      for (const std::string& text : ext_) sql += "," + core::quotedSqlText(text);
      dal.execCommand(sql + ")");
    } else {
      std::string sql = "UPDATE ChannelSchema2 SET ";
      for (size_t i = 0; i < ext_.size(); ++i)
        sql += std::string(i ? "," : "") + kSlotNames[i] + "=" + core::quotedSqlText(ext_[i]);
      dal.execCommand(sql + " WHERE ChannelID=" + id);
    }
  });
}

const DispatchTable<Schema2>& Schema2::dispatchTable() {
  static const DispatchTable<Schema2> table = Members<Schema2>()
      .property<&Schema2::Ext1, &Schema2::setExt1>("Ext1")
      .property<&Schema2::Ext2, &Schema2::setExt2>("Ext2")
      .property<&Schema2::Ext3, &Schema2::setExt3>("Ext3")
      .property<&Schema2::Ext4, &Schema2::setExt4>("Ext4")
      .property<&Schema2::Ext5, &Schema2::setExt5>("Ext5")
      .method<&Schema2::Load>("Load")
      .method<&Schema2::Save>("Save")
      .build();
  return table;
}

}  // namespace corvela::structure
