// Schema2 (ProgID "Corvela.Schema2"): the five free text slots Ext1 ... Ext5
// of a channel or column, one ChannelSchema2 row per channel at most.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::structure {

class Schema2 : public DispatchObject<Schema2> {
 public:
  static constexpr std::string_view kClassName = "Schema2";
  static const DispatchTable<Schema2>& dispatchTable();

  std::string Ext1() const { return ext_[0]; }
  void setExt1(std::string_view text) { ext_[0] = text; }
  std::string Ext2() const { return ext_[1]; }
  void setExt2(std::string_view text) { ext_[1] = text; }
  std::string Ext3() const { return ext_[2]; }
  void setExt3(std::string_view text) { ext_[2] = text; }
  std::string Ext4() const { return ext_[3]; }
  void setExt4(std::string_view text) { ext_[3] = text; }
  std::string Ext5() const { return ext_[4]; }
  void setExt5(std::string_view text) { ext_[4] = text; }

  // Reads the channel's row when there is one (the slots keep their values
  // otherwise) and remembers the channel in either case.
  void Load(int32_t acid);
  // Inserts or updates the row of the remembered channel.
  void Save();

  int32_t channelId() const { return channelId_; }

 private:
  std::array<std::string, 5> ext_;
  int32_t channelId_ = -1;
};

}  // namespace corvela::structure
