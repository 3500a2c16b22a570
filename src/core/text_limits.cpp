// Cutting texts to column limits by whole characters.
#include "core/text_limits.h"

#include "platform/text/utf8.h"

namespace corvela::core {

namespace {

size_t unitsOf(char32_t cp) { return cp >= 0x10000 && cp <= 0x10FFFF ? 2 : 1; }

}  // namespace

std::string cutToLimit(std::string_view text, size_t limit) {
  size_t used = 0, pos = 0;
  while (pos < text.size()) {
    size_t next = pos;
    size_t units = unitsOf(text::decodeCodePoint(text, next));
    if (used + units > limit) break;
    used += units;
    pos = next;
  }
  return std::string(text.substr(0, pos));
}

std::string preparedText(std::string_view text, size_t limit) {
  std::string cut = cutToLimit(text, limit);
  return cut.empty() ? std::string(" ") : cut;
}

std::string doubledQuotesCut(std::string_view text, size_t limit) {
  std::string out;
  size_t used = 0, pos = 0;
  while (pos < text.size()) {
    size_t next = pos;
    char32_t cp = text::decodeCodePoint(text, next);
    size_t units = cp == U'\'' ? 2 : unitsOf(cp);
    if (used + units > limit) break;
    used += units;
    out.append(text.substr(pos, next - pos));
    if (cp == U'\'') out += '\'';
    pos = next;
  }
  return out;
}

}  // namespace corvela::core
