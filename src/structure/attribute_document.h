// The free attributes of a magazine or an issue: an XML text whose root is
// "magazine" (or "issue") with one child <attribute name="NAME">value</...>
// per attribute. Names are kept and looked up in upper case; a lookup finds
// the first child of the root with that name. An all-blank text stands for
// the empty document.
//
// The lookup compares the name attribute itself instead of pasting the name
// into a path, so a name with a quote or a bracket finds its attribute like
// any other.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace corvela {
class Collection;
}

namespace corvela::structure {

// "magazine" or "issue".
struct AttributeRoot {
  std::string_view name;
  std::string_view emptyDocument;
};

inline constexpr AttributeRoot kMagazineAttributes = {
    "magazine", "<?xml version=\"1.0\" encoding=\"gb2312\"?><magazine/>"};
inline constexpr AttributeRoot kIssueAttributes = {"issue", "<?xml version=\"1.0\" encoding=\"gb2312\"?><issue/>"};

// One myAttribute per attribute element in document order; nullptr when the
// text does not parse.
std::shared_ptr<Collection> allAttributes(std::string_view text, const AttributeRoot& root);

// The value of the attribute, "" when there is none or the text does not parse.
std::string attributeValue(std::string_view text, const AttributeRoot& root, std::string_view name);

// The text with the attribute set (added at the end of the root when new).
// 555 "User.SetAttribute" "InvalidXML" when the text does not parse.
std::string withAttribute(std::string_view text, const AttributeRoot& root, std::string_view name,
                          std::string_view value);

}  // namespace corvela::structure
