// Finds the delimiter between the parts of a multipart body (the line break
// and the boundary line) with Boyer-Moore-Horspool: on binary file data a
// miss moves the search on by up to the delimiter's whole length, so a
// 100 MB body costs a few million comparisons, not a hundred million.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvela::upload {

class DelimiterSearch {
 public:
  // The pattern must not be empty.
  explicit DelimiterSearch(std::string pattern);

  // The offset of the first occurrence at or after `from`, or npos.
  size_t find(std::string_view text, size_t from) const;

  size_t size() const { return pattern_.size(); }

 private:
  std::string pattern_;
  std::array<size_t, 256> shift_;  // how far a byte under the pattern's last position moves it
};

}  // namespace corvela::upload
