// The string built-ins that cut, search, pad and compare text (Len, Left,
// Right, Mid, InStr, InStrRev, Replace, Trim, LCase, UCase, Space, String,
// StrComp, StrReverse) and the table of the whole string family.
//
// A character is one UTF-16 code unit, as in VBScript: a character above
// U+FFFF counts two, and Mid or Left may cut such a pair, leaving a lone half
// (text/utf8_units.h). Strings counted once remember their length, and pure
// ASCII text takes byte offsets directly, so Mid(s, i, 1) in a loop over
// ASCII text costs no scan. Results that are the whole argument share its
// text instead of copying it. The half unit that byte functions may leave at
// the end of a string is no character: these functions leave it out.
#include <string>

#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"
#include "platform/vbscript/builtin.h"
#include "platform/vbscript/builtins_string_parts.h"
#include "platform/vbscript/builtins_text.h"

namespace corvela::vbs::string_builtins {

using builtin_text::Compare;
using builtin_text::TextArg;

namespace {

// A count or position argument: Null raises 94, text that is no number 13.
int32_t numberArg(BuiltinCall& call, size_t index) { return call.value(index).toLong(); }

int32_t nonNegativeArg(BuiltinCall& call, size_t index) {
  int32_t n = numberArg(call, index);
  if (n < 0) raiseRuntimeError(5);
  return n;
}

Variant longResult(size_t n) { return Variant(static_cast<int32_t>(n)); }

// Characters before byte `offset` of the text.
size_t charIndexOf(const TextArg& text, size_t offset) {
  return text.isAscii() ? offset : text.unitsBefore(offset);
}

// Byte offset of the first character at or after character `index`.
size_t byteOffsetOf(const TextArg& text, size_t index) {
  if (text.isAscii()) return index < text.view().size() ? index : text.view().size();
  return text::byteOffsetOfUnit(text.view(), index, text.markAt(index));
}

// True when the result of cutting would be the whole argument unchanged.
bool takesWhole(const TextArg& text, size_t first, size_t count) {
  return first == 0 && count >= text.length() && !text::hasHalfUnit(text.view());
}

// The characters [first, first + count) of the text, clamped to it.
Variant piece(const TextArg& text, size_t first, size_t count) {
  if (takesWhole(text, first, count)) return text.whole();
  if (text.isAscii()) {
    std::string_view view = text.view();
    first = first < view.size() ? first : view.size();
    return builtin_text::pieceOf(view.substr(first, count), true);
  }
  text::UnitMark mark = text.markAt(first);
  return builtin_text::pieceOf(text::unitSlice(text.view().substr(mark.byte), first - mark.unit, count), false);
}

Variant lenFn(BuiltinCall& call) {
  const Variant& arg = call.args[0];
  if (arg.isString()) return longResult(arg.stringLength());
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  return longResult(text.length());
}

Variant leftFn(BuiltinCall& call) {
  int32_t count = nonNegativeArg(call, 1);
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  return piece(text, 0, static_cast<size_t>(count));
}

Variant rightFn(BuiltinCall& call) {
  int32_t count = nonNegativeArg(call, 1);
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  size_t length = text.length();
  size_t first = static_cast<size_t>(count) >= length ? 0 : length - count;
  return piece(text, first, static_cast<size_t>(count));
}

// The length is checked before the start: Mid("abc", 0, Null) raises 94.
Variant midFn(BuiltinCall& call) {
  bool hasLength = call.has(2);
  int32_t count = hasLength ? nonNegativeArg(call, 2) : 0;
  int32_t start = numberArg(call, 1);
  if (start < 1) raiseRuntimeError(5);
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  return piece(text, static_cast<size_t>(start - 1), hasLength ? static_cast<size_t>(count) : SIZE_MAX);
}

// Trim, LTrim and RTrim remove spaces only (not tabs or line ends).
Variant trimmed(BuiltinCall& call, bool left, bool right) {
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  std::string_view view = text.view();
  size_t begin = 0;
  size_t end = view.size();
  if (left)
    while (begin < end && view[begin] == ' ') ++begin;
  if (right)
    while (end > begin && view[end - 1] == ' ') --end;
  if (begin == 0 && end == view.size()) return text.whole();
  return builtin_text::pieceOf(view.substr(begin, end - begin), text.isAscii());
}

Variant trimFn(BuiltinCall& call) { return trimmed(call, true, true); }
Variant ltrimFn(BuiltinCall& call) { return trimmed(call, true, false); }
Variant rtrimFn(BuiltinCall& call) { return trimmed(call, false, true); }

// LCase and UCase return the argument itself when no character could change.
Variant caseMapped(BuiltinCall& call, bool upper) {
  TextArg text(call, 0);
  if (text.isNull()) return Variant::null();
  char first = upper ? 'a' : 'A';
  char last = upper ? 'z' : 'Z';
  bool mayChange = false;
  for (char c : text.view()) {
    if ((c >= first && c <= last) || static_cast<unsigned char>(c) >= 0x80) {
      mayChange = true;
      break;
    }
  }
  if (!mayChange) return text.whole();
  // The mapping is one character for one, so the count stays.
  return builtin_text::stringOf(upper ? text::toUpper(text.view()) : text::toLower(text.view()), text.length());
}

Variant lcaseFn(BuiltinCall& call) { return caseMapped(call, false); }
Variant ucaseFn(BuiltinCall& call) { return caseMapped(call, true); }

// A string of `count` copies of the one character `unit`, or 14 Out of
// string space.
Variant repeated(int32_t count, std::string_view unit) {
  builtin_text::checkStringSize(static_cast<uint64_t>(count) * unit.size());
  std::string out;
  if (unit.size() == 1) {
    out.assign(static_cast<size_t>(count), unit[0]);
  } else {
    out.reserve(static_cast<size_t>(count) * unit.size());
    for (int32_t i = 0; i < count; ++i) out.append(unit);
  }
  return builtin_text::stringOf(out, static_cast<size_t>(count) * text::utf16Length(unit));
}

Variant spaceFn(BuiltinCall& call) { return repeated(nonNegativeArg(call, 0), " "); }

// String(number, character): the character is a code (taken Mod 256 and
// read in the system code page, as Chr reads it) or the first character of
// a text. Null in either argument gives Null.
Variant stringFn(BuiltinCall& call) {
  Variant number = call.value(0);
  Variant character = call.value(1);
  if (number.isNull() || character.isNull()) return Variant::null();
  int32_t count = number.toLong();
  if (count < 0) raiseRuntimeError(5);
  if (character.isString()) {
    std::string_view view = text::wholeUnits(character.rawString());
    if (view.empty()) raiseRuntimeError(5);
    size_t firstEnd = 0;
    text::decodeCodePoint(view, firstEnd);
    return repeated(count, view.substr(0, firstEnd));
  }
  Variant unit = ansiCharacter(character.toLong() % 256);
  return repeated(count, unit.rawString());
}

Variant strReverseFn(BuiltinCall& call) {
  TextArg text(call, 0);
  if (text.isNull()) raiseRuntimeError(94);
  std::string_view view = text::wholeUnits(text.view());
  std::string out(view.size(), '\0');
  if (text.isAscii()) {
    for (size_t i = 0; i < view.size(); ++i) out[view.size() - 1 - i] = view[i];
    return builtin_text::stringOf(out, out.size());
  }
  // Each character's bytes keep their order; the characters reverse.
  size_t pos = 0;
  size_t write = view.size();
  while (pos < view.size()) {
    size_t begin = pos;
    text::decodeCodePoint(view, pos);
    write -= pos - begin;
    out.replace(write, pos - begin, view.substr(begin, pos - begin));
  }
  return builtin_text::stringOf(out, text.length());
}

Variant strCompFn(BuiltinCall& call) {
  Compare mode = builtin_text::compareArg(call, 2);
  TextArg a(call, 0);
  TextArg b(call, 1);
  if (a.isNull() || b.isNull()) return Variant::null();
  int order = mode == Compare::Binary ? text::compareUtf16(a.view(), b.view())
                                      : builtin_text::compareText(a.view(), b.view(), mode);
  return Variant::fromInteger(static_cast<int16_t>(order));
}

// InStr([start,] string1, string2[, compare]): with three or four arguments
// the first is the start.
Variant inStrFn(BuiltinCall& call) {
  size_t first = call.count() >= 3 ? 1 : 0;
  int32_t start = 1;
  if (first == 1 && call.has(0)) start = numberArg(call, 0);
  Compare mode = builtin_text::compareArg(call, first + 2);
  if (start < 1) raiseRuntimeError(5);
  TextArg haystack(call, first);
  TextArg needle(call, first + 1);
  if (haystack.isNull() || needle.isNull()) return Variant::null();
  if (haystack.view().empty() || static_cast<size_t>(start) > haystack.length()) return longResult(0);
  if (needle.view().empty()) return longResult(start);
  builtin_text::TextSearch search(haystack.view(), needle.view(), mode);
  size_t found = search.find(byteOffsetOf(haystack, start - 1));
  if (found == std::string_view::npos) return longResult(0);
  return longResult(charIndexOf(haystack, found) + 1);
}

// InStrRev(string1, string2[, start[, compare]]): start -1 means the end.
// Unlike InStr, a Null string raises 94 instead of giving Null.
Variant inStrRevFn(BuiltinCall& call) {
  int32_t start = call.has(2) ? numberArg(call, 2) : -1;
  if (start == 0 || start < -1) raiseRuntimeError(5);
  Compare mode = builtin_text::compareArg(call, 3);
  TextArg haystack(call, 0);
  TextArg needle(call, 1);
  if (haystack.isNull() || needle.isNull()) raiseRuntimeError(94);
  size_t length = haystack.length();
  if (length == 0) return longResult(0);
  size_t last = start == -1 ? length : static_cast<size_t>(start);
  if (last > length) return longResult(0);
  if (needle.view().empty()) return longResult(last);
  builtin_text::TextSearch search(haystack.view(), needle.view(), mode);
  size_t found = search.findLast(byteOffsetOf(haystack, last));
  if (found == std::string_view::npos) return longResult(0);
  return longResult(charIndexOf(haystack, found) + 1);
}

// Bytes of the Replace buffer kept for the next call; a larger one goes.
constexpr size_t kLargestKeptBuffer = 1 << 20;

// Replace(expression, find, replacewith[, start[, count[, compare]]]). The
// result begins at `start`: the text before it is dropped, not kept.
Variant replaceFn(BuiltinCall& call) {
  TextArg expression(call, 0);
  TextArg find(call, 1);
  TextArg replacement(call, 2);
  if (expression.isNull() || find.isNull() || replacement.isNull()) raiseRuntimeError(94);
  int32_t start = call.has(3) ? numberArg(call, 3) : 1;
  if (start < 1) raiseRuntimeError(5);
  int32_t count = call.has(4) ? numberArg(call, 4) : -1;
  if (count < -1) raiseRuntimeError(5);
  Compare mode = builtin_text::compareArg(call, 5);

  std::string_view whole = expression.view();
  size_t begin = byteOffsetOf(expression, start - 1);
  if (begin == whole.size()) return builtin_text::pieceOf({}, true);
  std::string_view tail = whole.substr(begin);
  std::string_view pattern = find.view();
  bool ascii = expression.isAscii();
  if (pattern.empty() || count == 0) return begin == 0 ? expression.whole() : builtin_text::pieceOf(tail, ascii);
  builtin_text::TextSearch search(tail, pattern, mode);
  size_t found = search.find(0);
  if (found == std::string_view::npos) return begin == 0 ? expression.whole() : builtin_text::pieceOf(tail, ascii);

  // The result's size first: a short text with a long replacement may ask
  // for more than a string can hold, which must fail before it is built.
  const size_t first = found;
  uint64_t size = tail.size();
  for (int32_t replaced = 0; found != std::string_view::npos && (count == -1 || replaced < count); ++replaced) {
    size = size - pattern.size() + replacement.view().size();
    builtin_text::checkStringSize(size);
    found = search.find(found + pattern.size());
  }
  // One buffer per thread, reused, so a Replace allocates only its result.
  thread_local std::string out;
  out.clear();
  out.reserve(size);
  size_t done = 0;
  found = first;
  for (int32_t replaced = 0; found != std::string_view::npos && (count == -1 || replaced < count); ++replaced) {
    out.append(tail.substr(done, found - done));
    out.append(replacement.view());
    done = found + pattern.size();
    found = search.find(done);
  }
  out.append(tail.substr(done));
  Variant result = ascii && find.isAscii() && replacement.isAscii() ? builtin_text::stringOf(out, out.size())
                                                                    : Variant(out);
  if (out.capacity() > kLargestKeptBuffer) out = std::string();
  return result;
}

constexpr BuiltinFunction kStringBuiltins[] = {
    {"Len", 1, 1, lenFn},
    {"LenB", 1, 1, lenBFn},
    {"Left", 2, 2, leftFn},
    {"LeftB", 2, 2, leftBFn},
    {"Right", 2, 2, rightFn},
    {"RightB", 2, 2, rightBFn},
    {"Mid", 2, 3, midFn},
    {"MidB", 2, 3, midBFn},
    {"InStr", 2, 4, inStrFn},
    {"InStrB", 2, 4, inStrBFn},
    {"InStrRev", 2, 4, inStrRevFn},
    {"Replace", 3, 6, replaceFn},
    {"Split", 1, 4, splitFn},
    {"Join", 1, 2, joinFn},
    {"Filter", 2, 4, filterFn},
    {"Trim", 1, 1, trimFn},
    {"LTrim", 1, 1, ltrimFn},
    {"RTrim", 1, 1, rtrimFn},
    {"LCase", 1, 1, lcaseFn},
    {"UCase", 1, 1, ucaseFn},
    {"Space", 1, 1, spaceFn},
    {"String", 2, 2, stringFn},
    {"StrComp", 2, 3, strCompFn},
    {"StrReverse", 1, 1, strReverseFn},
    {"Escape", 1, 1, escapeFn},
    {"Unescape", 1, 1, unescapeFn},
    {"Asc", 1, 1, ascFn},
    {"AscB", 1, 1, ascBFn},
    {"AscW", 1, 1, ascWFn},
    {"Chr", 1, 1, chrFn},
    {"ChrB", 1, 1, chrBFn},
    {"ChrW", 1, 1, chrWFn},
    {"Hex", 1, 1, hexFn},
    {"Oct", 1, 1, octFn},
};

}  // namespace

}  // namespace corvela::vbs::string_builtins

namespace corvela::vbs {

std::span<const BuiltinFunction> stringBuiltins() { return string_builtins::kStringBuiltins; }

}  // namespace corvela::vbs
