// URL helpers. A character outside the Basic Multilingual Plane is encoded
// as its one four-byte UTF-8 sequence by urlEncodeUtf: encoding each UTF-16
// half on its own, as a code-unit walk would, makes bytes no browser decodes.
#include "template/url_text.h"

#include <vector>

#include "platform/text/codepage.h"
#include "platform/text/utf8.h"

namespace corvela::tmpl {
namespace {

std::vector<std::string_view> splitAtSlash(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t p = 0;
  for (size_t slash; (slash = text.find('/', p)) != std::string_view::npos; p = slash + 1)
    parts.push_back(text.substr(p, slash - p));
  parts.push_back(text.substr(p));
  return parts;
}

void appendEscapedByte(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out.push_back('%');
  out.push_back(kHex[byte >> 4]);
  out.push_back(kHex[byte & 15]);
}

void appendWithSpacesEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == ' ') out.append("%20");
    else out.push_back(c);
  }
}

}  // namespace

std::string urlMap(std::string_view baseUrl, std::string_view newUrl) {
  std::vector<std::string_view> base = splitAtSlash(baseUrl);
  std::vector<std::string_view> target = splitAtSlash(newUrl);
  size_t lastBase = base.size() - 1, lastTarget = target.size() - 1;
  size_t common = 0;
  while (common + 1 <= lastBase && common <= lastTarget && base[common] == target[common]) ++common;
  std::string out;
  for (size_t i = common; i < lastBase; ++i) out.append("../");
  for (size_t i = common; i < lastTarget; ++i) {
    out.append(target[i]);
    out.push_back('/');
  }
  out.append(target[lastTarget]);
  return out;
}

std::string urlEncode(std::string_view text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    size_t start = pos;
    text::decodeCodePoint(text, pos);
    std::string_view character = text.substr(start, pos - start);
    if (character.size() == 1) {
      appendWithSpacesEscaped(out, character);
      continue;
    }
    std::string bytes = text::toCodePage(character);
    if (bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 255) out.append(bytes);
    else
      for (char byte : bytes) appendEscapedByte(out, static_cast<unsigned char>(byte));
  }
  return out;
}

std::string urlEncodeUtf(std::string_view text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    size_t start = pos;
    char32_t cp = text::decodeCodePoint(text, pos);
    std::string_view character = text.substr(start, pos - start);
    if (cp < 127) appendWithSpacesEscaped(out, character);
    else
      for (char byte : text::encodeCodePoint(cp)) appendEscapedByte(out, static_cast<unsigned char>(byte));
  }
  return out;
}

}  // namespace corvela::tmpl
