// VBScript's strings are UTF-16 underneath and may hold what Unicode text
// cannot: a surrogate without its partner (Mid cutting a pair, ChrW(&HD83D))
// and an odd number of bytes (ChrB, MidB, LeftB, whose bytes pair up into
// code units only once more bytes are joined on). Strings here are UTF-8
// with two extensions, so that plain text pays nothing for them:
//
//  - A lone surrogate is the three-byte form a surrogate would have in
//    UTF-8 (ED A0..BF xx, "WTF-8"). A high half directly followed by a low
//    half is never kept like that: joining two strings (joinedTail) turns
//    such a meeting into the one four-byte character.
//  - A half unit: when the string's UTF-16 form has an odd number of bytes,
//    the last byte (the low byte of a code unit whose high byte has not
//    arrived) is kept at the very end as two bytes F8|(b >> 6), 80|(b & 3F).
//    F8..FB never occur in UTF-8, so the mark is found from the last two
//    bytes alone, and it travels with the bytes wherever the text goes.
//
// Neither extension is valid UTF-8: text leaving the process goes through
// toCodePage (codepage.h), which writes a lone surrogate as U+FFFD and drops
// a half unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvela::text {

// --- The half unit at the end -----------------------------------------------

inline bool hasHalfUnit(std::string_view s) {
  return s.size() >= 2 && static_cast<unsigned char>(s[s.size() - 2]) >= 0xF8 &&
         static_cast<unsigned char>(s[s.size() - 2]) <= 0xFB &&
         (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80;
}
// The byte of the half unit; hasHalfUnit(s) must hold.
uint8_t halfUnitByte(std::string_view s);
// The text without its half unit, if it has one: the whole code units.
inline std::string_view wholeUnits(std::string_view s) {
  return hasHalfUnit(s) ? s.substr(0, s.size() - 2) : s;
}
void appendHalfUnit(std::string& out, uint8_t byte);

// --- Counting and converting UTF-16 code units ------------------------------

// Code units of the whole units (Len): a character above U+FFFF counts two,
// a half unit none.
size_t utf16Length(std::string_view s);
// Bytes of the UTF-16 form (LenB): two per code unit, one for a half unit.
size_t utf16ByteLength(std::string_view s);
// The first code unit (the high half of a pair); 0 for empty text.
char16_t firstUtf16Unit(std::string_view s);
// Like appendCodePoint, except that a surrogate is kept in its three-byte form.
void appendCodeUnitOrPoint(std::string& out, char32_t cp);
// The code units of the whole units; the half unit is left out.
std::u16string toUtf16Units(std::string_view s);
// Text of code units: pairs join into characters, lone halves stay.
std::string fromUtf16Units(std::u16string_view units);
// The UTF-16LE bytes, the half unit's byte last.
std::string toUtf16Bytes(std::string_view s);
// Text of UTF-16LE bytes; an odd count leaves a half unit.
std::string fromUtf16Bytes(std::string_view bytes);
// The UTF-16LE bytes [begin, end) of the text (clamped to it), converting
// only the code units that hold them; `units` is utf16Length(s), which a
// String Variant keeps counted.
std::string utf16ByteSlice(std::string_view s, size_t units, size_t begin, size_t end);

// --- Joining ----------------------------------------------------------------

// True when appending `right` to `left` must do more than place the bytes
// side by side: `left` ends with a half unit, or with a high surrogate that
// meets a low one at the start of `right`. Cheap on the common path: text
// ending in ASCII is settled by one byte.
inline bool needsJoin(std::string_view left, std::string_view right) {
  if (left.empty() || right.empty() || static_cast<unsigned char>(left.back()) < 0x80) return false;
  if (hasHalfUnit(left)) return true;
  size_t n = left.size();
  return n >= 3 && right.size() >= 3 && static_cast<unsigned char>(left[n - 3]) == 0xED &&
         (static_cast<unsigned char>(left[n - 2]) & 0xF0) == 0xA0 &&
         static_cast<unsigned char>(right[0]) == 0xED && (static_cast<unsigned char>(right[1]) & 0xF0) == 0xB0;
}
// How `left` followed by `right` ends: returns the count of bytes to drop
// from the end of `left` and sets `tail` to the bytes that then follow. The
// half unit's byte takes the first byte of `right` as its high byte (so the
// rest of `right` shifts by one byte), and a high surrogate meeting a low
// one becomes the character they encode.
size_t joinedTail(std::string_view left, std::string_view right, std::string& tail);
// `left` & `right` as VBScript joins strings.
std::string concatenated(std::string_view left, std::string_view right);
// Appends `piece` to `out` as "&" would.
void appendJoined(std::string& out, std::string_view piece);

// --- Cutting and comparing by code units ------------------------------------

// A character start in a text: `unit` code units and `byte` bytes in.
struct UnitMark {
  size_t unit = 0;
  size_t byte = 0;
};
// From the character start `from`, the last character start among the whole
// units at or before code unit `index`.
UnitMark advanceToUnit(std::string_view s, UnitMark from, size_t index);

// The whole units [first, first + count), clamped to the text. A cut
// through a pair leaves the half that is inside as a lone surrogate.
std::string unitSlice(std::string_view s, size_t first, size_t count = SIZE_MAX);
// Byte offset of the first character that begins at or after code unit
// `index` (the end when past it). A pair's low half begins no character, so
// an index there gives the offset after the pair.
// The scan begins at `from`, a character start at or before `index`.
size_t byteOffsetOfUnit(std::string_view s, size_t index, UnitMark from = {});
// Binary order of VBScript: by UTF-16 code unit value, a prefix before a
// longer text; a half unit sorts by its byte, just before a whole unit of
// the same value. The same as byte order except where a character above
// U+FFFF meets one of U+E000..U+FFFF, or a half unit meets anything.
// Result <0, 0, >0.
int compareUtf16(std::string_view a, std::string_view b);

}  // namespace corvela::text
