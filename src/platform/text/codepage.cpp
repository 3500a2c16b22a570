// Code page conversion through iconv, with the "?" replacement rule of
// codepage.h. Conversion descriptors are cached per thread: iconv_open is far
// dearer than a short conversion, and a descriptor must not be shared
// between threads.
#include "platform/text/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <map>
#include <memory>
#include <utility>

#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"

namespace corvela::text {
namespace {

std::string normalisedName(std::string_view name) {
  std::string out;
  for (char c : name)
    if (c != '-' && c != '_' && c != ' ') out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return out;
}

// The iconv name of a code page; Windows numbers map to iconv's names.
std::string iconvName(std::string_view codepage) {
  bool numeric = !codepage.empty() &&
                 std::all_of(codepage.begin(), codepage.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!numeric) return std::string(codepage);
  if (codepage == "65001") return "UTF-8";
  if (codepage == "1200") return "UTF-16LE";
  if (codepage == "1201") return "UTF-16BE";
  return "CP" + std::string(codepage);
}

class Converter {
 public:
  Converter(const std::string& to, const std::string& from) {
    cd_ = ::iconv_open(to.c_str(), from.c_str());
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw CodePageError(to == "UTF-8" ? from : to);
  }
  ~Converter() { ::iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; at each input position the converter refuses, skips
  // skipLength(position) bytes and appends `replacement`.
  template <typename SkipLength>
  std::string convert(std::string_view in, std::string_view replacement, SkipLength skipLength) {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
    std::string out;
    out.reserve(in.size() * 2 + 8);
    char buffer[4096];
    size_t pos = 0;
    while (pos < in.size()) {
      char* input = const_cast<char*>(in.data() + pos);
      size_t inputLeft = in.size() - pos;
      char* output = buffer;
      size_t outputLeft = sizeof buffer;
      size_t result = ::iconv(cd_, &input, &inputLeft, &output, &outputLeft);
      int error = errno;
      out.append(buffer, static_cast<size_t>(output - buffer));
      pos = in.size() - inputLeft;
      if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
      // EILSEQ (not representable / invalid) or EINVAL (cut off at the end).
      pos += skipLength(in, pos);
      out.append(replacement);
    }
    char* output = buffer;
    size_t outputLeft = sizeof buffer;
    ::iconv(cd_, nullptr, nullptr, &output, &outputLeft);  // flush shift state
    out.append(buffer, static_cast<size_t>(output - buffer));
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& converter(const std::string& to, const std::string& from) {
  thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> cache;
  auto& slot = cache[{to, from}];
  if (!slot) slot = std::make_unique<Converter>(to, from);
  return *slot;
}

// A half unit's two-byte mark (utf8_units.h) at `pos`.
bool isHalfUnitMark(std::string_view s, size_t pos) {
  return pos + 2 <= s.size() && hasHalfUnit(s.substr(pos, 2));
}

// UTF-8 with each invalid byte replaced by "?". Text of a string may hold
// what UTF-16 strings can and Unicode cannot (utf8_units.h): with
// `fromString` a lone surrogate is one character, written as U+FFFD as
// Windows writes it in UTF-8, and a half unit is half a character and is
// left out (a string that ends in one may have been joined into longer text
// before it is written). Read from outside, their bytes are invalid like any
// other.
std::string utf8WithQuestionMarks(std::string_view s, bool fromString) {
  if (isValidUtf8(s)) return std::string(s);
  std::string out;
  out.reserve(s.size());
  for (size_t pos = 0; pos < s.size();) {
    if (fromString && isHalfUnitMark(s, pos)) {
      pos += 2;
      continue;
    }
    size_t start = pos;
    char32_t cp = decodeCodePoint(s, pos);
    bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (surrogate && !fromString) pos = start + 1;
    if ((cp == kReplacementCharacter && pos - start == 1) || (surrogate && !fromString))
      out += '?';
    else if (surrogate)
      appendCodePoint(out, kReplacementCharacter);
    else
      out.append(s.substr(start, pos - start));
  }
  return out;
}

// "?" in the target code page (two bytes in UTF-16, one nearly everywhere).
const std::string& questionMarkIn(const std::string& target) {
  thread_local std::map<std::string, std::string> cache;
  auto it = cache.find(target);
  if (it != cache.end()) return it->second;
  std::string mark = converter(target, "UTF-8").convert("?", "?", [](std::string_view, size_t) { return size_t{1}; });
  return cache.emplace(target, mark).first->second;
}

}  // namespace

std::string systemCodePage() {
  const char* name = std::getenv("CORVELA_CODEPAGE");
  return name && *name ? std::string(name) : std::string("UTF-8");
}

bool isUtf8CodePage(std::string_view codepage) {
  std::string name = normalisedName(codepage);
  return name == "UTF8" || name == "65001";
}

std::string toCodePage(std::string_view utf8, std::string_view codepage) {
  std::string clean = utf8WithQuestionMarks(utf8, true);
  if (isUtf8CodePage(codepage)) return clean;
  std::string target = iconvName(codepage);
  const std::string& mark = questionMarkIn(target);
  // Skip one whole code point of the (now valid) input per refusal.
  return converter(target, "UTF-8").convert(clean, mark, [](std::string_view in, size_t pos) {
    size_t next = pos;
    decodeCodePoint(in, next);
    return next - pos;
  });
}

std::string toCodePage(std::string_view utf8) { return toCodePage(utf8, systemCodePage()); }

std::string fromCodePage(std::string_view bytes, std::string_view codepage) {
  if (isUtf8CodePage(codepage)) return utf8WithQuestionMarks(bytes, false);
  return converter("UTF-8", iconvName(codepage)).convert(bytes, "?", [](std::string_view, size_t) {
    return size_t{1};
  });
}

std::string fromCodePage(std::string_view bytes) { return fromCodePage(bytes, systemCodePage()); }

size_t byteLengthInCodePage(std::string_view utf8, std::string_view codepage) {
  if (isUtf8CodePage(codepage) && isValidUtf8(utf8)) return utf8.size();
  if (isUtf8CodePage(codepage)) return utf8WithQuestionMarks(utf8, true).size();
  return toCodePage(utf8, codepage).size();
}

}  // namespace corvela::text
