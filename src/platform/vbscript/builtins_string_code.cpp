// The string built-ins about character codes: Asc, AscW, Chr, ChrW, Hex,
// Oct, and JavaScript-style Escape/Unescape.
//
// Asc and Chr speak the system ANSI code page (text/codepage.h): in a
// double-byte code page such as GBK, Chr(&HD6D0) is one Chinese character and
// Asc gives it back as a negative Integer, as on Windows. When the system
// code page is UTF-8 there are no ANSI codes above 255: Chr(128..255) is
// U+0080..U+00FF and Asc of any other character is its UTF-16 code, as AscW.
// AscW and ChrW use UTF-16 codes. ChrW of a surrogate gives a string of that
// lone half (text/utf8_units.h); joined to its partner it is one character.
#include <string>

#include "platform/automation/com_error.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"
#include "platform/vbscript/builtins_string_parts.h"
#include "platform/vbscript/builtins_text.h"

namespace corvela::vbs::string_builtins {

using builtin_text::asciiCharacter;
using builtin_text::TextArg;

namespace {

Variant integerResult(int32_t code) { return Variant::fromInteger(static_cast<int16_t>(code)); }

// The first character of the argument; 94 for Null, 5 for "" and for half a
// code unit (ChrB's string).
std::string_view firstCharacter(const TextArg& text) {
  if (text.isNull()) raiseRuntimeError(94);
  std::string_view whole = text::wholeUnits(text.view());
  if (whole.empty()) raiseRuntimeError(5);
  size_t end = 0;
  text::decodeCodePoint(whole, end);
  return whole.substr(0, end);
}

// The first UTF-16 code unit of a character (the high half of a pair), as
// the signed Integer AscW gives.
Variant firstUnitResult(std::string_view character) {
  return Variant::fromInteger(static_cast<int16_t>(text::firstUtf16Unit(character)));
}

}  // namespace

Variant ansiCharacter(int32_t code) {
  if (code >= 0 && code < 128) return asciiCharacter(code);
  if (code < -32768 || code > 65535) raiseRuntimeError(5);
  std::string codepage = text::systemCodePage();
  if (text::isUtf8CodePage(codepage)) {
    if (code < 0 || code > 255) raiseRuntimeError(5);
    return Variant(text::encodeCodePoint(static_cast<char32_t>(code)));
  }
  uint32_t unsignedCode = static_cast<uint32_t>(code) & 0xFFFF;
  std::string bytes;
  if (unsignedCode > 0xFF) bytes.push_back(static_cast<char>(unsignedCode >> 8));
  bytes.push_back(static_cast<char>(unsignedCode & 0xFF));
  std::string decoded = text::fromCodePage(bytes, codepage);
  // Two bytes that are not one character of the code page (any code above
  // 255 in a single-byte code page) are no character at all.
  if (text::codePointCount(decoded) != 1) raiseRuntimeError(5);
  return Variant(decoded);
}

Variant ascFn(BuiltinCall& call) {
  TextArg text(call, 0);
  std::string_view character = firstCharacter(text);
  auto lead = static_cast<unsigned char>(character[0]);
  if (lead < 0x80) return integerResult(lead);
  std::string codepage = text::systemCodePage();
  if (text::isUtf8CodePage(codepage)) return firstUnitResult(character);
  std::string bytes = text::toCodePage(character, codepage);
  if (bytes.size() == 1) return integerResult(static_cast<unsigned char>(bytes[0]));
  // A double-byte character: lead byte high, as a signed 16-bit Integer.
  return integerResult((static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]));
}

Variant ascWFn(BuiltinCall& call) {
  TextArg text(call, 0);
  std::string_view character = firstCharacter(text);
  auto lead = static_cast<unsigned char>(character[0]);
  if (lead < 0x80) return integerResult(lead);
  return firstUnitResult(character);
}

Variant chrFn(BuiltinCall& call) { return ansiCharacter(call.value(0).toLong()); }

Variant chrWFn(BuiltinCall& call) {
  int32_t code = call.value(0).toLong();
  if (code >= 0 && code < 128) return asciiCharacter(code);
  if (code < -32768 || code > 65535) raiseRuntimeError(5);
  std::string character;
  text::appendCodeUnitOrPoint(character, static_cast<char32_t>(code & 0xFFFF));
  return Variant(character);
}

