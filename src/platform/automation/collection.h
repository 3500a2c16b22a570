// Collection: the ordinary scriptable collection (what VBA's Collection
// object was): 1-based Item as the default member, optional text keys that
// compare case-insensitively, Add with Before/After, Count, Remove, and For
// Each in order. C++ code fills and reads it through the same members.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela {

class Collection : public DispatchObject<Collection> {
 public:
  static constexpr std::string_view kClassName = "Collection";
  static const DispatchTable<Collection>& dispatchTable();

  // Add(item, [key], [before], [after]). Before and After name a position by
  // 1-based index or by key; giving both raises 5, an unknown key 5, an index
  // out of range 9, a key already present 457.
  void Add(const Variant& item, const Variant& key = Variant::missing(),
           const Variant& before = Variant::missing(), const Variant& after = Variant::missing());
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  // The item at a 1-based index (9 when out of range) or under a key (5 when absent).
  Variant Item(const Variant& index) const;
  void Remove(const Variant& index);

  // C++ conveniences. An empty key means "no key".
  void add(Variant item, std::string_view key = {});
  // The item under the key, or nullptr.
  const Variant* find(std::string_view key) const;
  // The item at a 0-based position (the caller checks size()).
  const Variant& at(size_t position) const { return entries_[position]->item; }
  size_t size() const { return entries_.size(); }

  // Walks a snapshot of the items, so a loop body may change the collection.
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  struct Entry {
    Variant item;
    std::string foldedKey;  // empty when the item has no key
  };

  size_t positionOf(const Variant& index) const;
  void insert(Variant item, std::string key, size_t position);

  std::vector<std::shared_ptr<Entry>> entries_;
  std::unordered_map<std::string, std::shared_ptr<Entry>> byKey_;
};

}  // namespace corvela
