// XmlNodeList: the nodes of childNodes, selectNodes or getElementsByTagName,
// as taken when the list was made. Indexes are 0-based, as the DOM counts;
// nextNode/reset walk the list with its own cursor.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::xml {

class XmlNodeList : public DispatchObject<XmlNodeList> {
 public:
  static constexpr std::string_view kClassName = "IXMLDOMNodeList";
  static const DispatchTable<XmlNodeList>& dispatchTable();

  explicit XmlNodeList(std::vector<std::shared_ptr<Object>> nodes) : nodes_(std::move(nodes)) {}

  int32_t length() const { return static_cast<int32_t>(nodes_.size()); }
  // Nothing when out of range.
  std::shared_ptr<Object> item(int32_t index) const;
  std::shared_ptr<Object> nextNode();
  void reset() { cursor_ = 0; }
  std::unique_ptr<Enumerator> newEnum() override;

  const std::vector<std::shared_ptr<Object>>& nodes() const { return nodes_; }

 private:
  std::vector<std::shared_ptr<Object>> nodes_;
  size_t cursor_ = 0;
};

}  // namespace corvela::xml
