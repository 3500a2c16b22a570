// Collection: ordered items with optional case-insensitive keys.
#include "platform/automation/collection.h"

#include <algorithm>

#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"

namespace corvela {

namespace {

// Keys compare caselessly, so the map holds them lower-cased.
std::string foldKey(std::string_view key) { return text::toLower(key); }

}  // namespace

const DispatchTable<Collection>& Collection::dispatchTable() {
  static const DispatchTable<Collection> table{
      {.name = "Item",
       .get = [](Collection& self, Args args) -> Variant { return self.Item(args[0]); },
       .minArgs = 1,
       .maxArgs = 1,
       .isDefault = true},
      {.name = "Add",
       .call = [](Collection& self, Args args) -> Variant {
         self.Add(args[0], argOr(args, 1, Variant::missing()), argOr(args, 2, Variant::missing()),
                  argOr(args, 3, Variant::missing()));
         return Variant();
       },
       .minArgs = 1,
       .maxArgs = 4},
      {.name = "Count", .get = [](Collection& self, Args) -> Variant { return Variant(self.Count()); }},
      {.name = "Remove",
       .call = [](Collection& self, Args args) -> Variant {
         self.Remove(args[0]);
         return Variant();
       },
       .minArgs = 1,
       .maxArgs = 1},
  };
  return table;
}

size_t Collection::positionOf(const Variant& index) const {
  Variant value = index.dereferenced();
  if (value.isString()) {
    auto found = byKey_.find(foldKey(value.rawString()));
    if (found == byKey_.end()) raiseRuntimeError(5);
    auto it = std::find(entries_.begin(), entries_.end(), found->second);
    return static_cast<size_t>(it - entries_.begin());
  }
  int32_t n = value.toLong();
  if (n < 1 || n > Count()) raiseRuntimeError(9);
  return static_cast<size_t>(n - 1);
}

void Collection::insert(Variant item, std::string key, size_t position) {
  auto entry = std::make_shared<Entry>();
  entry->item = std::move(item);
  if (!key.empty()) {
    std::string folded = foldKey(key);
    if (byKey_.count(folded)) raiseRuntimeError(457);
    entry->foldedKey = folded;
    byKey_.emplace(std::move(folded), entry);
  }
  entries_.insert(entries_.begin() + static_cast<ptrdiff_t>(position), std::move(entry));
}

void Collection::Add(const Variant& item, const Variant& key, const Variant& before, const Variant& after) {
  bool hasBefore = !before.isMissing(), hasAfter = !after.isMissing();
  if (hasBefore && hasAfter) raiseRuntimeError(5);
  size_t position = entries_.size();
  if (hasBefore) position = positionOf(before);
  if (hasAfter) position = positionOf(after) + 1;
  std::string keyText = key.isMissing() ? std::string() : key.toString();
  insert(item, std::move(keyText), position);
}

Variant Collection::Item(const Variant& index) const { return entries_[positionOf(index)]->item; }

void Collection::Remove(const Variant& index) {
  size_t position = positionOf(index);
  const std::shared_ptr<Entry>& entry = entries_[position];
  if (!entry->foldedKey.empty()) byKey_.erase(entry->foldedKey);
  entries_.erase(entries_.begin() + static_cast<ptrdiff_t>(position));
}

void Collection::add(Variant item, std::string_view key) { insert(std::move(item), std::string(key), entries_.size()); }

const Variant* Collection::find(std::string_view key) const {
  auto found = byKey_.find(foldKey(key));
  return found == byKey_.end() ? nullptr : &found->second->item;
}

std::unique_ptr<Enumerator> Collection::newEnum() {
  std::vector<Variant> items;
  items.reserve(entries_.size());
  for (const auto& entry : entries_) items.push_back(entry->item);
  return enumerateSnapshot(std::move(items));
}

}  // namespace corvela
