// Raising DOM errors and checking XML names.
#include "platform/xml/xml_errors.h"

#include "platform/automation/com_error.h"

namespace corvela::xml {

namespace {

constexpr const char* kEmptyName = "An empty name is not allowed.";
constexpr const char* kBadFirstCharacter = "This name may not begin with the '%' character:";
constexpr const char* kBadCharacter = "This name may not contain the '%' character:";

// Non-ASCII characters are all allowed: the names of this system's trees are
// often Chinese, and XML 1.0 (5th edition) admits nearly every letter.
bool isNameStart(unsigned char c) { return c >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':'; }
bool isNameChar(unsigned char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// Only ASCII characters are refused, so the offending one is a single byte.
std::string describe(const char* pattern, std::string_view name, size_t at) {
  std::string text(pattern);
  text.replace(text.find('%'), 1, std::string(name.substr(at, 1)));
  return text + "\r\n\r\n" + std::string(name) + "\r\n";
}

}  // namespace

void raiseXmlError(std::string description) { throw ComError(kXmlFailure, kXmlErrorSource, std::move(description)); }

void checkXmlName(std::string_view name) {
  if (name.empty()) raiseXmlError(kEmptyName);
  if (!isNameStart(static_cast<unsigned char>(name[0]))) raiseXmlError(describe(kBadFirstCharacter, name, 0));
  for (size_t i = 1; i < name.size(); ++i)
    if (!isNameChar(static_cast<unsigned char>(name[i]))) raiseXmlError(describe(kBadCharacter, name, i));
}

}  // namespace corvela::xml
