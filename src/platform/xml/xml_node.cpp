// XmlNode: navigation, text, serialisation and changes of the tree.
#include "platform/xml/xml_node.h"

#include <sstream>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/xml/xml_attribute.h"
#include "platform/xml/xml_errors.h"
#include "platform/xml/xml_node_list.h"
#include "platform/xml/xml_parse_error.h"

namespace corvela::xml {

namespace {

constexpr const char* kNotAChild = "The parameter node is not a child of this node.";
constexpr const char* kInsertUnderItself = "Inserting a Node or its ancestor under itself is not allowed.";
constexpr const char* kOneRootOnly = "Only one top level element is allowed in an XML document.";
constexpr const char* kCannotHoldChildren = "This operation can not be performed with a Node of this type.";
constexpr const char* kNodeRequired = "The node argument is missing or is not a node.";

bool isTextual(pugi::xml_node_type type) {
  return type == pugi::node_pcdata || type == pugi::node_cdata || type == pugi::node_comment ||
         type == pugi::node_pi;
}

void appendText(pugi::xml_node node, std::string& out) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) out += child.value();
    else if (child.type() == pugi::node_element) appendText(child, out);
  }
}

bool isAncestorOrSelf(pugi::xml_node candidate, pugi::xml_node node) {
  for (pugi::xml_node p = node; p; p = p.parent())
    if (p == candidate) return true;
  return false;
}

// The declaration's pseudo-attributes as its text: version="1.0" encoding="gb2312".
std::string declarationText(pugi::xml_node declaration) {
  std::string text;
  for (pugi::xml_attribute a = declaration.first_attribute(); a; a = a.next_attribute()) {
    if (!text.empty()) text += ' ';
    text += std::string(a.name()) + "=\"" + a.value() + "\"";
  }
  return text;
}

}  // namespace

XmlNode::XmlNode(DocumentRef data, pugi::xml_node node) : data_(std::move(data)), node_(node) {}
XmlNode::~XmlNode() = default;

std::shared_ptr<XmlNode> nodeObject(const DocumentRef& data, pugi::xml_node node) {
  std::weak_ptr<Object>& slot = data->objects[node.internal_object()];
  if (auto living = slot.lock()) return std::static_pointer_cast<XmlNode>(living);
  auto object = std::make_shared<XmlNode>(data, node);
  slot = object;
  return object;
}

std::shared_ptr<XmlNode> XmlNode::newDocument() {
  auto data = std::make_shared<DocumentData>();
  return nodeObject(data, data->document);
}

void XmlNode::registerAsDocument() {
  if (std::shared_ptr<Object> self = weak_from_this().lock()) data_->objects[node_.internal_object()] = self;
}

std::string_view XmlNode::className() const {
  switch (node_.type()) {
    case pugi::node_document: return "DOMDocument";
    case pugi::node_element: return "IXMLDOMElement";
    case pugi::node_pcdata: return "IXMLDOMText";
    case pugi::node_cdata: return "IXMLDOMCDATASection";
    case pugi::node_comment: return "IXMLDOMComment";
    case pugi::node_pi:
    case pugi::node_declaration: return "IXMLDOMProcessingInstruction";
    default: return kClassName;
  }
}

std::shared_ptr<XmlNode> XmlNode::wrap(pugi::xml_node node) const {
  if (!node) return nullptr;
  return nodeObject(data_, node);
}

void XmlNode::requireDocument() const {
  if (!isDocument()) raiseRuntimeError(438);
}

void XmlNode::requireElement() const {
  if (node_.type() != pugi::node_element) raiseRuntimeError(438);
}

std::string XmlNode::nodeName() const {
  switch (node_.type()) {
    case pugi::node_document: return "#document";
    case pugi::node_pcdata: return "#text";
    case pugi::node_cdata: return "#cdata-section";
    case pugi::node_comment: return "#comment";
    case pugi::node_declaration: return "xml";
    default: return node_.name();
  }
}

int32_t XmlNode::nodeType() const {
  switch (node_.type()) {
    case pugi::node_document: return kDocumentNode;
    case pugi::node_pcdata: return kTextNode;
    case pugi::node_cdata: return kCDataNode;
    case pugi::node_comment: return kCommentNode;
    case pugi::node_pi:
    case pugi::node_declaration: return kProcessingInstructionNode;
    default: return kElementNode;
  }
}

Variant XmlNode::nodeValue() const {
  if (node_.type() == pugi::node_declaration) return Variant(declarationText(node_));
  if (isTextual(node_.type())) return Variant(std::string(node_.value()));
  return Variant::null();
}

void XmlNode::setNodeValue(const Variant& value) {
  if (!isTextual(node_.type())) raiseXmlError(kCannotHoldChildren);
  node_.set_value(value.toString().c_str());
}

