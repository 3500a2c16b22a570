// Upper/lower case mapping and caseless comparison and search (see utf8.h).
// The tables are ranges of the Unicode simple case mapping; only mappings
// that keep the UTF-8 byte length are included (so not U+0130, U+0131,
// U+017F or the Kelvin sign), which lets searches work on folded copies.
#include <algorithm>

#include "platform/text/utf8.h"

namespace corvela::text {
namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool inRange(char32_t cp, char32_t first, char32_t last) { return cp >= first && cp <= last; }
bool isEven(char32_t cp) { return (cp & 1) == 0; }

char32_t lowerNonAscii(char32_t cp) {
  if (cp < 0x100) return inRange(cp, 0xC0, 0xDE) && cp != 0xD7 ? cp + 0x20 : cp;
  if (cp < 0x180) {
    if (cp == 0x178) return 0xFF;
    if (inRange(cp, 0x100, 0x12F) || inRange(cp, 0x132, 0x137) || inRange(cp, 0x14A, 0x177))
      return isEven(cp) ? cp + 1 : cp;
    if (inRange(cp, 0x139, 0x148) || inRange(cp, 0x179, 0x17E)) return isEven(cp) ? cp : cp + 1;
    return cp;
  }
  if (inRange(cp, 0x386, 0x3AB)) {
    if (cp == 0x386) return 0x3AC;
    if (inRange(cp, 0x388, 0x38A)) return cp + 0x25;
    if (cp == 0x38C) return 0x3CC;
    if (inRange(cp, 0x38E, 0x38F)) return cp + 0x3F;
    if (cp >= 0x391 && cp != 0x3A2) return cp + 0x20;
    return cp;
  }
  if (inRange(cp, 0x400, 0x52F)) {
    if (cp < 0x410) return cp + 0x50;
    if (cp < 0x430) return cp + 0x20;
    if (cp == 0x4C0) return 0x4CF;
    if (inRange(cp, 0x460, 0x481) || inRange(cp, 0x48A, 0x4BF) || inRange(cp, 0x4D0, 0x52F))
      return isEven(cp) ? cp + 1 : cp;
    if (inRange(cp, 0x4C1, 0x4CE)) return isEven(cp) ? cp : cp + 1;
    return cp;
  }
  if (inRange(cp, 0x531, 0x556)) return cp + 0x30;
  if (inRange(cp, 0x1E00, 0x1E95) || inRange(cp, 0x1EA0, 0x1EFF)) return isEven(cp) ? cp + 1 : cp;
  if (inRange(cp, 0x2160, 0x216F)) return cp + 0x10;
  if (inRange(cp, 0x24B6, 0x24CF)) return cp + 0x1A;
  if (inRange(cp, 0xFF21, 0xFF3A)) return cp + 0x20;
  return cp;
}

char32_t upperNonAscii(char32_t cp) {
  if (cp < 0x100) {
    if (cp == 0xFF) return 0x178;
    return inRange(cp, 0xE0, 0xFE) && cp != 0xF7 ? cp - 0x20 : cp;
  }
  if (cp < 0x180) {
    if (inRange(cp, 0x101, 0x12F) || inRange(cp, 0x133, 0x137) || inRange(cp, 0x14B, 0x177))
      return isEven(cp) ? cp : cp - 1;
    if (inRange(cp, 0x13A, 0x148) || inRange(cp, 0x17A, 0x17E)) return isEven(cp) ? cp - 1 : cp;
    return cp;
  }
  if (inRange(cp, 0x3AC, 0x3CE)) {
    if (cp == 0x3AC) return 0x386;
    if (cp <= 0x3AF) return cp - 0x25;
    if (cp == 0x3C2) return 0x3A3;
    if (cp == 0x3CC) return 0x38C;
    if (cp >= 0x3CD) return cp - 0x3F;
    if (cp >= 0x3B1) return cp - 0x20;
    return cp;
  }
  if (inRange(cp, 0x430, 0x52F)) {
    if (cp < 0x450) return cp - 0x20;
    if (cp < 0x460) return cp - 0x50;
    if (cp == 0x4CF) return 0x4C0;
    if (inRange(cp, 0x461, 0x481) || inRange(cp, 0x48B, 0x4BF) || inRange(cp, 0x4D1, 0x52F))
      return isEven(cp) ? cp : cp - 1;
    if (inRange(cp, 0x4C2, 0x4CE)) return isEven(cp) ? cp - 1 : cp;
    return cp;
  }
  if (inRange(cp, 0x561, 0x586)) return cp - 0x30;
  if (inRange(cp, 0x1E01, 0x1E95) || inRange(cp, 0x1EA1, 0x1EFF)) return isEven(cp) ? cp : cp - 1;
  if (inRange(cp, 0x2170, 0x217F)) return cp - 0x10;
  if (inRange(cp, 0x24D0, 0x24E9)) return cp - 0x1A;
  if (inRange(cp, 0xFF41, 0xFF5A)) return cp - 0x20;
  return cp;
}

// Maps each code point of `s` in place of a copy; ASCII bytes take the
// fast path and invalid units stay as they are.
template <char (*Ascii)(char), char32_t (*Wide)(char32_t)>
std::string mapCase(std::string_view s) {
  std::string out(s);
  for (size_t pos = 0; pos < out.size();) {
    if (static_cast<unsigned char>(out[pos]) < 0x80) {
      out[pos] = Ascii(out[pos]);
      ++pos;
      continue;
    }
    size_t start = pos;
    char32_t cp = decodeCodePoint(out, pos);
    char32_t mapped = Wide(cp);
    if (mapped != cp) out.replace(start, pos - start, encodeCodePoint(mapped));
  }
  return out;
}

// Decodes the unit at `pos` for comparison: invalid bytes become values
// above U+10FFFF, so two different invalid bytes do not compare equal.
char32_t comparableUnit(std::string_view s, size_t& pos) {
  size_t start = pos;
  char32_t cp = decodeCodePoint(s, pos);
  if (cp == kReplacementCharacter && pos - start == 1)
    return 0x110000 + static_cast<unsigned char>(s[start]);
  return toLower(cp);
}

bool isAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

char32_t toUpper(char32_t cp) {
  if (cp < 0x80) return static_cast<char32_t>(asciiUpper(static_cast<char>(cp)));
  return upperNonAscii(cp);
}

char32_t toLower(char32_t cp) {
  if (cp < 0x80) return static_cast<char32_t>(asciiLower(static_cast<char>(cp)));
  return lowerNonAscii(cp);
}

std::string toUpper(std::string_view s) { return mapCase<asciiUpper, upperNonAscii>(s); }
std::string toLower(std::string_view s) { return mapCase<asciiLower, lowerNonAscii>(s); }

int compareIgnoreCase(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    auto ca = static_cast<unsigned char>(a[i]);
    auto cb = static_cast<unsigned char>(b[j]);
    char32_t x, y;
    if (ca < 0x80 && cb < 0x80) {
      x = static_cast<unsigned char>(asciiLower(static_cast<char>(ca)));
      y = static_cast<unsigned char>(asciiLower(static_cast<char>(cb)));
      ++i;
      ++j;
    } else {
      x = comparableUnit(a, i);
      y = comparableUnit(b, j);
    }
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  // Case mapping keeps byte lengths, so texts of different length differ.
  return a.size() == b.size() && compareIgnoreCase(a, b) == 0;
}

size_t findIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
  if (from > haystack.size()) return std::string_view::npos;
  if (needle.empty()) return from;
  if (isAscii(needle)) {
    // No non-ASCII character maps to an ASCII one, so a byte-wise search
    // with ASCII folding finds exactly the caseless matches.
    std::string folded = toLower(needle);
    char first = folded.front();
    for (size_t pos = from; pos + folded.size() <= haystack.size(); ++pos) {
      if (asciiLower(haystack[pos]) != first) continue;
      size_t k = 1;
      while (k < folded.size() && asciiLower(haystack[pos + k]) == folded[k]) ++k;
      if (k == folded.size()) return pos;
    }
    return std::string_view::npos;
  }
  return toLower(haystack).find(toLower(needle), from);
}

}  // namespace corvela::text
