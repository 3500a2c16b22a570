// Attribute documents of magazines and issues over the DOM wrapper.
#include "structure/attribute_document.h"

#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "structure/my_attribute.h"

namespace corvela::structure {
namespace {

using xml::XmlNode;

constexpr int32_t kInvalidXmlError = 555;
constexpr const char* kSetAttributeSource = "User.SetAttribute";
constexpr const char* kInvalidXml = "InvalidXML";
constexpr const char* kAttributeElement = "attribute";
constexpr const char* kNameAttribute = "name";

// The parsed document, or nullptr when the text does not parse.
std::shared_ptr<XmlNode> parsed(std::string_view text, const AttributeRoot& root) {
  auto document = XmlNode::newDocument();
  bool blank = text.find_first_not_of(' ') == std::string_view::npos;
  if (!document->loadXML(blank ? root.emptyDocument : text)) return nullptr;
  return document;
}

// The element children of the document's root when it is the expected one.
std::vector<std::shared_ptr<XmlNode>> rootChildren(const XmlNode& document, const AttributeRoot& root) {
  std::vector<std::shared_ptr<XmlNode>> children;
  std::shared_ptr<XmlNode> element = document.documentElement();
  if (!element || element->nodeName() != root.name) return children;
  std::shared_ptr<xml::XmlNodeList> nodes = element->childNodes();
  for (const auto& node : nodes->nodes()) {
    auto child = std::dynamic_pointer_cast<XmlNode>(node);
    if (child && child->nodeType() == xml::kElementNode) children.push_back(std::move(child));
  }
  return children;
}

std::string nameOf(const XmlNode& element) {
  Variant name = element.getAttribute(kNameAttribute);
  return name.isNull() ? std::string() : name.toString();
}

std::shared_ptr<XmlNode> lookup(const XmlNode& document, const AttributeRoot& root, const std::string& upperName) {
  for (auto& child : rootChildren(document, root)) {
    Variant name = child->getAttribute(kNameAttribute);
    if (!name.isNull() && name.toString() == upperName) return child;
  }
  return nullptr;
}

}  // namespace

std::shared_ptr<Collection> allAttributes(std::string_view text, const AttributeRoot& root) {
  std::shared_ptr<XmlNode> document = parsed(text, root);
  if (!document) return nullptr;
  auto attributes = std::make_shared<Collection>();
  for (const auto& child : rootChildren(*document, root))
    if (child->nodeName() == kAttributeElement)
      attributes->add(Variant(std::shared_ptr<Object>(std::make_shared<myAttribute>(nameOf(*child), child->text()))));
  return attributes;
}

std::string attributeValue(std::string_view text, const AttributeRoot& root, std::string_view name) {
  std::shared_ptr<XmlNode> document = parsed(text, root);
  if (!document) return {};
  std::shared_ptr<XmlNode> found = lookup(*document, root, text::toUpper(name));
  return found ? found->text() : std::string();
}

std::string withAttribute(std::string_view text, const AttributeRoot& root, std::string_view name,
                          std::string_view value) {
  const std::string upperName = text::toUpper(name);
  std::shared_ptr<XmlNode> document = parsed(text, root);
  if (!document) throw ComError(kInvalidXmlError, kSetAttributeSource, kInvalidXml);
  std::shared_ptr<XmlNode> rootElement = document->documentElement();
  if (!rootElement) rootElement = document->appendChild(document->createElement(root.name));
  std::shared_ptr<XmlNode> found = lookup(*document, root, upperName);
  if (!found) {
    found = document->createElement(kAttributeElement);
    found->setAttribute(kNameAttribute, Variant(upperName));
    rootElement->appendChild(found);
  }
  found->setText(value);
  return document->xml();
}

}  // namespace corvela::structure
