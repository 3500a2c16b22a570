// UTF-16 code units of the engine's strings: lone surrogates, half units,
// joining, cutting and binary order (see utf8_units.h).
#include "platform/text/utf8_units.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "platform/text/utf8.h"

namespace corvela::text {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// A lead byte of a four-byte sequence: the character is a pair in UTF-16.
// F5..FF lead nothing valid; they count alike so that counting 8 bytes at a
// time (utf16Length) needs no range test.
bool isPairLead(unsigned char byte) { return byte >= 0xF0; }

unsigned char byteAt(std::string_view s, size_t i) { return static_cast<unsigned char>(s[i]); }

// Past the continuation bytes of the character whose lead is at `pos`.
size_t nextCharacter(std::string_view s, size_t pos) {
  ++pos;
  while (pos < s.size() && isContinuation(byteAt(s, pos))) ++pos;
  return pos;
}

bool endsWithHighSurrogate(std::string_view s) {
  size_t n = s.size();
  return n >= 3 && byteAt(s, n - 3) == 0xED && (byteAt(s, n - 2) & 0xF0) == 0xA0 && isContinuation(byteAt(s, n - 1));
}

bool startsWithLowSurrogate(std::string_view s) {
  return s.size() >= 3 && byteAt(s, 0) == 0xED && (byteAt(s, 1) & 0xF0) == 0xB0 && isContinuation(byteAt(s, 2));
}

char16_t highHalf(char32_t cp) { return static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)); }
char16_t lowHalf(char32_t cp) { return static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)); }

// The half of the pair at `pos` (a four-byte character) as a lone surrogate.
void appendHalfOfPair(std::string& out, std::string_view s, size_t pos, bool high) {
  char32_t cp = decodeCodePoint(s, pos);
  if (cp < 0x10000) {
    appendCodePoint(out, kReplacementCharacter);  // a malformed lead byte
    return;
  }
  appendCodeUnitOrPoint(out, high ? highHalf(cp) : lowHalf(cp));
}

}  // namespace

uint8_t halfUnitByte(std::string_view s) {
  size_t n = s.size();
  return static_cast<uint8_t>(((byteAt(s, n - 2) & 0x03) << 6) | (byteAt(s, n - 1) & 0x3F));
}

void appendHalfUnit(std::string& out, uint8_t byte) {
  out.push_back(static_cast<char>(0xF8 | (byte >> 6)));
  out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
}

// One unit per byte that is no continuation byte, one more for a four-byte
// lead: the stepping of byteOffsetOfUnit and unitSlice. Len asks this of
// every string it has not counted yet, so eight bytes are taken at a time,
// and ASCII ones at a glance.
size_t utf16Length(std::string_view s) {
  std::string_view whole = wholeUnits(s);
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  size_t count = 0;
  size_t pos = 0;
  for (; pos + 8 <= whole.size(); pos += 8) {
    uint64_t x;
    std::memcpy(&x, whole.data() + pos, 8);
    if ((x & kHighBits) == 0) {
      count += 8;
      continue;
    }
    // Per byte, bit 7 of: a continuation byte (10xxxxxx), a pair lead (1111xxxx).
    uint64_t continuation = x & ~(x << 1) & kHighBits;
    uint64_t pairLead = x & (x << 1) & (x << 2) & (x << 3) & kHighBits;
    count += 8 - static_cast<size_t>(std::popcount(continuation)) + static_cast<size_t>(std::popcount(pairLead));
  }
  for (; pos < whole.size(); ++pos) {
    auto byte = static_cast<unsigned char>(whole[pos]);
    count += !isContinuation(byte);
    count += isPairLead(byte);
  }
  return count;
}

size_t utf16ByteLength(std::string_view s) { return utf16Length(s) * 2 + (hasHalfUnit(s) ? 1 : 0); }

char16_t firstUtf16Unit(std::string_view s) {
  std::string_view whole = wholeUnits(s);
  if (whole.empty()) return 0;
  size_t pos = 0;
  char32_t cp = decodeCodePoint(whole, pos);
  return cp >= 0x10000 ? highHalf(cp) : static_cast<char16_t>(cp);
}

void appendCodeUnitOrPoint(std::string& out, char32_t cp) {
  if (cp < 0xD800 || cp > 0xDFFF) {
    appendCodePoint(out, cp);
    return;
  }
  out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
  out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

std::u16string toUtf16Units(std::string_view s) {
  std::string_view whole = wholeUnits(s);
  std::u16string units;
  units.reserve(whole.size());
  for (size_t pos = 0; pos < whole.size();) {
    char32_t cp = decodeCodePoint(whole, pos);
    if (cp >= 0x10000) {
      units.push_back(highHalf(cp));
      units.push_back(lowHalf(cp));
    } else {
      units.push_back(static_cast<char16_t>(cp));
    }
  }
  return units;
}

std::string fromUtf16Units(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t unit = units[i];
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
      continue;
    }
    bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      char32_t low = units[++i];
      appendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
    } else {
      appendCodeUnitOrPoint(out, unit);
    }
  }
  return out;
}

