// Rewriting XSL-pattern functions into XPath.
#include "platform/xml/xml_path.h"

namespace corvela::xml {

namespace {
constexpr std::string_view kPatternFunction = "nodeName()";
constexpr std::string_view kXPathFunction = "name()";

bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
         c == '.' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
}
}  // namespace

std::string xpathFromPattern(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  char quote = 0;
  for (size_t i = 0; i < path.size();) {
    char c = path[i];
    if (quote) {
      if (c == quote) quote = 0;
      out += c;
      ++i;
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
      out += c;
      ++i;
      continue;
    }
    // Only the whole name: an element called mynodeName() stays as it is.
    bool startsName = out.empty() || !isNameChar(out.back());
    if (startsName && path.substr(i, kPatternFunction.size()) == kPatternFunction) {
      out += kXPathFunction;
      i += kPatternFunction.size();
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

}  // namespace corvela::xml
