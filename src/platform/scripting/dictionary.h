// Scripting.Dictionary: keys of any type mapped to items, in insertion order.
// Numbers of any numeric type are one key when their values are equal; a
// number and a string never are (1 and "1" are different keys). Objects are
// keys by identity. With CompareMode 1 (text) or 2 (database), string keys
// compare case-insensitively. Reading a missing key through Item adds it
// with an Empty item, as Windows does.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::scripting {

class Dictionary : public DispatchObject<Dictionary> {
 public:
  static constexpr std::string_view kClassName = "Dictionary";
  static const DispatchTable<Dictionary>& dispatchTable();

  void Add(const Variant& key, const Variant& item);  // 457 when the key is there
  bool Exists(const Variant& key) const;
  Variant Item(const Variant& key);                    // adds a missing key
  void setItem(const Variant& key, const Variant& item);
  Variant Items() const;  // array, lower bound 0
  Variant Keys() const;
  void Remove(const Variant& key);  // 32811 when missing
  void RemoveAll();
  int32_t Count() const { return static_cast<int32_t>(index_.size()); }
  void setKey(const Variant& key, const Variant& newKey);  // Key (let)
  int32_t CompareMode() const { return compareMode_; }
  void setCompareMode(int32_t mode);  // 5 when items exist or mode is unknown

  std::unique_ptr<Enumerator> newEnum() override;

 private:
  struct Entry {
    Variant key;
    Variant item;
    bool removed = false;
  };

  // The lookup form of a key: a type tag and the value's bytes.
  std::string lookupKey(const Variant& key) const;
  Entry* find(const Variant& key);
  void append(const std::string& lookup, const Variant& key, const Variant& item);
  void compact();

  std::vector<Entry> entries_;  // insertion order; removed entries until compact()
  std::unordered_map<std::string, size_t> index_;
  size_t removedCount_ = 0;
  int32_t compareMode_ = 0;
};

}  // namespace corvela::scripting
