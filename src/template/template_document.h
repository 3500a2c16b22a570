// TemplateDocument (ProgID "Corvela.TemplateDocument"): the "Document" of a
// template run, a bag of named values and objects whose keys compare
// case-insensitively (they are stored upper-cased).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class TemplateDocument : public DispatchObject<TemplateDocument> {
 public:
  static constexpr std::string_view kClassName = "TemplateDocument";
  static const DispatchTable<TemplateDocument>& dispatchTable();

  void Init(int32_t aChannelID) { channelId_ = aChannelID; }
  // Stores a DocumentField holding a copy of the value.
  void Add(const Variant& key, const Variant& value);
  // Stores the object itself.
  void addObject(const Variant& key, std::shared_ptr<Object> obj);
  // The stored entry, or a new DocumentField holding "" (nothing is stored).
  std::shared_ptr<Object> Item(const Variant& key) const;

  int32_t channelId() const { return channelId_; }
  // The value of a DocumentField entry, Empty when there is none.
  Variant value(std::string_view key) const;

 private:
  int32_t channelId_ = 0;
  std::unordered_map<std::string, std::shared_ptr<Object>> entries_;
};

}  // namespace corvela::tmpl
