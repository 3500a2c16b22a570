// The byte built-ins LenB, LeftB, RightB, MidB, InStrB, AscB and ChrB.
//
// VBScript's strings were UTF-16, and these functions count the bytes of
// that form: LenB("ab") is 4. A Byte array (what a binary read returns) is
// taken as its own bytes. Every piece comes back as a String, as on Windows,
// even with an odd number of bytes: the string then ends in a half unit
// (text/utf8_units.h) that pairs with the next byte joined on by "&", so
// ChrB(65) & ChrB(0) is "A" and MidB(data, i, 1) can be taken apart with
// AscB or glued back together byte by byte.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/text/utf8_units.h"
#include "platform/vbscript/builtins_string_parts.h"
#include "platform/vbscript/builtins_text.h"

namespace corvela::vbs::string_builtins {

namespace {

int32_t nonNegativeArg(BuiltinCall& call, size_t index) {
  int32_t n = call.value(index).toLong();
  if (n < 0) raiseRuntimeError(5);
  return n;
}

// The bytes of a value as the byte functions see them: a Byte array's own
// bytes, or the UTF-16LE form of the value's text (CStr rules; an array of
// Variants raises 13).
std::string bytesOf(const Variant& value) {
  if (value.isArray()) {
    const ArrayRep* array = value.rawArray();
    if (!array->isBytes) raiseRuntimeError(13);
    return std::string(array->bytes.begin(), array->bytes.end());
  }
  return text::toUtf16Bytes(value.isString() ? value.rawString() : value.toString());
}

// Bytes of the value's UTF-16 form (of a Byte array, its own bytes).
size_t byteLengthOf(const Variant& value) {
  if (value.isArray()) {
    if (!value.rawArray()->isBytes) raiseRuntimeError(13);
    return value.rawArray()->bytes.size();
  }
  if (value.isString()) return value.stringLength() * 2 + (text::hasHalfUnit(value.rawString()) ? 1 : 0);
  return text::utf16ByteLength(value.toString());
}

// The bytes [begin, end) of the value, clamped to what it has, as a String.
// Only the code units that hold them are converted, so that walking a long
// byte string with MidB(data, i, 1) costs a scan, not a conversion, per call.
Variant byteSlice(const Variant& value, size_t begin, size_t end) {
  if (value.isArray()) {
    if (!value.rawArray()->isBytes) raiseRuntimeError(13);
    const std::vector<uint8_t>& bytes = value.rawArray()->bytes;
    end = std::min(end, bytes.size());
    begin = std::min(begin, end);
    return Variant(text::fromUtf16Bytes(
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + begin, end - begin)));
  }
  Variant whole = value.isString() ? value : Variant(value.toString());
  return Variant(
      text::fromUtf16Bytes(text::utf16ByteSlice(whole.rawString(), whole.stringLength(), begin, end)));
}

}  // namespace

Variant lenBFn(BuiltinCall& call) {
  Variant value = call.value(0);
  if (value.isNull()) return value;
  return Variant(static_cast<int32_t>(byteLengthOf(value)));
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
  size_t size = byteLengthOf(value);
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

unsigned char foldedByte(unsigned char b) { return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b; }

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
  std::string haystack = bytesOf(haystackValue);
  std::string needle = bytesOf(needleValue);
  if (haystack.empty() || static_cast<size_t>(start) > haystack.size()) return Variant(0);
  if (needle.empty()) return Variant(start);
  auto equal = [mode](char a, char b) {
    auto x = static_cast<unsigned char>(a), y = static_cast<unsigned char>(b);
    return mode == builtin_text::Compare::Binary ? x == y : foldedByte(x) == foldedByte(y);
  };
  auto found = std::search(haystack.begin() + (start - 1), haystack.end(), needle.begin(), needle.end(), equal);
  if (found == haystack.end()) return Variant(0);
  return Variant(static_cast<int32_t>(found - haystack.begin()) + 1);
}

Variant ascBFn(BuiltinCall& call) {
  Variant value = call.value(0);
  if (value.isNull()) raiseRuntimeError(94);
  Variant first = byteSlice(value, 0, 1);
  if (first.rawString().empty()) raiseRuntimeError(5);
  return Variant::fromByte(text::halfUnitByte(first.rawString()));
}

// ChrB's one byte is a string of half a code unit; a code outside 0..255
// does not fit a byte (6).
Variant chrBFn(BuiltinCall& call) {
  int32_t code = call.value(0).toLong();
  if (code < 0 || code > 255) raiseRuntimeError(6);
  std::string half;
  text::appendHalfUnit(half, static_cast<uint8_t>(code));
  return Variant(half);
}

}  // namespace corvela::vbs::string_builtins
