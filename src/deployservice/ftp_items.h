// clsItem and colItem: one entry of an FTP directory listing with its
// attribute bits, and the ordered collection of them that ASPFTP keeps from
// its last listing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::deployservice {

// Attribute bits of a listing entry, as Windows find data carries them.
enum ItemAttribute : int32_t {
  kItemReadOnly = 1,
  kItemHidden = 2,
  kItemSystem = 4,
  kItemDirectory = 16,
  kItemArchive = 32,
  kItemNormal = 128,
  kItemTemporary = 256,
  kItemCompressed = 2048,
  kItemOffline = 4096,
};

class clsItem : public DispatchObject<clsItem> {
 public:
  static constexpr std::string_view kClassName = "clsItem";
  static const DispatchTable<clsItem>& dispatchTable();

  clsItem(std::string name, int32_t attributes) : name_(std::move(name)), attributes_(attributes) {}
  const std::string& Name() const { return name_; }
  int32_t Attributes() const { return attributes_; }
  bool bIsReadOnly() const { return has(kItemReadOnly); }
  bool bIsHidden() const { return has(kItemHidden); }
  bool bIsSystem() const { return has(kItemSystem); }
  bool bIsDirectory() const { return has(kItemDirectory); }
  bool bIsArchive() const { return has(kItemArchive); }
  bool bIsNormal() const { return has(kItemNormal); }
  bool bIsTemporary() const { return has(kItemTemporary); }
  bool bIsCompressed() const { return has(kItemCompressed); }
  bool bIsOffline() const { return has(kItemOffline); }

 private:
  bool has(int32_t bit) const { return (attributes_ & bit) != 0; }
  std::string name_;
  int32_t attributes_;
};

class colItem : public DispatchObject<colItem> {
 public:
  static constexpr std::string_view kClassName = "colItem";
  static const DispatchTable<colItem>& dispatchTable();

  void Add(std::string_view name, int32_t attributes);
  // Positions are 1-based; 9 "Subscript out of range" outside 1..Count.
  void Remove(int32_t index);
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  std::shared_ptr<clsItem> Item(int32_t index) const;
  // Removes every entry, from the last to the first.
  void Clear();

 private:
  std::vector<std::shared_ptr<clsItem>> items_;
};

}  // namespace corvela::deployservice