std::string toUtf16Bytes(std::string_view s) {
  std::u16string units = toUtf16Units(s);
  std::string bytes(units.size() * 2, '\0');
  for (size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<char>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  if (hasHalfUnit(s)) bytes.push_back(static_cast<char>(halfUnitByte(s)));
  return bytes;
}

std::string fromUtf16Bytes(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(byteAt(bytes, 2 * i) | (byteAt(bytes, 2 * i + 1) << 8));
  std::string out = fromUtf16Units(units);
  if (bytes.size() % 2 != 0) appendHalfUnit(out, byteAt(bytes, bytes.size() - 1));
  return out;
}

void appendJoined(std::string& out, std::string_view piece) {
  if (!needsJoin(out, piece)) {
    out.append(piece);
    return;
  }
  std::string tail;
  out.resize(out.size() - joinedTail(out, piece, tail));
  out.append(tail);
}

std::string utf16ByteSlice(std::string_view s, size_t units, size_t begin, size_t end) {
  bool half = hasHalfUnit(s);
  size_t total = units * 2 + (half ? 1 : 0);
  end = std::min(end, total);
  if (begin >= end) return std::string();
  size_t firstUnit = begin / 2;
  size_t lastUnit = std::min(units, (end + 1) / 2);  // past the last whole unit needed
  std::string bytes = toUtf16Bytes(unitSlice(s, firstUnit, lastUnit - firstUnit));
  if (end == total && half) bytes.push_back(static_cast<char>(halfUnitByte(s)));
  size_t skip = begin - firstUnit * 2;
  return bytes.substr(skip, end - begin);
}

size_t joinedTail(std::string_view left, std::string_view right, std::string& tail) {
  size_t drop = 0;
  if (hasHalfUnit(left)) {
    std::string bytes(1, static_cast<char>(halfUnitByte(left)));
    bytes += toUtf16Bytes(right);
    tail = fromUtf16Bytes(bytes);
    drop = 2;
    left.remove_suffix(2);
  } else {
    tail.assign(right);
  }
  if (endsWithHighSurrogate(left) && startsWithLowSurrogate(tail)) {
    size_t at = left.size() - 3;
    char32_t high = decodeCodePoint(left, at);
    size_t lowEnd = 0;
    char32_t low = decodeCodePoint(tail, lowEnd);
    std::string merged;
    appendCodePoint(merged, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
    merged.append(tail, lowEnd);
    tail = std::move(merged);
    drop += 3;
  }
  return drop;
}

std::string concatenated(std::string_view left, std::string_view right) {
  std::string out;
  out.reserve(left.size() + right.size());
  out.append(left);
  appendJoined(out, right);
  return out;
}

std::string unitSlice(std::string_view s, size_t first, size_t count) {
  std::string_view whole = wholeUnits(s);
  size_t end = count > SIZE_MAX - first ? SIZE_MAX : first + count;
  std::string out;
  size_t run = std::string_view::npos;  // start of the bytes taken whole, not yet copied
  auto flush = [&](size_t upTo) {
    if (run != std::string_view::npos) out.append(whole.substr(run, upTo - run));
    run = std::string_view::npos;
  };
  size_t unit = 0;
  size_t pos = 0;
  while (pos < whole.size() && unit < end) {
    size_t next = nextCharacter(whole, pos);
    size_t width = isPairLead(byteAt(whole, pos)) ? 2 : 1;
    bool firstIn = unit >= first;
    bool lastIn = unit + width - 1 >= first && unit + width - 1 < end;
    if (firstIn && lastIn) {
      if (run == std::string_view::npos) run = pos;
    } else if (firstIn || lastIn) {
      flush(pos);
      appendHalfOfPair(out, whole, pos, firstIn);
    }
    unit += width;
    pos = next;
  }
  flush(pos);
  return out;
}

UnitMark advanceToUnit(std::string_view s, UnitMark from, size_t index) {
  std::string_view whole = wholeUnits(s);
  while (from.byte < whole.size()) {
    size_t width = isPairLead(byteAt(whole, from.byte)) ? 2 : 1;
    if (from.unit + width > index) break;
    from.unit += width;
    from.byte = nextCharacter(whole, from.byte);
  }
  return from;
}

size_t byteOffsetOfUnit(std::string_view s, size_t index, UnitMark from) {
  size_t unit = from.unit;
  size_t pos = from.byte;
  while (pos < s.size() && unit < index) {
    unit += isPairLead(byteAt(s, pos)) ? 2 : 1;
    pos = nextCharacter(s, pos);
  }
  return pos;
}

int compareUtf16(std::string_view a, std::string_view b) {
  size_t common = std::min(a.size(), b.size());
  auto [x, y] = std::mismatch(a.begin(), a.begin() + static_cast<ptrdiff_t>(common), b.begin());
  if (x == a.begin() + static_cast<ptrdiff_t>(common))
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  auto byteA = static_cast<unsigned char>(*x), byteB = static_cast<unsigned char>(*y);
  // Below EE (U+E000) byte order is code unit order.
  if (byteA < 0xEE && byteB < 0xEE) return byteA < byteB ? -1 : 1;
  // Each unit doubled, plus one for a whole unit: a half unit sorts by its
  // byte, just before the whole unit of the same value.
  auto keys = [](std::string_view s) {
    std::vector<uint32_t> out;
    for (char16_t unit : toUtf16Units(s)) out.push_back((uint32_t{unit} << 1) | 1);
    if (hasHalfUnit(s)) out.push_back(uint32_t{halfUnitByte(s)} << 1);
    return out;
  };
  std::vector<uint32_t> keysA = keys(a), keysB = keys(b);
  return keysA < keysB ? -1 : keysB < keysA ? 1 : 0;
}

}  // namespace corvela::text
