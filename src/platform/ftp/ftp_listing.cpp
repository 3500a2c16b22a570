#include "platform/ftp/ftp_listing.h"

#include <cctype>
#include <vector>

namespace corvela::ftp {
namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool isSelfOrParent(std::string_view name) { return name.empty() || name == "." || name == ".."; }

// Skips `count` blank-separated fields; the rest of the line (names may hold
// blanks) or npos when the line has fewer fields.
size_t afterFields(std::string_view line, int count) {
  size_t pos = 0;
  for (int i = 0; i < count; ++i) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos == line.size()) return std::string_view::npos;
    while (pos < line.size() && line[pos] != ' ') ++pos;
  }
  while (pos < line.size() && line[pos] == ' ') ++pos;
  return pos < line.size() ? pos : std::string_view::npos;
}

}  // namespace

std::optional<ListingEntry> parseMlsdLine(std::string_view line) {
  // "fact=value;fact=value; name": the facts end at the first blank.
  size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  std::string_view facts = line.substr(0, blank);
  std::string_view name = line.substr(blank + 1);
  if (isSelfOrParent(name)) return std::nullopt;
  ListingEntry entry{std::string(name), false};
  while (!facts.empty()) {
    size_t end = facts.find(';');
    std::string_view fact = facts.substr(0, end);
    facts = end == std::string_view::npos ? std::string_view() : facts.substr(end + 1);
    size_t equals = fact.find('=');
    if (equals == std::string_view::npos || lower(fact.substr(0, equals)) != "type") continue;
    std::string type = lower(fact.substr(equals + 1));
    if (type == "cdir" || type == "pdir") return std::nullopt;
    entry.isDirectory = type == "dir";
  }
  return entry;
}

std::optional<ListingEntry> parseListLine(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
  if (line.empty() || line.starts_with("total ")) return std::nullopt;
  char kind = line[0];
  if (kind == 'd' || kind == '-' || kind == 'l' || kind == 'b' || kind == 'c' || kind == 'p' || kind == 's') {
    // mode links owner group size month day time-or-year name
    size_t start = afterFields(line, 8);
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view name = line.substr(start);
    if (kind == 'l') {
      size_t arrow = name.find(" -> ");
      if (arrow != std::string_view::npos) name = name.substr(0, arrow);
    }
    if (isSelfOrParent(name)) return std::nullopt;
    return ListingEntry{std::string(name), kind == 'd'};
  }
  if (std::isdigit(static_cast<unsigned char>(kind))) {
    // DOS form: "01-05-03  09:03AM       <DIR>          news"
    size_t start = afterFields(line, 3);
    if (start == std::string_view::npos) return std::nullopt;
    size_t third = afterFields(line, 2);
    std::string_view name = line.substr(start);
    if (isSelfOrParent(name)) return std::nullopt;
    return ListingEntry{std::string(name), line.substr(third).starts_with("<DIR>")};
  }
  return std::nullopt;
}

}  // namespace corvela::ftp
