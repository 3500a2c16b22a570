// DocumentData: the orphanage and the tree a node belongs to.
#include "platform/xml/xml_document_data.h"

namespace corvela::xml {

namespace {
// Not a valid XML name, so no element a caller creates can be taken for it.
constexpr const char* kOrphanageName = "#orphans";
}  // namespace

pugi::xml_node DocumentData::orphanage() {
  if (!orphanage_) orphanage_ = document.append_child(kOrphanageName);
  return orphanage_;
}

pugi::xml_node DocumentData::treeOf(pugi::xml_node node) const {
  if (!node || node == document) return document;
  pugi::xml_node top = node;
  while (top.parent() && top.parent() != document && top.parent() != orphanage_) top = top.parent();
  if (orphanage_ && top.parent() == orphanage_) return top;
  return document;
}

void DocumentData::detach(pugi::xml_node node) {
  if (!node || node.parent() == orphanage_) return;
  orphanage().append_move(node);
}

}  // namespace corvela::xml
