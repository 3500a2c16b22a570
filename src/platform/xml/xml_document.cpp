// XmlNode: the document members (parsing, creating nodes) and selections.
#include <fstream>
#include <sstream>

#include "platform/automation/com_error.h"
#include "platform/xml/xml_attribute.h"
#include "platform/xml/xml_errors.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "platform/xml/xml_parse_error.h"
#include "platform/xml/xml_path.h"

namespace corvela::xml {

namespace {

constexpr const char* kMissingRootText = "XML document must have a top level element.\r\n";
constexpr const char* kMultipleRootsText = "Only one top level element is allowed in an XML document.\r\n";
constexpr const char* kFileNotFoundText = "The system cannot locate the object specified.\r\n";
constexpr std::string_view kFileUrlPrefix = "file://";

// Holds the detached nodes a createAttribute hands out until they are set on
// an element.
constexpr const char* kAttributeHolder = "a";

int countElements(const pugi::xml_document& document) {
  int count = 0;
  for (pugi::xml_node child = document.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) ++count;
  return count;
}

// Line and column (both 1-based) of a byte offset.
void locate(std::string_view text, size_t offset, ParseErrorInfo& info) {
  offset = std::min(offset, text.size());
  info.line = 1;
  size_t lineStart = 0;
  for (size_t i = 0; i < offset; ++i)
    if (text[i] == '\n') {
      ++info.line;
      lineStart = i + 1;
    }
  info.linepos = static_cast<int32_t>(offset - lineStart + 1);
  info.filepos = static_cast<int32_t>(offset);
  size_t lineEnd = text.find('\n', lineStart);
  info.srcText = std::string(text.substr(lineStart, lineEnd == std::string_view::npos ? lineEnd : lineEnd - lineStart));
}

}  // namespace

bool XmlNode::parse(const char* text, size_t size) {
  requireDocument();
  unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                   pugi::parse_doctype;
  if (preserveWhiteSpace_) flags |= pugi::parse_ws_pcdata;
  auto fresh = std::make_shared<DocumentData>();
  pugi::xml_parse_result result = fresh->document.load_buffer(text, size, flags, pugi::encoding_utf8);
  ParseErrorInfo info;
  std::string_view source(text, size);
  if (result.status == pugi::status_no_document_element) {
    info.errorCode = kMissingRootElement;
    info.reason = kMissingRootText;
    locate(source, size, info);
  } else if (!result) {
    info.errorCode = kMalformedDocument;
    info.reason = std::string(result.description()) + "\r\n";
    locate(source, static_cast<size_t>(result.offset), info);
  } else if (countElements(fresh->document) > 1) {
    info.errorCode = kMultipleRoots;
    info.reason = kMultipleRootsText;
    locate(source, size, info);
  }
  // A failed load leaves the document empty, as the DOM does.
  if (info.errorCode != 0) fresh = std::make_shared<DocumentData>();
  data_ = std::move(fresh);
  node_ = data_->document;
  registerAsDocument();
  parseError_ = std::make_shared<XmlParseError>(std::move(info));
  return parseError_->errorCode() == 0;
}

bool XmlNode::loadXML(std::string_view text) { return parse(text.data(), text.size()); }

bool XmlNode::load(std::string_view path) {
  requireDocument();
  std::string file(path);
  if (file.rfind(kFileUrlPrefix, 0) == 0) file.erase(0, kFileUrlPrefix.size());
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    data_ = std::make_shared<DocumentData>();
    node_ = data_->document;
    registerAsDocument();
    ParseErrorInfo info;
    info.errorCode = kFileNotFound;
    info.reason = kFileNotFoundText;
    info.url = std::string(path);
    parseError_ = std::make_shared<XmlParseError>(std::move(info));
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string text = bytes.str();
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  return parse(text.data(), text.size());
}

std::shared_ptr<XmlParseError> XmlNode::parseError() {
  requireDocument();
  if (!parseError_) parseError_ = std::make_shared<XmlParseError>();
  return parseError_;
}

std::shared_ptr<XmlNode> XmlNode::documentElement() const {
  requireDocument();
  for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && !data_->isOrphanage(child)) return wrap(child);
  return nullptr;
}

