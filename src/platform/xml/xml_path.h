// Selection paths: the XSL-pattern spelling older callers use, read as
// XPath 1.0.
#pragma once

#include <string>
#include <string_view>

namespace corvela::xml {

// The path with every nodeName() call (outside string literals) written as
// name(), the one XSL-pattern function the system's paths use.
std::string xpathFromPattern(std::string_view path);

}  // namespace corvela::xml
