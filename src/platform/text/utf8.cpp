// UTF-8 decoding, encoding, repair and cutting by code points (see utf8.h).
#include "platform/text/utf8.h"

namespace corvela::text {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed sequence at `pos`, or 0 when the byte there
// starts no well-formed sequence (RFC 3629 table of valid byte ranges).
size_t sequenceLength(std::string_view s, size_t pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[pos + i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t left = s.size() - pos;
  if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && isContinuation(byte(1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (left < 3 || !isContinuation(byte(1)) || !isContinuation(byte(2))) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (left < 4 || !isContinuation(byte(1)) || !isContinuation(byte(2)) ||
        !isContinuation(byte(3)))
      return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) > 0x8F) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

// True when the three bytes at `pos` are the generalised UTF-8 form of a
// surrogate code unit (ED A0..BF xx), how strings keep a UTF-16 half that
// has no partner (utf8_units.h).
bool isSurrogateSequence(std::string_view s, size_t pos) {
  return s.size() - pos >= 3 && static_cast<unsigned char>(s[pos]) == 0xED &&
         static_cast<unsigned char>(s[pos + 1]) >= 0xA0 && isContinuation(static_cast<unsigned char>(s[pos + 1])) &&
         isContinuation(static_cast<unsigned char>(s[pos + 2]));
}

// Length of the unit at `pos` when stepping: a well-formed sequence, a lone
// surrogate's three bytes, or else the single invalid byte.
size_t steppedLength(std::string_view s, size_t pos) {
  size_t length = sequenceLength(s, pos);
  if (length) return length;
  return isSurrogateSequence(s, pos) ? 3 : 0;
}

// Byte length of the unit at `pos` (1 for an invalid byte).
size_t unitLength(std::string_view s, size_t pos) {
  if (static_cast<unsigned char>(s[pos]) < 0x80) return 1;
  size_t length = steppedLength(s, pos);
  return length ? length : 1;
}

}  // namespace

char32_t decodeCodePoint(std::string_view s, size_t& pos) {
  auto lead = static_cast<unsigned char>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  size_t length = steppedLength(s, pos);
  if (length == 0) {
    ++pos;
    return kReplacementCharacter;
  }
  char32_t cp = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
  pos += length;
  return cp;
}

void appendCodePoint(std::string& out, char32_t cp) {
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacementCharacter;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string encodeCodePoint(char32_t cp) {
  std::string out;
  appendCodePoint(out, cp);
  return out;
}

bool isValidUtf8(std::string_view s) {
  for (size_t pos = 0; pos < s.size();) {
    if (static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
      continue;
    }
    size_t length = sequenceLength(s, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string repairUtf8(std::string_view s) {
  if (isValidUtf8(s)) return std::string(s);
  std::string out;
  out.reserve(s.size() + 8);
  for (size_t pos = 0; pos < s.size();) {
    size_t length = sequenceLength(s, pos);
    if (length == 0) {
      appendCodePoint(out, kReplacementCharacter);
      pos += isSurrogateSequence(s, pos) ? 3 : 1;
    } else {
      out.append(s.substr(pos, length));
      pos += length;
    }
  }
  return out;
}

size_t codePointCount(std::string_view s) {
  size_t count = 0;
  size_t pos = 0;
  while (pos < s.size()) {
    // ASCII runs are the common case: count them without decoding.
    while (pos < s.size() && static_cast<unsigned char>(s[pos]) < 0x80) {
      ++pos;
      ++count;
    }
    if (pos < s.size()) {
      pos += unitLength(s, pos);
      ++count;
    }
  }
  return count;
}

size_t byteOffsetOfCodePoint(std::string_view s, size_t index) {
  size_t pos = 0;
  for (; index > 0 && pos < s.size(); --index) pos += unitLength(s, pos);
  return pos;
}

std::string_view substrByCodePoints(std::string_view s, size_t start, size_t count) {
  size_t begin = byteOffsetOfCodePoint(s, start);
  std::string_view rest = s.substr(begin);
  if (count == std::string_view::npos) return rest;
  return rest.substr(0, byteOffsetOfCodePoint(rest, count));
}

std::string_view rightByCodePoints(std::string_view s, size_t count) {
  size_t total = codePointCount(s);
  if (count >= total) return s;
  return s.substr(byteOffsetOfCodePoint(s, total - count));
}

char32_t codePointAt(std::string_view s, size_t index) {
  size_t pos = byteOffsetOfCodePoint(s, index);
  if (pos >= s.size()) return 0;
  return decodeCodePoint(s, pos);
}

}  // namespace corvela::text