void XmlNode::setDocumentElement(std::shared_ptr<XmlNode> element) {
  requireDocument();
  std::shared_ptr<XmlNode> current = documentElement();
  if (current) replaceChild(std::move(element), current);
  else appendChild(std::move(element));
}

std::shared_ptr<XmlNode> XmlNode::createElement(std::string_view tagName) {
  requireDocument();
  checkXmlName(tagName);
  return wrap(data_->orphanage().append_child(std::string(tagName).c_str()));
}

std::shared_ptr<Object> XmlNode::createAttribute(std::string_view name) {
  requireDocument();
  checkXmlName(name);
  pugi::xml_node holder = data_->orphanage().append_child(kAttributeHolder);
  holder.append_attribute(std::string(name).c_str());
  return std::make_shared<XmlAttribute>(data_, holder, std::string(name));
}

std::shared_ptr<XmlNode> XmlNode::createTextNode(std::string_view data) {
  requireDocument();
  pugi::xml_node node = data_->orphanage().append_child(pugi::node_pcdata);
  node.set_value(std::string(data).c_str());
  return wrap(node);
}

std::shared_ptr<XmlNode> XmlNode::createCDATASection(std::string_view data) {
  requireDocument();
  pugi::xml_node node = data_->orphanage().append_child(pugi::node_cdata);
  node.set_value(std::string(data).c_str());
  return wrap(node);
}

std::shared_ptr<XmlNode> XmlNode::createComment(std::string_view data) {
  requireDocument();
  pugi::xml_node node = data_->orphanage().append_child(pugi::node_comment);
  node.set_value(std::string(data).c_str());
  return wrap(node);
}

std::shared_ptr<XmlNode> XmlNode::createProcessingInstruction(std::string_view target, std::string_view data) {
  requireDocument();
  checkXmlName(target);
  pugi::xml_node node = data_->orphanage().append_child(pugi::node_pi);
  node.set_name(std::string(target).c_str());
  node.set_value(std::string(data).c_str());
  return wrap(node);
}

void XmlNode::setProperty(std::string_view, const Variant&) { requireDocument(); }

std::shared_ptr<Object> wrapSelected(const DocumentRef& data, const pugi::xpath_node& selected) {
  if (selected.attribute())
    return std::make_shared<XmlAttribute>(data, selected.parent(), selected.attribute().name());
  return nodeObject(data, selected.node());
}

std::shared_ptr<XmlNodeList> XmlNode::selectNodes(std::string_view path) {
  pugi::xpath_node_set found;
  try {
    pugi::xpath_query query(xpathFromPattern(path).c_str());
    found = query.evaluate_node_set(node_);
  } catch (const pugi::xpath_exception& error) {
    raiseXmlError(error.what());
  }
  found.sort();
  // Only nodes of this node's own tree: never the orphanage or what waits in it.
  pugi::xml_node tree = data_->treeOf(node_);
  std::vector<std::shared_ptr<Object>> nodes;
  for (const pugi::xpath_node& selected : found) {
    pugi::xml_node node = selected.attribute() ? selected.parent() : selected.node();
    if (data_->isOrphanage(node) || data_->treeOf(node) != tree) continue;
    nodes.push_back(wrapSelected(data_, selected));
  }
  return std::make_shared<XmlNodeList>(std::move(nodes));
}

std::shared_ptr<Object> XmlNode::selectSingleNode(std::string_view path) {
  std::shared_ptr<XmlNodeList> nodes = selectNodes(path);
  return nodes->item(0);
}

std::shared_ptr<XmlNode> XmlNode::selectElement(std::string_view path) {
  std::shared_ptr<XmlNodeList> selected = selectNodes(path);
  for (const std::shared_ptr<Object>& node : selected->nodes()) {
    auto element = std::dynamic_pointer_cast<XmlNode>(node);
    if (element && element->node_.type() == pugi::node_element) return element;
  }
  return nullptr;
}

}  // namespace corvela::xml