std::string XmlNode::text() const {
  if (isTextual(node_.type())) return node_.value();
  std::string out;
  if (isDocument()) {
    for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling())
      if (child.type() == pugi::node_element && !data_->isOrphanage(child)) appendText(child, out);
    return out;
  }
  appendText(node_, out);
  return out;
}

void XmlNode::setText(std::string_view value) {
  if (isTextual(node_.type())) {
    node_.set_value(std::string(value).c_str());
    return;
  }
  if (node_.type() != pugi::node_element) raiseXmlError(kCannotHoldChildren);
  while (pugi::xml_node child = node_.first_child()) data_->detach(child);
  node_.append_child(pugi::node_pcdata).set_value(std::string(value).c_str());
}

std::string XmlNode::xml() const {
  std::ostringstream out;
  auto print = [&](pugi::xml_node node) { node.print(out, "", pugi::format_raw, pugi::encoding_utf8); };
  if (isDocument()) {
    for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling())
      if (!data_->isOrphanage(child)) print(child);
  } else {
    print(node_);
  }
  return out.str();
}

std::shared_ptr<XmlNode> XmlNode::parentNode() const {
  pugi::xml_node parent = node_.parent();
  if (data_->isOrphanage(parent)) return nullptr;
  return wrap(parent);
}

std::shared_ptr<XmlNodeList> XmlNode::childNodes() const {
  std::vector<std::shared_ptr<Object>> nodes;
  for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling())
    if (!data_->isOrphanage(child)) nodes.push_back(wrap(child));
  return std::make_shared<XmlNodeList>(std::move(nodes));
}

std::shared_ptr<XmlNode> XmlNode::firstChild() const {
  pugi::xml_node child = node_.first_child();
  if (data_->isOrphanage(child)) child = child.next_sibling();
  return wrap(child);
}

std::shared_ptr<XmlNode> XmlNode::lastChild() const {
  pugi::xml_node child = node_.last_child();
  if (data_->isOrphanage(child)) child = child.previous_sibling();
  return wrap(child);
}

std::shared_ptr<XmlNode> XmlNode::previousSibling() const {
  if (data_->isOrphanage(node_.parent())) return nullptr;
  pugi::xml_node sibling = node_.previous_sibling();
  if (data_->isOrphanage(sibling)) sibling = sibling.previous_sibling();
  return wrap(sibling);
}

std::shared_ptr<XmlNode> XmlNode::nextSibling() const {
  if (data_->isOrphanage(node_.parent())) return nullptr;
  pugi::xml_node sibling = node_.next_sibling();
  if (data_->isOrphanage(sibling)) sibling = sibling.next_sibling();
  return wrap(sibling);
}

std::shared_ptr<XmlNamedNodeMap> XmlNode::attributes() const {
  if (node_.type() != pugi::node_element) return nullptr;
  return std::make_shared<XmlNamedNodeMap>(data_, node_);
}

std::shared_ptr<XmlNode> XmlNode::ownerDocument() const {
  if (isDocument()) return nullptr;
  return wrap(data_->document);
}

bool XmlNode::hasChildNodes() const { return static_cast<bool>(firstChild()); }

pugi::xml_node XmlNode::adopt(XmlNode& child) {
  if (child.data_ == data_) return child.node_;
  if (child.isDocument()) raiseXmlError(kCannotHoldChildren);
  // A node of another document is copied in; the caller's object now stands
  // for the copy, as an imported node would.
  pugi::xml_node copy = data_->orphanage().append_copy(child.node_);
  child.data_->objects.erase(child.node_.internal_object());
  child.data_ = data_;
  child.node_ = copy;
  if (std::shared_ptr<Object> self = child.weak_from_this().lock()) data_->objects[copy.internal_object()] = self;
  return copy;
}

void XmlNode::checkInsertable(pugi::xml_node child) const {
  if (node_.type() != pugi::node_element && !isDocument()) raiseXmlError(kCannotHoldChildren);
  if (isAncestorOrSelf(child, node_)) raiseXmlError(kInsertUnderItself);
  if (isDocument()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) raiseXmlError(kCannotHoldChildren);
    if (child.type() == pugi::node_element) {
      std::shared_ptr<XmlNode> root = documentElement();
      if (root && root->node_ != child) raiseXmlError(kOneRootOnly);
    }
  }
}

std::shared_ptr<XmlNode> XmlNode::appendChild(std::shared_ptr<XmlNode> child) {
  if (!child) raiseXmlError(kNodeRequired);
  pugi::xml_node moving = adopt(*child);
  checkInsertable(moving);
  if (!node_.append_move(moving)) raiseXmlError(kCannotHoldChildren);
  return child;
}

