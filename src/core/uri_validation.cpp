// ValidateUri and UrlDecode.
//
// ValidateUri once URL-decoded the whole URI for its second look, so a site
// file whose name holds a "%" without two hexadecimal digits after it
// ("100%.htm") could not be used at all (13 Type mismatch), and with UTF-8 as
// the code page neither could a name like "%B0%A1.htm". The second look now
// decodes only the escapes that are well-formed, byte by byte: encoded dots
// and separators are still seen, and every name can be used. A NUL is
// refused, since the file system would cut the path there.
#include "core/uri_validation.h"

#include <vector>

#include "platform/automation/com_error.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

[[noreturn]] void refuse() { throw ComError(kInvalidUrlError, kInvalidUrlSource, kInvalidUrlText); }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Escaped bytes in the system code page, as UTF-8 text.
std::string decodeBytes(const std::string& bytes) {
  std::string codePage = text::systemCodePage();
  if (text::isUtf8CodePage(codePage)) {
    if (!text::isValidUtf8(bytes)) refuse();
    return bytes;
  }
  return text::fromCodePage(bytes, codePage);
}

// "\" read as "/", and a "/" in front.
std::string rootedUri(std::string_view uri) {
  std::string text(uri);
  for (char& c : text)
    if (c == '\\') c = '/';
  if (text.empty() || text.front() != '/') text.insert(text.begin(), '/');
  return text;
}

// Splits at "/" and cancels each ".." against the nearest live segment
// before it; a ".." with nothing left to cancel climbs above the root.
void checkSegments(const std::string& text) {
  std::vector<std::string> segments;
  size_t start = 0;
  for (;;) {
    size_t slash = text.find('/', start);
    segments.emplace_back(text.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  for (size_t i = 0; i < segments.size(); ++i) {
    if (segments[i] != "..") continue;
    size_t j = i;
    bool cancelled = false;
    while (j > 0) {
      --j;
      if (!segments[j].empty() && segments[j] != "..") {
        segments[j].clear();
        segments[i].clear();
        cancelled = true;
        break;
      }
    }
    if (!cancelled) refuse();
  }
}

// Every well-formed %XX as its byte; anything else as it stands. Only the
// ASCII bytes "." "/" "\" matter to the check, and no double-byte code page
// uses those as a trail byte, so the bytes need no decoding to characters.
std::string escapesDecoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    int high = text[i] == '%' && i + 1 < text.size() ? hexDigit(text[i + 1]) : -1;
    int low = high >= 0 && i + 2 < text.size() ? hexDigit(text[i + 2]) : -1;
    if (low < 0) {
      out += text[i];
      continue;
    }
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

}  // namespace

std::string UrlDecode(std::string_view text) {
  std::string out;
  std::string pending;  // escaped bytes not yet decoded
  auto flush = [&] {
    if (pending.empty()) return;
    out += decodeBytes(pending);
    pending.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '%') {
      int high = i + 1 < text.size() ? hexDigit(text[i + 1]) : -1;
      int low = i + 2 < text.size() ? hexDigit(text[i + 2]) : -1;
      if (high < 0 || low < 0) raiseRuntimeError(13);
      pending += static_cast<char>(high * 16 + low);
      i += 2;
      continue;
    }
    flush();
    out += c == '+' ? ' ' : c;
  }
  flush();
  return out;
}

void ValidateUri(std::string_view uri) {
  if (uri.find('\0') != std::string_view::npos) refuse();
  std::string rooted = rootedUri(uri);
  checkSegments(rooted);
  checkSegments(rootedUri(escapesDecoded(rooted)));
}

}  // namespace corvela::core
