// The byte built-ins LenB, LeftB, RightB, MidB, InStrB, AscB and ChrB.
//
// VBScript's strings were UTF-16, and these functions count the bytes of
// that form: LenB("ab") is 4. A Byte array (what a binary read returns) is
// taken as its own bytes. A piece cut from a string comes back as a String
// when it holds whole UTF-16 units; an odd number of bytes, a piece of a Byte
// array and ChrB's single byte come back as a Byte array, since UTF-8 text
// cannot hold half a unit. The byte functions accept those arrays in turn,
// so AscB(MidB(data, i, 1)) and InStrB(data, ChrB(13)) work as scripts
// expect.
#include <algorithm>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"
#include "platform/vbscript/builtins_string_parts.h"
#include "platform/vbscript/builtins_text.h"

namespace corvela::vbs::string_builtins {

namespace {

bool isByteArray(const Variant& value) { return value.isArray() && value.rawArray()->isBytes; }

int32_t nonNegativeArg(BuiltinCall& call, size_t index) {
  int32_t n = call.value(index).toLong();
  if (n < 0) raiseRuntimeError(5);
  return n;
}

// The bytes [begin, end) of the value, clamped to what it has.
Variant byteSlice(const Variant& value, size_t begin, size_t end) {
  std::vector<uint8_t> bytes = builtin_text::bytesOf(value);
  end = std::min(end, bytes.size());
  begin = std::min(begin, end);
  return builtin_text::fromBytes(std::vector<uint8_t>(bytes.begin() + begin, bytes.begin() + end),
                                 isByteArray(value));
}

size_t utf16ByteLength(std::string_view text) {
  size_t units = 0;
  size_t pos = 0;
  while (pos < text.size()) units += text::decodeCodePoint(text, pos) >= 0x10000 ? 2 : 1;
  return units * 2;
}

}  // namespace

Variant lenBFn(BuiltinCall& call) {
  Variant value = call.value(0);
  if (value.isNull()) return value;
  if (isByteArray(value)) return Variant(static_cast<int32_t>(value.rawArray()->bytes.size()));
  std::string text = value.isString() ? std::string(value.rawString()) : value.toString();
  return Variant(static_cast<int32_t>(utf16ByteLength(text)));
}

Variant leftBFn(BuiltinCall& call) {
  int32_t count = nonNegativeArg(call, 1);
  Variant value = call.value(0);
  if (value.isNull()) return value;
  return byteSlice(value, 0, static_cast<size_t>(count));
}

Variant rightBFn(BuiltinCall& call) {
  int32_t count = nonNegativeArg(call, 1);
  Variant value = call.value(0);
  if (value.isNull()) return value;
  size_t size = builtin_text::bytesOf(value).size();
  size_t begin = static_cast<size_t>(count) >= size ? 0 : size - count;
  return byteSlice(value, begin, size);
}

Variant midBFn(BuiltinCall& call) {
  int32_t start = call.value(1).toLong();
  if (start < 1) raiseRuntimeError(5);
  size_t end = call.has(2) ? static_cast<size_t>(start - 1) + nonNegativeArg(call, 2) : SIZE_MAX;
  Variant value = call.value(0);
  if (value.isNull()) return value;
  return byteSlice(value, static_cast<size_t>(start - 1), end);
}

namespace {

uint8_t foldedByte(uint8_t b) { return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b; }

}  // namespace

// InStrB([start,] string1, string2[, compare]): positions count bytes. Text
// comparison folds ASCII letters only, since a byte is no character.
Variant inStrBFn(BuiltinCall& call) {
  size_t first = call.count() >= 3 ? 1 : 0;
  int32_t start = 1;
  if (first == 1 && call.has(0)) start = call.value(0).toLong();
  builtin_text::Compare mode = builtin_text::compareArg(call, first + 2);
  if (start < 1) raiseRuntimeError(5);
  Variant haystackValue = call.value(first);
  Variant needleValue = call.value(first + 1);
  if (haystackValue.isNull() || needleValue.isNull()) return Variant::null();
  std::vector<uint8_t> haystack = builtin_text::bytesOf(haystackValue);
  std::vector<uint8_t> needle = builtin_text::bytesOf(needleValue);
  if (haystack.empty() || static_cast<size_t>(start) > haystack.size()) return Variant(0);
  if (needle.empty()) return Variant(start);
  auto equal = [mode](uint8_t a, uint8_t b) {
    return mode == builtin_text::Compare::Binary ? a == b : foldedByte(a) == foldedByte(b);
  };
  auto found = std::search(haystack.begin() + (start - 1), haystack.end(), needle.begin(), needle.end(), equal);
  if (found == haystack.end()) return Variant(0);
  return Variant(static_cast<int32_t>(found - haystack.begin()) + 1);
}

Variant ascBFn(BuiltinCall& call) {
  Variant value = call.value(0);
  if (value.isNull()) raiseRuntimeError(94);
  std::vector<uint8_t> bytes = builtin_text::bytesOf(value);
  if (bytes.empty()) raiseRuntimeError(5);
  return Variant::fromInteger(bytes[0]);
}

Variant chrBFn(BuiltinCall& call) {
  int32_t code = call.value(0).toLong();
  if (code < 0 || code > 255) raiseRuntimeError(5);
  return Variant::bytes({static_cast<uint8_t>(code)});
}

}  // namespace corvela::vbs::string_builtins