namespace {

// The bits Hex and Oct print: Integer-sized values (and Boolean, Byte,
// Empty) as 16 bits, everything else converted to Long as 32 bits, so
// Hex(-1) is "FFFF" and Hex(-1&) "FFFFFFFF".
uint32_t printedBits(const Variant& value) {
  switch (value.type()) {
    case VarType::Empty: return 0;
    case VarType::Byte: return value.rawByte();
    case VarType::Boolean: return value.rawBool() ? 0xFFFF : 0;
    case VarType::Integer: return static_cast<uint16_t>(value.rawInteger());
    default: return static_cast<uint32_t>(value.toLong());
  }
}

Variant inBase(BuiltinCall& call, unsigned shift) {
  Variant value = call.value(0);
  if (value.isNull()) return value;
  uint32_t bits = printedBits(value);
  unsigned mask = (1u << shift) - 1;
  char digits[12];
  size_t at = sizeof digits;
  do {
    digits[--at] = "0123456789ABCDEF"[bits & mask];
    bits >>= shift;
  } while (bits != 0);
  return Variant(std::string_view(digits + at, sizeof digits - at));
}

bool isUnescaped(char16_t unit) {
  if ((unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') || (unit >= '0' && unit <= '9')) return true;
  switch (unit) {
    case '@': case '*': case '_': case '+': case '-': case '.': case '/': return true;
    default: return false;
  }
}

int hexValue(char16_t unit) {
  if (unit >= '0' && unit <= '9') return unit - '0';
  if (unit >= 'A' && unit <= 'F') return unit - 'A' + 10;
  if (unit >= 'a' && unit <= 'f') return unit - 'a' + 10;
  return -1;
}

// The value of `count` hex digits at units[at], or -1 when they are not all
// there.
int32_t hexDigitsAt(std::u16string_view units, size_t at, size_t count) {
  if (at + count > units.size()) return -1;
  int32_t value = 0;
  for (size_t i = 0; i < count; ++i) {
    int digit = hexValue(units[at + i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

Variant hexFn(BuiltinCall& call) { return inBase(call, 4); }
Variant octFn(BuiltinCall& call) { return inBase(call, 3); }

// Escape works on UTF-16 code units as JavaScript's escape(): letters,
// digits and @*_+-./ stay; other units below 256 become %XX, the rest %uXXXX.
Variant escapeFn(BuiltinCall& call) {
  TextArg text(call, 0);
  if (text.isNull()) raiseRuntimeError(94);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.view().size());
  for (char16_t unit : text::toUtf16Units(text.view())) {
    if (isUnescaped(unit)) {
      out.push_back(static_cast<char>(unit));
    } else if (unit < 256) {
      out += {'%', kHex[unit >> 4], kHex[unit & 0xF]};
    } else {
      out += {'%', 'u', kHex[unit >> 12], kHex[(unit >> 8) & 0xF], kHex[(unit >> 4) & 0xF], kHex[unit & 0xF]};
    }
  }
  return Variant(out);
}

// Unescape undoes %XX and %uXXXX (either case of hex digits); a % that does
// not start one of them stays as it is. Escaped surrogate pairs join into one
// character; a lone escaped half stays a lone half.
Variant unescapeFn(BuiltinCall& call) {
  TextArg text(call, 0);
  if (text.isNull()) raiseRuntimeError(94);
  if (text.view().find('%') == std::string_view::npos) return text.whole();
  std::u16string units = text::toUtf16Units(text.view());
  std::u16string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    if (units[i] == u'%') {
      int32_t wide = i + 1 < units.size() && units[i + 1] == u'u' ? hexDigitsAt(units, i + 2, 4) : -1;
      if (wide >= 0) {
        out.push_back(static_cast<char16_t>(wide));
        i += 5;
        continue;
      }
      int32_t narrow = hexDigitsAt(units, i + 1, 2);
      if (narrow >= 0) {
        out.push_back(static_cast<char16_t>(narrow));
        i += 2;
        continue;
      }
    }
    out.push_back(units[i]);
  }
  return Variant(text::fromUtf16Units(out));
}

}  // namespace corvela::vbs::string_builtins
