// Helpers shared by the string built-ins: an argument read as text without a
// copy when it already is a String, the compare argument (vbBinaryCompare /
// vbTextCompare), searching and comparing under either, and the UTF-16 view
// of a string that AscW, ChrW, Escape and the byte functions (LenB, MidB, ...)
// need because VBScript's strings were UTF-16 underneath.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/utf8_units.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs::builtin_text {

// An argument as text (CStr rules). A String argument is viewed in place; an
// object is replaced by its default value first; anything else is converted
// and held here. Null is reported by isNull(), never converted.
class TextArg {
 public:
  TextArg(const BuiltinCall& call, size_t index);
  TextArg(const TextArg&) = delete;
  TextArg& operator=(const TextArg&) = delete;

  bool isNull() const { return null_; }
  std::string_view view() const { return view_; }
  // Characters (code points); counted once per String and cached there.
  size_t length() const;
  // True when every character is one byte, so byte and character offsets agree.
  bool isAscii() const { return length() == view_.size(); }
  // The last character start at or before code unit `index`.
  text::UnitMark markAt(size_t index) const;
  // Code units before `byte`, a character start.
  size_t unitsBefore(size_t byte) const;
  // The whole text as a Variant; shares the caller's String when it was one.
  Variant whole() const;

 private:
  // Where the String remembers its last mark (see StringRep::unitMark).
  text::UnitMark remembered() const;
  void remember(text::UnitMark mark) const;

  const Variant* string_ = nullptr;  // the String Variant viewed, when there is one
  Variant held_;                     // an object's default value
  std::string converted_;
  std::string_view view_;
  bool null_ = false;
};

// Raises 14 Out of string space when a result of `bytes` bytes would pass
// what a string can hold (the 2 GB of a BSTR).
void checkStringSize(uint64_t bytes);

enum class Compare { Binary, Text };

// The optional compare argument at `index`: omitted means binary; 0 binary,
// 1 text; Null raises 94, any other number 5.
Compare compareArg(const BuiltinCall& call, size_t index);

// Repeated searches for one needle in one text. Under text comparison both
// are case-mapped once up front (the mapping keeps every character's byte
// length, so offsets in the mapped copies are offsets in the originals).
class TextSearch {
 public:
  TextSearch(std::string_view haystack, std::string_view needle, Compare mode);
  TextSearch(const TextSearch&) = delete;
  TextSearch& operator=(const TextSearch&) = delete;

  // Byte offset of the first occurrence at or after byte `from`, or npos.
  // An empty needle is found at `from`.
  size_t find(size_t from) const;
  // Byte offset of the last occurrence that ends at or before byte `end`,
  // or npos.
  size_t findLast(size_t end) const;

 private:
  std::string foldedHaystack_;
  std::string foldedNeedle_;
  std::string_view haystack_;
  std::string_view needle_;
};

// A String Variant of a piece of text; `ascii` says the piece is known to be
// pure ASCII, which spares a later Len a count. The empty string and the
// single ASCII characters are made once and shared, so that cutting text one
// character at a time allocates nothing.
Variant pieceOf(std::string_view piece, bool ascii);
// A new String Variant whose count of characters is already known.
Variant stringOf(std::string_view text, size_t codePoints);
// The shared one-character string of an ASCII code (0..127).
const Variant& asciiCharacter(int32_t code);

// -1, 0 or 1, as StrComp answers: binary by UTF-16 code unit, text by the
// collation of the current locale (a, ä, b; case ignored, accents kept).
int compareText(std::string_view a, std::string_view b, Compare mode);

}  // namespace corvela::vbs::builtin_text
