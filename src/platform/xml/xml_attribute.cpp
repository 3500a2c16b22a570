// Attribute nodes and attribute maps.
#include "platform/xml/xml_attribute.h"

#include <sstream>
#include <vector>

#include "platform/automation/member_binding.h"
#include "platform/xml/xml_node.h"

namespace corvela::xml {

XmlAttribute::XmlAttribute(DocumentRef data, pugi::xml_node owner, std::string name)
    : data_(std::move(data)), owner_(owner), name_(std::move(name)) {}

int32_t XmlAttribute::nodeType() const { return kAttributeNode; }

std::string XmlAttribute::value() const { return find().value(); }

void XmlAttribute::setValue(const Variant& value) {
  pugi::xml_attribute attribute = find();
  if (!attribute) attribute = owner_.append_attribute(name_.c_str());
  attribute.set_value(value.toString().c_str());
}

std::string XmlAttribute::xml() const {
  // Serialise through a scratch element so escaping follows the library's.
  pugi::xml_document scratch;
  scratch.append_child("a").append_attribute(name_.c_str()).set_value(value().c_str());
  std::ostringstream out;
  scratch.first_child().print(out, "", pugi::format_raw);
  std::string text = out.str();  // <a name="value"/>
  return text.substr(3, text.size() - 5);
}

void XmlAttribute::attachTo(pugi::xml_node element) {
  std::string current = value();
  pugi::xml_attribute target = element.attribute(name_.c_str());
  if (!target) target = element.append_attribute(name_.c_str());
  target.set_value(current.c_str());
  owner_ = element;
}

const DispatchTable<XmlAttribute>& XmlAttribute::dispatchTable() {
  static const DispatchTable<XmlAttribute> table = Members<XmlAttribute>()
      .readOnly<&XmlAttribute::name>("name")
      .readOnly<&XmlAttribute::name>("nodeName")
      .readOnly<&XmlAttribute::name>("baseName")
      .readOnly<&XmlAttribute::nodeType>("nodeType")
      .property<&XmlAttribute::value, &XmlAttribute::setValue>("value")
      .property<&XmlAttribute::value, &XmlAttribute::setValue>("nodeValue")
      .property<&XmlAttribute::value, &XmlAttribute::setValue>("text")
      .readOnly<&XmlAttribute::xml>("xml")
      .readOnly<&XmlAttribute::parentNode>("parentNode")
      .build();
  return table;
}

XmlNamedNodeMap::XmlNamedNodeMap(DocumentRef data, pugi::xml_node element)
    : data_(std::move(data)), element_(element) {}

int32_t XmlNamedNodeMap::length() const {
  int32_t count = 0;
  for (pugi::xml_attribute a = element_.first_attribute(); a; a = a.next_attribute()) ++count;
  return count;
}

std::shared_ptr<Object> XmlNamedNodeMap::item(int32_t index) const {
  int32_t i = 0;
  for (pugi::xml_attribute a = element_.first_attribute(); a; a = a.next_attribute(), ++i)
    if (i == index) return std::make_shared<XmlAttribute>(data_, element_, a.name());
  return nullptr;
}

std::shared_ptr<Object> XmlNamedNodeMap::getNamedItem(std::string_view name) const {
  std::string key(name);
  if (!element_.attribute(key.c_str())) return nullptr;
  return std::make_shared<XmlAttribute>(data_, element_, key);
}

std::shared_ptr<Object> XmlNamedNodeMap::removeNamedItem(std::string_view name) {
  std::string key(name);
  pugi::xml_attribute found = element_.attribute(key.c_str());
  if (!found) return nullptr;
  // The removed attribute lives on under a holder element in the orphanage.
  pugi::xml_node holder = data_->orphanage().append_child("a");
  holder.append_attribute(key.c_str()).set_value(found.value());
  element_.remove_attribute(found);
  return std::make_shared<XmlAttribute>(data_, holder, key);
}

std::unique_ptr<Enumerator> XmlNamedNodeMap::newEnum() {
  std::vector<Variant> items;
  for (pugi::xml_attribute a = element_.first_attribute(); a; a = a.next_attribute())
    items.emplace_back(std::shared_ptr<Object>(std::make_shared<XmlAttribute>(data_, element_, a.name())));
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<XmlNamedNodeMap>& XmlNamedNodeMap::dispatchTable() {
  static const DispatchTable<XmlNamedNodeMap> table = Members<XmlNamedNodeMap>()
      .readOnly<&XmlNamedNodeMap::item>("item").asDefault()
      .readOnly<&XmlNamedNodeMap::length>("length")
      .method<&XmlNamedNodeMap::getNamedItem>("getNamedItem")
      .method<&XmlNamedNodeMap::removeNamedItem>("removeNamedItem")
      .build();
  return table;
}

}  // namespace corvela::xml
