// The attributes document of an account: root element `user`, one child
// element per attribute, named by the attribute name in upper case and
// holding its value as text. Names reach these functions already
// upper-cased.
#pragma once

#include <string>
#include <string_view>

namespace corvela::users {

// The document of an account without attributes (and of a new User).
inline constexpr std::string_view kEmptyAttributes = "<?xml version=\"1.0\" encoding=\"gb2312\"?><user/>";

// The text of the first child of `user` named `name`; "" when there is none
// or when the document does not parse.
std::string attributeValue(std::string_view document, std::string_view name);

enum class AttributeUpdate { Done, BadDocument, BadName };

// Sets the attribute in `document` (adding its element when missing,
// replacing the content of the first one otherwise). On BadDocument (the
// text does not parse, or its root is not `user`) and on BadName (not an
// XML element name) the document is left unchanged.
AttributeUpdate setAttributeValue(std::string& document, std::string_view name, std::string_view value);

// An XML 1.0 element name without a namespace prefix.
bool isXmlName(std::string_view name);

}  // namespace corvela::users
