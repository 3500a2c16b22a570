// Decoding and encoding of text-stream files (see text_format.h).
#include "platform/scripting/text_format.h"

#include "platform/automation/com_error.h"
#include "platform/text/codepage.h"

namespace corvela::scripting {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kUtf16 = "UTF-16LE";

// An unknown system code page makes every text-file call an invalid one.
template <typename Convert>
std::string convertOrRaise(Convert convert) {
  try {
    return convert();
  } catch (const text::CodePageError&) {
    raiseRuntimeError(5);
  }
}

}  // namespace

int32_t checkedTristate(int32_t tristate) {
  if (tristate != kTristateFalse && tristate != kTristateTrue && tristate != kTristateUseDefault)
    raiseRuntimeError(5);
  return tristate;
}

std::string decodeTextFile(std::string_view bytes, int32_t tristate) {
  bool unicode = tristate == kTristateTrue ||
                 (tristate == kTristateUseDefault && bytes.substr(0, 2) == kUnicodeByteOrderMark);
  if (unicode) {
    if (bytes.substr(0, 2) == kUnicodeByteOrderMark) bytes.remove_prefix(2);
    return text::fromCodePage(bytes, kUtf16);
  }
  std::string codepage = text::systemCodePage();
  if (text::isUtf8CodePage(codepage) && bytes.substr(0, 3) == kUtf8ByteOrderMark) bytes.remove_prefix(3);
  return convertOrRaise([&] { return text::fromCodePage(bytes, codepage); });
}

std::string encodeText(std::string_view text, TextFormat format) {
  if (format == TextFormat::Unicode) return text::toCodePage(text, kUtf16);
  return convertOrRaise([&] { return text::toCodePage(text); });
}

TextFormat writingFormat(int32_t tristate) {
  return tristate == kTristateTrue ? TextFormat::Unicode : TextFormat::Ansi;
}

}  // namespace corvela::scripting
