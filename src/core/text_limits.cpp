// Cuts counted in UTF-16 code units over the UTF-8 text.
#include "core/text_limits.h"

#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"

namespace corvela::core {

std::string_view cutToUnits(std::string_view text, size_t limit) {
  if (text::utf16Length(text) <= limit) return text;
  std::string_view whole = text::wholeUnits(text);
  size_t units = 0;
  size_t pos = 0;
  while (pos < whole.size()) {
    size_t next = pos;
    size_t width = text::decodeCodePoint(whole, next) > 0xFFFF ? 2 : 1;
    if (units + width > limit) break;
    units += width;
    pos = next;
  }
  return text.substr(0, pos);
}

std::string columnText(std::string_view text, size_t limit) {
  std::string_view cut = cutToUnits(text, limit);
  return cut.empty() ? std::string(" ") : std::string(cut);
}

}  // namespace corvela::core
