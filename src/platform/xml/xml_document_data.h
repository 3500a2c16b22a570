// The storage shared by a DOM document and every node object taken from it.
//
// pugixml keeps every node inside its document and frees a node the moment
// it is removed, while DOM callers keep using nodes they created but never
// inserted, or removed again. So no node is ever destroyed while the
// document lives: nodes that are not (or no longer) in the tree wait under
// a hidden element, the orphanage, which serialisation, child lists and
// path selections never show.
#pragma once

#include <memory>
#include <unordered_map>

#include <pugixml.hpp>

namespace corvela {
class Object;
}

namespace corvela::xml {

struct DocumentData {
  pugi::xml_document document;

  // The hidden holder of detached nodes, made on first use.
  pugi::xml_node orphanage();
  bool isOrphanage(pugi::xml_node node) const { return node && node == orphanage_; }
  // The node's own tree: the document for nodes in the tree, else the
  // topmost detached ancestor (the node itself when it is one).
  pugi::xml_node treeOf(pugi::xml_node node) const;
  bool isAttached(pugi::xml_node node) const { return treeOf(node) == document; }
  // Takes a node out of the tree without destroying it.
  void detach(pugi::xml_node node);

  // The script object of each node while one is alive, so asking for a node
  // twice gives the same object (`Is` compares them as the DOM's did).
  std::unordered_map<pugi::xml_node_struct*, std::weak_ptr<Object>> objects;

 private:
  pugi::xml_node orphanage_;
};

using DocumentRef = std::shared_ptr<DocumentData>;

}  // namespace corvela::xml