std::shared_ptr<XmlNode> XmlNode::insertBefore(std::shared_ptr<XmlNode> child, const Variant& refChild) {
  if (!child) raiseXmlError(kNodeRequired);
  Variant ref = refChild.dereferenced();
  std::shared_ptr<XmlNode> before;
  if (ref.isObject()) before = std::dynamic_pointer_cast<XmlNode>(ref.toObject());
  if (!before) return appendChild(std::move(child));
  if (before->data_ != data_ || before->node_.parent() != node_) raiseXmlError(kNotAChild);
  pugi::xml_node moving = adopt(*child);
  checkInsertable(moving);
  if (moving == before->node_) return child;
  if (!node_.insert_move_before(moving, before->node_)) raiseXmlError(kCannotHoldChildren);
  return child;
}

std::shared_ptr<XmlNode> XmlNode::removeChild(std::shared_ptr<XmlNode> child) {
  if (!child) raiseXmlError(kNodeRequired);
  if (child->data_ != data_ || child->node_.parent() != node_ || data_->isOrphanage(node_)) raiseXmlError(kNotAChild);
  data_->detach(child->node_);
  return child;
}

std::shared_ptr<XmlNode> XmlNode::replaceChild(std::shared_ptr<XmlNode> newChild, std::shared_ptr<XmlNode> oldChild) {
  if (!newChild || !oldChild) raiseXmlError(kNodeRequired);
  if (oldChild->data_ != data_ || oldChild->node_.parent() != node_) raiseXmlError(kNotAChild);
  if (newChild.get() == oldChild.get() || (newChild->data_ == data_ && newChild->node_ == oldChild->node_))
    return oldChild;
  pugi::xml_node moving = adopt(*newChild);
  if (isAncestorOrSelf(moving, node_)) raiseXmlError(kInsertUnderItself);
  node_.insert_move_before(moving, oldChild->node_);
  data_->detach(oldChild->node_);
  return oldChild;
}

std::shared_ptr<XmlNode> XmlNode::cloneNode(bool deep) {
  if (isDocument()) {
    std::shared_ptr<XmlNode> copy = newDocument();
    if (deep)
      for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling())
        if (!data_->isOrphanage(child)) copy->node_.append_copy(child);
    return copy;
  }
  if (deep) return wrap(data_->orphanage().append_copy(node_));
  pugi::xml_node copy = data_->orphanage().append_child(node_.type());
  copy.set_name(node_.name());
  copy.set_value(node_.value());
  for (pugi::xml_attribute a = node_.first_attribute(); a; a = a.next_attribute()) copy.append_copy(a);
  return wrap(copy);
}

std::shared_ptr<XmlNodeList> XmlNode::getElementsByTagName(std::string_view name) {
  std::vector<std::shared_ptr<Object>> found;
  bool any = name == "*";
  struct Walk {
    const XmlNode& self;
    std::string_view name;
    bool any;
    std::vector<std::shared_ptr<Object>>& found;
    void operator()(pugi::xml_node node) const {
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || self.data_->isOrphanage(child)) continue;
        if (any || name == child.name()) found.push_back(self.wrap(child));
        (*this)(child);
      }
    }
  };
  Walk{*this, name, any, found}(node_);
  return std::make_shared<XmlNodeList>(std::move(found));
}

std::string XmlNode::tagName() const {
  requireElement();
  return node_.name();
}

Variant XmlNode::getAttribute(std::string_view name) const {
  requireElement();
  pugi::xml_attribute a = node_.attribute(std::string(name).c_str());
  if (!a) return Variant::null();
  return Variant(std::string(a.value()));
}

void XmlNode::setAttribute(std::string_view name, const Variant& value) {
  requireElement();
  checkXmlName(name);
  std::string key(name);
  pugi::xml_attribute a = node_.attribute(key.c_str());
  if (!a) a = node_.append_attribute(key.c_str());
  a.set_value(value.toString().c_str());
}

void XmlNode::removeAttribute(std::string_view name) {
  requireElement();
  node_.remove_attribute(std::string(name).c_str());
}

std::shared_ptr<Object> XmlNode::getAttributeNode(std::string_view name) {
  requireElement();
  std::string key(name);
  if (!node_.attribute(key.c_str())) return nullptr;
  return std::make_shared<XmlAttribute>(data_, node_, key);
}

std::shared_ptr<Object> XmlNode::setAttributeNode(std::shared_ptr<Object> attribute) {
  requireElement();
  auto typed = std::dynamic_pointer_cast<XmlAttribute>(attribute);
  if (!typed) raiseXmlError(kNodeRequired);
  typed->attachTo(node_);
  return nullptr;
}

}  // namespace corvela::xml
