// Scripting.Dictionary (see dictionary.h) and its member table.
#include "platform/scripting/dictionary.h"

#include <cstring>

#include "platform/text/utf8.h"

namespace corvela::scripting {
namespace {

constexpr int32_t kBinaryCompare = 0;
constexpr int32_t kDatabaseCompare = 2;

std::string taggedBytes(char tag, const void* data, size_t size) {
  std::string out(1, tag);
  out.append(static_cast<const char*>(data), size);
  return out;
}

}  // namespace

std::string Dictionary::lookupKey(const Variant& key) const {
  switch (key.type()) {
    case VarType::Empty:
      return "e";
    case VarType::Null:
      return "z";
    case VarType::Boolean:
      return key.rawBool() ? "b1" : "b0";
    case VarType::String:
      return "s" + (compareMode_ == kBinaryCompare ? std::string(key.rawString())
                                                   : text::toLower(key.rawString()));
    case VarType::Object: {
      const Object* object = key.rawObject().get();
      return taggedBytes('o', &object, sizeof object);
    }
    case VarType::Date: {
      double value = key.rawDate();
      return taggedBytes('d', &value, sizeof value);
    }
    case VarType::Error: {
      int32_t code = key.rawError();
      return taggedBytes('r', &code, sizeof code);
    }
    case VarType::Array:
      raiseRuntimeError(13);
    default: {
      // Every numeric type: equal values are one key (1 As Integer = 1.0).
      double value = key.toDouble();
      if (value == 0) value = 0;  // -0 and 0 are one key
      return taggedBytes('n', &value, sizeof value);
    }
  }
}

Dictionary::Entry* Dictionary::find(const Variant& key) {
  auto it = index_.find(lookupKey(key));
  return it == index_.end() ? nullptr : &entries_[it->second];
}

void Dictionary::append(const std::string& lookup, const Variant& key, const Variant& item) {
  index_.emplace(lookup, entries_.size());
  entries_.push_back({key, item});
}

void Dictionary::compact() {
  std::vector<Entry> kept;
  kept.reserve(index_.size());
  for (Entry& entry : entries_)
    if (!entry.removed) kept.push_back(std::move(entry));
  entries_ = std::move(kept);
  index_.clear();
  for (size_t i = 0; i < entries_.size(); ++i) index_.emplace(lookupKey(entries_[i].key), i);
  removedCount_ = 0;
}

void Dictionary::Add(const Variant& key, const Variant& item) {
  std::string lookup = lookupKey(key);
  if (index_.count(lookup)) raiseRuntimeError(457);
  append(lookup, key, item);
}

bool Dictionary::Exists(const Variant& key) const { return index_.count(lookupKey(key)) > 0; }

Variant Dictionary::Item(const Variant& key) {
  std::string lookup = lookupKey(key);
  auto it = index_.find(lookup);
  if (it != index_.end()) return entries_[it->second].item;
  append(lookup, key, Variant());
  return Variant();
}

void Dictionary::setItem(const Variant& key, const Variant& item) {
  std::string lookup = lookupKey(key);
  auto it = index_.find(lookup);
  if (it != index_.end())
    entries_[it->second].item = item;
  else
    append(lookup, key, item);
}

Variant Dictionary::Items() const {
  std::vector<Variant> items;
  items.reserve(index_.size());
  for (const Entry& entry : entries_)
    if (!entry.removed) items.push_back(entry.item);
  return Variant::array(std::move(items));
}

Variant Dictionary::Keys() const {
  std::vector<Variant> keys;
  keys.reserve(index_.size());
  for (const Entry& entry : entries_)
    if (!entry.removed) keys.push_back(entry.key);
  return Variant::array(std::move(keys));
}

void Dictionary::Remove(const Variant& key) {
  auto it = index_.find(lookupKey(key));
  if (it == index_.end()) raiseRuntimeError(32811);
  Entry& entry = entries_[it->second];
  entry.removed = true;
  entry.key = Variant();
  entry.item = Variant();
  index_.erase(it);
  // Keep removal O(1) on average while bounding the dead entries.
  if (++removedCount_ > 16 && removedCount_ > index_.size()) compact();
}

void Dictionary::RemoveAll() {
  entries_.clear();
  index_.clear();
  removedCount_ = 0;
}

void Dictionary::setKey(const Variant& key, const Variant& newKey) {
  auto it = index_.find(lookupKey(key));
  if (it == index_.end()) raiseRuntimeError(32811);
  std::string newLookup = lookupKey(newKey);
  if (newLookup == it->first) {
    entries_[it->second].key = newKey;
    return;
  }
  if (index_.count(newLookup)) raiseRuntimeError(457);
  size_t position = it->second;
  index_.erase(it);
  index_.emplace(newLookup, position);
  entries_[position].key = newKey;  // the entry keeps its place in the order
}

void Dictionary::setCompareMode(int32_t mode) {
  if (mode < kBinaryCompare || mode > kDatabaseCompare || !index_.empty()) raiseRuntimeError(5);
  compareMode_ = mode;
}

std::unique_ptr<Enumerator> Dictionary::newEnum() {
  std::vector<Variant> keys;
  keys.reserve(index_.size());
  for (const Entry& entry : entries_)
    if (!entry.removed) keys.push_back(entry.key);
  return enumerateSnapshot(std::move(keys));
}

const DispatchTable<Dictionary>& Dictionary::dispatchTable() {
  using D = Dictionary;
  static const DispatchTable<D> table{
      {.name = "Add",
       .call = [](D& d, Args a) -> Variant { d.Add(a[0], a[1]); return {}; },
       .minArgs = 2, .maxArgs = 2},
      {.name = "Exists",
       .call = [](D& d, Args a) -> Variant { return d.Exists(a[0]); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "Item",
       .get = [](D& d, Args a) -> Variant { return d.Item(a[0]); },
       .let = [](D& d, Args a, const Variant& v) { d.setItem(a[0], v); },
       .set = [](D& d, Args a, const Variant& v) { d.setItem(a[0], v); },
       .minArgs = 1, .maxArgs = 1, .isDefault = true},
      {.name = "Items", .call = [](D& d, Args) -> Variant { return d.Items(); }},
      {.name = "Keys", .call = [](D& d, Args) -> Variant { return d.Keys(); }},
      {.name = "Remove",
       .call = [](D& d, Args a) -> Variant { d.Remove(a[0]); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "RemoveAll", .call = [](D& d, Args) -> Variant { d.RemoveAll(); return {}; }},
      {.name = "Count", .get = [](D& d, Args) -> Variant { return d.Count(); }},
      {.name = "Key",
       .let = [](D& d, Args a, const Variant& v) { d.setKey(a[0], v); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "CompareMode",
       .get = [](D& d, Args) -> Variant { return d.CompareMode(); },
       .let = [](D& d, Args, const Variant& v) { d.setCompareMode(v.toLong()); }},
  };
  return table;
}

}  // namespace corvela::scripting
