// Texts cut to a column's limit before they are stored. A limit counts
// characters as the database and scripts count them, in UTF-16 code units.
// A cut never splits a character: one of two units (outside the Basic
// Multilingual Plane) that would straddle the limit is left out whole, so
// the stored text stays valid UTF-8 and whole UTF-16 units.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvela::core {

// The longest start of the text that fits in `limit` units.
std::string cutToLimit(std::string_view text, size_t limit);

// A record's text field as Save stores it: cut to the limit, and an empty
// result becomes a single space.
std::string preparedText(std::string_view text, size_t limit);

// The text with every "'" doubled, cut so the doubled text fits in `limit`
// units: a quote is kept with its double or left out with it, so the cut
// text still closes its SQL literal correctly.
std::string doubledQuotesCut(std::string_view text, size_t limit);

}  // namespace corvela::core
