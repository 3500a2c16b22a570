// Node lists.
#include "platform/xml/xml_node_list.h"

#include "platform/automation/member_binding.h"

namespace corvela::xml {

std::shared_ptr<Object> XmlNodeList::item(int32_t index) const {
  if (index < 0 || index >= length()) return nullptr;
  return nodes_[static_cast<size_t>(index)];
}

std::shared_ptr<Object> XmlNodeList::nextNode() {
  if (cursor_ >= nodes_.size()) return nullptr;
  return nodes_[cursor_++];
}

std::unique_ptr<Enumerator> XmlNodeList::newEnum() {
  std::vector<Variant> items(nodes_.begin(), nodes_.end());
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<XmlNodeList>& XmlNodeList::dispatchTable() {
  static const DispatchTable<XmlNodeList> table = Members<XmlNodeList>()
      .readOnly<&XmlNodeList::item>("item").asDefault()
      .readOnly<&XmlNodeList::length>("length")
      .method<&XmlNodeList::nextNode>("nextNode")
      .method<&XmlNodeList::reset>("reset")
      .build();
  return table;
}

}  // namespace corvela::xml
