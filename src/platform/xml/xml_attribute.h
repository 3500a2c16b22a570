// XmlAttribute (an attribute node) and XmlNamedNodeMap (an element's
// attributes). An attribute object names its attribute by owner element and
// name and looks it up on every use, so one removed meanwhile reads as
// empty instead of leaving a dangling handle.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/xml/xml_document_data.h"

namespace corvela::xml {

class XmlAttribute : public DispatchObject<XmlAttribute> {
 public:
  static constexpr std::string_view kClassName = "IXMLDOMAttribute";
  static const DispatchTable<XmlAttribute>& dispatchTable();

  XmlAttribute(DocumentRef data, pugi::xml_node owner, std::string name);

  std::string name() const { return name_; }
  int32_t nodeType() const;
  std::string value() const;
  void setValue(const Variant& value);
  std::string xml() const;
  // The element holding the attribute; nullptr while it is not on one.
  std::shared_ptr<Object> parentNode() const { return nullptr; }

  // Moves the attribute onto an element (setAttributeNode).
  void attachTo(pugi::xml_node element);
  const DocumentRef& data() const { return data_; }

 private:
  pugi::xml_attribute find() const { return owner_.attribute(name_.c_str()); }

  DocumentRef data_;
  pugi::xml_node owner_;
  std::string name_;
};

class XmlNamedNodeMap : public DispatchObject<XmlNamedNodeMap> {
 public:
  static constexpr std::string_view kClassName = "IXMLDOMNamedNodeMap";
  static const DispatchTable<XmlNamedNodeMap>& dispatchTable();

  XmlNamedNodeMap(DocumentRef data, pugi::xml_node element);

  int32_t length() const;
  // 0-based; Nothing when out of range.
  std::shared_ptr<Object> item(int32_t index) const;
  std::shared_ptr<Object> getNamedItem(std::string_view name) const;
  std::shared_ptr<Object> removeNamedItem(std::string_view name);
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  DocumentRef data_;
  pugi::xml_node element_;
};

}  // namespace corvela::xml
