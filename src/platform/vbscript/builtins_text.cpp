// Helpers shared by the string built-ins (see builtins_text.h).
#include "platform/vbscript/builtins_text.h"

#include <array>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/text/collation.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"

namespace corvela::vbs::builtin_text {

TextArg::TextArg(const BuiltinCall& call, size_t index) {
  const Variant* value = &call.args[index];
  if (value->isObject()) {
    held_ = value->dereferenced();
    value = &held_;
  }
  if (value->isString()) {
    string_ = value;
    view_ = value->rawString();
  } else if (value->isNull()) {
    null_ = true;
  } else {
    converted_ = value->toString();
    view_ = converted_;
  }
}

size_t TextArg::length() const {
  return string_ ? string_->stringLength() : text::codePointCount(view_);
}

text::UnitMark TextArg::remembered() const {
  if (!string_) return {};
  uint64_t packed = string_->rawStringRep()->unitMark.load(std::memory_order_relaxed);
  return {static_cast<size_t>(packed >> 32), static_cast<size_t>(packed & 0xFFFFFFFFu)};
}

void TextArg::remember(text::UnitMark mark) const {
  if (!string_ || mark.byte > text::wholeUnits(view_).size()) return;
  string_->rawStringRep()->unitMark.store((uint64_t{mark.unit} << 32) | mark.byte, std::memory_order_relaxed);
}

text::UnitMark TextArg::markAt(size_t index) const {
  text::UnitMark from = remembered();
  if (from.unit > index) from = {};
  text::UnitMark mark = text::advanceToUnit(view_, from, index);
  remember(mark);
  return mark;
}

size_t TextArg::unitsBefore(size_t byte) const {
  text::UnitMark from = remembered();
  if (from.byte > byte) from = {};
  size_t units = from.unit + text::utf16Length(view_.substr(from.byte, byte - from.byte));
  if (byte == view_.size() || (static_cast<unsigned char>(view_[byte]) & 0xC0) != 0x80) remember({units, byte});
  return units;
}

Variant TextArg::whole() const { return string_ ? *string_ : Variant(view_); }

void checkStringSize(uint64_t bytes) {
  if (bytes > kMaxStringBytes) raiseRuntimeError(14);
}

Compare compareArg(const BuiltinCall& call, size_t index) {
  if (!call.has(index)) return Compare::Binary;
  switch (call.value(index).toLong()) {
    case 0: return Compare::Binary;
    case 1: return Compare::Text;
    default: raiseRuntimeError(5);
  }
}

TextSearch::TextSearch(std::string_view haystack, std::string_view needle, Compare mode) {
  if (mode == Compare::Binary) {
    haystack_ = haystack;
    needle_ = needle;
    return;
  }
  foldedHaystack_ = text::toLower(haystack);
  foldedNeedle_ = text::toLower(needle);
  haystack_ = foldedHaystack_;
  needle_ = foldedNeedle_;
}

size_t TextSearch::find(size_t from) const {
  if (from > haystack_.size()) return std::string_view::npos;
  return haystack_.find(needle_, from);
}

size_t TextSearch::findLast(size_t end) const {
  if (needle_.size() > end) return std::string_view::npos;
  return haystack_.rfind(needle_, end - needle_.size());
}

Variant stringOf(std::string_view text, size_t codePoints) {
  Variant result(text);
  result.rawStringRep()->codePoints = static_cast<int32_t>(codePoints);
  return result;
}

// The shared strings are counted before they are shared, so no thread ever
// writes their cached length.
const Variant& asciiCharacter(int32_t code) {
  static const std::array<Variant, 128> characters = [] {
    std::array<Variant, 128> made;
    for (int i = 0; i < 128; ++i) {
      char c = static_cast<char>(i);
      made[i] = stringOf(std::string_view(&c, 1), 1);
    }
    return made;
  }();
  return characters[code];
}

Variant pieceOf(std::string_view piece, bool ascii) {
  static const Variant empty = stringOf({}, 0);
  if (piece.empty()) return empty;
  if (piece.size() == 1 && static_cast<unsigned char>(piece[0]) < 0x80) return asciiCharacter(piece[0]);
  return ascii ? stringOf(piece, piece.size()) : Variant(piece);
}

int compareText(std::string_view a, std::string_view b, Compare mode) {
  if (mode == Compare::Text) return text::compareCollated(a, b, currentLcid());
  int result = text::compareUtf16(a, b);
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace corvela::vbs::builtin_text
