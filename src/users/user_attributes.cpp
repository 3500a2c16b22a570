// The attributes document over pugixml. Parsing keeps what a document
// carried over may hold (declaration, comments, processing instructions), so
// setting one attribute rewrites nothing else, and keeps a value made only
// of blanks, which is otherwise dropped as insignificant white space.
#include "users/user_attributes.h"

#include <pugixml.hpp>

#include <sstream>

#include "platform/text/utf8.h"

namespace corvela::users {
namespace {

constexpr const char* kRootName = "user";
constexpr unsigned kParseOptions = (pugi::parse_full & ~pugi::parse_ws_pcdata) | pugi::parse_ws_pcdata_single;

// Parses text as a whole document: one top-level element, nothing broken.
bool parseDocument(std::string_view text, pugi::xml_document& doc) {
  if (!doc.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8)) return false;
  int elements = 0;
  for (pugi::xml_node node : doc.children())
    if (node.type() == pugi::node_element) ++elements;
  return elements == 1;
}

pugi::xml_node findAttribute(const pugi::xml_node& user, std::string_view name) {
  for (pugi::xml_node node : user.children())
    if (node.type() == pugi::node_element && name == node.name()) return node;
  return {};
}

// All text below the node, as the DOM's text property reads it.
void appendText(const pugi::xml_node& node, std::string& out) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) out += child.value();
    else if (child.type() == pugi::node_element) appendText(child, out);
  }
}

bool isNameStart(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
         (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
         (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(char32_t c) {
  return isNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace

bool isXmlName(std::string_view name) {
  if (name.empty()) return false;
  size_t pos = 0;
  bool first = true;
  while (pos < name.size()) {
    size_t start = pos;
    char32_t c = text::decodeCodePoint(name, pos);
    // An invalid byte decodes as U+FFFD, which names may hold; refuse it.
    if (c == text::kReplacementCharacter && name.substr(start, pos - start) != "\xEF\xBF\xBD") return false;
    if (first ? !isNameStart(c) : !isNameChar(c)) return false;
    first = false;
  }
  return true;
}

std::string attributeValue(std::string_view document, std::string_view name) {
  pugi::xml_document doc;
  if (!parseDocument(document, doc)) return {};
  pugi::xml_node node = findAttribute(doc.child(kRootName), name);
  std::string value;
  if (node) appendText(node, value);
  return value;
}

AttributeUpdate setAttributeValue(std::string& document, std::string_view name, std::string_view value) {
  pugi::xml_document doc;
  // A document whose one element is not `user` cannot take a second root.
  if (!parseDocument(document, doc) || !doc.child(kRootName)) return AttributeUpdate::BadDocument;
  if (!isXmlName(name)) return AttributeUpdate::BadName;
  pugi::xml_node user = doc.child(kRootName);
  pugi::xml_node node = findAttribute(user, name);
  if (!node) node = user.append_child(std::string(name).c_str());
  while (node.first_child()) node.remove_child(node.first_child());
  if (!value.empty()) node.append_child(pugi::node_pcdata).set_value(std::string(value).c_str());
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  document = out.str();
  return AttributeUpdate::Done;
}

}  // namespace corvela::users
