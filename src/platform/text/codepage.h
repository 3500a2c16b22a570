// The system ANSI code page: one process-wide setting, $CORVELA_CODEPAGE (an
// iconv name such as "UTF-8", "GB2312", "GBK", "GB18030", or a Windows code
// page number such as "936"), default UTF-8. Text files, templates and
// generated pages are encoded with it; in memory all text is UTF-8.
//
// Replacement rule (never an exception for bad text): a character that the
// target code page cannot represent becomes one "?" in that code page; when
// decoding, each byte that is not part of a valid character becomes one "?".
// The same holds for invalid UTF-8 handed to toCodePage (one "?" per invalid
// byte) and for UTF-8 as the code page. Two exceptions in toCodePage for what
// strings hold beyond Unicode (utf8_units.h): a lone surrogate is written as
// U+FFFD (so "?" where the code page has no U+FFFD), and a half unit is not
// written at all.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvela::text {

// A code page name that iconv does not know.
class CodePageError : public std::runtime_error {
 public:
  explicit CodePageError(const std::string& name)
      : std::runtime_error("unknown code page: " + name) {}
};

// $CORVELA_CODEPAGE, or "UTF-8" when unset or empty (read on every call, so a
// changed environment takes effect at once).
std::string systemCodePage();
// True for the names of UTF-8 ("UTF-8", "utf8", "65001", ...).
bool isUtf8CodePage(std::string_view codepage);

// UTF-8 text to bytes of the code page. Throws CodePageError for an unknown
// code page name.
std::string toCodePage(std::string_view utf8, std::string_view codepage);
std::string toCodePage(std::string_view utf8);  // the system code page
// Bytes of the code page to UTF-8 text.
std::string fromCodePage(std::string_view bytes, std::string_view codepage);
std::string fromCodePage(std::string_view bytes);  // the system code page
// Length in bytes of the text in the code page (what LenB-style limits and
// Windows' fixed-size buffers count).
size_t byteLengthInCodePage(std::string_view utf8, std::string_view codepage);

}  // namespace corvela::text
