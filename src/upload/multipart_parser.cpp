// Splitting a multipart body into parts; see multipart_parser.h.
#include "upload/multipart_parser.h"

#include <optional>

#include "upload/delimiter_search.h"

namespace corvela::upload {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCloseMark = "--";
constexpr std::string_view kDispositionHeader = "Content-Disposition";
constexpr std::string_view kContentTypeHeader = "Content-Type";
constexpr std::string_view kNameParameter = "name";
constexpr std::string_view kFileNameParameter = "filename";

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool equalsAsciiCaseless(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The parameters of a Content-Disposition value that this parser needs.
struct Disposition {
  std::optional<std::string_view> name;
  std::optional<std::string_view> fileName;
};

// A quoted value ends at the first quote followed (after blanks) by ";" or
// the end of the line, so a quote inside a name, as old browsers sent it
// unescaped, stays part of the name. `rest` starts after the opening quote;
// on return it starts after the value.
std::string_view takeQuoted(std::string_view& rest) {
  for (size_t at = rest.find('"'); at != std::string_view::npos; at = rest.find('"', at + 1)) {
    size_t next = at + 1;
    while (next < rest.size() && isBlank(rest[next])) ++next;
    if (next == rest.size() || rest[next] == ';') {
      std::string_view value = rest.substr(0, at);
      rest.remove_prefix(at + 1);
      return value;
    }
  }
  // No closing quote: the value runs to the end of the line.
  std::string_view value = rest;
  rest = {};
  return value;
}

Disposition parseDisposition(std::string_view value) {
  Disposition result;
  size_t firstSemicolon = value.find(';');
  if (firstSemicolon == std::string_view::npos) return result;
  std::string_view rest = value.substr(firstSemicolon + 1);
  while (!rest.empty()) {
    while (!rest.empty() && (isBlank(rest.front()) || rest.front() == ';')) rest.remove_prefix(1);
    size_t stop = rest.find_first_of("=;");
    std::string_view key = trimBlanks(rest.substr(0, stop));
    if (stop == std::string_view::npos || rest[stop] == ';') {
      rest.remove_prefix(stop == std::string_view::npos ? rest.size() : stop);
      continue;
    }
    rest.remove_prefix(stop + 1);
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    std::string_view parameter;
    if (!rest.empty() && rest.front() == '"') {
      rest.remove_prefix(1);
      parameter = takeQuoted(rest);
    } else {
      size_t end = rest.find(';');
      parameter = trimBlanks(rest.substr(0, end));
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
    if (equalsAsciiCaseless(key, kNameParameter) && !result.name) result.name = parameter;
    if (equalsAsciiCaseless(key, kFileNameParameter) && !result.fileName) result.fileName = parameter;
  }
  return result;
}

// Reads the header lines of a part from `at` up to the empty line; fills the
// part and returns the offset of its data, or nothing when the headers do not
// end before `limit` or carry no name.
std::optional<size_t> readHeaders(std::string_view body, size_t at, size_t limit, MultipartPart& part) {
  std::optional<Disposition> disposition;
  for (;;) {
    size_t lineEnd = body.find(kLineBreak, at);
    if (lineEnd == std::string_view::npos || lineEnd + kLineBreak.size() > limit) return std::nullopt;
    if (lineEnd == at) {
      at += kLineBreak.size();
      break;
    }
    std::string_view line = body.substr(at, lineEnd - at);
    size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      std::string_view header = trimBlanks(line.substr(0, colon));
      std::string_view value = trimBlanks(line.substr(colon + 1));
      if (equalsAsciiCaseless(header, kDispositionHeader) && !disposition) disposition = parseDisposition(value);
      else if (equalsAsciiCaseless(header, kContentTypeHeader)) part.contentType = value;
    }
    at = lineEnd + kLineBreak.size();
  }
  if (!disposition || !disposition->name) return std::nullopt;
  part.name = *disposition->name;
  part.isFile = disposition->fileName.has_value();
  if (part.isFile) part.fileName = *disposition->fileName;
  return at;
}

// The next delimiter (line break + boundary) at or after `from` that is
// followed by a line break, "--" or the end of the body; npos when none.
size_t nextDelimiter(std::string_view body, const DelimiterSearch& search, size_t from) {
  for (size_t at = search.find(body, from); at != std::string_view::npos; at = search.find(body, at + 1)) {
    std::string_view after = body.substr(at + search.size(), 2);
    if (after.empty() || after == kLineBreak || after == kCloseMark) return at;
  }
  return std::string_view::npos;
}

}  // namespace

MultipartBody parseMultipart(std::string_view body) {
  MultipartBody result;
  size_t firstBreak = body.find(kLineBreak);
  if (firstBreak == std::string_view::npos) return result;
  result.hasLineBreak = true;
  if (firstBreak == 0) return result;

  DelimiterSearch search(std::string(kLineBreak) + std::string(body.substr(0, firstBreak)));
  // `lineEnd` is where the current boundary line's own text ends.
  size_t lineEnd = firstBreak;
  while (body.substr(lineEnd, 2) == kLineBreak) {
    size_t headers = lineEnd + kLineBreak.size();
    size_t delimiter = nextDelimiter(body, search, lineEnd);
    if (delimiter == std::string_view::npos) break;
    MultipartPart part;
    if (std::optional<size_t> data = readHeaders(body, headers, delimiter, part)) {
      part.data = body.substr(*data, delimiter - *data);
      result.parts.push_back(part);
    }
    lineEnd = delimiter + search.size();
  }
  return result;
}

}  // namespace corvela::upload
