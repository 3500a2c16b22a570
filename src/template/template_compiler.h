// Turns a template file into VBScript: literal HTML becomes Response.Output
// statements, "<!--%" ... "%-->" code blocks are copied unchanged, literal
// text inside "<!--TemplateBegin" regions is dropped.
#pragma once

#include <string>
#include <string_view>

namespace corvela::tmpl {

// The script of a template. Raises 555 (no source) "Can not find %-->" for a
// code block that never closes and "Can not find -->" for a region marker
// that never closes.
std::string compileTemplate(std::string_view text);

// The page text with every "<!--METADATA" ... "-->" block removed; an
// unterminated block cuts the text where it starts.
std::string stripMetadata(std::string_view text);

inline constexpr int kTemplateMarkerError = 555;
inline constexpr const char* kNoCodeEnd = "Can not find %-->";
inline constexpr const char* kNoMarkerEnd = "Can not find -->";

}  // namespace corvela::tmpl
