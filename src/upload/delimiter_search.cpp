// Boyer-Moore-Horspool search for the part delimiter.
#include "upload/delimiter_search.h"

#include <cstring>

namespace corvela::upload {

DelimiterSearch::DelimiterSearch(std::string pattern) : pattern_(std::move(pattern)) {
  size_t length = pattern_.size();
  shift_.fill(length);
  for (size_t i = 0; i + 1 < length; ++i) shift_[static_cast<unsigned char>(pattern_[i])] = length - 1 - i;
}

size_t DelimiterSearch::find(std::string_view text, size_t from) const {
  const size_t length = pattern_.size();
  if (from > text.size() || text.size() - from < length) return std::string_view::npos;
  const char* data = text.data();
  const char* pattern = pattern_.data();
  const char last = pattern[length - 1];
  const size_t end = text.size() - length;  // last offset where the pattern fits
  size_t at = from;
  while (at <= end) {
    char under = data[at + length - 1];
    if (under == last && std::memcmp(data + at, pattern, length - 1) == 0) return at;
    at += shift_[static_cast<unsigned char>(under)];
  }
  return std::string_view::npos;
}

}  // namespace corvela::upload
