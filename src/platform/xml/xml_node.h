// XmlNode: a node of a DOM document as scripts and the engine see it (what
// MSXML's DOMDocument and IXMLDOMNode were). One class serves every kind of
// node; the document is the node of kind document and also answers the
// document members (loadXML, createElement, parseError, ...). A document
// member called on another kind of node raises 438, as a missing member does.
//
// Strings are UTF-8 in memory whatever encoding the declaration names: the
// declaration is kept as it was written, so a tree declaring
// encoding="gb2312" serialises with that declaration unchanged.
//
// Paths: selectSingleNode/selectNodes take XPath 1.0; the XSL-pattern
// function nodeName() of older callers is read as name().
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/xml/xml_document_data.h"

namespace corvela::xml {

class XmlNodeList;
class XmlNamedNodeMap;
class XmlParseError;

// DOM node type numbers.
enum NodeType : int32_t {
  kElementNode = 1,
  kAttributeNode = 2,
  kTextNode = 3,
  kCDataNode = 4,
  kProcessingInstructionNode = 7,
  kCommentNode = 8,
  kDocumentNode = 9,
};

class XmlNode : public DispatchObject<XmlNode> {
 public:
  static constexpr std::string_view kClassName = "IXMLDOMNode";
  static const DispatchTable<XmlNode>& dispatchTable();

  // A new, empty document.
  static std::shared_ptr<XmlNode> newDocument();
  XmlNode(DocumentRef data, pugi::xml_node node);
  ~XmlNode() override;

  std::string_view className() const override;

  // Document members.
  // Parses the text; on failure the document is left empty, parseError
  // describes the fault and the result is false.
  bool loadXML(std::string_view text);
  // Parses a file (a path, or a file: URL).
  bool load(std::string_view path);
  std::shared_ptr<XmlParseError> parseError();
  // The root element, or nullptr.
  std::shared_ptr<XmlNode> documentElement() const;
  void setDocumentElement(std::shared_ptr<XmlNode> element);
  std::shared_ptr<XmlNode> createElement(std::string_view tagName);
  std::shared_ptr<Object> createAttribute(std::string_view name);
  std::shared_ptr<XmlNode> createTextNode(std::string_view data);
  std::shared_ptr<XmlNode> createCDATASection(std::string_view data);
  std::shared_ptr<XmlNode> createComment(std::string_view data);
  std::shared_ptr<XmlNode> createProcessingInstruction(std::string_view target, std::string_view data);
  // Accepted and kept for callers that set them; parsing is always
  // synchronous and never resolves external entities.
  bool async() const { return async_; }
  void setAsync(bool value) { async_ = value; }
  bool preserveWhiteSpace() const { return preserveWhiteSpace_; }
  void setPreserveWhiteSpace(bool value) { preserveWhiteSpace_ = value; }
  bool validateOnParse() const { return validateOnParse_; }
  void setValidateOnParse(bool value) { validateOnParse_ = value; }
  bool resolveExternals() const { return resolveExternals_; }
  void setResolveExternals(bool value) { resolveExternals_ = value; }
  // "SelectionLanguage" and the like: accepted, paths are always XPath.
  void setProperty(std::string_view name, const Variant& value);

  // Node members.
  std::string nodeName() const;
  int32_t nodeType() const;
  Variant nodeValue() const;  // Null for elements and documents
  void setNodeValue(const Variant& value);
  std::string text() const;
  // Replaces the node's children by one text node.
  void setText(std::string_view value);
  std::string xml() const;
  std::shared_ptr<XmlNode> parentNode() const;
  std::shared_ptr<XmlNodeList> childNodes() const;
  std::shared_ptr<XmlNode> firstChild() const;
  std::shared_ptr<XmlNode> lastChild() const;
  std::shared_ptr<XmlNode> previousSibling() const;
  std::shared_ptr<XmlNode> nextSibling() const;
  std::shared_ptr<XmlNamedNodeMap> attributes() const;  // nullptr unless an element
  std::shared_ptr<XmlNode> ownerDocument() const;
  bool hasChildNodes() const;
  // Moves the node (from wherever it is) to the end of this node's children.
  std::shared_ptr<XmlNode> appendChild(std::shared_ptr<XmlNode> child);
  std::shared_ptr<XmlNode> insertBefore(std::shared_ptr<XmlNode> child, const Variant& refChild);
  std::shared_ptr<XmlNode> removeChild(std::shared_ptr<XmlNode> child);
  std::shared_ptr<XmlNode> replaceChild(std::shared_ptr<XmlNode> newChild, std::shared_ptr<XmlNode> oldChild);
  std::shared_ptr<XmlNode> cloneNode(bool deep);
  std::shared_ptr<Object> selectSingleNode(std::string_view path);
  std::shared_ptr<XmlNodeList> selectNodes(std::string_view path);
  std::shared_ptr<XmlNodeList> getElementsByTagName(std::string_view name);

  // Element members.
  std::string tagName() const;
  Variant getAttribute(std::string_view name) const;  // Null when absent
  void setAttribute(std::string_view name, const Variant& value);
  void removeAttribute(std::string_view name);
  std::shared_ptr<Object> getAttributeNode(std::string_view name);
  std::shared_ptr<Object> setAttributeNode(std::shared_ptr<Object> attribute);

  // For C++ callers: the first element the path selects, or nullptr.
  std::shared_ptr<XmlNode> selectElement(std::string_view path);
  pugi::xml_node handle() const { return node_; }
  const DocumentRef& data() const { return data_; }

 private:
  bool isDocument() const { return node_.type() == pugi::node_document; }
  void requireDocument() const;
  void requireElement() const;
  std::shared_ptr<XmlNode> wrap(pugi::xml_node node) const;
  // The argument as a node of this document (a node of another document is
  // copied in and the argument then stands for the copy).
  pugi::xml_node adopt(XmlNode& child);
  void checkInsertable(pugi::xml_node child) const;
  bool parse(const char* text, size_t size);
  // Makes this object the one its (new) document node answers with.
  void registerAsDocument();

  DocumentRef data_;
  pugi::xml_node node_;
  std::shared_ptr<XmlParseError> parseError_;  // documents only
  bool async_ = true;
  bool preserveWhiteSpace_ = false;
  bool validateOnParse_ = true;
  bool resolveExternals_ = true;
};

// The node's script object: the living one when there is one, else a new one.
std::shared_ptr<XmlNode> nodeObject(const DocumentRef& data, pugi::xml_node node);

// Wraps a pugixml node or attribute result of a selection.
std::shared_ptr<Object> wrapSelected(const DocumentRef& data, const pugi::xpath_node& selected);

}  // namespace corvela::xml
