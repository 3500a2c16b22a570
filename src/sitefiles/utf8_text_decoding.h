// Utf2GB: text whose characters are the bytes of UTF-8 (one byte read as
// one system-code-page character, as a page receives a UTF-8 query string
// decoded the wrong way) turned back into the characters they encode.
#pragma once

#include <string>
#include <string_view>

namespace corvela::sitefiles {

// Bytes below 128 are themselves; a byte with bits 7 and 5 set starts a
// three-byte form, one with bit 7 only a two-byte form (four-byte forms are
// read as three-byte ones, as always). A form cut short at the end raises
// 5 Invalid procedure call or argument.
std::string Utf2GB(std::string_view utfString);

}  // namespace corvela::sitefiles
