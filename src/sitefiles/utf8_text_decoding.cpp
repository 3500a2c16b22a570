// Utf2GB over the system code page.
#include "sitefiles/utf8_text_decoding.h"

#include "platform/automation/com_error.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8_units.h"

namespace corvela::sitefiles {
namespace {

constexpr int kInvalidArgument = 5;

}  // namespace

std::string Utf2GB(std::string_view utfString) {
  std::string bytes = text::toCodePage(utfString);
  std::string out;
  auto byteAt = [&](size_t i) -> unsigned {
    if (i >= bytes.size()) raiseRuntimeError(kInvalidArgument);
    return static_cast<unsigned char>(bytes[i]);
  };
  for (size_t i = 0; i < bytes.size();) {
    unsigned b = byteAt(i);
    char32_t code;
    if (b < 0x80) {
      code = b;
      i += 1;
    } else if (b & 0x20) {
      code = (b & 15) * 4096 + (byteAt(i + 1) & 63) * 64 + (byteAt(i + 2) & 63);
      i += 3;
    } else {
      code = (b & 31) * 64 + (byteAt(i + 1) & 63);
      i += 2;
    }
    // A code in the surrogate range stays a lone half, as a string of
    // UTF-16 units would hold it.
    text::appendCodeUnitOrPoint(out, code);
  }
  return out;
}

}  // namespace corvela::sitefiles
