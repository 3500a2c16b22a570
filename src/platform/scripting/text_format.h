// How a TextStream turns file bytes into text and back. The format argument
// of OpenTextFile / OpenAsTextStream is a Tristate:
//    0 (TristateFalse)       ANSI: the system code page
//   -1 (TristateTrue)        Unicode: UTF-16LE, with the byte-order mark FF FE
//   -2 (TristateUseDefault)  the system default: ANSI, but a file that starts
//                            with FF FE is read as Unicode
// When the system code page is UTF-8, a UTF-8 byte-order mark at the start of
// an ANSI file is not taken as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvela::scripting {

enum class TextFormat { Ansi, Unicode };

inline constexpr int32_t kTristateFalse = 0;
inline constexpr int32_t kTristateTrue = -1;
inline constexpr int32_t kTristateUseDefault = -2;

// Checks a Tristate argument (5 for any other number).
int32_t checkedTristate(int32_t tristate);
// The text of a file's bytes.
std::string decodeTextFile(std::string_view bytes, int32_t tristate);
// The bytes of text in a format (no byte-order mark).
std::string encodeText(std::string_view text, TextFormat format);
// The format a stream opened for writing uses (-2 means ANSI there).
TextFormat writingFormat(int32_t tristate);
// The byte-order mark a new Unicode file starts with.
inline constexpr std::string_view kUnicodeByteOrderMark = "\xFF\xFE";

}  // namespace corvela::scripting
