// Errors of the DOM classes, raised as the parser library of the original
// platform raised them: E_FAIL under the library's name with a description
// of what was wrong.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvela::xml {

inline constexpr const char* kXmlErrorSource = "msxml3.dll";
inline constexpr int32_t kXmlFailure = static_cast<int32_t>(0x80004005u);

[[noreturn]] void raiseXmlError(std::string description);

// Raises unless the text is a valid XML name: empty, a bad first character
// or a bad later character each with their own description.
void checkXmlName(std::string_view name);

}  // namespace corvela::xml
